// nalvik_tri end to end: models whose answers are known without the program,
// the console echo and result rows byte for byte, and refusals of broken input.
#include <gtest/gtest.h>

#include <map>

#include "model_text.h"
#include "patch_test.h"
#include "refusals.h"
#include "result_rows.h"
#include "sandbox.h"

namespace {

// Unit square of two counter-clockwise triangles, E = 1, nu = 0, t = 1, left
// edge held, 0.5 pulling on each right node: uniaxial stress 1, so u = x, v = 0.
const char* const unit_square =
    "4 1 2 2 2\n"
    "1 0 0\n2 1 0\n3 1 1\n4 0 1\n"
    "1 1 0 1\n"
    "1 1 2 3 1\n2 1 3 4 1\n"
    "1 1 1 0 0\n4 1 1 0 0\n"
    "2 0.5 0\n3 0.5 0\n";

// The same square with every node prescribed on u = x, v = -y/4, E = 0.75 and
// nu = 0.5 (so E / (1 - nu^2) = 1): every number below is exact in binary.
// Strain (1, -0.25, 0); stress (1 - 0.125, 0.5 - 0.25, 0) = (0.875, 0.25, 0).
// The load on node 3 meets a fixed equation and is overwritten.
const char* const prescribed_square =
    "4 1 2 4 1\n"
    "1 0 0\n2 1 0\n3 1 1\n4 0 1\n"
    "1 0.75 0.5 1\n"
    "1 1 2 3 1\n2 1 3 4 1\n"
    "1 1 1 0 0\n2 1 1 1 0\n3 1 1 1 -0.25\n4 1 1 0 -0.25\n"
    "3 2 3\n";

const char* const prescribed_square_echo =
    "4  1  2  4  1\n"
    "1     0.750000 0.500000 1.000000\n"
    "1     1 2 3    1\n"
    "2     1 3 4    1\n"
    "1    1 1    0.000000 0.000000\n"
    "2    1 1    1.000000 0.000000\n"
    "3    1 1    1.000000 -0.250000\n"
    "4    1 1    0.000000 -0.250000\n"
    "3    2.000000 3.000000\n"
    "Read <result_nalvik_strain_elm.txt>\n"
    "write_file_name = result_nalvik_strain.txt\n"
    "Read <result_nalvik_stress_elm.txt>\n"
    "write_file_name = result_nalvik_stress.txt\n";

const char* const prescribed_square_files[5] = {
    "1 0.000000e+00 0.000000e+00 \n"
    "2 1.000000e+00 0.000000e+00 \n"
    "3 1.000000e+00 -2.500000e-01 \n"
    "4 0.000000e+00 -2.500000e-01 \n",
    "1 1.000000e+00 -2.500000e-01 0.000000e+00 \n"
    "2 1.000000e+00 -2.500000e-01 0.000000e+00 \n",
    "1 8.750000e-01 2.500000e-01 0.000000e+00 \n"
    "2 8.750000e-01 2.500000e-01 0.000000e+00 \n",
    "1 1.000000e+00 -2.500000e-01 0.000000e+00 \n"
    "2 1.000000e+00 -2.500000e-01 0.000000e+00 \n"
    "3 1.000000e+00 -2.500000e-01 0.000000e+00 \n"
    "4 1.000000e+00 -2.500000e-01 0.000000e+00 \n",
    "1 8.750000e-01 2.500000e-01 0.000000e+00 \n"
    "2 8.750000e-01 2.500000e-01 0.000000e+00 \n"
    "3 8.750000e-01 2.500000e-01 0.000000e+00 \n"
    "4 8.750000e-01 2.500000e-01 0.000000e+00 \n",
};

}  // namespace

TEST(NalvikTri, EchoAndRowsByteForByte)
{
    // a second run rewrites every file: one run's rows
    expect_exact_results("nalvik_tri", prescribed_square, prescribed_square_echo,
                         {prescribed_square_files, prescribed_square_files + 5});
}

TEST(NalvikTri, UnitSquareUnderTensionIsUniaxial)
{
    Sandbox box;
    box.write("nalvik.txt", unit_square);
    RunResult r = box.run("nalvik_tri");
    ASSERT_EQ(r.status, 0) << r.err;
    Rows disp = rows(box.read("result_nalvik.txt"), 2);
    const double expect_u[4] = {0, 1, 1, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(disp.value[i][0], expect_u[i], 1e-12);
        EXPECT_NEAR(disp.value[i][1], 0.0, 1e-12);
    }
    for (const char* f : {"result_nalvik_stress_elm.txt", "result_nalvik_stress.txt"})
        for (const auto& v : rows(box.read(f), 3).value) {
            EXPECT_NEAR(v[0], 1.0, 1e-12) << f;
            EXPECT_NEAR(v[1], 0.0, 1e-12) << f;
            EXPECT_NEAR(v[2], 0.0, 1e-12) << f;
        }
}

TEST(NalvikTri, AwkwardLayoutsReadAsTheTidyFile)
{
    Sandbox tidy;
    tidy.write("nalvik.txt", unit_square);
    ASSERT_EQ(tidy.run("nalvik_tri").status, 0);
    const auto expect = results_of(tidy);

    // one line, tabs, numbers 10/20/30, E and three-digit exponents, a repeated
    // boundary and load record (the later wins), a node fixed with flag -1
    const char* const layouts[] = {
        "4 1 2 2 2 1 0 0 2 1 0 3 1 1 4 0 1 1 1 0 1 1 1 2 3 1 2 1 3 4 1 1 1 1 0 0 4 1 1 0 0 2 0.5 0 3 0.5 0",
        "4\t1\t2\t2\t2\n10\t0.0\t0.0\n20\t1.0E+000\t0\n30 1e0 1E0\n40 0 10.0e-001\n"
        "7 1.000e+000 0.000 100.0E-002\n"
        "100 1 2 3 1\n200\n1\n3\n4\n1\n"
        "1 1 1 0.0 0.0 4 1 1 0 0\n2 5.000000e-001 0.0\n3\t5.000000e-001 0.0e0\n",
        "4 1 2 4 3\n1 0 0\n2 1 0\n3 1 1\n4 0 1\n1 1 0 1\n1 1 2 3 1\n2 1 3 4 1\n"
        "1 0 0 5 5\n4 1 1 0 0\n1 1 1 0 0\n2 0 0 0 0\n"
        "2 7 7\n3 0.5 0\n2 0.5 0\n",
        "4 1 2 2 2\n1 0 0\n2 1 0\n3 1 1\n4 0 1\n1 1 0 1\n1 1 2 3 1\n2 1 3 4 1\n"
        "1 -1 -1 0 0\n4 -1 1 0 0\n2 0.5 0\n3 0.5 0\n",
    };
    for (const char* text : layouts) {
        Sandbox box;
        box.write("nalvik.txt", text);
        RunResult r = box.run("nalvik_tri");
        ASSERT_EQ(r.status, 0) << r.err << "\n" << text;
        EXPECT_TRUE(results_of(box) == expect) << text;
    }
}

TEST(NalvikTri, PatchTestWithBoundaryNumberedFirst)
{
    // a linear displacement field prescribed on every boundary node of a
    // distorted grid: every element must show its exact constant strain
    Grid g = distorted_patch(false);
    Sandbox box;
    box.write("nalvik.txt", g.model.text());
    RunResult r = box.run("nalvik_tri");
    ASSERT_EQ(r.status, 0) << r.err;
    expect_exact_patch_results(g, box, 1);
}

TEST(NalvikTri, TwoMaterialStripInSeries)
{
    // x 0..2, height 1; left square E = 1, t = 1; right square E = 4, t = 0.5;
    // nu = 0, left edge held, a total pull of 1 on the right edge. Left:
    // stress 1, strain 1; right: stress 1 / 0.5 = 2, strain 0.5. So u = 1 at
    // x = 1 and u = 1.5 at x = 2.
    const char* const text =
        "6 2 4 2 2\n"
        "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n"
        "1 1 0 1\n2 4 0 0.5\n"
        "1 1 2 5 1\n2 1 5 4 1\n3 2 3 6 2\n4 2 6 5 2\n"
        "1 1 1 0 0\n4 1 1 0 0\n"
        "3 0.5 0\n6 0.5 0\n";
    Sandbox box;
    box.write("nalvik.txt", text);
    RunResult r = box.run("nalvik_tri");
    ASSERT_EQ(r.status, 0) << r.err;
    Rows disp = rows(box.read("result_nalvik.txt"), 2);
    const double expect_u[6] = {0, 1, 1.5, 0, 1, 1.5};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(disp.value[i][0], expect_u[i], 1e-12) << "node " << i + 1;
        EXPECT_NEAR(disp.value[i][1], 0.0, 1e-12) << "node " << i + 1;
    }
    Rows stress = rows(box.read("result_nalvik_stress_elm.txt"), 3);
    Rows strain = rows(box.read("result_nalvik_strain_elm.txt"), 3);
    for (int e = 0; e < 4; ++e) {
        EXPECT_EQ(stress.number[e], e + 1);
        EXPECT_NEAR(stress.value[e][0], e < 2 ? 1.0 : 2.0, 1e-12);
        EXPECT_NEAR(strain.value[e][0], e < 2 ? 1.0 : 0.5, 1e-12);
    }
    // plain means of the element rows around each node: node 2 lies in
    // elements 1, 3 and 4 (1 + 2 + 2) / 3, node 5 in 1, 2 and 4 (1 + 1 + 2) / 3
    Rows node_stress = rows(box.read("result_nalvik_stress.txt"), 3);
    const double mean[6] = {1.0, 5.0 / 3.0, 2.0, 1.0, 4.0 / 3.0, 2.0};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(node_stress.value[i][0], mean[i], 1e-6) << "node " << i + 1;
}

TEST(NalvikTri, NodeInNoElementHeldBothWaysHasZeroMeans)
{
    Sandbox box;
    box.write("nalvik.txt",
              "5 1 2 3 2\n1 0 0\n2 1 0\n3 1 1\n4 0 1\n5 9 9\n1 1 0 1\n1 1 2 3 1\n2 1 3 4 1\n"
              "1 1 1 0 0\n4 1 1 0 0\n5 1 1 0 0\n2 0.5 0\n3 0.5 0\n");
    RunResult r = box.run("nalvik_tri");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string strain = box.read("result_nalvik_strain.txt");
    EXPECT_NE(strain.find("5 0.000000e+00 0.000000e+00 0.000000e+00 \n"), std::string::npos) << strain;
    EXPECT_EQ(strain.find("nan"), std::string::npos);
}

TEST(NalvikTri, BrokenInputIsRefusedAndEarlierResultsStay)
{
    std::string tidy = unit_square;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = tidy;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    std::string many_nodes = "1600 1 0 0 0\n";
    const std::vector<Refusal> cases = {
        {"missing file", "", 2, "nalvik.txt: cannot be opened: No such file or directory"},
        {"truncated in an element", tidy.substr(0, tidy.find("2 1 3 4") + 5), 2,
         "nalvik.txt: element 2: the file ends before node 3"},
        {"empty file", " \n", 2, "nalvik.txt: header: the file ends before the node count"},
        {"word for a number", replaced("3 1 1\n", "3 1 abc\n"), 2,
         "nalvik.txt: node record 3: expected a real for y, found 'abc'"},
        {"too many nodes", many_nodes, 2, "nalvik.txt: header: the node count 1600 is over the limit of 1500"},
        {"too many elements", "3 1 3001 0 0\n", 2,
         "nalvik.txt: header: the element count 3001 is over the limit of 3000"},
        {"too many materials", "3 10 1 0 0\n", 2,
         "nalvik.txt: header: the material count 10 is over the limit of 9"},
        {"negative count", "4 1 2 -1 2\n", 2, "nalvik.txt: header: the boundary record count is negative (-1)"},
        {"no nodes", "0 0 0 0 0\n", 2, "nalvik.txt: header: the model has no nodes"},
        {"element node out of range", replaced("2 1 3 4 1", "2 1 3 5 1"), 2,
         "nalvik.txt: element 2: node 5 is not in 1..4"},
        {"element node zero", replaced("1 1 2 3 1", "1 0 2 3 1"), 2,
         "nalvik.txt: element 1: node 0 is not in 1..4"},
        {"material out of range", replaced("2 1 3 4 1", "2 1 3 4 2"), 2,
         "nalvik.txt: element 2: material 2 is not in 1..1"},
        {"boundary node out of range", replaced("4 1 1 0 0", "7 1 1 0 0"), 2,
         "nalvik.txt: boundary record 2: node 7 is not in 1..4"},
        {"load node out of range", replaced("3 0.5 0\n", "-3 0.5 0\n"), 2,
         "nalvik.txt: load record 2: node -3 is not in 1..4"},
        {"degenerate triangle", replaced("3 1 1\n", "3 2 0\n"), 3,
         "nalvik.txt: element 1: nodes 1 2 3 enclose no area"},
        // twice the area of element 1 is 1e200 * 1e200, beyond the largest double
        {"triangle whose area overflows", replaced("2 1 0\n3 1 1\n", "2 1e200 0\n3 1e200 1e200\n"), 3,
         "nalvik.txt: element 1: nodes 1 2 3 enclose no area"},
        {"node in no element left free", replaced("4 1 2 2 2\n", "5 1 2 2 2\n").insert(tidy.find("1 1 0 1"), "5 3 3\n"),
         3, "nalvik.txt: node 5 x has no stiffness: it is in no element, or the structure is not held against rigid motion"},
        {"held in x only", replaced("1 1 1 0 0\n4 1 1 0 0", "1 1 0 0 0\n4 1 0 0 0"), 3,
         "has no stiffness: it is in no element, or the structure is not held against rigid motion"},
        {"result file cannot be written", replaced("2 0.5 0\n3 0.5 0", "2 1.5 0\n3 1.5 0"), 5,
         "result_nalvik_stress.txt: cannot be written: Is a directory", "result_nalvik_stress.txt"},
        // results beyond the largest double would be written as inf or nan
        {"a coordinate near the largest double",
         "4 2 2 2 2\n1 0 0\n2 1 0\n3 1 1e308\n4 0 1\n1 1 0 1\n2 2 0.25 1\n1 1 2 3 1\n2 1 3 4 2\n"
         "1 1 1 0 0\n4 1 1 0 0\n2 0.5 0\n3 0.5 0\n",
         4, "node 2: the displacement is not finite ("},
        {"a load near the largest double", replaced("2 0.5 0\n", "2 1e308 0\n"), 4,
         "the mean strain is not finite (inf): a value of the model is beyond the range of the arithmetic"},
    };
    expect_refusals("nalvik_tri", "nalvik.txt", unit_square, cases);
}
