// The patch test's model and its exact answer, worked out from the field alone.
#include "patch_test.h"

#include <cmath>

#include <gtest/gtest.h>

#include "result_rows.h"

namespace {

// ux = a + b x + c y, uy = d + e x + f y
const double a = 1e-3, b = 2e-3, c = -1e-3, d = 5e-4, e = 3e-3, f = -4e-3;
const double E = 2000.0, nu = 0.25;

double ux(double x, double y) { return a + b * x + c * y; }
double uy(double x, double y) { return d + e * x + f * y; }

}  // namespace

Grid distorted_patch(bool quads)
{
    Grid g = boundary_first_grid(6, 5, 3.0, 2.0, quads);
    for (int j = 1; j < 5; ++j)
        for (int i = 1; i < 6; ++i) {
            auto& n = g.model.nodes[g.at(i, j) - 1];
            n.x += 0.11 * ((i * 7 + j * 3) % 5 - 2) / 2.0;
            n.y += 0.09 * ((i * 3 + j * 5) % 5 - 2) / 2.0;
        }
    for (int j = 0; j <= 5; ++j)
        for (int i = 0; i <= 6; ++i)
            if (i == 0 || i == 6 || j == 0 || j == 5) {
                const auto& n = g.model.nodes[g.at(i, j) - 1];
                g.model.bounds.push_back({g.at(i, j), 1, 1, ux(n.x, n.y), uy(n.x, n.y)});
            }
    g.model.materials.push_back({E, nu, 0.7});
    return g;
}

void expect_exact_patch_results(const Grid& patch, const Sandbox& box, int rows_per_element)
{
    const auto& nodes = patch.model.nodes;
    Rows disp = rows(box.read("result_nalvik.txt"), 2);
    ASSERT_EQ(disp.value.size(), nodes.size());
    for (size_t i = 0; i < disp.value.size(); ++i) {
        EXPECT_NEAR(disp.value[i][0], ux(nodes[i].x, nodes[i].y), 1e-9) << "node " << i + 1;
        EXPECT_NEAR(disp.value[i][1], uy(nodes[i].x, nodes[i].y), 1e-9) << "node " << i + 1;
    }

    const double k = E / (1 - nu * nu);
    const double strain[3] = {b, f, c + e};
    const double stress[3] = {k * (strain[0] + nu * strain[1]), k * (nu * strain[0] + strain[1]),
                              k * (1 - nu) * 0.5 * strain[2]};
    const size_t element_rows = rows_per_element * patch.model.elements.size();
    const struct { const char* file; const double* exact; bool relative; bool per_element; } files[] = {
        {"result_nalvik_strain_elm.txt", strain, false, true},
        {"result_nalvik_strain.txt", strain, false, false},
        {"result_nalvik_stress_elm.txt", stress, true, true},
        {"result_nalvik_stress.txt", stress, true, false},
    };
    for (const auto& fl : files) {
        Rows r = rows(box.read(fl.file), 3);
        EXPECT_EQ(r.value.size(), fl.per_element ? element_rows : nodes.size()) << fl.file;
        for (size_t i = 0; i < r.value.size(); ++i) {
            size_t number = fl.per_element ? i / rows_per_element + 1 : i + 1;
            EXPECT_EQ(r.number[i], static_cast<int>(number)) << fl.file << " row " << i + 1;
            for (int j = 0; j < 3; ++j) {
                // strains to the printed digits; stresses relative, as their sizes differ
                double tol = fl.relative ? 1e-5 * std::fabs(fl.exact[j]) : 1e-8;
                EXPECT_NEAR(r.value[i][j], fl.exact[j], tol) << fl.file << " row " << i + 1;
            }
        }
    }
}
