// brundel_tri end to end: temperature fields known from theory, the echo and
// the result rows byte for byte, and refusals of broken or unsolvable models.
#include <gtest/gtest.h>

#include <cstdio>

#include "ebe_cases.h"
#include "refusals.h"

namespace {

// Six nodes, two cells on [0, 2] x [0, 1]; the left end held at 0 (node 4 by
// flag 2, after an earlier record for it with no flag), the right end at 100
// (node 3 by both flags, which takes u; node 6 by the second flag alone, which
// takes v). The heat input on fixed node 3 does nothing; the middle nodes
// take 50. The first material's conductivity is overwritten by the last.
const char* const two_cells =
    "6 2 4 5 1\n"
    "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n"
    "7 1000 0 1\n8 2 0.5 3\n"
    "1 1 2 5 1\n2 1 5 4 1\n3 2 3 6 1\n4 2 6 5 1\n"
    "1 1 0 0 0\n4 0 0 9 9\n4 2 0 0 0\n3 1 1 100 7\n6 0 1 5 100\n"
    "3 5 99\n";

const char* const two_cells_echo =
    "6  2  4  5  1\n"
    "7     1000.000000 0.000000 1.000000\n"
    "8     2.000000 0.500000 3.000000\n"
    "0    1 0    0.000000 0.000000\n"
    "3    0 0    9.000000 9.000000\n"
    "3    2 0    0.000000 0.000000\n"
    "2    1 1    100.000000 7.000000\n"
    "5    0 1    5.000000 100.000000\n"
    "3    5.000000\n";

const char* const two_cells_result =
    "1 0.000000e+00  0.0\n"
    "2 5.000000e+01  0.0\n"
    "3 1.000000e+02  0.0\n"
    "4 0.000000e+00  0.0\n"
    "5 5.000000e+01  0.0\n"
    "6 1.000000e+02  0.0\n";

// Runs brundel_tri on a model and returns the node temperatures.
std::vector<double> temperatures(const ModelText& m, RunResult* out = nullptr)
{
    Sandbox box;
    box.write("brundel.txt", m.text());
    RunResult r = box.run("brundel_tri");
    EXPECT_EQ(r.status, 0) << r.err;
    LoopLine l = loop_line(r.out);
    EXPECT_GE(l.loops, 1) << r.out;
    EXPECT_LE(l.eps, 1e-5) << r.out;
    if (out) *out = r;
    std::vector<double> t;
    for (const auto& v : rows(box.read("result_brundel.txt"), 2).value) t.push_back(v[0]);
    EXPECT_EQ(t.size(), m.nodes.size());
    return t;
}

// Fixes both nodes at x = 0 to t0 and both at x = w to t1 (flag ix).
void fix_ends(ModelText& m, int nx, double t0, double t1)
{
    m.bounds.push_back({1, 1, 0, t0, 0});
    m.bounds.push_back({nx + 2, 1, 0, t0, 0});
    m.bounds.push_back({nx + 1, 1, 0, t1, 0});
    m.bounds.push_back({2 * nx + 2, 1, 0, t1, 0});
}

}  // namespace

TEST(BrundelTri, EchoAndRowsByteForByte)
{
    Sandbox box;
    box.write("brundel.txt", two_cells);
    for (int run = 0; run < 2; ++run) {
        RunResult r = box.run("brundel_tri");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        ASSERT_EQ(r.out.rfind(two_cells_echo, 0), 0u) << r.out;
        LoopLine l = loop_line(r.out);
        EXPECT_GE(l.loops, 1);
        EXPECT_LE(l.eps, 1e-5);
        EXPECT_EQ(r.out.size(), std::string(two_cells_echo).size() + r.out.substr(r.out.rfind("\nloop=")).size())
            << "nothing after the loop line";
        EXPECT_EQ(box.read("result_brundel.txt"), two_cells_result);
    }
    // a second run rewrote the file: one run's rows, no temporary file left
    EXPECT_EQ(box.snapshot().size(), 2u);
}

TEST(BrundelTri, LinearProfileBetweenFixedEndsInEveryOrientation)
{
    // no heat input, 10 at x = 0 and 90 at x = 2: T = 10 + 40 x. A clockwise
    // triangle must conduct like its counter-clockwise twin, and a mesh that
    // mixes the two must still solve
    for (Turn turn : {Turn::ccw, Turn::cw, Turn::mixed}) {
        ModelText m = strip_model(8, 2.0, 0.5, turn);
        m.materials.push_back({3.0, 0, 1});
        fix_ends(m, 8, 10, 90);
        std::vector<double> t = temperatures(m);
        for (size_t i = 0; i < t.size(); ++i)
            EXPECT_NEAR(t[i], 10 + 40 * m.nodes[i].x, 1e-4) << "orientation " << int(turn) << ", node " << i + 1;
    }
}

TEST(BrundelTri, UniformSourceGivesTheParabola)
{
    // -k T'' = q on [0, 1], T = 0 at both ends: T = q x (1 - x) / (2 k). With
    // k = 2 (the last material; the first says 1000) and q = 16, T = 4 x (1 - x),
    // 1 in the middle. Each node takes the heat of half its column of cells,
    // q dx h / 2 = 16 * 0.125 * 0.25 / 2 = 0.25; the end nodes are fixed, and a
    // large input there changes nothing.
    ModelText m = strip_model(8, 1.0, 0.25, Turn::ccw);
    m.materials.push_back({1000.0, 0, 1});
    m.materials.push_back({2.0, 0, 1});
    fix_ends(m, 8, 0, 0);
    for (int n = 1; n <= 18; ++n) {
        double x = m.nodes[n - 1].x;
        m.loads.push_back({n, x == 0.0 || x == 1.0 ? 500.0 : 0.25, 0});
    }
    std::vector<double> t = temperatures(m);
    for (size_t i = 0; i < t.size(); ++i) {
        double x = m.nodes[i].x;
        EXPECT_NEAR(t[i], 4 * x * (1 - x), 1e-5) << "node " << i + 1;
    }
    EXPECT_NEAR(t[4], 1.0, 1e-5);
}

TEST(BrundelTri, FlagsOfOneOrMoreFixTheTemperature)
{
    // the left end held at 0; the record of both right-end nodes decides the
    // right end: fixed at u when ix >= 1, else at v when iy >= 1, else free
    // (and then, with no heat input, the whole strip stays at 0)
    struct Case { int ix, iy; double expect; };
    const Case cases[] = {
        {1, 1, 10}, {0, 1, 20}, {2, -3, 10}, {-1, 1, 20}, {0, 0, 0}, {-1, -1, 0}, {-5, 0, 0},
    };
    for (const Case& c : cases) {
        ModelText m = strip_model(2, 2.0, 1.0, Turn::ccw);
        m.materials.push_back({1, 0, 1});
        m.bounds = {{1, 1, 0, 0, 0}, {4, 1, 0, 0, 0}, {3, c.ix, c.iy, 10, 20}, {6, c.ix, c.iy, 10, 20}};
        std::vector<double> t = temperatures(m);
        ASSERT_EQ(t.size(), 6u);
        const double expect[6] = {0, c.expect / 2, c.expect, 0, c.expect / 2, c.expect};
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(t[i], expect[i], 1e-6) << "ix " << c.ix << " iy " << c.iy << ", node " << i + 1;
    }
}

TEST(BrundelTri, FixedNodeInNoElementKeepsItsTemperature)
{
    ModelText m = strip_model(2, 2.0, 1.0, Turn::ccw);
    m.materials.push_back({1, 0, 1});
    fix_ends(m, 2, 0, 100);
    m.nodes.push_back({9, 9});
    m.bounds.push_back({7, 0, 1, 0, 42});
    std::vector<double> t = temperatures(m);
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(t[6], 42.0);
    EXPECT_NEAR(t[1], 50.0, 1e-6);
}

TEST(BrundelTri, BrokenOrUnsolvableModelsAreRefusedAndTheResultStays)
{
    const std::string tidy = two_cells;
    auto replaced = [&](const std::string& from, const std::string& to) { return replaced_in(tidy, from, to); };
    const std::vector<Refusal> cases = {
        {"missing file", "", 2, "brundel.txt: cannot be opened: No such file or directory"},
        {"empty file", "\n", 2, "brundel.txt: header: the file ends before the node count"},
        {"load record without its second value", tidy.substr(0, tidy.size() - 4), 2,
         "brundel.txt: load record 1: the file ends before the second value"},
        {"word for a value", replaced("4 0 0 9 9", "4 0 0 abc 9"), 2,
         "brundel.txt: boundary record 2: expected a real for the x value, found 'abc'"},
        {"real for a flag", replaced("4 2 0 0 0", "4 2.0 0 0 0"), 2,
         "brundel.txt: boundary record 3: expected an integer for the x flag, found '2.0'"},
        {"too many nodes", "60001 1 0 0 0\n", 2, "brundel.txt: header: the node count 60001 is over the limit of 60000"},
        {"too many elements", "3 1 110001 0 0\n", 2,
         "brundel.txt: header: the element count 110001 is over the limit of 110000"},
        {"negative count", "6 1 4 -1 0\n", 2, "brundel.txt: header: the boundary record count is negative (-1)"},
        {"no nodes", "0 1 0 0 0\n", 2, "brundel.txt: header: the model has no nodes"},
        {"no material", "3 0 0 0 0\n", 2, "brundel.txt: header: the model has no material record"},
        {"element node out of range", replaced("2 1 5 4 1", "2 1 5 7 1"), 2,
         "brundel.txt: element 2: node 7 is not in 1..6"},
        {"boundary node out of range", replaced("6 0 1 5 100", "0 0 1 5 100"), 2,
         "brundel.txt: boundary record 5: node 0 is not in 1..6"},
        {"load node out of range", replaced("3 5 99", "9 5 99"), 2, "brundel.txt: load record 1: node 9 is not in 1..6"},
        {"degenerate triangle", replaced("5 1 1\n", "5 1 0\n"), 3, "brundel.txt: element 1: nodes 1 2 5 enclose no area"},
        {"free node in no element", replaced("6 2 4 5 1\n", "7 2 4 5 1\n").insert(tidy.find("7 1000"), "7 5 5\n"), 3,
         "brundel.txt: node 7 is in no element and its temperature is not fixed"},
        {"no temperature fixed", "6 1 4 0 1\n1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n1 1 0 1\n"
                                 "1 1 2 5 1\n2 1 5 4 1\n3 2 3 6 1\n4 2 6 5 1\n2 1 0\n",
         4, "no convergence after "},
    };
    expect_refusals("brundel_tri", "brundel.txt", two_cells, cases);
}
