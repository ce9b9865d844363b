// The drawing road end to end: a drawing through lindrove_tri01 and lindrove_tri02 (with
// the node count typed on its console) to a mesh, and nalvik_tri on that mesh once its
// edges are held: the left edge fixed, the right edge moved by 0.1 in x.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <sstream>

#include "boundary_text.h"
#include "mesh_check.h"
#include "result_rows.h"
#include "sandbox.h"

namespace {

constexpr double E = 2.1e5, nu = 0.3;  // lindrove_tri02's one material, thickness 1
constexpr double left = 10, right = 110, pull = 0.1;

bool built(const std::string& program)
{
    struct stat st;
    return stat(bin_path(program).c_str(), &st) == 0;
}

// Meshes the drawing in the sandbox to `target` nodes and checks the mesh against the
// rings lindrove_tri01 wrote.
MeshFile mesh_drawing(const Sandbox& box, const std::string& fixture, int target)
{
    box.copy_fixture("outline/" + fixture, "model2d.dxf");
    RunResult outline = box.run("lindrove_tri01", {}, "", 20);
    EXPECT_EQ(outline.status, 0) << outline.err;
    BoundaryDescription d = description_of(parse_rings(box.read("INPUT01.TXT")));
    RunResult mesh = box.run("lindrove_tri02", {}, std::to_string(target) + "\n", 60);
    EXPECT_EQ(mesh.status, 0) << mesh.err;
    for (const std::string& problem : check_mesh(box.read("nalvik.txt"), d, target)) ADD_FAILURE() << problem;
    std::vector<std::string> problems;
    MeshFile m = parse_mesh(box.read("nalvik.txt"), problems);
    EXPECT_TRUE(problems.empty());
    return m;
}

// Adds the boundary records to the mesh: every node of x = 10 held in x (the one at
// y = 10 also in y), every node of x = 110 moved by `pull` in x; then runs nalvik_tri.
void hold_and_pull(const Sandbox& box, const MeshFile& m)
{
    ASSERT_FALSE(m.nodes.empty());
    std::ostringstream bc;
    int nb = 0;
    for (size_t i = 0; i < m.nodes.size(); ++i) {
        const Point& p = m.nodes[i];
        if (std::fabs(p.x - left) < 1e-9) bc << i + 1 << " 1 " << (std::fabs(p.y - 10) < 1e-9 ? 1 : 0) << " 0 0\n";
        if (std::fabs(p.x - right) < 1e-9) bc << i + 1 << " 1 0 " << pull << " 0\n";
        nb += std::fabs(p.x - left) < 1e-9 || std::fabs(p.x - right) < 1e-9;
    }
    std::string text = box.read("nalvik.txt");
    std::string header = std::to_string(m.nodes.size()) + " 1 " + std::to_string(m.tris.size()) + " " +
                         std::to_string(nb) + " 0\n";
    box.write("nalvik.txt", header + text.substr(text.find('\n') + 1) + bc.str());
    RunResult r = box.run("nalvik_tri", {}, "", 60);
    ASSERT_EQ(r.status, 0) << r.err;
}

class DrawingRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!built("lindrove_tri02")) GTEST_SKIP() << "lindrove_tri02 is not built: the drawing road cannot run";
    }

    // The drawing meshed to `target` nodes and analysed.
    MeshFile analysed(const std::string& fixture, int target)
    {
        MeshFile m = mesh_drawing(box, fixture, target);
        EXPECT_EQ(m.nodes.size(), size_t(target));
        hold_and_pull(box, m);
        return m;
    }

    Sandbox box;
};

}  // namespace

TEST_F(DrawingRoad, RectangleStretchesUniformly)
{
    MeshFile m = analysed("rect_lines_r2000.dxf", 60);
    // uniaxial stress: u = pull (x - 10) / 100, v = -nu pull (y - 10) / 100 at every node
    Rows u = rows(box.read("result_nalvik.txt"), 2);
    ASSERT_EQ(u.number.size(), m.nodes.size());
    for (size_t i = 0; i < u.number.size(); ++i) {
        const Point& p = m.nodes[u.number[i] - 1];
        double eps = pull / (right - left);
        double ux = eps * (p.x - left), uy = -nu * eps * (p.y - 10);
        // seven significant digits in the result rows
        EXPECT_NEAR(u.value[i][0], ux, 5e-7 * std::fabs(ux) + 1e-15) << u.number[i];
        EXPECT_NEAR(u.value[i][1], uy, 5e-7 * std::fabs(uy) + 1e-15) << u.number[i];
    }
}

TEST_F(DrawingRoad, PlateWithAHoleIsMeshedAndAnalysed)
{
    MeshFile m = analysed("plate_hole_r2000.dxf", 300);

    // The force on the moved edge: with the sides free, the element stresses sum to it
    // times the plate's length, sum of sx A = F (110 - 10), exactly for the mesh too.
    Rows s = rows(box.read("result_nalvik_stress_elm.txt"), 3);
    ASSERT_EQ(s.number.size(), m.tris.size());
    double sum = 0, area = 0;
    for (size_t e = 0; e < m.tris.size(); ++e) {
        const Point &a = m.nodes[m.tris[e][0] - 1], &b = m.nodes[m.tris[e][1] - 1], &c = m.nodes[m.tris[e][2] - 1];
        double ae = ((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
        sum += s.value[e][0] * ae;
        area += ae;
    }
    double force = sum / (right - left);
    // Without the hole the plate 100 x 50 carries E 50 pull / 100. The uniform strain of
    // that plate is a displacement of the mesh too, so the mesh's energy, and with it the
    // force, is at most that plate's scaled by the area left around the hole.
    double solid = E * 50 * pull / (right - left);
    EXPECT_LT(force, solid * area / 5000 * (1 + 1e-5));
    // The stress sx = E pull / 100 in the two strips of 15 above and below the band of
    // the hole, and none in the band, balances and leaves the hole free: by the least
    // complementary energy the plate carries at least 30/50 of the solid one's force, and
    // the mesh, stiffer than the plate, no less.
    EXPECT_GT(force, 0.6 * solid);

    // the held and the moved edge keep their prescribed displacements
    Rows u = rows(box.read("result_nalvik.txt"), 2);
    for (size_t i = 0; i < u.number.size(); ++i) {
        const Point& p = m.nodes[u.number[i] - 1];
        if (std::fabs(p.x - left) < 1e-9) {
            EXPECT_EQ(u.value[i][0], 0) << u.number[i];
        }
        if (std::fabs(p.x - right) < 1e-9) {
            EXPECT_NEAR(u.value[i][0], pull, 1e-12) << u.number[i];
        }
    }
}
