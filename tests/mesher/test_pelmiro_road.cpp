// The structured road on the bundled plate: pelmiro_const meshes the block
// model, nalvik_tri analyses it, and the results match the theory of a plate
// in uniform tension.
#include <gtest/gtest.h>

#include "mesh_text.h"
#include "result_rows.h"
#include "sandbox.h"

TEST(StructuredRoad, PlateOfCurvedBlocksIsInUniformTension)
{
    // examples/plate: 8 by 4, eight blocks of 2 by 2 whose inner sides are
    // curved, two of them with turned local axes; E 210000, nu 0.3, t 1.
    // Left edge held in x (its lower corner in y too); on the right edge
    // 1000 in all, as the nodal forces of a uniform pull for the mesh of 5
    // cells per side (spacing 0.4: 100 per line node, 50 or 100 on the corners).
    // Constant-strain triangles pass the patch test on any conforming mesh:
    // sx = 1000 / 4 = 250, sy = txy = 0, ux = sx x / E, uy = -nu sx y / E.
    Sandbox box;
    box.write("data2d.txt", read_file(std::string(SUITE_SOURCE_DIR) + "/examples/plate/data2d.txt"));
    RunResult mesh = box.run("pelmiro_const", {"5", "0"});
    ASSERT_EQ(mesh.status, 0) << mesh.err;
    EXPECT_EQ(mesh.err, "");

    ModelText s = parse_model_text(box.read("nalvik.txt"), 3);
    // 15 keypoints, 22 lines of 4 nodes, 8 blocks of 16 inner nodes; 50 cells each
    const int np = 15 + 22 * 4 + 8 * 16, ne = 8 * 50;
    ASSERT_EQ(static_cast<int>(s.nodes.size()), np);
    ASSERT_EQ(static_cast<int>(s.elements.size()), ne);
    double area = 0, pull = 0;
    for (int e = 0; e < ne; ++e) {
        EXPECT_GT(twice_area(s, e), 0) << "element " << e + 1;
        area += twice_area(s, e) / 2;
    }
    for (const auto& l : s.loads) pull += l.fx;
    EXPECT_NEAR(area, 32.0, 1e-9);
    EXPECT_DOUBLE_EQ(pull, 1000.0);

    RunResult solve = box.run("nalvik_tri");
    ASSERT_EQ(solve.status, 0) << solve.err;
    const double E = 210000, nu = 0.3, sx = 250;
    Rows disp = rows(box.read("result_nalvik.txt"), 2);
    ASSERT_EQ(static_cast<int>(disp.value.size()), np);
    for (int i = 0; i < np; ++i) {
        // six digits in the files: relative 1e-5 of the largest displacement
        EXPECT_NEAR(disp.value[i][0], sx * s.nodes[i].x / E, 1e-7) << "node " << i + 1;
        EXPECT_NEAR(disp.value[i][1], -nu * sx * s.nodes[i].y / E, 1e-7) << "node " << i + 1;
    }
    Rows stress = rows(box.read("result_nalvik_stress_elm.txt"), 3);
    ASSERT_EQ(static_cast<int>(stress.value.size()), ne);
    for (int e = 0; e < ne; ++e) {
        EXPECT_NEAR(stress.value[e][0], sx, 1e-3) << "element " << e + 1;
        EXPECT_NEAR(stress.value[e][1], 0, 1e-3) << "element " << e + 1;
        EXPECT_NEAR(stress.value[e][2], 0, 1e-3) << "element " << e + 1;
    }
}
