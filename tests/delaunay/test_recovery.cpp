// Boundary recovery: ear clipping, the crossed strip, re-linking beside the super
// triangle, and the regions of a first triangulation.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "input.h"
#include "invariants.h"
#include "mesh_check.h"
#include "predicates.h"
#include "recovery.h"
#include "stop.h"

using namespace lindrove;


TEST(EarClipping, AfterACutTheSweepGoesOnFromTheEarsThirdNode)
{
    // a convex pentagon: the cuts are (1,2,3), then (3,4,5) in the same sweep, then (1,3,5)
    const double X[] = {0, 0, 2, 3, 1, -1}, Y[] = {0, 0, 0, 2, 3, 2};
    const int list[] = {0, 1, 2, 3, 4, 5};
    Local t;
    clip_ears(5, list, X, Y, t);
    ASSERT_EQ(t.n, 3);
    const int want[3][3] = {{1, 2, 3}, {3, 4, 5}, {1, 3, 5}};
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(t.lnods[k + 1][j], want[k][j]) << "triangle " << k + 1;
}

TEST(EarClipping, ATripleHoldingAnotherNodeIsNoEar)
{
    // (1,2,3) turns left but holds the reflex node 4: cutting it would overlap
    const double X[] = {0, 0, 10, 10, 5, 0}, Y[] = {0, 0, 0, 10, 1, 10};
    const int list[] = {0, 1, 2, 3, 4, 5};
    Local t;
    clip_ears(5, list, X, Y, t);
    ASSERT_EQ(t.n, 3);
    double total = 0;
    for (int k = 1; k <= 3; ++k) {
        const int* v = t.lnods[k];
        double a = area3(X[v[0]], Y[v[0]], X[v[1]], Y[v[1]], X[v[2]], Y[v[2]]);
        EXPECT_GT(a, 0);
        total += a;
        for (int w = 1; w <= 5; ++w)
            if (w != v[0] && w != v[1] && w != v[2]) {
                EXPECT_FALSE(in_closed_triangle(X[v[0]], Y[v[0]], X[v[1]], Y[v[1]], X[v[2]], Y[v[2]], X[w], Y[w]));
            }
    }
    EXPECT_DOUBLE_EQ(total, 55.0);  // the polygon's area by the shoelace formula
}

TEST(EarClipping, APolygonWithoutEarsStopsInsteadOfSweepingForEver)
{
    const double X[] = {0, 0, 1, 2, 3}, Y[] = {0, 0, 0, 0, 0};
    const int list[] = {0, 1, 2, 3, 4};
    Local t;
    EXPECT_EQ(stop_pair([&] { subdiv(4, list, X, Y, t); }), Pair::subdiv_no_ear);
}

TEST(Recovery, TheChainIsTheStripTheSegmentCrosses)
{
    // s (1) and t (2) on y = 0.5, node 3 just below the middle, nodes 4-12 just
    // above: the fan of node 3 crosses the segment, while the shortest way from s to t
    // through triangles passes below node 3, where the segment does not go
    std::vector<std::pair<double, double>> pts{{0.05, 0.5}, {0.95, 0.5}, {0.5, 0.49}};
    for (int k = -4; k <= 4; ++k) pts.push_back({0.5 + 0.08 * k, 0.52});
    auto m = super_mesh(pts);
    delaun(*m, 0, 1, 12, 12);
    m->NNODE = 12;
    int crossed = 0;  // edges the segment crosses, counted once each
    for (int u = 1; u <= m->NELEM; ++u)
        for (int b = 0; b < 3; ++b) {
            int a = m->LNODS[u][b], c = m->LNODS[u][(b + 1) % 3];
            if (a < c && crosses_properly(m->X[1], m->Y[1], m->X[2], m->Y[2], m->X[a], m->Y[a], m->X[c], m->Y[c]))
                ++crossed;
        }
    ASSERT_GT(crossed, 3);
    search(*m, 0, 2, 1);
    EXPECT_EQ(m->NPATH, crossed + 1);
    EXPECT_TRUE(has_vertex(*m, m->IPATH[1], 2));
    EXPECT_TRUE(has_vertex(*m, m->IPATH[m->NPATH], 1));
    poly(*m, 1, 2);
    for (const auto& v : invariants(*m)) ADD_FAILURE() << v;
    bool joined = false;
    for (int k = 0; k < m->NTCOUNT[1]; ++k) joined |= has_vertex(*m, m->NTLIST[1][k], 2);
    EXPECT_TRUE(joined);
}

TEST(Recovery, ASegmentThroughANodeStops)
{
    auto m = super_mesh({{0.1, 0.5}, {0.9, 0.5}, {0.5, 0.5}, {0.5, 0.9}, {0.5, 0.1}});
    delaun(*m, 0, 1, 5, 5);
    m->NNODE = 5;
    EXPECT_EQ(stop_pair([&] { search(*m, 0, 2, 1); }), Pair::search_closed);
}

TEST(Recovery, RelinkingBesideTheSuperTriangleKeepsLinksMirrored)
{
    // the closing segment A-B of this outline is recovered last, through triangles
    // that reach up to the super triangle's top vertex: nothing above it is inserted
    auto in = std::make_unique<Outline>();
    BoundaryDescription d;
    d.points = {{1, 0.5}, {1, 0}, {0.7, 0.49}, {0.3, 0.49}, {0, 0}, {0, 0.5}};  // B E D C F A
    d.exteriors = {{1, 2, 3, 4, 5, 6}};                                          // clockwise
    auto m = first_triangulation(d, *in);
    for (const auto& v : invariants(*m)) ADD_FAILURE() << v;
    double inside = 0;
    for (int t = 1; t <= m->NELEM; ++t)
        if (m->REGION[t] == 1) inside += area(*m, t);
    EXPECT_NEAR(inside, d.area(), 1e-12);  // the outline spans the unit box already
}

TEST(Recovery, RegionsOfExteriorsAndHoles)
{
    // two squares side by side, the left one with a hole, and an inner point in each
    auto in = std::make_unique<Outline>();
    auto d = describe({{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{2, 0}, {3, 0}, {3, 1}, {2, 1}}},
                      {{{0.3, 0.3}, {0.6, 0.3}, {0.6, 0.6}, {0.3, 0.6}}}, {{0.8, 0.8}, {2.5, 0.5}});
    auto m = first_triangulation(d, *in);
    for (const auto& v : invariants(*m)) ADD_FAILURE() << v;
    EXPECT_EQ(m->NNODE, 14);
    double region[3] = {0, 0, 0};
    for (int t = 1; t <= m->NELEM; ++t) region[m->REGION[t]] += area(*m, t);
    // in the unit box (scale 1/3): the left square less the hole, the right square
    EXPECT_NEAR(region[1], (1 - 0.09) / 9, 1e-12);
    EXPECT_NEAR(region[2], 1.0 / 9, 1e-12);
}
