// Meshes of typical domains at several node counts, each checked for every property
// of a valid triangulation of its boundary description.
#include <gtest/gtest.h>

#include "e2e.h"

namespace {

struct Domain {
    const char* name;
    BoundaryDescription d;
};

std::vector<Point> rect(double x0, double y0, double x1, double y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}; }

std::vector<Domain> domains()
{
    return {
        {"square", describe({rect(0, 0, 10, 10)})},
        {"L-shape", describe({{{0, 0}, {6, 0}, {6, 2}, {2, 2}, {2, 5}, {0, 5}}})},
        {"square with a hole", describe({rect(0, 0, 10, 10)}, {rect(4, 4, 6, 6)})},
        {"several holes and inner points",
         describe({{{0, 0}, {8, 0}, {8, 3}, {5, 3}, {5, 6}, {0, 6}}},
                  {rect(1, 1, 2, 2), {{3, 1}, {4, 1.5}, {3.2, 2.2}}, rect(1, 3.5, 3, 5)},
                  {{6.5, 1.5}, {4, 4.5}, {0.5, 5.5}, {3.5, 0.4}})},
    };
}

}  // namespace

TEST(Meshes, EveryPropertyHoldsAtEveryNodeCount)
{
    for (const Domain& dom : domains()) {
        const int n = static_cast<int>(dom.d.points.size());
        for (int target : {n, 8, 300, 4000}) {
            if (target < n) continue;
            SCOPED_TRACE(std::string(dom.name) + ", " + std::to_string(target) + " nodes");
            Sandbox box;
            RunResult r = mesh_it(box, dom.d, std::to_string(target) + "\n");
            ASSERT_EQ(r.status, 0) << r.out.substr(r.out.size() > 300 ? r.out.size() - 300 : 0) << r.err;
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(joined(check_mesh(box.read("nalvik.txt"), dom.d, target)), "");
        }
    }
}

TEST(Meshes, TwoRunsWriteTheSameBytes)
{
    const Domain dom = domains()[3];
    Sandbox a, b;
    ASSERT_EQ(mesh_it(a, dom.d, "500\n").status, 0);
    ASSERT_EQ(mesh_it(b, dom.d, "500\n").status, 0);
    EXPECT_EQ(a.read("nalvik.txt"), b.read("nalvik.txt"));
}

TEST(Meshes, AnInnerPointInAHoleIsANodeOfNoTriangle)
{
    BoundaryDescription d = describe({rect(0, 0, 10, 10)}, {rect(4, 4, 6, 6)}, {{5, 5}, {2, 2}});
    Sandbox box;
    RunResult r = mesh_it(box, d, "10\n");
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    std::vector<std::string> problems;
    MeshFile m = parse_mesh(box.read("nalvik.txt"), problems);
    EXPECT_EQ(joined(problems), "");
    ASSERT_EQ(m.nodes.size(), 10u);
    for (const auto& t : m.tris)
        for (int n : t) EXPECT_NE(n, 9) << "the point in the hole is used";
    EXPECT_EQ(joined(check_mesh(box.read("nalvik.txt"), d, 10)), "");
}
