// The launcher: which command lines the buttons run, byte for byte, with their
// echo; the element mode and kind they follow; and the real shell with stub
// programs first on the search path that log how they were called.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include "fresh_state.h"
#include "launcher.h"
#include "model_file.h"
#include "panel.h"
#include "picture.h"
#include "recording_canvas.h"
#include "startup.h"
#include "work_dir.h"

namespace {

// The command lines run while a recorder stands in for the shell.
std::vector<std::string> recorded;
int record(const char* line)
{
    recorded.push_back(line);
    return 0;
}

class Recorder {
public:
    Recorder() : previous_(set_command_runner(record)) { recorded.clear(); }
    ~Recorder() { set_command_runner(previous_); }

private:
    CommandRunner previous_;
};

// The echo of a command: its characters, NULs up to 32, a line end.
std::string echo_of(const std::string& command)
{
    std::string e = command;
    e.resize(32, '\0');
    return e + "\n";
}

// A click on button (row, column), or on the tab itself (row 0), of a tab
// that the panel has selected.
Console press(State& k, int tab, int row, int col)
{
    k.current_tab = tab;
    return console_and_errors_of([&] { dispatch_button(k, tab, 10 * row + col); });
}

TEST(Launcher, EveryButtonRunsItsCommandsInOrderWithTheirEcho)
{
    struct Case {
        const char* what;
        int tab, row, col, mode, type;
        std::vector<std::string> commands;
        bool echoed;
        int mode_after;
    };
    const std::vector<std::string> none;
    const Case cases[] = {
        {"Delaunay pair", 1, 1, 2, 8, 3, {"lindrove_tri01    ", "lindrove_tri02    "}, false, 8},
        {"second triangle pair", 1, 1, 3, 8, 3, {"tessan_tri01    ", "tessan_tri02    "}, false, 8},
        {"quadrilateral meshers", 1, 2, 2, 3, 3,
         {"lindrove_quad01   ", "lindrove_quad02   ", "lindrove_quad03   ", "lindrove_quad04   "}, false, 3},
        {"mesh 5 triangles", 5, 1, 2, 8, 3, {"pelmiro_const  5 0  "}, true, 3},
        {"mesh 5 quadrilaterals", 5, 1, 2, 8, 4, {"pelmiro_const  5 1  "}, true, 4},
        {"mesh 10 triangles", 5, 1, 3, 8, 3, {"pelmiro_const 10 0  "}, true, 3},
        {"mesh 10 quadrilaterals", 5, 1, 3, 8, 4, {"pelmiro_const 10 1  "}, true, 4},
        // a mesh in memory sets the kind, whatever the kind was before the click
        {"mesh 10 after quadrilaterals", 5, 1, 3, 4, 3, {"pelmiro_const 10 1  "}, true, 4},
        {"solve triangles", 5, 3, 2, 8, 3, {"nalvik_tri          "}, true, 8},
        {"solve quadrilaterals", 5, 3, 2, 8, 4, {"nalvik_quad         "}, true, 8},
        {"solve a quadrilateral mesh", 5, 3, 2, 4, 3, {"nalvik_quad         "}, true, 4},
        {"edit the block model on tab 4", 4, 3, 3, 8, 3, {"notepad data2d.txt"}, true, 8},
        {"edit the mesh on tab 4", 4, 3, 3, 3, 3, {"notepad  nalvik.txt"}, true, 3},
        {"edit the block model on tab 5", 5, 11, 2, 8, 4, {"notepad data2d.txt"}, true, 8},
        {"edit the mesh on tab 5", 5, 11, 2, 4, 4, {"notepad  nalvik.txt"}, true, 4},
        {"tab 1 column 1", 1, 1, 1, 8, 3, none, false, 8},
        {"tab 1 row 2 column 3", 1, 2, 3, 8, 3, none, false, 8},
        {"tab 5 row 3 column 3", 5, 3, 3, 8, 3, none, false, 8},
        {"tab 5 row 11 column 3", 5, 11, 3, 8, 3, none, false, 8},
        {"tab 6 row 3 column 2", 6, 3, 2, 8, 3, none, false, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkDir dir;  // the mesher buttons read a nalvik.txt that is not there
        Recorder r;
        auto k = fresh_state();
        k->element_mode = c.mode;
        k->element_type = c.type;
        const Console out = press(*k, c.tab, c.row, c.col);
        EXPECT_EQ(recorded, c.commands);
        std::string echo = c.tab == 4 ? "Go to tab4(" + std::to_string(c.row) + " " + std::to_string(c.col) + ")\n" : "";
        if (c.echoed) echo += echo_of(c.commands[0]);
        EXPECT_EQ(out.out.substr(0, echo.size()), echo);
        const bool mesher = c.tab == 5 && c.row == 1 && c.col > 1;
        EXPECT_EQ(out.out.substr(echo.size()), mesher ? "Input <nalvik.txt>  \n" : "");
        EXPECT_EQ(k->element_mode, c.mode_after);
    }
}

// The kind of mesh the mesher and solver buttons ask for, and the kind of
// model file the reader, the writer and the editor take, across clicks.
TEST(Launcher, ElementModeAndTypeFollowTheClicks)
{
    Recorder r;
    WorkDir dir;
    auto k = fresh_state();
    struct Step {
        int tab, row, col;
        int mode, type;  // after the click
    };
    const Step steps[] = {
        {5, 1, 1, 8, 4},  // the toggle holds while block models are read
        {5, 0, 0, 8, 4},
        {5, 1, 1, 8, 3},
        {5, 1, 1, 8, 4},
        {5, 1, 2, 4, 4},  // the mesher takes the kind for the mode
        {5, 1, 1, 4, 3},  // a toggle with a mesh in memory lasts ...
        {5, 0, 0, 4, 4},  // ... only until the next click in tab 5
        {4, 3, 1, 8, 4},  // the mode cycle: 4 goes to 8
        {4, 3, 1, 3, 4},
        {5, 0, 0, 3, 3},
        {4, 3, 1, 4, 3},
        {6, 0, 0, 4, 3},  // other tabs leave both
        {1, 0, 0, 4, 3},
    };
    for (const Step& s : steps) {
        press(*k, s.tab, s.row, s.col);
        SCOPED_TRACE("tab " + std::to_string(s.tab) + " button " + std::to_string(s.row) + " " + std::to_string(s.col));
        EXPECT_EQ(k->element_mode, s.mode);
        EXPECT_EQ(k->element_type, s.type);
    }
}

TEST(Launcher, TheModeCycleCollapsesTheNodesUntilTheNextRead)
{
    WorkDir dir;
    dir.box().write("data2d.txt", "3 0 0 0 0  1 1 2  2 3 4  3 5 6");
    auto k = fresh_state();
    press(*k, 4, 3, 2);
    ASSERT_EQ(k->node_x[2], 5);
    press(*k, 4, 3, 1);
    EXPECT_EQ(k->element_mode, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(k->node_x[i], 0) << i;
        EXPECT_EQ(k->node_y[i], 0) << i;
    }
    EXPECT_EQ(k->model_loaded, 1) << "still drawn, as one point";
    EXPECT_EQ(k->node_count, 3);
}

// Sets an environment variable for the time of a test, or removes it.
class EnvVar {
public:
    EnvVar(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~EnvVar()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A program in the sandbox's stubs/ that appends its name and its arguments,
// each in brackets, to calls.txt in the working directory, then does more.
void stub(const Sandbox& box, const std::string& name, const std::string& more = "")
{
    mkdir(box.path("stubs").c_str(), 0755);
    box.write("stubs/" + name, "#!/bin/sh\n"
                               "{ printf '%s' \"$(basename \"$0\")\"; for a in \"$@\"; do printf ' [%s]' \"$a\"; done; echo; } >> calls.txt\n" +
                                   more);
    chmod(box.path("stubs/" + name).c_str(), 0755);
}

// The stubs first on the search path, then the suite's programs (notepad).
std::string stub_path(const Sandbox& box) { return box.path("stubs") + ":" + SUITE_BIN_DIR + ":/usr/bin:/bin"; }

const char* const meshed =
    "4 1 2 1 1\n1 0 0\n2 2 0\n3 2 1\n4 0 1\n1 210000 0.3 1\n1 1 2 3 1\n2 1 3 4 1\n1 1 1 0 0\n3 0 -5\n";

size_t square_shape_count(State& k)
{
    RecordingCanvas c;
    console_of([&] { compose_picture(k, c); });
    return Recorded::in(c.r.shapes, 2).size();
}

TEST(LauncherShell, TabFiveWaitsForEachProgramAndReadsTheMeshWithoutDrawingIt)
{
    WorkDir dir;
    const Sandbox& box = dir.box();
    // each program takes a while and leaves its file only at its end
    stub(box, "pelmiro_const", "echo pelmiro ran\nsleep 0.3\nprintf '%s' '" + std::string(meshed) + "' > nalvik.txt\n");
    stub(box, "nalvik_tri", "sleep 0.3\necho 1 > result_nalvik.txt\n");
    stub(box, "fake_editor");
    EnvVar path("PATH", stub_path(box));
    EnvVar visual("VISUAL", std::nullopt);
    EnvVar editor("EDITOR", "fake_editor");

    auto k = fresh_state();
    press(*k, 5, 0, 0);
    const Console mesh = press(*k, 5, 1, 2);
    EXPECT_EQ(mesh.out, "pelmiro ran\n" + echo_of("pelmiro_const  5 0  ") + "Input <nalvik.txt>  \n4 1 2 1 1 \n"
                        "1    210000.000000 0.300000 1.000000\n"
                        "1    1 1 0    0.000000 0.000000 0.000000\n"
                        "3  :  0.000000 -5.000000 \n");
    EXPECT_EQ(mesh.err, "");
    EXPECT_EQ(k->node_count, 4);
    EXPECT_EQ(k->element_count, 2);
    EXPECT_EQ(k->model_loaded, 0) << "not drawn before tab 4 reads a model";
    EXPECT_EQ(square_shape_count(*k), 0u);

    const Console solve = press(*k, 5, 3, 2);
    EXPECT_TRUE(box.exists("result_nalvik.txt")) << "the solver had ended";
    EXPECT_EQ(solve.out, echo_of("nalvik_tri          "));

    const Console edit = press(*k, 5, 11, 2);
    EXPECT_EQ(edit.out, echo_of("notepad  nalvik.txt"));

    press(*k, 4, 3, 2);
    EXPECT_EQ(k->model_loaded, 1);
    EXPECT_EQ(square_shape_count(*k), 2u);
    EXPECT_FLOAT_EQ(k->view_xmin, -0.25f);

    EXPECT_EQ(box.read("calls.txt"), "pelmiro_const [5] [0]\nnalvik_tri\nfake_editor [nalvik.txt]\n");
}

TEST(LauncherShell, TabOneRunsItsMeshersInTurnAndCarriesOnPastMissingOnes)
{
    WorkDir dir;
    const Sandbox& box = dir.box();
    // the second program of the pair starts only once the first has written its file
    stub(box, "lindrove_tri01", "sleep 0.2\necho outline > INPUT01.TXT\n");
    stub(box, "lindrove_tri02", "cat INPUT01.TXT >> calls.txt\n");
    EnvVar path("PATH", stub_path(box));

    auto k = fresh_state();
    const Console delaunay = press(*k, 1, 1, 2);
    const Console tessan = press(*k, 1, 1, 3);
    const Console quads = press(*k, 1, 2, 2);
    const Console again = press(*k, 1, 1, 2);
    EXPECT_EQ(box.read("calls.txt"), "lindrove_tri01\nlindrove_tri02\noutline\nlindrove_tri01\nlindrove_tri02\noutline\n");
    for (const Console* c : {&delaunay, &tessan, &quads, &again}) EXPECT_EQ(c->out, "") << "nothing is echoed";
    EXPECT_EQ(delaunay.err, "");
    // the shell says which programs it cannot find, each of them
    for (const char* missing : {"tessan_tri01", "tessan_tri02"})
        EXPECT_NE(tessan.err.find(std::string(missing) + ": not found"), std::string::npos) << tessan.err;
    for (const char* missing : {"lindrove_quad01", "lindrove_quad02", "lindrove_quad03", "lindrove_quad04"})
        EXPECT_NE(quads.err.find(std::string(missing) + ": not found"), std::string::npos) << quads.err;
}

// A mesher that leaves a broken nalvik.txt: the block model read before stays
// in memory and drawn, and it is not saved over the mesh file.
TEST(LauncherShell, ARefusedMeshKeepsTheModelBefore)
{
    WorkDir dir;
    const Sandbox& box = dir.box();
    stub(box, "pelmiro_const", "echo '4 1 2 0 0  1 0 0' > nalvik.txt\n");
    EnvVar path("PATH", stub_path(box));
    box.write("data2d.txt", "3 0 0 0 0  1 0 0  2 4 0  3 0 4");

    auto k = fresh_state();
    press(*k, 4, 3, 2);
    ASSERT_EQ(k->read_element_mode, 8);
    const Console mesh = press(*k, 5, 1, 2);
    EXPECT_EQ(mesh.err, "korvanta: nalvik.txt: node record 2: the file ends before the node number\n");
    EXPECT_EQ(k->node_count, 3);
    EXPECT_EQ(k->node_x[1], 4);
    EXPECT_EQ(k->model_loaded, 1);
    EXPECT_EQ(k->element_mode, 3) << "the mesher's kind, as for a good mesh";

    const std::string broken = box.read("nalvik.txt");
    const Console save = console_and_errors_of([&] { write_model(*k); });
    EXPECT_EQ(save.err,
              "korvanta: nalvik.txt: the model in memory has 8 nodes per element, not 3; the file is left as it was\n");
    EXPECT_EQ(box.read("nalvik.txt"), broken);
}

// notepad opens its file in $VISUAL, else $EDITOR, else vi, and waits.
TEST(Notepad, TakesTheUsersEditor)
{
    struct Case {
        const char* what;
        std::optional<std::string> visual, editor;
        const char* called;
    };
    const Case cases[] = {
        {"VISUAL first", "visual_stub", "editor_stub", "visual_stub [data2d.txt]\n"},
        {"EDITOR when VISUAL is empty", "", "editor_stub", "editor_stub [data2d.txt]\n"},
        {"EDITOR alone, with an option", std::nullopt, "editor_stub -w", "editor_stub [-w] [data2d.txt]\n"},
        {"vi when neither is set", std::nullopt, std::nullopt, "vi [data2d.txt]\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkDir dir;
        for (const char* name : {"visual_stub", "editor_stub", "vi"}) stub(dir.box(), name, "sleep 0.1\necho done >> calls.txt\n");
        EnvVar path("PATH", stub_path(dir.box()));
        EnvVar visual("VISUAL", c.visual);
        EnvVar editor("EDITOR", c.editor);
        const RunResult r = dir.box().run("notepad", {"data2d.txt"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(dir.box().read("calls.txt"), std::string(c.called) + "done\n");
    }
}

TEST(SearchPath, KorvantasDirectoryComesFirstAndNeverTheCurrentOne)
{
    EXPECT_EQ(path_with_first("/opt/suite/bin", "/usr/bin:/bin"), "/opt/suite/bin:/usr/bin:/bin");
    // an empty path, or an empty entry, would be the current directory to the shell
    EXPECT_EQ(path_with_first("/opt/suite/bin", ""), "/opt/suite/bin:/usr/local/bin:/usr/bin:/bin");
    EXPECT_EQ(path_with_first("/opt/suite/bin", nullptr), "/opt/suite/bin:/usr/local/bin:/usr/bin:/bin");
    // the running program is this test's own, in the build's tests/ directory
    const std::string own = own_directory(nullptr);
    EXPECT_EQ(own, std::string(SUITE_BIN_DIR).substr(0, std::string(SUITE_BIN_DIR).rfind('/')) + "/tests");
}

}  // namespace
