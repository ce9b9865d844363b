// Refinement, smoothing and clean-up on first triangulations, and the target dialogue.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "cleanup.h"
#include "input.h"
#include "invariants.h"
#include "kernel.h"
#include "mesh_check.h"
#include "recovery.h"
#include "refine.h"
#include "stop.h"

using namespace lindrove;

namespace {

std::unique_ptr<Mesh> refined(const BoundaryDescription& d, int target, std::unique_ptr<Outline>& in)
{
    in = std::make_unique<Outline>();
    auto m = first_triangulation(d, *in);
    Quiet q;
    for (int p = 1; p <= m->NNODE; ++p) m->IFIX[p] = 1;
    fine(*m, target);
    return m;
}

// The clean-up exactly as a user reads it: every exchange renumbers every link at once.
void remove_by_exchanges(Mesh& m, int n_exterior)
{
    int k = 0;
    m.IPTR[1] = 1;
    for (int i = 1; i <= n_exterior; ++i) {
        int found = 0;
        for (int j = m.IPTR[i]; j <= m.NELEM; ++j) {
            if (m.REGION[j] != i) continue;
            ++k, ++found;
            if (j == k) continue;
            for (int b = 0; b < 3; ++b) std::swap(m.LNODS[j][b], m.LNODS[k][b]), std::swap(m.NEIB[j][b], m.NEIB[k][b]);
            std::swap(m.REGION[j], m.REGION[k]);
            for (int t = 1; t <= m.NELEM; ++t)
                for (int b = 0; b < 3; ++b)
                    m.NEIB[t][b] = m.NEIB[t][b] == j ? k : m.NEIB[t][b] == k ? j : m.NEIB[t][b];
        }
        m.IPTR[i + 1] = m.IPTR[i] + found;
    }
    for (int t = 1; t <= k; ++t)
        for (int b = 0; b < 3; ++b)
            if (m.NEIB[t][b] > k) m.NEIB[t][b] = 0;
    m.NELEM = k;
}

const BoundaryDescription square_with_hole =
    describe({{{0, 0}, {4, 0}, {4, 4}, {0, 4}}}, {{{1, 1}, {2, 1}, {2, 2}, {1, 2}}});

}  // namespace

TEST(Refinement, ReachesTheTargetWithTwoTrianglesPerNode)
{
    for (int target : {9, 60, 400}) {
        std::unique_ptr<Outline> in;
        auto m = refined(square_with_hole, target, in);
        EXPECT_EQ(m->NNODE, target);
        EXPECT_EQ(m->NELEM, 2 * target + 1);
        for (const auto& v : invariants(*m)) ADD_FAILURE() << target << ": " << v;
        // nodes on a boundary are fixed and lie exactly halfway along a boundary edge chain
        for (int p = 9; p <= target; ++p) {
            bool on_rim = m->X[p] == 0 || m->X[p] == 1 || m->Y[p] == 0 || m->Y[p] == 1 ||
                          ((m->X[p] == 0.25 || m->X[p] == 0.5) && m->Y[p] >= 0.25 && m->Y[p] <= 0.5) ||
                          ((m->Y[p] == 0.25 || m->Y[p] == 0.5) && m->X[p] >= 0.25 && m->X[p] <= 0.5);
            if (m->IFIX[p]) {
                EXPECT_TRUE(on_rim) << "fixed node " << p << " off the boundaries";
            }
        }
    }
}

TEST(Smoothing, MovesFreeNodesWithoutFoldingAndLeavesFixedOnes)
{
    std::unique_ptr<Outline> in;
    auto m = refined(square_with_hole, 300, in);
    std::vector<double> x(m->X, m->X + 301), y(m->Y, m->Y + 301);
    laplas(*m);
    for (const auto& v : invariants(*m)) ADD_FAILURE() << v;
    int moved = 0;
    for (int p = 1; p <= 300; ++p) {
        if (m->IFIX[p]) {
            EXPECT_TRUE(m->X[p] == x[p] && m->Y[p] == y[p]) << p;
        }
        moved += m->X[p] != x[p] || m->Y[p] != y[p];
    }
    EXPECT_GT(moved, 100);
}

TEST(CleanUp, OneRenumberingGivesTheTablesOfTheExchanges)
{
    std::unique_ptr<Outline> in;
    auto d = describe({{{0, 0}, {1.5, 0}, {1.5, 1.5}, {0, 1.5}}, {{2, 0}, {4, 0}, {4, 4}, {2, 4}}},
                      {{{0.5, 0.5}, {1, 0.5}, {1, 1}, {0.5, 1}}});
    auto m = refined(d, 200, in);
    auto want = std::make_unique<Mesh>(*m);
    remove_by_exchanges(*want, 2);
    remove(*m, 2);
    ASSERT_EQ(m->NELEM, want->NELEM);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(m->IPTR[i], want->IPTR[i]);
    for (int t = 1; t <= m->NELEM; ++t) {
        EXPECT_EQ(m->REGION[t], t < m->IPTR[2] ? 1 : 2);
        for (int b = 0; b < 3; ++b) {
            ASSERT_EQ(m->LNODS[t][b], want->LNODS[t][b]) << t;
            ASSERT_EQ(m->NEIB[t][b], want->NEIB[t][b]) << t;
        }
    }
    for (const auto& v : invariants(*m, false))
        if (v.find("open inner edge") == std::string::npos) ADD_FAILURE() << v;
    check(*m);
}

TEST(CleanUp, CheckStopsOnALinkThatIsNotMirrored)
{
    std::unique_ptr<Outline> in;
    auto m = refined(square_with_hole, 20, in);
    remove(*m, 1);
    int t = 1, b = 0;
    while (m->NEIB[t][b] == 0) ++b;
    int n = m->NEIB[t][b];
    m->NEIB[n][find3(m->NEIB[n], t)] = 0;
    try {
        check(*m);
        ADD_FAILURE() << "accepted";
    } catch (const Stop& s) {
        EXPECT_EQ(s.pair(), Pair::check_adjacent);
    }
}

TEST(Dialogue, AsksAgainUntilTheCountFitsAndEchoesEachAnswer)
{
    char in_text[] = "3\n\n  4001 9\n 7 extra words\n";
    char out_text[400] = {};
    FILE* in = fmemopen(in_text, sizeof in_text - 1, "r");
    FILE* out = fmemopen(out_text, sizeof out_text, "w");
    EXPECT_EQ(ask_total(5, in, out), 7);
    std::fclose(in);
    std::fclose(out);
    EXPECT_STREQ(out_text,
                 " TOTAL NUMBER OF NODES = ? \n NTOTAL=3\n"
                 " TOTAL NUMBER OF NODES = ? \n NTOTAL=4001\n"
                 " TOTAL NUMBER OF NODES = ? \n NTOTAL=7\n");
}

TEST(Dialogue, NoIntegerOrNoAnswerStops)
{
    for (const char* text : {"", "\n \n", "abc\n", "2.5\n", "99999999999\n", "3\n"}) {
        std::string t = text;
        FILE* in = fmemopen(t.empty() ? nullptr : &t[0], t.size(), "r");
        if (t.empty()) in = std::fopen("/dev/null", "r");
        FILE* out = std::fopen("/dev/null", "w");
        try {
            ask_total(5, in, out);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Stop& s) {
            EXPECT_EQ(s.pair(), Pair::fine_answer) << text;
            EXPECT_EQ(s.status(), Status::input);
        }
        std::fclose(in);
        std::fclose(out);
    }
}

TEST(Smoothing, AMoveThatWouldFoldATriangleIsNotMade)
{
    // node 7 at the inner corner of an L-shaped fan: the centroid of its triangles lies
    // in the notch of the L, where the triangles along the arms would turn over
    auto m = std::make_unique<Mesh>();
    const double link[6][2] = {{-0.1, -0.1}, {10, -0.1}, {10, 0.1}, {0.1, 0.1}, {0.1, 10}, {-0.1, 10}};
    for (int k = 0; k < 6; ++k) m->X[k + 1] = link[k][0], m->Y[k + 1] = link[k][1], m->IFIX[k + 1] = 1;
    m->NNODE = 7, m->NELEM = 6;
    for (int k = 0; k < 6; ++k) {
        m->LNODS[k + 1][0] = 7, m->LNODS[k + 1][1] = k + 1, m->LNODS[k + 1][2] = (k + 1) % 6 + 1;
        m->NTLIST[7][k] = k + 1;
        EXPECT_GT(area(*m, k + 1), 0);
    }
    m->NTCOUNT[7] = 6;
    double cx, cy;
    centroid_of_fan(*m, 7, cx, cy);
    ASSERT_GT(cx, 1.0);  // the plain move would go deep into the notch
    ASSERT_GT(cy, 1.0);
    laplas(*m);
    EXPECT_EQ(m->X[7], 0.0);
    EXPECT_EQ(m->Y[7], 0.0);
}
