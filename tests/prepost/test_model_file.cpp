// The model file in korvanta: what a read takes and echoes, what a refused
// read keeps, what a save writes back, and the view fitted to the model.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <memory>

#include "fresh_state.h"
#include "model_file.h"
#include "panel.h"
#include "view_fit.h"
#include "work_dir.h"

namespace {

// A plate 10 by 4 of two triangles in two materials. Node 1 has two boundary
// records (the second holds), node 4 one that fixes nothing, and node 3 is
// loaded; the records are spread over the lines as a user might.
const char* const plate =
    "4 2 2 3 2\n"
    "1 0 0\n2 10 0\n3 10 4\n4 0 4\n"
    "1 210000 0.3 1\n"
    "2 7.0E4 0.25 2\n"
    "1 1 2 3 1  2 1 3 4 2\n"
    "1 1 1 0 0\n"
    "4 0 0 0.5 0.25\n"
    "1 1 0 0.1 0\n"
    "3 0 -100\n"
    "2 5 0\n";

const char* const plate_echo =
    "Input <nalvik.txt>  \n"
    "4 2 2 3 2 \n"
    "1    210000.000000 0.300000 1.000000\n"
    "2    70000.000000 0.250000 2.000000\n"
    "1    1 1 0    0.000000 0.000000 0.000000\n"
    "4    0 0 0    0.500000 0.250000 0.000000\n"
    "1    1 0 0    0.100000 0.000000 0.000000\n"
    "3  :  0.000000 -100.000000 \n"
    "2  :  5.000000 0.000000 \n";

// The plate saved: the record that fixes nothing is gone and the header counts
// the one left; every node has a load record; both materials and the
// elements' material numbers are as read.
const char* const plate_saved =
    "4 2 2 1 4 \n"
    "1  0.000000  0.000000\n"
    "2  10.000000  0.000000\n"
    "3  10.000000  4.000000\n"
    "4  0.000000  4.000000\n"
    "1 2.100000e+05 3.000000e-01 1.000000e+00 \n"
    "2 7.000000e+04 2.500000e-01 2.000000e+00 \n"
    "1  1 2 3  1  \n"
    "2  1 3 4  2  \n"
    "1   1 0   1.000000e-01 0.000000e+00\n"
    "1   0.000000e+00 0.000000e+00\n"
    "2   5.000000e+00 0.000000e+00\n"
    "3   0.000000e+00 -1.000000e+02\n"
    "4   0.000000e+00 0.000000e+00\n";

// A good model file for each element mode.
const char* good_model(int mode)
{
    if (mode == 8) return "8 1 1 0 0  1 0 0 2 1 0 3 2 0 4 2 1 5 2 2 6 1 2 7 0 2 8 0 1  1 1 0 1  1 1 2 3 4 5 6 7 8 1";
    if (mode == 4) return "4 1 1 0 0  1 0 0 2 10 0 3 10 4 4 0 4  1 1 0 1  1 1 2 3 4 1";
    return plate;
}

// Clicks button (row, column) of tab 4 or 5, as the panel does.
Console press(State& k, int tab, int row, int col)
{
    return console_and_errors_of([&] { dispatch_button(k, tab, 10 * row + col); });
}

// Tab 4's row 3 column 2: read the model file of the element mode.
Console read_button(State& k) { return press(k, 4, 3, 2); }

// The plate as nalvik.txt in dir, read through tab 4 in triangle mode.
std::unique_ptr<State> read_plate(const WorkDir& dir)
{
    dir.box().write("nalvik.txt", plate);
    auto k = fresh_state();
    k->element_mode = 3;
    read_button(*k);
    return k;
}

struct Box4 {
    float xmin, xmax, ymin, ymax;
};
Box4 view_of(const State& k) { return {k.view_xmin, k.view_xmax, k.view_ymin, k.view_ymax}; }

TEST(ModelRead, TakesTheTablesAndEchoesTheRecords)
{
    WorkDir dir;
    dir.box().write("nalvik.txt", plate);
    auto k = fresh_state();
    k->element_mode = 3;
    const Console c = read_button(*k);
    EXPECT_EQ(c.out, std::string("Go to tab4(3 2)\n") + plate_echo +
                         "wid={0.000000, 10.000000}, hei={0.000000,4.000000}, zzz={0.000000,0.000000}\n");
    EXPECT_EQ(c.err, "");
    EXPECT_EQ(k->model_loaded, 1);
    EXPECT_EQ(k->read_element_mode, 3);

    EXPECT_EQ(k->node_count, 4);
    EXPECT_EQ(k->material_count, 2);
    EXPECT_EQ(k->element_count, 2);
    EXPECT_EQ(k->bound_count, 3);
    EXPECT_EQ(k->load_count, 2);
    EXPECT_EQ(k->node_x[2], 10);
    EXPECT_EQ(k->node_y[2], 4);
    // the last material record is the one set the pick force takes
    EXPECT_EQ(k->young, 70000);
    EXPECT_EQ(k->poisson, 0.25f);
    EXPECT_EQ(k->thickness, 2);
    const int nodes[6] = {1, 2, 3, 1, 3, 4};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(k->element_nodes[i], nodes[i]) << i;
    EXPECT_EQ(k->element_material[0], 1);
    EXPECT_EQ(k->element_material[1], 2);
    // node 1's second record replaced the first; node 4's fixes nothing but keeps its values
    EXPECT_EQ(k->fix_x[0], 1);
    EXPECT_EQ(k->fix_y[0], 0);
    EXPECT_EQ(k->fix_value_x[0], 0.1f);
    EXPECT_EQ(k->fix_x[3], 0);
    EXPECT_EQ(k->fix_value_x[3], 0.5f);
    EXPECT_EQ(k->fix_value_y[3], 0.25f);
    EXPECT_EQ(k->node_force[5], -100);  // fy of node 3
    EXPECT_EQ(k->node_force[2], 5);     // fx of node 2
    EXPECT_EQ(k->node_force[0], 0);
}

TEST(ModelRead, ANewReadClearsTheConditionsOfTheLastOne)
{
    WorkDir dir;
    auto k = read_plate(dir);
    // the same nodes without boundary or load records: all free and unloaded
    dir.box().write("nalvik.txt", "4 1 1 0 0  1 0 0 2 10 0 3 10 4 4 0 4  1 1 0 1  1 1 2 3 1");
    read_button(*k);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(k->fix_x[i], 0) << i;
        EXPECT_EQ(k->fix_value_x[i], 0) << i;
        EXPECT_EQ(k->node_force[2 * i], 0) << i;
        EXPECT_EQ(k->node_force[2 * i + 1], 0) << i;
    }
    EXPECT_EQ(k->element_count, 1);
}

TEST(ModelRead, BlockModelsHaveEightPointsPerArea)
{
    WorkDir dir;
    // one block over [0, 2] x [0, 2], corners and mid-sides counter-clockwise
    dir.box().write("data2d.txt",
                    "8 1 1 1 1\n1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n"
                    "1 210000 0.3 1\n1 1 2 3 4 5 6 7 8 1\n1 1 1 0 0\n5 0 -10\n");
    auto k = fresh_state();
    const Console c = read_button(*k);
    EXPECT_EQ(c.err, "");
    EXPECT_EQ(c.out.rfind("Go to tab4(3 2)\nInput <data2d.txt> \n8 1 1 1 1 \n", 0), 0u) << c.out;
    EXPECT_EQ(k->read_element_mode, 8);
    for (int a = 0; a < 8; ++a) EXPECT_EQ(k->element_nodes[a], a + 1);
    EXPECT_EQ(k->node_force[9], -10);
    // saved back with its eight points per area
    const Console save = console_and_errors_of([&] { write_model(*k); });
    EXPECT_EQ(save.out, "Write <data2d.txt> \n");
    const std::string saved = dir.box().read("data2d.txt");
    EXPECT_NE(saved.find("\n1  1 2 3 4 5 6 7 8  1  \n1   1 1   0.000000e+00 0.000000e+00\n"), std::string::npos) << saved;
}

// Broken model files, each read through tab 4 after a good one: one line on
// standard error that names the file and what is wrong, and the model, its
// counts, its view and model_loaded as they were.
TEST(ModelRead, RefusalsKeepThePreviousModel)
{
    struct Case {
        const char* what;
        const char* text;  // nullptr: no file at all
        const char* message;
        int mode = 3;
    };
    const Case cases[] = {
        {"missing", nullptr, "nalvik.txt: cannot be opened: No such file or directory"},
        {"short", "4 1 1 0 2  1 0 0 2 1 0 3 1 1 4 0 1  1 1 0 1  1 1 2 3 1  2 1 0  3 1",
         "nalvik.txt: load record 2: the file ends before fy"},
        {"not a real", "4 1 1 0 0  1 0 0 2 1 0 3 1 abc 4 0 1  1 1 0 1  1 1 2 3 1",
         "nalvik.txt: node record 3: expected a real for y, found 'abc'"},
        {"not an integer", "4 1 1.5 0 0", "nalvik.txt: header: expected an integer for the element count, found '1.5'"},
        {"no nodes", "0 0 0 0 0", "nalvik.txt: header: the model has no nodes"},
        {"negative count", "4 1 1 -1 0", "nalvik.txt: header: the boundary record count is negative (-1)"},
        {"too many nodes", "50001 1 0 0 0", "nalvik.txt: header: the node count 50001 is over the limit of 50000"},
        {"too many triangles", "4 1 80001 0 0", "nalvik.txt: header: the element count 80001 is over the limit of 80000"},
        {"too many quadrilaterals", "4 1 60001 0 0",
         "nalvik.txt: header: the element count 60001 is over the limit of 60000", 4},
        {"too many areas", "4 1 30001 0 0", "data2d.txt: header: the element count 30001 is over the limit of 30000", 8},
        {"too many materials", "4 1001 0 0 0", "nalvik.txt: header: the material count 1001 is over the limit of 1000"},
        {"too many loads", "4 1 0 0 75001", "nalvik.txt: header: the load record count 75001 is over the limit of 75000"},
        {"element node beyond", "4 1 2 0 0  1 0 0 2 1 0 3 1 1 4 0 1  1 1 0 1  1 1 2 3 1  2 1 5 4 1",
         "nalvik.txt: element 2: node 5 is not in 1..4"},
        {"boundary node 0", "4 1 1 1 0  1 0 0 2 1 0 3 1 1 4 0 1  1 1 0 1  1 1 2 3 1  0 1 1 0 0",
         "nalvik.txt: boundary record 1: node 0 is not in 1..4"},
        {"load node beyond", "4 1 1 0 1  1 0 0 2 1 0 3 1 1 4 0 1  1 1 0 1  1 1 2 3 1  9 1 0",
         "nalvik.txt: load record 1: node 9 is not in 1..4"},
        {"beyond single precision", "4 1 1 0 0  1 0 0 2 1e39 0 3 1 1 4 0 1  1 1 0 1  1 1 2 3 1",
         "nalvik.txt: node record 2: x 1e+39 is beyond single precision"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkDir dir;
        const char* file = c.mode == 8 ? "data2d.txt" : "nalvik.txt";
        dir.box().write(file, good_model(c.mode));
        auto k = fresh_state();
        k->element_mode = c.mode;
        read_button(*k);
        ASSERT_EQ(k->model_loaded, 1);
        const auto before = std::make_unique<Model>(*k);
        const Box4 view = view_of(*k);

        if (c.text)
            dir.box().write(file, c.text);
        else
            std::remove(file);
        const Console out = read_button(*k);
        EXPECT_EQ(out.err, std::string("korvanta: ") + c.message + "\n");
        EXPECT_EQ(out.out.substr(0, 16), "Go to tab4(3 2)\n");
        EXPECT_NE(out.out.find(c.mode == 8 ? "Input <data2d.txt> \n" : "Input <nalvik.txt>  \n"), std::string::npos);
        EXPECT_EQ(out.out.find("wid="), std::string::npos) << "no view fit";
        EXPECT_EQ(std::memcmp(static_cast<const Model*>(k.get()), before.get(), sizeof(Model)), 0);
        EXPECT_EQ(k->model_loaded, 1);
        EXPECT_EQ(view_of(*k).xmin, view.xmin);
        EXPECT_EQ(view_of(*k).ymax, view.ymax);
    }
}

TEST(ModelRead, ARefusedFirstReadLeavesNothingToDrawOrSave)
{
    WorkDir dir;
    dir.box().write("data2d.txt", "8 1 1 0 0  1 0 0");
    auto k = fresh_state();
    const Console c = read_button(*k);
    EXPECT_EQ(c.err, "korvanta: data2d.txt: node record 2: the file ends before the node number\n");
    EXPECT_EQ(k->model_loaded, 0);
    EXPECT_EQ(k->node_count, 0);
    EXPECT_EQ(view_of(*k).xmax, 1);
}

TEST(ModelWrite, SavesWhatWasReadInTheRowForms)
{
    WorkDir dir;
    auto k = read_plate(dir);
    const Console c = console_and_errors_of([&] { write_model(*k); });
    EXPECT_EQ(c.out, "Write <nalvik.txt>  \n");
    EXPECT_EQ(c.err, "");
    EXPECT_EQ(dir.box().read("nalvik.txt"), plate_saved);
    EXPECT_EQ(k->bound_count, 1) << "the recount";
    EXPECT_FALSE(dir.box().exists("nalvik.txt.tmp"));
}

TEST(ModelWrite, ASavedModelReadsBackAsTheSameModel)
{
    WorkDir dir;
    auto k = read_plate(dir);
    console_and_errors_of([&] { write_model(*k); });
    const auto first = std::make_unique<Model>(*k);
    read_button(*k);
    EXPECT_EQ(k->material_count, 2);
    for (int m = 0; m < 2; ++m) {
        EXPECT_EQ(k->material_young[m], first->material_young[m]) << m;
        EXPECT_EQ(k->material_poisson[m], first->material_poisson[m]) << m;
        EXPECT_EQ(k->material_thickness[m], first->material_thickness[m]) << m;
    }
    EXPECT_EQ(k->element_material[1], 2);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(k->node_x[i], first->node_x[i]);
        EXPECT_EQ(k->node_y[i], first->node_y[i]);
        EXPECT_EQ(k->fix_x[i], first->fix_x[i]);
        EXPECT_EQ(k->fix_y[i], first->fix_y[i]);
        EXPECT_EQ(k->node_force[2 * i], first->node_force[2 * i]);
        EXPECT_EQ(k->node_force[2 * i + 1], first->node_force[2 * i + 1]);
    }
    // saved again, the file comes out the same
    console_and_errors_of([&] { write_model(*k); });
    EXPECT_EQ(dir.box().read("nalvik.txt"), plate_saved);
}

TEST(ModelWrite, CoordinatesKeepSixDecimals)
{
    WorkDir dir;
    dir.box().write("data2d.txt", "3 0 0 0 0  1 0.0000004 -0.0000006  2 1.25 2.5e-7  3 123.4567891 0");
    auto k = fresh_state();
    read_button(*k);
    console_and_errors_of([&] { write_model(*k); });
    EXPECT_EQ(dir.box().read("data2d.txt"),
              "3 0 0 0 3 \n"
              "1  0.000000  -0.000001\n"
              "2  1.250000  0.000000\n"
              "3  123.456787  0.000000\n"
              "1   0.000000e+00 0.000000e+00\n"
              "2   0.000000e+00 0.000000e+00\n"
              "3   0.000000e+00 0.000000e+00\n");
}

// Saves that would write another model than the one read are refused, and the
// file on disk stays as it was.
TEST(ModelWrite, RefusedSavesLeaveTheFile)
{
    struct Case {
        const char* what;
        int cycles;         // clicks on tab 4 row 3 column 1 after the read
        bool read;
        const char* file;   // the file of the element mode at the save
        const char* message;
    };
    const Case cases[] = {
        {"before any read", 0, false, "data2d.txt", "no model has been read; the file is left as it was"},
        {"after one mode change", 1, true, "nalvik.txt",
         "the change of element mode has cleared the nodes; read the model again; the file is left as it was"},
        {"back at the same mode", 3, true, "data2d.txt",
         "the change of element mode has cleared the nodes; read the model again; the file is left as it was"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkDir dir;
        dir.box().write("data2d.txt", "3 0 0 0 0  1 0 0  2 1 0  3 0 1");
        dir.box().write("nalvik.txt", plate);
        const auto files = dir.box().snapshot();
        auto k = fresh_state();
        if (c.read) read_button(*k);
        for (int i = 0; i < c.cycles; ++i) press(*k, 4, 3, 1);
        const Console out = console_and_errors_of([&] { write_model(*k); });
        EXPECT_EQ(out.out, "");
        EXPECT_EQ(out.err, std::string("korvanta: ") + c.file + ": " + c.message + "\n");
        EXPECT_EQ(dir.box().snapshot(), files);
    }
}

TEST(ModelWrite, AModelReadWithAnotherModeIsNotSaved)
{
    WorkDir dir;
    dir.box().write("data2d.txt", "3 0 0 0 0  1 0 0  2 1 0  3 0 1");
    dir.box().write("nalvik.txt", plate);
    const auto files = dir.box().snapshot();
    auto k = fresh_state();
    read_button(*k);  // the block model, 8 points per area
    k->element_mode = 3;  // as a mesher button leaves it when its nalvik.txt is refused
    const Console out = console_and_errors_of([&] { write_model(*k); });
    EXPECT_EQ(out.err,
              "korvanta: nalvik.txt: the model in memory has 8 nodes per element, not 3; the file is left as it was\n");
    EXPECT_EQ(dir.box().snapshot(), files);
}

TEST(ModelWrite, AFailedWriteSaysSoAndKeepsTheOldFile)
{
    struct Case {
        const char* what;
        const char* message;
        void (*block)(const Sandbox&);
    };
    const Case cases[] = {
        {"the disk is full", "korvanta: nalvik.txt: cannot be written: No space left on device\n",
         [](const Sandbox& b) { ASSERT_EQ(symlink("/dev/full", b.path("nalvik.txt.tmp").c_str()), 0); }},
        {"no room for the file", "korvanta: nalvik.txt: cannot be written: Is a directory\n",
         [](const Sandbox& b) { ASSERT_EQ(mkdir(b.path("nalvik.txt.tmp").c_str(), 0755), 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkDir dir;
        auto k = read_plate(dir);
        c.block(dir.box());
        const Console out = console_and_errors_of([&] { write_model(*k); });
        EXPECT_EQ(out.out, "") << "no Write line";
        EXPECT_EQ(out.err, c.message);
        EXPECT_EQ(dir.box().read("nalvik.txt"), plate);
    }
}

// A plate 2 by 1 of two materials, held on its left edge and pulled on its
// right: nalvik_tri gives the same results before and after korvanta saved it.
TEST(ModelWrite, ASavedMultiMaterialMeshAnalysesAsTheSameModel)
{
    const char* two_materials =
        "6 2 4 2 2\n"
        "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n"
        "1 210000 0.3 1\n2 70000 0.25 0.5\n"
        "1 1 2 5 1\n2 1 5 4 1\n3 2 3 6 2\n4 2 6 5 2\n"
        "1 1 1 0 0\n4 1 1 0 0\n"
        "3 100 0\n6 100 0\n";
    const char* results[] = {"result_nalvik.txt", "result_nalvik_strain_elm.txt", "result_nalvik_stress_elm.txt",
                             "result_nalvik_strain.txt", "result_nalvik_stress.txt"};
    WorkDir dir;
    dir.box().write("nalvik.txt", two_materials);
    ASSERT_EQ(dir.box().run("nalvik_tri").status, 0);
    std::vector<std::string> before;
    for (const char* r : results) before.push_back(dir.box().read(r));

    auto k = fresh_state();
    k->element_mode = 3;
    read_button(*k);
    console_and_errors_of([&] { write_model(*k); });
    ASSERT_NE(dir.box().read("nalvik.txt"), two_materials) << "the file was rewritten";
    const RunResult again = dir.box().run("nalvik_tri");
    ASSERT_EQ(again.status, 0) << again.err;
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(dir.box().read(results[i]), before[i]) << results[i];
}

TEST(FitView, SquareBoxWithAMarginOfAnEighth)
{
    struct Case {
        const char* what;
        std::vector<std::pair<float, float>> nodes;
        Box4 box;
        const char* line;
    };
    const Case cases[] = {
        // d = 10, m = 1.25; y centred on 2 in a span of 12.5
        {"10 by 4", {{0, 0}, {10, 0}, {10, 4}, {0, 4}}, {-1.25f, 11.25f, -4.25f, 8.25f},
         "wid={0.000000, 10.000000}, hei={0.000000,4.000000}, zzz={0.000000,0.000000}\n"},
        // y wider: d = 8, m = 1; x centred on 3 in a span of 10
        {"2 by 8", {{2, -3}, {4, 5}}, {-2, 8, -4, 6},
         "wid={2.000000, 4.000000}, hei={-3.000000,5.000000}, zzz={0.000000,0.000000}\n"},
        // equal extents keep x as the wider axis; both span min - m to max + m
        {"square", {{0, 0}, {4, 4}}, {-0.5f, 4.5f, -0.5f, 4.5f},
         "wid={0.000000, 4.000000}, hei={0.000000,4.000000}, zzz={0.000000,0.000000}\n"},
        // one point: d = 1 around it, a box of 1.25
        {"one point", {{3, -2}, {3, -2}}, {2.375f, 3.625f, -2.625f, -1.375f},
         "wid={3.000000, 3.000000}, hei={-2.000000,-2.000000}, zzz={0.000000,0.000000}\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto k = fresh_state();
        k->node_count = static_cast<int>(c.nodes.size());
        for (size_t i = 0; i < c.nodes.size(); ++i) {
            k->node_x[i] = c.nodes[i].first;
            k->node_y[i] = c.nodes[i].second;
        }
        k->view_zmin = -3;
        k->view_zmax = 7;
        const std::string out = console_of([&] { fit_view(*k); });
        EXPECT_EQ(out, c.line);
        EXPECT_FLOAT_EQ(k->view_xmin, c.box.xmin);
        EXPECT_FLOAT_EQ(k->view_xmax, c.box.xmax);
        EXPECT_FLOAT_EQ(k->view_ymin, c.box.ymin);
        EXPECT_FLOAT_EQ(k->view_ymax, c.box.ymax);
        EXPECT_EQ(k->view_zmin, -3) << "the depth stays";
        EXPECT_EQ(k->view_zmax, 7);
    }
}

}  // namespace
