// The block mesher end to end: hand-worked meshes byte for byte, shared and
// curved sides, conditions and loads on keypoints and lines, the four
// configurations.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "mesh_text.h"
#include "sandbox.h"

namespace {

// Square [0, 2]^2: model points 1..8 around it from the lower left, corners
// at odd numbers. Conditions and loads are appended by the tests.
const char* const square_points =
    "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n";

std::string one_area(int nb, int nf, const std::string& records, const char* material = "1 210000 0.3 1\n")
{
    return "8 1 1 " + std::to_string(nb) + " " + std::to_string(nf) + "\n" + square_points + material +
           "1 1 2 3 4 5 6 7 8 1\n" + records;
}

const char* const one_area_echo =
    "8\t1\t1\t1\t1\n"
    "1\t0.000000\t0.000000\n2\t1.000000\t0.000000\n3\t2.000000\t0.000000\n4\t2.000000\t1.000000\n"
    "5\t2.000000\t2.000000\n6\t1.000000\t2.000000\n7\t0.000000\t2.000000\n8\t0.000000\t1.000000\n"
    "1\t2.100000e+05\t0.300000\t1.000000\n"
    "1\t1\t2\t3\t4\t5\t6\t7\t8\t1\n"
    "1\t1\t1\t0.000000\t0.000000\n"
    "3\t0.000000\t-10.000000\n";

// Worked by hand from the numbering rules: keypoints 1-4 are the corners,
// nodes 5-8 the middles of lines 1-4 (sides 0-3), node 9 the centre.
const char* const one_area_trace =
    "Keypoint 1 is Model point 1 \n"
    "Keypoint 2 is Model point 3 \n"
    "Keypoint 3 is Model point 5 \n"
    "Keypoint 4 is Model point 7 \n"
    "Contained area 1 is key (1 2 3 4)\n"
    "  Results check common line data ... 0 line is \n  \n"
    "  Init Area 1 is line(1, 2, 3, 4)\n"
    "  Total line number is 4\n"
    "line 1 is elm(1) no.1\nline 2 is elm(1) no.2\nline 3 is elm(1) no.3\nline 4 is elm(1) no.4\n"
    "  Show line no. ----------> Finished\n"
    "Area 1 is line(1, 2, 3, 4)\n"
    "  Show Area no. ----------> Finished\n"
    "  Start : Meshing Line Count\n"
    "mesh line 1 is 5(1.000, 0.000) \n"
    "mesh line 2 is 6(2.000, 1.000) \n"
    "mesh line 3 is 7(1.000, 2.000) \n"
    "mesh line 4 is 8(0.000, 1.000) \n"
    "Total mesh line number is 4\n"
    "Area mesh data is 9(1.000000, 1.000000) \n"
    "  Use Line Number is 1 2 3 4\n"
    "0 4 1 \n7 8 5 \n3 6 2 \n"
    "Element data is 1 5 9 \nElement data is 1 9 8 \n"
    "Element data is 5 2 6 \nElement data is 5 6 9 \n"
    "Element data is 8 9 7 \nElement data is 8 7 4 \n"
    "Element data is 9 6 3 \nElement data is 9 3 7 \n"
    "-1 0 -2 1 -3 2 -4 3 \n"
    "***B.C. 1 -> node 1 is Keypoint\n"
    "*F.C. 3 -> node 2 is Keypoint\n"
    "End ... init.txt\nEnd ... node.txt\nEnd ... element.txt\nEnd ... bound.txt\nEnd ... force.txt\n";

const char* const one_area_scratch[5][2] = {
    {"node.txt",
     "1 0.000000e+00 0.000000e+00 \n2 2.000000e+00 0.000000e+00 \n3 2.000000e+00 2.000000e+00 \n"
     "4 0.000000e+00 2.000000e+00 \n5 1.000000e+00 0.000000e+00 \n6 2.000000e+00 1.000000e+00 \n"
     "7 1.000000e+00 2.000000e+00 \n8 0.000000e+00 1.000000e+00 \n9 1.000000e+00 1.000000e+00 \n"},
    {"element.txt",
     "1 2.100000e+05 0.300000 1.000000\n"
     "1 1 5 9 1 \n1 1 9 8 1 \n1 5 2 6 1 \n1 5 6 9 1 \n1 8 9 7 1 \n1 8 7 4 1 \n1 9 6 3 1 \n1 9 3 7 1 \n"},
    {"bound.txt", "1   1 1   0.000000 0.000000\n"},
    {"force.txt", "2   0.000000 -10.000000\n"},
    {"init.txt", "9 1 8 1 1\n"},
};

const char* const one_area_nalvik =
    "9\t1\t8\t1\t1\n"
    "1\t0.000000e+00\t0.000000e+00\n2\t2.000000e+00\t0.000000e+00\n3\t2.000000e+00\t2.000000e+00\n"
    "4\t0.000000e+00\t2.000000e+00\n5\t1.000000e+00\t0.000000e+00\n6\t2.000000e+00\t1.000000e+00\n"
    "7\t1.000000e+00\t2.000000e+00\n8\t0.000000e+00\t1.000000e+00\n9\t1.000000e+00\t1.000000e+00\n"
    "1\t2.100000e+05\t0.300000\t1.000000\n"
    "1\t1\t5\t9\t1\n1\t1\t9\t8\t1\n1\t5\t2\t6\t1\n1\t5\t6\t9\t1\n"
    "1\t8\t9\t7\t1\n1\t8\t7\t4\t1\n1\t9\t6\t3\t1\n1\t9\t3\t7\t1\n"
    "1\t1\t1\t0.000000\t0.000000\n"
    "2\t0.000000\t-10.000000\n";

// The right square [2, 4] x [0, 2] beside the left one: its side 4 on the
// left one's side 2, running the same way.
const char* const two_areas =
    "13 1 2 1 0\n"
    "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n"
    "9 3 0\n10 4 0\n11 4 1\n12 4 2\n13 3 2\n"
    "1 1000 0.25 1\n"
    "1 1 2 3 4 5 6 7 8 1\n"
    "2 3 9 10 11 12 13 5 4 1\n"
    "4 1 0 0 0\n";

RunResult mesh(const Sandbox& box, const std::string& data2d, const std::vector<std::string>& args,
               const std::string& program = "pelmiro_const")
{
    box.write("data2d.txt", data2d);
    RunResult r = box.run(program, args);
    EXPECT_EQ(r.status, 0) << r.err;
    return r;
}

}  // namespace

TEST(Pelmiro, OneAreaOfTwoByTwoCellsByteForByte)
{
    Sandbox box;
    RunResult r = mesh(box, one_area(1, 1, "1 1 1 0 0\n3 0 -10\n"), {"2", "0"});
    EXPECT_EQ(r.out, std::string(one_area_echo) + one_area_trace);
    EXPECT_EQ(r.err, "");
    for (const auto& f : one_area_scratch) EXPECT_EQ(box.read(f[0]), f[1]) << f[0];
    EXPECT_EQ(box.read("nalvik.txt"), one_area_nalvik);
    EXPECT_EQ(box.snapshot().size(), 7u);  // data2d.txt, five scratch files, nalvik.txt
}

TEST(Pelmiro, OneCellPerSideMeshesTheKeypointsAlone)
{
    // a condition on a mid-side point reaches the line's n - 1 = 0 interior nodes
    const std::string model = one_area(1, 1, "2 1 1 0 0\n3 0 -10\n");
    const struct { const char* type; const char* elements; } cases[] = {
        {"0", "1\t1\t2\t3\t1\n1\t1\t3\t4\t1\n"},
        {"1", "1\t1\t2\t3\t4\t1\n"},
    };
    for (const auto& c : cases) {
        Sandbox box;
        RunResult r = mesh(box, model, {"1", c.type});
        const std::string nalvik = box.read("nalvik.txt");
        const std::string header = std::string("4\t1\t") + (c.type[0] == '0' ? "2" : "1") + "\t0\t1\n";
        EXPECT_EQ(nalvik.substr(0, header.size()), header) << nalvik;
        EXPECT_NE(nalvik.find(std::string("1.000000\n") + c.elements + "2\t0.000000\t-10.000000\n"),
                  std::string::npos)
            << nalvik;
        EXPECT_NE(r.out.find("mesh line 4 is \nTotal mesh line number is 0\n  Use Line Number is 1 2 3 4\n0 1 \n3 2 \n"),
                  std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("***B.C. 2 -> line 1\n*F.C. 3"), std::string::npos);
        EXPECT_EQ(box.read("bound.txt"), "");
    }
}

TEST(Pelmiro, QuadrilateralsRunCounterClockwiseFromTheLowerLeft)
{
    Sandbox box;
    RunResult r = mesh(box, one_area(1, 1, "1 1 1 0 0\n3 0 -10\n"), {"2", "1"});
    EXPECT_NE(r.out.find("Element data is 1 5 9 8\nElement data is 5 2 6 9\n"
                         "Element data is 8 9 7 4\nElement data is 9 6 3 7\n-1 0"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(box.read("element.txt"),
              "1 2.100000e+05 0.300000 1.000000\n1 1 5 9 8 1 \n1 5 2 6 9 1 \n1 8 9 7 4 1 \n1 9 6 3 7 1 \n");
    EXPECT_EQ(box.read("init.txt"), "9 1 4 1 1\n");
    const std::string nalvik = box.read("nalvik.txt");
    EXPECT_NE(nalvik.find("1.000000\n1\t1\t5\t9\t8\t1\n1\t5\t2\t6\t9\t1\n1\t8\t9\t7\t4\t1\n1\t9\t6\t3\t7\t1\n1\t1\t1\t"),
              std::string::npos)
        << nalvik;
}

TEST(Pelmiro, TwoAreasShareTheNodesOfTheirCommonSide)
{
    Sandbox box;
    RunResult r = mesh(box, two_areas, {"3", "0"});
    // six keypoints, seven lines of two nodes, four interior nodes per area
    ModelText s = parse_model_text(box.read("nalvik.txt"), 3);
    ASSERT_EQ(s.nodes.size(), 28u);
    EXPECT_EQ(s.elements.size(), 36u);
    std::set<std::pair<double, double>> at;
    for (const auto& n : s.nodes) at.insert({n.x, n.y});
    EXPECT_EQ(at.size(), 28u) << "a node written twice";
    // line 7 (the shared side, generated along the left square) holds nodes
    // 19 and 20 (0-based 18, 19), the right square's left grid column
    EXPECT_NE(r.out.find("mesh line 7 is 19(2.000, 0.667) 20(2.000, 1.333) \n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  Use Line Number is 1 7 2 3\n0 6 7 1 \n10 20 21 18 \n11 22 23 19 \n3 8 9 2 \n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("  Use Line Number is 4 5 6 7\n1 12 13 4 \n18 24 25 14 \n19 26 27 15 \n2 16 17 5 \n"),
              std::string::npos)
        << r.out;
    // a condition on the shared mid-side point reaches the shared nodes once
    EXPECT_NE(r.out.find("***B.C. 4 -> line 7\n     node 19\n     node 20\nEnd"), std::string::npos);
    EXPECT_EQ(box.read("bound.txt"), "19   1 0   0.000000 0.000000\n20   1 0   0.000000 0.000000\n");
    double area = 0;
    for (int e = 0; e < 36; ++e) {
        EXPECT_GT(twice_area(s, e), 0) << "element " << e + 1;
        area += twice_area(s, e) / 2;
    }
    EXPECT_NEAR(area, 8.0, 1e-12);
}

TEST(Pelmiro, CurvedAreaFollowsTheSerendipityMapping)
{
    // the top mid-side point lifted to (1, 2.5): x stays 1 + xi and y gains
    // 0.5 (1 - xi^2)(1 + eta) / 2; nodes 5-16 are the lines, 17-25 the inside
    Sandbox box;
    std::string model = one_area(0, 0, "");
    model.replace(model.find("6 1 2\n"), 6, "6 1 2.5\n");
    RunResult r = mesh(box, model, {"4", "0"});
    EXPECT_NE(r.out.find("mesh line 3 is 11(0.500, 2.375) 12(1.000, 2.500) 13(1.500, 2.375) \n"), std::string::npos)
        << r.out;
    const char* const inside[] = {
        "Area mesh data is 17(0.500000, 0.593750) \n",  // xi = eta = -0.5
        "Area mesh data is 21(1.000000, 1.250000) \n",  // the centre
        "Area mesh data is 25(1.500000, 1.781250) \n",  // xi = eta = 0.5
    };
    for (const char* line : inside) EXPECT_NE(r.out.find(line), std::string::npos) << line;
    EXPECT_NE(box.read("node.txt").find("25 1.500000e+00 1.781250e+00 \n"), std::string::npos);
}

TEST(Pelmiro, MidSideRecordsReachTheLineInteriorNodesOnly)
{
    // n = 4: line 1 (side 0, model point 2) holds nodes 5-7, line 2 nodes 8-10;
    // each takes the whole load, undivided
    Sandbox box;
    RunResult r = mesh(box, one_area(1, 2, "2 0 1 0 0.5\n4 3 -2\n5 0 -1\n"), {"4", "0"});
    EXPECT_NE(r.out.find("***B.C. 2 -> line 1\n     node 5\n     node 6\n     node 7\n"
                         "***B.C. 4 -> line 2\n     node 8\n     node 9\n     node 10\n"
                         "*F.C. 5 -> node 3 is Keypoint\nEnd"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(box.read("bound.txt"),
              "5   0 1   0.000000 0.500000\n6   0 1   0.000000 0.500000\n7   0 1   0.000000 0.500000\n");
    EXPECT_EQ(box.read("force.txt"),
              "8   3.000000 -2.000000\n9   3.000000 -2.000000\n10   3.000000 -2.000000\n3   0.000000 -1.000000\n");
    EXPECT_EQ(box.read("init.txt"), "25 1 32 3 4\n");
}

TEST(Pelmiro, TwoRecordsOnOnePointBothCarryTheLaterValues)
{
    Sandbox box;
    mesh(box, one_area(2, 2, "1 1 1 0 0\n1 0 1 0.25 0\n3 5 5\n3 0 1e-7\n"), {"2", "0"});
    EXPECT_EQ(box.read("bound.txt"), "1   0 1   0.250000 0.000000\n1   0 1   0.250000 0.000000\n");
    // six decimals: 1e-7 is written as zero
    EXPECT_EQ(box.read("force.txt"), "2   0.000000 0.000000\n2   0.000000 0.000000\n");
}

TEST(Pelmiro, LayoutAndRecordNumbersDoNotMatter)
{
    Sandbox tidy;
    mesh(tidy, one_area(1, 1, "1 1 1 0 0\n3 0 -10\n"), {"2", "0"});
    const std::string expect = tidy.read("nalvik.txt");
    const char* const layouts[] = {
        "8 1 1 1 1 1 0 0 2 1 0 3 2 0 4 2 1 5 2 2 6 1 2 7 0 2 8 0 1 1 210000 0.3 1 1 1 2 3 4 5 6 7 8 1 1 1 1 0 0 3 0 -10",
        "8\t1\t1\t1\t1\n70 0.0 0\n-1 1E0 0\n0 2.0e+000 0\n9 2 1\n9 2 2\n9 1 2\n9 0 2\n9 0 10.0e-001\n"
        "5 2.1E+05 3.0e-1 1.0\n77\n1 2 3 4 5 6 7 8\n1\n1 1 1 0 0\n3 0 -1.0e+001 trailing words are not read\n",
    };
    for (const char* text : layouts) {
        Sandbox box;
        mesh(box, text, {"2", "0"});
        EXPECT_EQ(box.read("nalvik.txt"), expect) << text;
    }
}

TEST(Pelmiro, TriangleProgramIgnoresASecondArgument)
{
    Sandbox box;
    RunResult r = mesh(box, one_area(1, 1, "1 1 1 0 0\n3 0 -10\n"), {"2", "1"}, "pelmiro_tri");
    EXPECT_EQ(r.out, std::string(one_area_echo) + one_area_trace);
    EXPECT_EQ(box.read("nalvik.txt"), one_area_nalvik);
}

TEST(Pelmiro, HeatKeepsOneMaterialAndDropsMidSideLoads)
{
    // the last material record is the one set; the area's material number is
    // not looked at; the load on mid-side point 2 is dropped without a word
    Sandbox box;
    std::string model = "8 2 1 1 2\n" + std::string(square_points) + "1 45 0.1 1\n2 52 0.2 3\n"
                        "1 1 2 3 4 5 6 7 8 5\n1 1 1 100 0\n2 7 0\n3 9 0\n";
    RunResult r = mesh(box, model, {"2"}, "pelmiro_hea");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find("-> line"), std::string::npos) << r.out;
    EXPECT_FALSE(box.exists("nalvik.txt"));
    EXPECT_EQ(box.read("init.txt"), "9 1 8 1 1\n");
    ModelText s = parse_model_text(box.read("brundel.txt"), 3);
    ASSERT_EQ(s.materials.size(), 1u);
    EXPECT_EQ(s.materials[0].e, 52);
    EXPECT_EQ(s.materials[0].nu, 0.2);
    EXPECT_EQ(s.materials[0].t, 3);
    for (const auto& e : s.elements) EXPECT_EQ(e.material, 1);
    ASSERT_EQ(s.loads.size(), 1u);
    EXPECT_EQ(s.loads[0].node, 2);
    EXPECT_EQ(s.loads[0].fx, 9);
    EXPECT_NE(box.read("brundel.txt").find("\n2\t9.000000\t0.000000\n"), std::string::npos);

    // without material records the one set is all zeros
    Sandbox none;
    mesh(none, "8 0 1 0 0\n" + std::string(square_points) + "1 1 2 3 4 5 6 7 8 1\n", {"1"}, "pelmiro_hea");
    EXPECT_NE(none.read("brundel.txt").find("\n1\t0.000000e+00\t0.000000\t0.000000\n"), std::string::npos);
}

TEST(Pelmiro, FlowKeepsOneMaterialAndSpreadsMidSideLoads)
{
    Sandbox box;
    std::string model = "8 2 1 0 1\n" + std::string(square_points) + "1 0 0 10\n2 0 0 250\n"
                        "1 1 2 3 4 5 6 7 8 2\n6 1.5 0\n";
    RunResult r = mesh(box, model, {"3"}, "pelmiro_flu");
    EXPECT_FALSE(box.exists("nalvik.txt"));
    ModelText s = parse_model_text(box.read("gresolt.txt"), 3);
    EXPECT_EQ(s.nodes.size(), 16u);
    EXPECT_EQ(s.elements.size(), 18u);
    ASSERT_EQ(s.materials.size(), 1u);
    EXPECT_EQ(s.materials[0].t, 250);
    for (const auto& e : s.elements) EXPECT_EQ(e.material, 1);
    // line 3 (the top side) holds nodes 9 and 10
    ASSERT_EQ(s.loads.size(), 2u);
    EXPECT_EQ(s.loads[0].node, 9);
    EXPECT_EQ(s.loads[1].node, 10);
    EXPECT_EQ(s.loads[1].fx, 1.5);
    EXPECT_NE(r.out.find("***B.C. 6 -> line 3\n     node 9\n     node 10\n"), std::string::npos);
}

TEST(Pelmiro, RecordsOnAPointOutsideEveryAreaAreIgnored)
{
    // model point 9 is in no area. Its zero load (as korvanta saves one for
    // every point) must not erase the load on line 1's mid-side point; a
    // record that itself fixes or loads something is warned about (load
    // record 2 carries zeros, though record 3 replaces its values)
    Sandbox box;
    std::string model = "9 1 1 2 3\n" + std::string(square_points) + "9 5 5\n1 1000 0.25 1\n1 1 2 3 4 5 6 7 8 1\n"
                        "1 1 1 0 0\n9 1 0 0 0\n2 0 -5\n9 0 0\n9 0 0.5\n";
    RunResult r = mesh(box, model, {"2", "0"});
    EXPECT_EQ(r.err,
              "pelmiro_const: data2d.txt: boundary record 2: model point 9 is neither an area corner nor a mid-side "
              "point; the record is ignored\n"
              "pelmiro_const: data2d.txt: load record 3: model point 9 is neither an area corner nor a mid-side "
              "point; the record is ignored\n");
    EXPECT_NE(r.out.find("-1 0 -2 1 -3 2 -4 3 0 \n***B.C. 1 -> node 1 is Keypoint\n***B.C. 2 -> line 1\n"
                         "     node 5\nEnd"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(box.read("bound.txt"), "1   1 1   0.000000 0.000000\n");
    EXPECT_EQ(box.read("force.txt"), "5   0.000000 -5.000000\n");
    EXPECT_EQ(box.read("init.txt"), "9 1 8 1 1\n");

    // all zero: nothing to say
    Sandbox quiet;
    model = "9 1 1 1 1\n" + std::string(square_points) + "9 5 5\n1 1000 0.25 1\n1 1 2 3 4 5 6 7 8 1\n"
            "9 0 0 0 0\n9 0 0\n";
    RunResult q = mesh(quiet, model, {"2", "0"});
    EXPECT_EQ(q.err, "");
    EXPECT_EQ(quiet.read("init.txt"), "9 1 8 0 0\n");
}

TEST(Pelmiro, ARecordForEveryModelPointAsKorvantaSavesThem)
{
    // 8 by 5 blocks: 147 model points, each with a boundary and a load record
    BlockGrid g = block_grid(8, 5, 1.0);
    const int points = static_cast<int>(g.model.nodes.size());
    ASSERT_EQ(points, 147);
    for (int p = 1; p <= points; ++p) {
        bool left = g.model.nodes[p - 1].x == 0, right = g.model.nodes[p - 1].x == 8;
        g.model.bounds.push_back({p, left ? 1 : 0, left ? 1 : 0, 0, 0});
        g.model.loads.push_back({p, right ? 1.0 : 0.0, 0});
    }
    Sandbox box;
    RunResult r = mesh(box, g.model.text(), {"2", "0"});
    EXPECT_EQ(r.err, "");
    // 54 keypoints and 93 lines of one interior node each: one row per record
    ModelText s = parse_model_text(box.read("nalvik.txt"), 3);
    EXPECT_EQ(s.nodes.size(), 54u + 93 + 40);
    EXPECT_EQ(s.bounds.size(), 147u);
    EXPECT_EQ(s.loads.size(), 147u);
    double pull = 0;
    for (const auto& l : s.loads) pull += l.fx;
    EXPECT_EQ(pull, 11);  // six keypoints and five mid-side points on the right edge
}
