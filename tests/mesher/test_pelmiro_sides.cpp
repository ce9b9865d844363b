// Two areas meet along a curved side whichever of their sides it is: the mesh
// conforms for all sixteen pairings, also where the sides run against each other.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "mesh_text.h"
#include "sandbox.h"

namespace {

using Point = std::pair<double, double>;

// Left square [0, 1]^2 with its side s on x = 1, right square [1, 2] x [0, 1]
// with its side l there; the shared side bulges to (1.15, 0.5). Both areas
// run counter-clockwise; which corner each starts from turns its local axes.
std::string pairing(int s, int l)
{
    ModelText m;
    std::map<Point, int> number;
    auto point = [&](Point p) {
        auto it = number.find(p);
        if (it != number.end()) return it->second;
        m.nodes.push_back({p.first, p.second});
        return number[p] = static_cast<int>(m.nodes.size());
    };
    auto area = [&](const Point corner[4], int start) {
        ModelText::Element e{{}, 1};
        for (int j = 0; j < 4; ++j) {
            Point a = corner[(start + j) % 4], b = corner[(start + j + 1) % 4];
            Point mid{(a.first + b.first) / 2, (a.second + b.second) / 2};
            if (a.first == 1 && b.first == 1) mid.first = 1.15;
            e.nodes.push_back(point(a));
            e.nodes.push_back(point(mid));
        }
        m.elements.push_back(e);
    };
    // side j of an area joins its corners j and j + 1; the left square's
    // corners 1 and 2 (lower and upper right) lie on x = 1, the right
    // square's corners 3 and 0
    const Point left[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const Point right[4] = {{1, 0}, {2, 0}, {2, 1}, {1, 1}};
    area(left, (1 - s + 4) % 4);
    area(right, (3 - l + 4) % 4);
    m.materials.push_back({1000, 0.25, 1});
    return m.text();
}

}  // namespace

TEST(SharedSides, EveryPairingConforms)
{
    for (int s = 0; s < 4; ++s)
        for (int l = 0; l < 4; ++l)
            for (const char* type : {"0", "1"}) {
                const std::string where =
                    "left side " + std::to_string(s + 1) + ", right side " + std::to_string(l + 1) + ", type " + type;
                Sandbox box;
                box.write("data2d.txt", pairing(s, l));
                RunResult r = box.run("pelmiro_const", {"3", type});
                ASSERT_EQ(r.status, 0) << where << ": " << r.err;
                ModelText m = parse_model_text(box.read("nalvik.txt"), type[0] == '0' ? 3 : 4);
                // six keypoints, seven lines of two nodes, four inside each area
                ASSERT_EQ(m.nodes.size(), 28u) << where;
                std::vector<int> uses(28);
                double area = 0;
                for (size_t e = 0; e < m.elements.size(); ++e) {
                    double a = twice_area(m, static_cast<int>(e)) / 2;
                    EXPECT_GT(a, 0) << where << ": element " << e + 1 << " turns clockwise";
                    area += a;
                    for (int n : m.elements[e].nodes) ++uses[n - 1];
                }
                // the bulge gives the right square what it takes from the left one
                EXPECT_NEAR(area, 2.0, 1e-9) << where;
                for (int i = 0; i < 28; ++i) EXPECT_GT(uses[i], 0) << where << ": node " << i + 1 << " unused";
            }
}
