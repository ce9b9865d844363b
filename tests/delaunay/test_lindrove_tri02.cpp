// lindrove_tri02 end to end: the console dialogue byte for byte, the refusals of bad
// boundary descriptions and answers, and a mesh analysed by nalvik_tri.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "e2e.h"

namespace {


// A square with a square hole and one inner point, line by line as lindrove_tri01 writes it.
const char* const holed_square =
    "1\n1\n4\n4\n1,4,3,2\n8\n1\n"
    "0 0\n10 0\n10 10\n0 10\n"
    "4 4\n6 4\n6 6\n4 6\n"
    "2 8\n";

// A strip 60 by 3 with a node every 1 along its long sides, and a slot 56 long along
// its middle: the two rows are joined by a zigzag, about two edges per unit of length,
// so the slot's first segment crosses over a hundred triangles, more than a chain holds.
std::string long_slot_in_a_strip()
{
    std::vector<Point> strip;
    for (int i = 0; i <= 60; ++i) strip.push_back({double(i), 0});
    for (int i = 60; i >= 0; --i) strip.push_back({double(i), 3});
    return describe({strip}, {{{2, 1.35}, {58, 1.35}, {58, 1.65}, {2, 1.65}}}).text();
}

RunResult run_holed_square(const Sandbox& box, const std::string& answer)
{
    box.write("INPUT01.TXT", holed_square);
    return box.run("lindrove_tri02", {}, answer);
}

}  // namespace

TEST(Dialogue, TraceAndPromptsByteForByte)
{
    Sandbox box;
    RunResult r = run_holed_square(box, "8\n11\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              " EXTERIOR BOUNDARY NUMBER=     1\n"
              " NODE NUMBER =     1\n"
              " NODE NUMBER =     4\n"
              " NODE NUMBER =     3\n"
              " NODE NUMBER =     2\n"
              " INTERIOR BOUNDARY NUMBER =     1\n"
              " NODE NUMBER =     5\n"
              " NODE NUMBER =     6\n"
              " NODE NUMBER =     7\n"
              " NODE NUMBER =     8\n"
              " INNER POINT NUMBER =     9\n"
              " TOTAL NUMBER OF NODES = ? \n"
              " NTOTAL=8\n"
              " TOTAL NUMBER OF NODES = ? \n"
              " NTOTAL=11\n"
              " NEW POINT NUMBER =    10\n"
              " NEW POINT NUMBER =    11\n");
    EXPECT_EQ(r.err, "");
    BoundaryDescription d = describe({{{0, 0}, {10, 0}, {10, 10}, {0, 10}}}, {{{4, 4}, {6, 4}, {6, 6}, {4, 6}}},
                                     {{2, 8}});
    ASSERT_EQ(d.text(), holed_square);
    EXPECT_EQ(joined(check_mesh(box.read("nalvik.txt"), d, 11)), "");
}

TEST(Dialogue, TheCurrentCountAddsNoNode)
{
    Sandbox box;
    RunResult r = run_holed_square(box, "9\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.find("NEW POINT"), std::string::npos);
    EXPECT_EQ(last_two_lines(r.out), " TOTAL NUMBER OF NODES = ? \n NTOTAL=9\n");
    // listed with the boundary nodes exactly as read, in their order
    std::istringstream in(box.read("nalvik.txt"));
    int np, nm, ne, nb, nf;
    in >> np >> nm >> ne >> nb >> nf;
    EXPECT_EQ(np, 9);
    const double want[9][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {4, 4}, {6, 4}, {6, 6}, {4, 6}, {2, 8}};
    for (int i = 0; i < 9; ++i) {
        int n;
        double x, y;
        in >> n >> x >> y;
        EXPECT_EQ(x, want[i][0]);
        EXPECT_EQ(y, want[i][1]);
    }
}

TEST(Refusals, EachEndsWithItsPairAndLeavesTheOldMesh)
{
    struct Case {
        const char* what;
        const char* input;   // nullptr: no INPUT01.TXT
        const char* answer;
        const char* pair;
        int status;
    };
    const char* input_pair = " ***ERROR IN SUBROUTINE INPUT***\n ***INCORRECT BOUNDARY DATA***\n";
    const char* square = "1\n0\n4\n0\n1,4,3,2\n4\n0\n0 0\n1 0\n1 1\n0 1\n";
    const std::string slot = long_slot_in_a_strip();
    const Case cases[] = {
        {"no file", nullptr, "4\n", input_pair, 2},
        {"a count that is no integer", "x\n", "4\n", input_pair, 2},
        {"the file ends in the points", "1\n0\n4\n0\n1,4,3,2\n4\n0\n0 0\n1 0\n1 1\n", "4\n", input_pair, 2},
        {"no exterior boundary", "0\n0\n0\n4\n0\n0 0\n1 0\n1 1\n0 1\n", "4\n", input_pair, 2},
        {"eleven exterior boundaries", "11\n0\n", "4\n", input_pair, 2},
        {"a list of two nodes", "1\n0\n2\n0\n1,2\n2\n0\n0 0\n1 0\n", "4\n", input_pair, 2},
        {"a repeated list entry", "1\n0\n4\n0\n1,3,3,2\n4\n0\n0 0\n1 0\n1 1\n0 1\n", "4\n", input_pair, 2},
        {"a node number out of range", "1\n0\n4\n0\n1,5,3,2\n4\n0\n0 0\n1 0\n1 1\n0 1\n", "4\n", input_pair, 2},
        {"nodes named out of turn", "2\n0\n3 3\n0\n1,3,5\n2,4,6\n6\n0\n0 0\n9 0\n1 0\n9 1\n0 1\n9 2\n", "6\n",
         input_pair, 2},
        {"more than 4000 points", "1\n0\n3\n0\n1,3,2\n3\n3998\n", "4\n", input_pair, 2},
        {"two points at one place", "1\n0\n4\n0\n1,4,3,2\n4\n1\n0 0\n1 0\n1 1\n0 1\n1 1\n", "5\n", input_pair, 2},
        {"an inner point on a boundary edge", "1\n0\n4\n0\n1,4,3,2\n4\n1\n0 0\n1 0\n1 1\n0 1\n0.5 0\n", "5\n",
         input_pair, 2},
        {"a hole node on the exterior boundary", "1\n1\n4\n3\n1,4,3,2\n7\n0\n0 0\n4 0\n4 4\n0 4\n2 0\n3 1\n2 2\n",
         "7\n", input_pair, 2},
        // node 2 lies on the segment from 5 back to 1
        {"an exterior boundary that runs back along itself", "1\n0\n5\n0\n1,4,3,2,5\n5\n0\n0 0\n2 0\n2 2\n0 2\n3 0\n",
         "7\n", input_pair, 2},
        {"an exterior boundary inside another",
         "2\n0\n4 4\n0\n1,4,3,2\n5,8,7,6\n8\n0\n0 0\n4 0\n4 4\n0 4\n1 1\n2 1\n2 2\n1 2\n", "8\n", input_pair, 2},
        {"an anticlockwise exterior list", "1\n0\n4\n0\n1,2,3,4\n4\n0\n0 0\n1 0\n1 1\n0 1\n", "9\n",
         " ***ERROR IN SUBROUTINE ROUGH***\n ***NO ELEMENT INSIDE THE BOUNDARY***\n", 3},
        {"an outline of two points named thrice", "1\n0\n3\n0\n1,2,1\n2\n0\n0 0\n1 0\n", "4\n", input_pair, 2},
        {"lists naming fewer nodes than the points", "1\n0\n4\n0\n1,4,3,2\n5\n0\n0 0\n1 0\n1 1\n0 1\n5 5\n", "5\n",
         " ***ERROR IN SUBROUTINE ROUGH***\n ***INCORRECT NUMBER OF NODES***\n", 3},
        {"a clockwise hole", "1\n1\n4\n4\n1,4,3,2\n8\n0\n0 0\n4 0\n4 4\n0 4\n1 1\n1 2\n2 2\n2 1\n", "20\n",
         " ***ERROR IN SUBROUTINE MODEL***\n ***INCORRECT AREA OF ELEMENTS***\n", 3},
        // 1e-11 above the bottom edge is far enough for the input check (1e-12 of the
        // box), but fifteen digits of 10000.00000000001 are 10000.0000000000: as
        // written, the triangle on that edge would have no area
        {"a triangle that the written coordinates flatten",
         "1\n0\n4\n1\n1,4,3,2\n4\n1\n0 10000\n1 10000\n1 10001\n0 10001\n0.5 10000.00000000001\n", "5\n",
         " ***ERROR IN SUBROUTINE CHECK***\n ***ELEMENT AREA NOT POSITIVE***\n", 3},
        // one node 8e11 away squeezes the others into 1e-11 of the box: the swap test
        // in double precision loses the shape of the mesh around a refinement node
        {"points far closer together than the box is wide",
         "1\n0\n8\n0\n1,8,7,6,5,4,3,2\n8\n0\n10 7\n6 5\n4 3\n2 28\n5 10\n10 65\n-840085033519 18\n17 89\n",
         "1964\n", " ***ERROR IN SUBROUTINE LAWSON***\n ***NON-CONVERGENGE***\n", 4},
        // the same a little farther off: the breakdown shows where an edge is split
        {"points far closer together than the box is wide, split later",
         "1\n0\n8\n0\n1,8,7,6,5,4,3,2\n8\n0\n10 7\n6 5\n4 3\n2 28\n5 10\n10 65\n-843080503519 18\n17 89\n",
         "1964\n", " ***ERROR IN SUBROUTINE LAWSON***\n ***NON-CONVERGENGE***\n", 4},
        {"a slot crossing more triangles than a chain holds", slot.c_str(), "126\n",
         " ***ERROR IN SUBROUTINE POLY***\n ***TOO MANY ELEMENTS IN CHAIN***\n", 3},
        {"an answer that is no integer", square, "many\n",
         " ***ERROR IN SUBROUTINE FINE***\n ***TOTAL NUMBER OF NODES NOT READ***\n", 2},
        {"no answer at all", square, "",
         " ***ERROR IN SUBROUTINE FINE***\n ***TOTAL NUMBER OF NODES NOT READ***\n", 2},
        {"the input ends after a small answer", square, "3\n",
         " ***ERROR IN SUBROUTINE FINE***\n ***TOTAL NUMBER OF NODES NOT READ***\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sandbox box;
        box.write("nalvik.txt", "an earlier mesh\n");
        if (c.input) box.write("INPUT01.TXT", c.input);
        const auto before = box.snapshot();
        RunResult r = box.run("lindrove_tri02", {}, c.answer, 20);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(last_two_lines(r.out), c.pair);
        EXPECT_EQ(r.err.rfind("lindrove_tri02: ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(box.snapshot(), before);
    }
}

TEST(Refusals, AnsweringAboveTheTableLimitAsksAgain)
{
    Sandbox box;
    RunResult r = run_holed_square(box, "4001\n12\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(" NTOTAL=4001\n TOTAL NUMBER OF NODES = ? \n NTOTAL=12\n"), std::string::npos);
}

TEST(ListDirectedReads, LayoutsOfOneDescriptionReadAlike)
{
    // the lists on several lines, blanks and commas mixed, extra values after each
    // read's last item, coordinates spread over lines
    const char* spread =
        "1  extra\n1 ignored\n4 9 9\n4, 7\n1\n4\n3\n2\n8 x\n1 y\n"
        "0 0 10 0\n10 10\n0,10 4 4 6 4 6 6 4 6 2 8 99 99\n";
    Sandbox tidy, odd;
    tidy.write("INPUT01.TXT", holed_square);
    odd.write("INPUT01.TXT", spread);
    RunResult a = tidy.run("lindrove_tri02", {}, "40\n"), b = odd.run("lindrove_tri02", {}, "40\n");
    ASSERT_EQ(a.status, 0);
    ASSERT_EQ(b.status, 0) << b.out << b.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(tidy.read("nalvik.txt"), odd.read("nalvik.txt"));
}

TEST(WithNalvikTri, AMeshedBarUnderTensionStretchesUniformly)
{
    // a 4 by 1 bar, meshed, then held at x = 0 (and at the origin in y) and pulled by
    // a uniform stress of 1 on x = 4: u = x / E, v = -nu y / E at every node
    BoundaryDescription d = describe({{{0, 0}, {4, 0}, {4, 1}, {0, 1}}});
    Sandbox box;
    ASSERT_EQ(mesh_it(box, d, "60\n").status, 0);
    std::vector<std::string> problems;
    MeshFile m = parse_mesh(box.read("nalvik.txt"), problems);
    ASSERT_EQ(joined(problems), "");

    std::map<int, double> force;  // consistent nodal forces of the traction on x = 4
    std::map<std::pair<int, int>, int> uses;
    for (const auto& t : m.tris)
        for (int b = 0; b < 3; ++b) ++uses[{std::min(t[b], t[(b + 1) % 3]), std::max(t[b], t[(b + 1) % 3])}];
    for (const auto& [e, n] : uses) {
        Point a = m.nodes[e.first - 1], c = m.nodes[e.second - 1];
        if (n == 1 && a.x == 4 && c.x == 4) {
            force[e.first] += std::fabs(c.y - a.y) / 2;
            force[e.second] += std::fabs(c.y - a.y) / 2;
        }
    }
    std::ostringstream bc;
    int nb = 0;
    for (size_t i = 0; i < m.nodes.size(); ++i)
        if (m.nodes[i].x == 0) bc << i + 1 << " 1 " << (m.nodes[i].y == 0 ? 1 : 0) << " 0 0\n", ++nb;
    std::ostringstream loads;
    for (const auto& [n, f] : force) loads << n << " " << f << " 0\n";

    std::string text = box.read("nalvik.txt");
    std::string header = std::to_string(m.nodes.size()) + " 1 " + std::to_string(m.tris.size()) + " " +
                         std::to_string(nb) + " " + std::to_string(force.size()) + "\n";
    box.write("nalvik.txt", header + text.substr(text.find('\n') + 1) + bc.str() + loads.str());
    RunResult r = box.run("nalvik_tri");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream res(box.read("result_nalvik.txt"));
    const double E = 2.1e5, nu = 0.3;
    int n, rows = 0;
    double ux, uy;
    while (res >> n >> ux >> uy) {
        Point p = m.nodes[n - 1];
        EXPECT_NEAR(ux, p.x / E, 1e-6 * 4 / E) << n;  // six digits in the result rows
        EXPECT_NEAR(uy, -nu * p.y / E, 1e-6 * 4 / E) << n;  // six digits in the result rows
        ++rows;
    }
    EXPECT_EQ(rows, 60);
}
