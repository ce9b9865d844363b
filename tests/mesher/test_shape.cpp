// The serendipity mapping of an area: its shape functions and hand-worked points.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "shape.h"

TEST(Serendipity, EachShapeIsOneAtItsPointAndZeroAtTheOthers)
{
    for (int k = 0; k < 8; ++k)
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(serendipity_shape(k, area_local[j][0], area_local[j][1]), k == j ? 1.0 : 0.0)
                << "N" << k << " at point " << j;
}

TEST(Serendipity, ShapesSumToOneAndReproduceAStraightArea)
{
    const unsigned seed = 20240611;
    std::printf("seed %u\n", seed);
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(-1, 1);
    // a parallelogram with mid-side points in the middle maps linearly
    const double px[8] = {0, 1.5, 3, 3.5, 4, 2.5, 1, 0.5};
    const double py[8] = {0, 0, 0, 1, 2, 2, 2, 1};
    for (int i = 0; i < 200; ++i) {
        double xi = u(gen), eta = u(gen), sum = 0;
        for (int k = 0; k < 8; ++k) sum += serendipity_shape(k, xi, eta);
        EXPECT_NEAR(sum, 1.0, 1e-14);
        double x, y;
        map_area(px, py, xi, eta, &x, &y);
        EXPECT_NEAR(x, 2 + 1.5 * xi + 0.5 * eta, 1e-13);
        EXPECT_NEAR(y, 1 + eta, 1e-13);
    }
}

TEST(Serendipity, CurvedTopSideByHand)
{
    // square [0, 2]^2 whose top mid-side point is lifted to (1, 2.5): x stays
    // 1 + xi, y gains 0.5 N5 = 0.5 (1 - xi^2)(1 + eta) / 2
    const double px[8] = {0, 1, 2, 2, 2, 1, 0, 0};
    const double py[8] = {0, 0, 0, 1, 2, 2.5, 2, 1};
    const struct { double xi, eta, x, y; } cases[] = {
        {0, 0, 1, 1.25},            // -1/4 of the corners plus 1/2 of the mids
        {0.5, 0.5, 1.5, 1.78125},   // 1.5 + 0.5 * 0.75 * 1.5 / 2
        {-0.5, -0.5, 0.5, 0.59375}, // 0.5 + 0.5 * 0.75 * 0.5 / 2
        {0.5, 1, 1.5, 2.375},       // on the top side: 2 + 0.5 * 0.75
    };
    for (const auto& c : cases) {
        double x, y;
        map_area(px, py, c.xi, c.eta, &x, &y);
        EXPECT_EQ(x, c.x) << c.xi << " " << c.eta;
        EXPECT_EQ(y, c.y) << c.xi << " " << c.eta;
    }
}
