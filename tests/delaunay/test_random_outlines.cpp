// Random star-shaped outlines with holes and inner points: every run ends in time
// with a valid mesh or with an error pair and no mesh.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "e2e.h"

namespace {

// A star-shaped ring round (cx, cy), counter-clockwise: n angles evenly spaced and
// jittered by up to a quarter step, radii in [r0, r1]. With n >= 8 and r0 = 6 no gap
// exceeds 1.5 steps, so the chords stay 6 cos(33.75 degrees) > 4.9 from the centre.
std::vector<Point> star(std::mt19937& gen, double cx, double cy, int n, double r0, double r1)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<Point> ring;
    for (int k = 0; k < n; ++k) {
        double a = 2 * M_PI * (k + 0.25 * (2 * unit(gen) - 1)) / n;
        double r = r0 + (r1 - r0) * unit(gen);
        ring.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return ring;
}

}  // namespace

TEST(RandomOutlines, MeshOrRefuseButNeverHang)
{
    const unsigned seed = 77031;
    std::mt19937 gen(seed);
    std::printf("random outlines: seed %u\n", seed);
    std::uniform_int_distribution<int> count(8, 24), hole_count(3, 12), holes(0, 3), inner(0, 6), extra(0, 400);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int meshed = 0;
    const int runs = 200;
    for (int run = 0; run < runs; ++run) {
        // holes of radius 1 at most sit on the circle of radius 3, within 4 of the centre
        std::vector<Point> outer = star(gen, 0, 0, count(gen), 6.0, 10.0);
        std::vector<std::vector<Point>> hole_rings;
        int h = holes(gen);
        for (int k = 0; k < h; ++k) {
            double a = 2 * M_PI * (k + 0.3 * unit(gen)) / std::max(h, 1);
            hole_rings.push_back(star(gen, 3 * std::cos(a), 3 * std::sin(a), hole_count(gen), 0.3, 1.0));
        }
        std::vector<Point> points;
        int p = inner(gen);
        for (int k = 0; k < p; ++k) points.push_back({-5 + 10 * unit(gen), -5 + 10 * unit(gen)});
        BoundaryDescription d = describe({outer}, hole_rings, points);
        const int n = static_cast<int>(d.points.size());
        const int target = run % 10 == 0 ? n : n + extra(gen);  // now and then the empty-circle check

        SCOPED_TRACE("seed " + std::to_string(seed) + ", run " + std::to_string(run) + ":\n" + d.text() +
                     "target " + std::to_string(target));
        Sandbox box;
        RunResult r = mesh_it(box, d, std::to_string(target) + "\n", 20);
        ASSERT_FALSE(r.timed_out);
        if (r.status == 0) {
            ++meshed;
            EXPECT_EQ(joined(check_mesh(box.read("nalvik.txt"), d, target)), "");
        } else {
            EXPECT_TRUE(r.status == 2 || r.status == 3 || r.status == 4) << r.status << " " << r.err;
            EXPECT_EQ(last_two_lines(r.out).rfind(" ***ERROR IN ", 0), 0u) << r.out;
            EXPECT_FALSE(box.exists("nalvik.txt"));
            std::printf("run %d refused: %s", run, r.err.c_str());
        }
    }
    std::printf("random outlines: %d of %d meshed\n", meshed, runs);
    // every outline made here is a valid description
    EXPECT_EQ(meshed, runs);
}
