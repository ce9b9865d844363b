// The nodal result files in korvanta: the scalar each node shows, the echo,
// the contour levels, refused files that keep the results before, the result
// buttons of tab 6, and the real tombrel's files read as theory says.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model_file.h"
#include "model_state.h"
#include "model_text.h"
#include "panel.h"
#include "result_file.h"
#include "result_rows.h"
#include "work_dir.h"

namespace {

// Four nodes of a square; the files below hold a row for each.
std::unique_ptr<State> four_nodes() { return model({{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {1, 2, 3, 1, 3, 4}, 3); }

// ux uy per node: (3, 4) has the magnitude 5, the largest of the four.
const char* const disp_rows =
    "1 3.000000e+00 4.000000e+00 \n"
    "2 0.000000e+00 0.000000e+00 \n"
    "3 -1.500000e+00 2.000000e+00 \n"
    "4 1.000000e-03 -2.000000e+00 \n";

// sx sy txy per node, as the equivalent value sees them: (1, 0, 0) gives 1,
// (1, 1, 0) gives 1, (0, 0, 1) gives sqrt(3), and (2, -1, 0.5) gives
// sqrt(0.5 (9 + 1 + 4) + 0.75) = sqrt(7.75).
const char* const triple_rows =
    "1 1.0e+00 0.0e+00 0.0e+00 \n"
    "2 1.0e+00 1.0e+00 0.0e+00 \n"
    "3 0.0e+00 0.0e+00 1.0e+00 \n"
    "4 2.0e+00 -1.0e+00 5.0e-01 \n";

std::vector<float> scalars(const State& k)
{
    return std::vector<float>(k.node_scalar, k.node_scalar + k.node_count);
}

TEST(ResultRead, EachRowBecomesTheScalarOfItsKind)
{
    struct Case {
        int type, kind;
        std::vector<float> want;
    };
    const float r3 = std::sqrt(3.0f), r775 = std::sqrt(7.75f);
    const Case cases[] = {
        {0, 0, {5, 0, 2.5f, std::hypot(0.001f, 2.0f)}},
        {0, 1, {3, 0, -1.5f, 0.001f}},
        {0, 2, {4, 0, 2, -2}},
        {1, 0, {1, 1, r3, r775}},
        {1, 1, {1, 1, 0, 2}},
        {1, 2, {0, 1, 0, -1}},
        {1, 3, {0, 0, 1, 0.5f}},
        {2, 0, {1, 1, r3, r775}},  // strains by the same formula
        {2, 3, {0, 0, 1, 0.5f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + " kind " + std::to_string(c.kind));
        WorkDir dir;
        dir.box().write("result_nalvik.txt", disp_rows);
        dir.box().write("result_nalvik_stress.txt", triple_rows);
        dir.box().write("result_nalvik_strain.txt", triple_rows);
        auto k = four_nodes();
        k->max_disp = 77;
        bool read = false;
        const Console out = console_and_errors_of([&] { read = read_node_results(*k, c.type, c.kind); });
        ASSERT_TRUE(read) << out.err;
        EXPECT_EQ(out.err, "");
        EXPECT_EQ(k->result_source, 1);
        const std::vector<float> got = scalars(*k);
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], c.want[i], 1e-6) << "node " << i + 1;
        // displacements set the deformed shape's scale; stresses and strains keep it
        EXPECT_EQ(k->max_disp, c.type == 0 ? 5.0f : 77.0f);
        // the rows are kept without their numbers
        EXPECT_EQ(k->result_values[0], c.type == 0 ? 3.0f : 1.0f);
        EXPECT_EQ(k->result_values[c.type == 0 ? 7 : 11], c.type == 0 ? -2.0f : 0.5f);
    }
}

TEST(ResultRead, TheConsoleNamesTheFileTypeAndKindThenEchoesEveryRow)
{
    WorkDir dir;
    dir.box().write("result_nalvik.txt", disp_rows);
    dir.box().write("result_nalvik_stress.txt", triple_rows);
    auto k = four_nodes();
    EXPECT_EQ(console_of([&] { read_node_results(*k, 0, 2); }),
              "Input <result_nalvik.txt>  <0 2>\n"
              "1    3.000000e+00  4.000000e+00\n"
              "2    0.000000e+00  0.000000e+00\n"
              "3    -1.500000e+00  2.000000e+00\n"
              "4    1.000000e-03  -2.000000e+00\n");
    EXPECT_EQ(console_of([&] { read_node_results(*k, 1, 0); }),
              "Input <result_stress.txt> <1 0>\n"
              "1    1.000000e+00  0.000000e+00  0.000000e+00\n"
              "2    1.000000e+00  1.000000e+00  0.000000e+00\n"
              "3    0.000000e+00  0.000000e+00  1.000000e+00\n"
              "4    2.000000e+00  -1.000000e+00  5.000000e-01\n");
    // a longer file: only the model's rows are taken, by position
    dir.box().write("result_nalvik_strain.txt", std::string(triple_rows) + "5 9 9 9 \n");
    const std::string strain = console_of([&] { read_node_results(*k, 2, 1); });
    EXPECT_EQ(strain.rfind("Input <result_strain.txt> <2 1>\n1    1.000000e+00", 0), 0u) << strain;
    EXPECT_EQ(std::count(strain.begin(), strain.end(), '\n'), 5);
}

TEST(ContourLevels, NineLevelsFromTheSmallestToTheLargestScalar)
{
    struct Case {
        std::vector<float> values;
        std::vector<float> levels;
        const char* printed;
    };
    const Case cases[] = {
        {{8, 0, 3, 5}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, "Range Check End ... {0.000000 8.000000}\n"},
        {{2.5f, 2.5f, 2.5f}, {2.5f, 2.5f, 2.5f, 2.5f, 2.5f, 2.5f, 2.5f, 2.5f, 2.5f},
         "Range Check End ... {2.500000 2.500000}\n"},
        {{-1, 3}, {-1, -0.5f, 0, 0.5f, 1, 1.5f, 2, 2.5f, 3}, "Range Check End ... {-1.000000 3.000000}\n"},
        {{7}, {7, 7, 7, 7, 7, 7, 7, 7, 7}, "Range Check End ... {7.000000 7.000000}\n"},
    };
    for (const Case& c : cases) {
        auto k = fresh_state();
        k->node_count = static_cast<int>(c.values.size());
        for (size_t i = 0; i < c.values.size(); ++i) k->node_scalar[i] = c.values[i];
        k->node_scalar[c.values.size()] = 100;  // beyond the model: not looked at
        EXPECT_EQ(console_of([&] { compute_contour_levels(*k); }), c.printed);
        for (int d = 0; d < 9; ++d) EXPECT_EQ(k->contour_level[d], c.levels[d]) << c.printed << " level " << d;
    }
    // the ends are the extremes exactly, whatever the steps round to
    auto k = fresh_state();
    k->node_count = 2;
    k->node_scalar[0] = 0.1f;
    k->node_scalar[1] = 0.7f;
    console_of([&] { compute_contour_levels(*k); });
    EXPECT_EQ(k->contour_level[0], 0.1f);
    EXPECT_EQ(k->contour_level[8], 0.7f);
    EXPECT_NEAR(k->contour_level[4], 0.4f, 1e-7);
}

TEST(ResultRead, ARefusedFileKeepsTheResultsBeforeAndShowsNone)
{
    struct Case {
        const char* what;
        const char* text;  // nullptr: no file
        int nodes;
        const char* error;
    };
    const Case cases[] = {
        {"missing", nullptr, 4, "korvanta: result_nalvik.txt: cannot be opened: No such file or directory\n"},
        {"short", "1 1 2 \n2 3 4 \n3 5", 4, "korvanta: result_nalvik.txt: row 3: the file ends before uy\n"},
        {"no rows", "", 4, "korvanta: result_nalvik.txt: row 1: the file ends before the node number\n"},
        {"a word for a value", "1 1 2 \n2 3 abc \n", 4,
         "korvanta: result_nalvik.txt: row 2: expected a real for uy, found 'abc'\n"},
        {"a real for the number", "1 1 2 \n2.5 3 4 \n", 4,
         "korvanta: result_nalvik.txt: row 2: expected an integer for the node number, found '2.5'\n"},
        {"beyond single precision", "1 1e39 2 \n", 1,
         "korvanta: result_nalvik.txt: row 1: ux 1e+39 is beyond single precision\n"},
        {"no model read", "1 1 2 \n", 0,
         "korvanta: result_nalvik.txt: no model has been read, so there are no nodes to take results for\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkDir dir;
        if (c.text) dir.box().write("result_nalvik.txt", c.text);
        auto k = four_nodes();
        k->node_count = c.nodes;
        k->results_shown = 1;
        k->max_disp = 9;
        for (int i = 0; i < 12; ++i) k->result_values[i] = static_cast<float>(i + 10);
        for (int i = 0; i < 4; ++i) k->node_scalar[i] = static_cast<float>(i + 1);
        bool read = true;
        const Console out = console_and_errors_of([&] { read = read_node_results(*k, 0, 0); });
        EXPECT_FALSE(read);
        EXPECT_EQ(out.err, c.error);
        EXPECT_EQ(out.out.rfind("Input <result_nalvik.txt>  <0 0>\n", 0), 0u) << out.out;
        EXPECT_EQ(k->results_shown, 0);
        EXPECT_EQ(k->max_disp, 9);
        for (int i = 0; i < 12; ++i) EXPECT_EQ(k->result_values[i], static_cast<float>(i + 10)) << i;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(k->node_scalar[i], static_cast<float>(i + 1)) << i;
    }
}

TEST(ResultRead, ReadsFromMemoryThroughTheScanner)
{
    // the reading itself needs no file: a scanner over a text will do
    static NodeResults r;
    Scanner sc("result_nalvik_stress.txt", "1 0 0 1 \n2 3 0 0 \n");
    console_of([&] { read_results_text(r, sc, 1, 0, 2, stdout); });
    EXPECT_NEAR(r.node_scalar[0], std::sqrt(3.0f), 1e-6);
    EXPECT_EQ(r.node_scalar[1], 3);
    Scanner bad("result_nalvik_stress.txt", "1 0 0 1 \n2 3 0 \n");
    std::string refusal;
    console_of([&] {
        try {
            read_results_text(r, bad, 1, 1, 2, stdout);
        } catch (const Failure& f) {
            refusal = f.file() + ": " + f.what();
        }
    });
    EXPECT_EQ(refusal, "result_nalvik_stress.txt: row 2: the file ends before txy");
    EXPECT_NEAR(r.node_scalar[0], std::sqrt(3.0f), 1e-6) << "kept";
}

// Tab 6's buttons: which file and kind each reads, and what happens to the
// deformed shape and the contours.
TEST(PostTab, TheResultButtonsReadTheirKindAndSwitchTheDeformedShape)
{
    struct Case {
        int code;
        const char* reads;  // the console's first line, "" when nothing is read
        int deform_after;   // from 1 before the click
        int shown_after;    // from 0 before the click
    };
    const Case cases[] = {
        {11, "", 1, 1},                                  // row 1, any column: the last result again
        {12, "Input <result_nalvik.txt>  <0 0>\n", 1, 1},
        {13, "Input <result_nalvik.txt>  <0 0>\n", 0, 1},  // switches the deformed shape
        {21, "", 0, 1},
        {22, "Input <result_stress.txt> <1 0>\n", 0, 1},
        {23, "Input <result_strain.txt> <2 0>\n", 0, 1},
        {31, "", 1, 0},
        {42, "", 1, 0},
        {61, "", 0, 1},
        {62, "Input <result_nalvik.txt>  <0 1>\n", 0, 1},
        {63, "Input <result_nalvik.txt>  <0 2>\n", 0, 1},
        {72, "Input <result_stress.txt> <1 1>\n", 0, 1},
        {73, "Input <result_stress.txt> <1 2>\n", 0, 1},
        {82, "Input <result_stress.txt> <1 3>\n", 0, 1},
        {83, "", 0, 1},
        {92, "Input <result_strain.txt> <2 1>\n", 0, 1},
        {93, "Input <result_strain.txt> <2 2>\n", 0, 1},
        {102, "Input <result_strain.txt> <2 3>\n", 0, 1},
        {103, "", 0, 1},
        {112, "", 1, 0},
    };
    WorkDir dir;
    dir.box().write("result_nalvik.txt", disp_rows);
    dir.box().write("result_nalvik_stress.txt", triple_rows);
    dir.box().write("result_nalvik_strain.txt", triple_rows);
    for (const Case& c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.code));
        auto k = four_nodes();
        k->deform_on = 1;
        k->pick_fix_x = 1;
        const std::string out = console_of([&] { dispatch_button(*k, 6, c.code); });
        if (*c.reads) {
            EXPECT_EQ(out.rfind(c.reads, 0), 0u) << out;
            EXPECT_NE(out.find("Range Check End ... {"), std::string::npos) << "levels fixed after the read";
        } else {
            EXPECT_EQ(out, "");
        }
        EXPECT_EQ(k->deform_on, c.deform_after);
        EXPECT_EQ(k->results_shown, c.shown_after);
        EXPECT_EQ(k->pick_fix_x, 0);
    }
}

TEST(PostTab, TheDeformButtonTwiceSwitchesOnThenOff)
{
    WorkDir dir;
    dir.box().write("result_nalvik.txt", disp_rows);
    auto k = four_nodes();
    std::string first = console_of([&] { dispatch_button(*k, 6, 13); });
    EXPECT_EQ(k->deform_on, 1);
    const std::string tail_on = "Range Check End ... {0.000000 5.000000}\nDeform Mode = ON \n";
    ASSERT_GE(first.size(), tail_on.size());
    EXPECT_EQ(first.substr(first.size() - tail_on.size()), tail_on) << first;
    std::string second = console_of([&] { dispatch_button(*k, 6, 13); });
    EXPECT_EQ(k->deform_on, 0);
    EXPECT_EQ(second.substr(second.size() - 18), "Deform Mode = OFF\n");
    // the legend's levels are those of the magnitudes 0 to 5
    EXPECT_EQ(k->contour_level[0], 0);
    EXPECT_EQ(k->contour_level[8], 5);
    EXPECT_EQ(k->contour_level[4], 2.5f);

    // a refused file switches nothing: the deformed shape needs displacements
    dir.box().write("result_nalvik.txt", "1 2 3 \n");
    const Console refused = console_and_errors_of([&] { dispatch_button(*k, 6, 13); });
    EXPECT_EQ(k->deform_on, 0);
    EXPECT_EQ(k->results_shown, 0);
    EXPECT_EQ(refused.out.find("Deform Mode"), std::string::npos) << refused.out;
    EXPECT_EQ(refused.err, "korvanta: result_nalvik.txt: row 2: the file ends before the node number\n");
    EXPECT_EQ(k->contour_level[8], 5) << "the levels stay with the results they belong to";
}

// The real thermal-stress road: brundel_tri holds a plate of 4 by 2 at 70
// along both ends, so every node comes out at 70; tombrel expands it from 20
// with alpha 1e-3, held only against rigid motion. Free expansion: ux =
// 0.05 x, uy = 0.05 y and no stress, which korvanta reads from tombrel's files
// unchanged.
TEST(ResultRead, TombrelsFilesReadAsFreeExpansion)
{
    WorkDir dir;
    Grid g = boundary_first_grid(4, 2, 4.0, 2.0, false);
    ModelText heat = g.model;
    heat.materials.push_back({1, 0, 1});
    for (int j = 0; j <= 2; ++j) {
        heat.bounds.push_back({g.at(0, j), 1, 0, 70, 0});
        heat.bounds.push_back({g.at(4, j), 1, 0, 70, 0});
    }
    ModelText plate = g.model;
    plate.materials.push_back({1000, 0.25, 1});
    plate.bounds.push_back({g.at(0, 0), 1, 1, 0, 0});
    plate.bounds.push_back({g.at(4, 0), 0, 1, 0, 0});
    dir.box().write("brundel.txt", heat.text());
    dir.box().write("nalvik.txt", plate.text());
    dir.box().write("init_heat.txt", "20 0 1e-3\n");
    for (const char* program : {"brundel_tri", "tombrel"}) {
        const RunResult r = dir.box().run(program);
        ASSERT_EQ(r.status, 0) << program << "\n" << r.err;
    }

    auto k = fresh_state();
    bool read = false;
    console_and_errors_of([&] { read = read_model(*k, 3); });
    ASSERT_TRUE(read);
    ASSERT_EQ(k->node_count, 15);
    const Console ux = console_and_errors_of([&] {
        read = read_node_results(*k, 0, 1);
        compute_contour_levels(*k);
    });
    ASSERT_TRUE(read) << ux.err;
    for (int i = 0; i < 15; ++i) {
        EXPECT_NEAR(k->node_scalar[i], 0.05 * k->node_x[i], 1e-6) << "node " << i + 1;
        EXPECT_NEAR(k->result_values[2 * i + 1], 0.05 * k->node_y[i], 1e-6) << "node " << i + 1;
    }
    // the largest displacement at the far corner (4, 2): 0.05 sqrt(20)
    EXPECT_NEAR(k->max_disp, 0.05 * std::sqrt(20.0), 1e-6);
    for (int d = 0; d < 9; ++d) EXPECT_NEAR(k->contour_level[d], 0.025 * d, 1e-6) << "level " << d;

    console_and_errors_of([&] { read = read_node_results(*k, 1, 0); });
    ASSERT_TRUE(read);
    for (int i = 0; i < 15; ++i) EXPECT_NEAR(k->node_scalar[i], 0, 1e-3) << "no stress in free expansion";
    EXPECT_NEAR(k->max_disp, 0.05 * std::sqrt(20.0), 1e-6) << "kept from the displacements";
}

}  // namespace
