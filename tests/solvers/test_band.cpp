// Band measurement and elimination: hand-solved systems, pivot refusals, and the
// fast elimination against the plain loops on assembled meshes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "band.h"
#include "model_text.h"
#include "quad_analysis.h"
#include "subinput.h"
#include "tri_analysis.h"

namespace {

Stiffness a, a2;

void clear(int n)
{
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) a[i][j] = 0.0;
}

void identity(int n)
{
    clear(n);
    for (int i = 0; i < n; ++i) a[i][i] = 1.0;
}

// Reads a model text into s the way nalvik_tri does, echo discarded.
void load(const std::string& text, Structure& s, int k)
{
    clear_conditions(s);
    s.k = k;
    Scanner sc("nalvik.txt", text);
    FILE* null = std::fopen("/dev/null", "w");
    subinput(sc, s, null);
    std::fclose(null);
}

}  // namespace

TEST(BandCheck, FarthestSignificantEntryOnEitherSide)
{
    struct Case { const char* what; int n; int i, j; double value, diag; int band; };
    const Case cases[] = {
        {"diagonal matrix", 5, 0, 0, 1.0, 1.0, 2},
        {"entry 7 right of the diagonal", 10, 1, 8, 0.5, 1.0, 8},
        {"ratio exactly 1e-10 does not widen", 10, 1, 8, 1e-10, 1.0, 2},
        {"ratio just above 1e-10 widens", 10, 1, 8, 1.0000001e-10, 1.0, 8},
        {"ratio is relative to the row's diagonal", 10, 1, 8, 1e-6, 1e5, 2},
        {"entry 7 left of the diagonal", 10, 8, 1, -0.5, 1.0, 8},
        {"zero diagonal, non-zero entry widens", 10, 2, 7, 1.0, 0.0, 6},
        {"zero diagonal, zero entry does not", 10, 2, 7, 0.0, 0.0, 2},
    };
    for (const Case& c : cases) {
        identity(c.n);
        a[c.i][c.i] = c.diag;
        a[c.i][c.j] = c.value;
        EXPECT_EQ(band_check(a, c.n), c.band) << c.what;
    }
}

TEST(GaussSymb, SingleEquationAndAllFixed)
{
    clear(1);
    a[0][0] = 2.0;
    double f[1] = {4.0}, x[1] = {0};
    EXPECT_EQ(gauss_symb(a, f, x, 1), -1);
    EXPECT_EQ(x[0], 2.0);

    // every node fixed in both directions: identity rows, b = 2, x = prescribed
    Structure s{};
    s.np = 3;
    s.dimk = 6;
    const double pres[6] = {0.5, -1.25, 3.0, 0.0, 1e-3, 7.0};
    for (int i = 0; i < 3; ++i) {
        s.ix[i] = 1;
        s.iy[i] = i == 1 ? -1 : 1;  // any non-zero flag fixes
        s.u[i] = pres[2 * i];
        s.v[i] = pres[2 * i + 1];
    }
    clear(6);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) a[i][j] = 1.0 + i + j;
    double tf[6] = {9, 9, 9, 9, 9, 9}, sol[6];
    fix(s, a, tf);
    EXPECT_EQ(band_check(a, 6), 2);
    EXPECT_EQ(gauss_symb(a, tf, sol, 6), -1);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(sol[i], pres[i]);
}

TEST(GaussSymb, PrescribedValueReachesRowsBelowTheUpperBand)
{
    // a ring of five springs; equation 0 fixed at 1 couples with equation 4 only
    // below the diagonal. Without loads the ring follows rigidly: all ones.
    clear(5);
    for (int i = 0; i < 5; ++i) {
        a[i][i] = 2.0;
        a[i][(i + 1) % 5] = -1.0;
        a[i][(i + 4) % 5] = -1.0;
    }
    Structure s{};
    s.np = 3;  // equations 0..5; only 0..4 are used here
    s.dimk = 5;
    s.ix[0] = 1;
    s.u[0] = 1.0;
    double f[5] = {0, 0, 0, 0, 0}, x[5];
    fix(s, a, f);
    EXPECT_EQ(band_check(a, 5), 5);
    EXPECT_EQ(gauss_symb(a, f, x, 5), -1);
    for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(x[i], 1.0) << i;
}

TEST(GaussSymb, HandSolvedChainWithFixedEnd)
{
    // [[2,-1,0],[-1,2,-1],[0,-1,2]], x0 fixed at 1: x1 = 2/3, x2 = 1/3
    clear(3);
    const double k[3][3] = {{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) a[i][j] = k[i][j];
    Structure s{};
    s.np = 2;
    s.dimk = 3;
    s.ix[0] = 1;
    s.u[0] = 1.0;
    double f[3] = {5, 0, 0}, x[3];  // the load on the fixed equation is overwritten
    fix(s, a, f);
    EXPECT_EQ(gauss_symb(a, f, x, 3), -1);
    EXPECT_EQ(x[0], 1.0);
    EXPECT_NEAR(x[1], 2.0 / 3.0, 1e-15);
    EXPECT_NEAR(x[2], 1.0 / 3.0, 1e-15);
}

TEST(GaussSymb, WeakPivotsAreReportedNotDividedBy)
{
    // equation 2 has no stiffness at all
    identity(4);
    a[2][2] = 0.0;
    double f[4] = {1, 1, 1, 1}, x[4];
    EXPECT_EQ(gauss_symb(a, f, x, 4), 2);

    // a singular pair: the second pivot cancels to 0
    clear(2);
    a[0][0] = a[0][1] = a[1][0] = a[1][1] = 3.0;
    double g[2] = {1, 1}, y[2];
    EXPECT_EQ(gauss_symb(a, g, y, 2), 1);

    // a pivot that is rounding noise of its diagonal
    clear(2);
    a[0][0] = 1.0;
    a[0][1] = a[1][0] = 1.0;
    a[1][1] = 1.0 + 1e-15;
    double h[2] = {1, 1}, z[2];
    EXPECT_EQ(gauss_symb(a, h, z, 2), 1);
}

TEST(GaussSymb, SkippingZerosGivesTheBytesOfThePlainLoops)
{
    struct Case { const char* what; std::string text; int k = 3; };
    std::vector<Case> cases;

    // boundary first with a prescribed linear field on the whole boundary
    Grid patch = boundary_first_grid(5, 4, 2.0, 1.0, false);
    patch.model.materials.push_back({210e3, 0.3, 1.5});
    for (int i = 0; i <= 5; ++i)
        for (int j = 0; j <= 4; ++j)
            if (i == 0 || i == 5 || j == 0 || j == 4) {
                const auto& n = patch.model.nodes[patch.at(i, j) - 1];
                patch.model.bounds.push_back({patch.at(i, j), 1, 1, 1e-3 * (1 + 2 * n.x - n.y), 2e-3 * n.x + 5e-4 * n.y});
            }
    cases.push_back({"patch, boundary first", patch.model.text()});

    // a cantilever: left edge held, tip loaded, block-mesher-like numbering
    Grid beam = boundary_first_grid(12, 3, 12.0, 3.0, false);
    beam.model.materials.push_back({1000.0, 0.25, 1.0});
    for (int j = 0; j <= 3; ++j) beam.model.bounds.push_back({beam.at(0, j), 1, 1, 0.0, 0.0});
    beam.model.loads.push_back({beam.at(12, 3), 0.0, -1.0});
    cases.push_back({"cantilever, boundary first", beam.model.text()});

    // two materials, one fixed node with a non-zero prescribed value, row-by-row numbering
    ModelText strip;
    for (int j = 0; j <= 2; ++j)
        for (int i = 0; i <= 6; ++i) strip.nodes.push_back({0.5 * i + 0.05 * j * j, 0.5 * j});
    strip.materials = {{1.0, 0.3, 1.0}, {7.0, 0.1, 0.2}};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 6; ++i) {
            int p = j * 7 + i + 1;
            strip.elements.push_back({{p, p + 1, p + 8}, i < 3 ? 1 : 2});
            strip.elements.push_back({{p, p + 8, p + 7}, i < 3 ? 1 : 2});
        }
    strip.bounds = {{1, 1, 1, 0, 0}, {8, 1, 0, 0, 0}, {15, 1, 0, 0.01, 0}, {21, 0, 1, 0, -0.02}};
    strip.loads = {{7, 1.0, 0.5}, {14, 2.0, 0.0}};
    cases.push_back({"two-material strip", strip.text()});

    // the same patch and cantilever meshed with quadrilaterals
    Grid quad_patch = boundary_first_grid(5, 4, 2.0, 1.0, true);
    quad_patch.model.materials = patch.model.materials;
    quad_patch.model.bounds = patch.model.bounds;
    cases.push_back({"quadrilateral patch, boundary first", quad_patch.model.text(), 4});
    Grid quad_beam = boundary_first_grid(12, 3, 12.0, 3.0, true);
    quad_beam.model.materials = beam.model.materials;
    quad_beam.model.bounds = beam.model.bounds;
    quad_beam.model.loads = beam.model.loads;
    cases.push_back({"quadrilateral cantilever, boundary first", quad_beam.model.text(), 4});

    static Structure s1, s2;
    for (const Case& c : cases) {
        load(c.text, s1, c.k);
        s2 = s1;
        clear(s1.dimk);
        if (c.k == 3)
            assemble_tri(s1, a, "nalvik.txt");
        else
            quad::assemble_quad(s1, a, "nalvik.txt");
        fix(s1, a, s1.tf);
        for (int i = 0; i < s1.dimk; ++i) std::memcpy(a2[i], a[i], sizeof(double) * s1.dimk);
        std::memcpy(s2.tf, s1.tf, sizeof s1.tf);
        ASSERT_EQ(gauss_symb(a, s1.tf, s1.solve, s1.dimk), -1) << c.what;
        gauss_symb_plain(a2, s2.tf, s2.solve, s2.dimk);
        EXPECT_EQ(std::memcmp(s1.solve, s2.solve, sizeof(double) * s1.dimk), 0) << c.what;
    }
}
