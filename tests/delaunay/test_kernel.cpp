// The kernel: Delaunay insertion keeps every invariant; node lists and stacks stop at their limits.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "invariants.h"
#include "kernel.h"
#include "stop.h"

using namespace lindrove;


TEST(Kernel, InsertionOfRandomPointsIsDelaunayWithFullAdjacency)
{
    const unsigned seed = 20240607;
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<std::pair<double, double>> pts(300);
    for (auto& p : pts) p = {u(gen), u(gen)};
    auto m = super_mesh(pts);
    delaun(*m, 0, 1, 300, 300);
    m->NNODE = 300;
    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_EQ(m->NELEM, 2 * 300 + 1);
    for (const auto& v : invariants(*m)) ADD_FAILURE() << v;
    EXPECT_EQ(non_delaunay_edges(*m), 0);
    double total = 0;
    for (int t = 1; t <= m->NELEM; ++t) total += area(*m, t);
    EXPECT_NEAR(total, 0.5 * 3.46 * 3.0, 1e-12);  // the super triangle's area
    for (int i = 1; i <= 300; ++i) EXPECT_GE(m->NTCOUNT[i], 3);
}

TEST(Kernel, LocateFindsTheTriangleHoldingThePoint)
{
    auto m = super_mesh({{0.2, 0.2}, {0.8, 0.3}, {0.5, 0.9}, {0.4, 0.4}});
    delaun(*m, 0, 1, 4, 4);
    const double probes[][2] = {{0.45, 0.45}, {0.1, 0.9}, {0.99, 0.01}, {0.5, 0.5}};
    for (const auto& p : probes) {
        int t = locate(*m, p[0], p[1]);
        const int* v = m->LNODS[t];
        for (int b = 0; b < 3; ++b) {
            int a = v[b], c = v[(b + 1) % 3];
            EXPECT_GE((m->X[c] - m->X[a]) * (p[1] - m->Y[a]) - (m->Y[c] - m->Y[a]) * (p[0] - m->X[a]), 0.0);
        }
    }
}

TEST(Kernel, ANodeInMoreThanFortyTrianglesStops)
{
    // a centre with 41 nodes round it on a circle lies in 41 triangles
    std::vector<std::pair<double, double>> pts{{0.5, 0.5}};
    for (int k = 0; k < 41; ++k)
        pts.push_back({0.5 + 0.3 * std::cos(2 * M_PI * k / 41), 0.5 + 0.3 * std::sin(2 * M_PI * k / 41)});
    auto m = super_mesh(pts);
    EXPECT_EQ(stop_pair([&] { delaun(*m, 0, 1, 42, 42); }), Pair::incr);
}

TEST(Kernel, InsertionIntoAnotherRegionStops)
{
    auto m = super_mesh({{0.5, 0.5}});
    EXPECT_EQ(stop_pair([&] { delaun(*m, 1, 1, 1, 1); }), Pair::delaun_outside);
}

TEST(Kernel, LawsonSwapsTheBadDiagonalOfAQuadrilateral)
{
    // nodes 1 (0,0), 2 (1,-0.2), 3 (2,0), 4 (1,0.2), split along the long diagonal 1-3,
    // which must become 2-4
    const double xs[] = {0, 0, 1, 2, 1}, ys[] = {0, 0, -0.2, 0, 0.2};
    Local t;
    t.n = 2;
    t.lnods[1][0] = 1, t.lnods[1][1] = 2, t.lnods[1][2] = 3;
    t.lnods[2][0] = 1, t.lnods[2][1] = 3, t.lnods[2][2] = 4;
    t.neib[1][0] = t.neib[1][1] = 0, t.neib[1][2] = 2;
    t.neib[2][0] = 1, t.neib[2][1] = t.neib[2][2] = 0;
    lawson(t, 4, xs, ys, LOCAL_TRI);
    for (int k = 1; k <= 2; ++k) {
        bool has2 = false, has4 = false;
        for (int j = 0; j < 3; ++j) has2 |= t.lnods[k][j] == 2, has4 |= t.lnods[k][j] == 4;
        EXPECT_TRUE(has2 && has4) << "triangle " << k;
        int n = 0;
        for (int j = 0; j < 3; ++j) n += t.neib[k][j] == 3 - k;
        EXPECT_EQ(n, 1);
    }
}

TEST(ErrorPairs, LinesStandAsTheSystemPrintsThem)
{
    auto text = [](Pair p) { return pair_text[static_cast<int>(p)]; };
    EXPECT_EQ(std::string(text(Pair::poly_count).reason),
              " ***INCORRECT NUMBER OF" + std::string(56, ' ') + "ELEMENTS FORMED***");
    EXPECT_STREQ(text(Pair::lawson).reason, " ***NON-CONVERGENGE***");
    EXPECT_STREQ(text(Pair::ipush).routine, " ***ERROR IN FUCTION IPUSH***");
    EXPECT_STREQ(text(Pair::ivert).reason, " ***VERTICES NOT INCLUDES***");
    for (int p = 0; p < static_cast<int>(Pair::count); ++p) {
        EXPECT_EQ(pair_text[p].routine[0], ' ');
        EXPECT_EQ(pair_text[p].reason[0], ' ');
        EXPECT_NE(pair_text[p].status, Status::done);
    }
}
