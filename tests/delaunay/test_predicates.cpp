// The geometric helpers: angle, circumcircle and crossing decisions, and the distortion.
#include <gtest/gtest.h>

#include <cmath>

#include "predicates.h"
#include "refine.h"

using namespace lindrove;

TEST(Predicates, ThetaUsesSinglePrecisionPi)
{
    // a right angle is exactly half of pi rounded to single precision
    EXPECT_EQ(theta(0, 0, 1, 0, 0, 1), 3.1415927410125732 / 2);
    EXPECT_NE(theta(0, 0, 1, 0, 0, 1), M_PI / 2);
    // an obtuse corner of 135 degrees: atan gives -45 degrees, single-precision pi is added
    EXPECT_EQ(theta(0, 0, 1, 0, -1, 1), -std::atan(1.0) + 3.1415927410125732);
    EXPECT_NEAR(theta(0, 0, 1, 0, 1, 1), M_PI / 4, 1e-15);
}

TEST(Predicates, SwapOnlyWhenStrictlyInsideTheCircumcircle)
{
    // shared edge (5,0)-(0,5) of the neighbour (5,0), (0,5), (-5,0) on the circle of
    // radius 5; the new point lies beyond the edge
    struct { double xp, yp; int swap; } cases[] = {
        {3, 4, 0},      // on the circle: no swap
        {3, 3, 1},      // inside
        {4, 4, 0},      // outside
        {2.5, 2.6, 1},  // inside, near the edge
    };
    for (const auto& c : cases) EXPECT_EQ(swap(5, 0, 0, 5, -5, 0, c.xp, c.yp), c.swap) << c.xp << " " << c.yp;
}

TEST(Predicates, ProperCrossingExcludesTouchingAndCollinear)
{
    struct { double s[4], ab[4]; bool crosses; } cases[] = {
        {{0, 0, 2, 0}, {1, -1, 1, 1}, true},
        {{0, 0, 2, 0}, {1, 0, 1, 1}, false},   // ends on the segment
        {{0, 0, 2, 0}, {2, -1, 2, 1}, false},  // through the segment's end
        {{0, 0, 2, 0}, {1, 0, 3, 0}, false},   // collinear overlap
        {{0, 0, 2, 0}, {3, -1, 3, 1}, false},  // beyond the end
    };
    for (const auto& c : cases)
        EXPECT_EQ(crosses_properly(c.s[0], c.s[1], c.s[2], c.s[3], c.ab[0], c.ab[1], c.ab[2], c.ab[3]), c.crosses);
}

TEST(Predicates, PolygonInsideExcludesTheOutline)
{
    const double px[] = {0, 4, 4, 0}, py[] = {0, 0, 4, 4};
    EXPECT_TRUE(in_polygon(px, py, 4, 1, 1));
    EXPECT_FALSE(in_polygon(px, py, 4, 5, 1));
    EXPECT_FALSE(in_polygon(px, py, 4, 4, 4));  // a corner
    EXPECT_FALSE(in_polygon(px, py, 4, 2, 0));  // on an edge
}

TEST(Distortion, SplitsTheEdgeOppositeTheLargestAngle)
{
    auto m = std::make_unique<Mesh>();
    // P, Q, R with the right angle at R, at P, at Q in turn
    struct { double x[3], y[3]; int iv; } cases[] = {
        {{1, 0, 0}, {0, 1, 0}, 0},  // right angle at R: edge P-Q
        {{0, 1, 0}, {0, 0, 1}, 1},  // at P: edge Q-R
        {{0, 0, 1}, {1, 0, 0}, 2},  // at Q: edge R-P
    };
    for (const auto& c : cases) {
        for (int k = 0; k < 3; ++k) m->X[k + 1] = c.x[k], m->Y[k + 1] = c.y[k], m->LNODS[1][k] = k + 1;
        double d;
        int iv;
        distor(*m, 1, d, iv);
        EXPECT_EQ(iv, c.iv);
        // deviations: 30 + 15 + 15 degrees
        EXPECT_NEAR(d, M_PI / 3, 1e-6);
    }
    // an equilateral triangle is undistorted, up to the single-precision constants
    m->X[1] = 0, m->Y[1] = 0, m->X[2] = 1, m->Y[2] = 0, m->X[3] = 0.5, m->Y[3] = std::sqrt(0.75);
    double d;
    int iv;
    distor(*m, 1, d, iv);
    EXPECT_LT(d, 1e-6);
}
