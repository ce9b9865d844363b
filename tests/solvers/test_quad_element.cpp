// The bilinear quadrilateral against hand-computed values and theory: the unit
// square's Jacobian and stiffness, rigid motions, node order and refused shapes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "failure.h"
#include "quad_analysis.h"
#include "quad_element.h"

using namespace quad;

namespace {

Stiffness k1, k2;

const double g = 0.5773502692;

// Clears the leading n x n block only: the whole table is 72 MB.
void clear(Stiffness& k, int n)
{
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) k[i][j] = 0.0;
}

// One element on nodes 1..4 at the given corners, material E, nu, t.
void one_element(Structure& s, const double (&x)[4], const double (&y)[4], double e, double nu, double t)
{
    s = Structure{};
    s.np = 4;
    s.nm = 1;
    s.ne = 1;
    s.dimk = 8;
    for (int i = 0; i < 4; ++i) {
        s.xx[i] = x[i];
        s.yy[i] = y[i];
        s.ndn[0][i] = i + 1;
    }
    s.im[0] = 1;
    s.ee[0] = e;
    s.pp[0] = nu;
    s.hh[0] = t;
}

void order(Structure& s, int a, int b, int c, int d)
{
    s.ndn[0][0] = a, s.ndn[0][1] = b, s.ndn[0][2] = c, s.ndn[0][3] = d;
}

const double square_x[4] = {0, 1, 1, 0}, square_y[4] = {0, 0, 1, 1};
// A convex quadrilateral with no two sides parallel.
const double skew_x[4] = {0.1, 2.3, 1.9, -0.2}, skew_y[4] = {-0.3, 0.2, 1.7, 1.1};

}  // namespace

TEST(QuadElement, UnitSquareJacobianAtEveryGaussPoint)
{
    // the ten-decimal abscissa, not 1/sqrt(3) to full precision
    EXPECT_EQ(nxx(0), -0.5773502692);
    EXPECT_EQ(nxx(1), 0.5773502692);
    EXPECT_EQ(nww(0), nxx(0));
    EXPECT_EQ(nww(1), nxx(1));
    EXPECT_NE(nxx(1), 1.0 / std::sqrt(3.0));
    EXPECT_EQ(dlndii(0, -g), -(1 + g) / 4);

    Structure s;
    one_element(s, square_x, square_y, 1, 0, 1);
    for (int p = 0; p < gauss_points; ++p) {
        double xi = nxx(p / 2), eta = nww(p % 2);
        Jacobian j = jacobian(s.xx, s.yy, s.ndn, 0, xi, eta);
        EXPECT_EQ(j.j11, 0.5) << "point " << p + 1;
        EXPECT_EQ(j.j22, 0.5) << "point " << p + 1;
        EXPECT_EQ(j.j12, 0.0) << "point " << p + 1;
        EXPECT_EQ(j.j21, 0.0) << "point " << p + 1;
        double b[3 * quad_w];
        EXPECT_EQ(bmatrix(s.xx, s.yy, s.ndn, 0, xi, eta, b), 0.25) << "point " << p + 1;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(b[2 * k], 2 * dlndii(k, eta)) << "dN" << k << "/dx at point " << p + 1;
            EXPECT_EQ(b[quad_w + 2 * k + 1], 2 * dlndit(k, xi)) << "dN" << k << "/dy at point " << p + 1;
            EXPECT_EQ(b[2 * quad_w + 2 * k], b[quad_w + 2 * k + 1]);
            EXPECT_EQ(b[2 * quad_w + 2 * k + 1], b[2 * k]);
        }
    }
    // numbered clockwise, (0,0) (0,1) (1,1) (1,0)
    order(s, 1, 4, 3, 2);
    for (int p = 0; p < gauss_points; ++p)
        EXPECT_EQ(jacobian(s.xx, s.yy, s.ndn, 0, nxx(p / 2), nww(p % 2)).det, -0.25) << "point " << p + 1;
}

TEST(QuadElement, UnitSquareStiffnessByHand)
{
    // Row u1 of the square's stiffness, integrated by hand over the unit square:
    // c t (1/2 - nu/6, (1 + nu)/8, -1/4 - nu/12, -1/8 + 3 nu/8, -1/4 + nu/12,
    // -(1 + nu)/8, nu/6, 1/8 - 3 nu/8) with c = E / (1 - nu^2). The 2 x 2 rule is
    // exact for it; the ten-decimal abscissa costs about 1e-11.
    for (double nu : {0.0, 0.3}) {
        const double e = 2.0, t = 0.5, c = e / (1 - nu * nu) * t;
        const double row[8] = {0.5 - nu / 6, (1 + nu) / 8, -0.25 - nu / 12, -0.125 + 3 * nu / 8,
                               -0.25 + nu / 12, -(1 + nu) / 8, nu / 6, 0.125 - 3 * nu / 8};
        Structure s;
        one_element(s, square_x, square_y, e, nu, t);
        clear(k1, 8);
        assemble_quad(s, k1, "nalvik.txt");
        for (int j = 0; j < 8; ++j) EXPECT_NEAR(k1[0][j], c * row[j], 1e-9) << "nu " << nu << ", column " << j;
        for (int i = 0; i < 8; ++i)
            for (int j = 0; j < 8; ++j) EXPECT_NEAR(k1[i][j], k1[j][i], 1e-15) << i << "," << j;
    }
}

TEST(QuadElement, RigidMotionsCostNothing)
{
    Structure s;
    one_element(s, skew_x, skew_y, 210e3, 0.3, 1.5);
    clear(k1, 8);
    assemble_quad(s, k1, "nalvik.txt");
    double scale = 0;
    for (int i = 0; i < 8; ++i) scale = std::max(scale, std::fabs(k1[i][i]));
    const char* const names[3] = {"translation in x", "translation in y", "rotation"};
    for (int m = 0; m < 3; ++m) {
        double d[8];
        for (int a = 0; a < 4; ++a) {
            d[2 * a] = m == 0 ? 1.0 : m == 1 ? 0.0 : -s.yy[a];
            d[2 * a + 1] = m == 0 ? 0.0 : m == 1 ? 1.0 : s.xx[a];
        }
        for (int i = 0; i < 8; ++i) {
            double f = 0;
            for (int j = 0; j < 8; ++j) f += k1[i][j] * d[j];
            EXPECT_NEAR(f, 0.0, 1e-12 * scale) << names[m] << ", row " << i;
        }
    }
}

TEST(QuadElement, NodeOrderDoesNotChangeTheStiffness)
{
    // the clockwise twin enters with |t det J|; a counter-clockwise numbering that
    // starts at another corner maps the same Gauss points
    Structure s;
    one_element(s, skew_x, skew_y, 1000.0, 0.25, 0.8);
    clear(k1, 8);
    assemble_quad(s, k1, "nalvik.txt");
    const int orders[][4] = {{1, 4, 3, 2}, {3, 2, 1, 4}, {2, 3, 4, 1}, {4, 1, 2, 3}};
    for (const auto& o : orders) {
        order(s, o[0], o[1], o[2], o[3]);
        clear(k2, 8);
        assemble_quad(s, k2, "nalvik.txt");
        for (int i = 0; i < 8; ++i)
            for (int j = 0; j < 8; ++j)
                EXPECT_NEAR(k2[i][j], k1[i][j], 1e-12 * std::fabs(k1[i][i]))
                    << "order " << o[0] << o[1] << o[2] << o[3] << ", entry " << i << "," << j;
    }
}

TEST(QuadElement, ShapesWithoutAProperJacobianAreRefusedByNumber)
{
    struct Case { const char* what; double x[4], y[4]; int order[4]; const char* message; };
    const Case cases[] = {
        {"four nodes on a line", {0, 1, 2, 3}, {0, 0, 0, 0}, {1, 2, 3, 4},
         "element 2: nodes 1 2 3 4: the Jacobian determinant is 0 at Gauss point 1 (a collapsed quadrilateral)"},
        // det J = -eta / 4: positive at Gauss point 1, negative at point 2
        {"bow-tie", {0, 1, 1, 0}, {0, 0, 1, 1}, {1, 2, 4, 3},
         "element 2: nodes 1 2 4 3: the Jacobian determinant changes sign between Gauss points 1 and 2 "
         "(a twisted or badly non-convex quadrilateral)"},
        // corner 3 pushed in to (0.2, 0.2): det J at the corners 1, 0.1, -0.8, 0.1,
        // so about 0.62, 0.1, 0.1 and -0.42 at the Gauss points
        {"arrowhead", {0, 2, 0.2, 0}, {0, 0, 0.2, 2}, {1, 2, 3, 4},
         "element 2: nodes 1 2 3 4: the Jacobian determinant changes sign between Gauss points 1 and 4 "
         "(a twisted or badly non-convex quadrilateral)"},
        {"determinant overflows", {0, 1e200, 1e200, 0}, {0, 0, 1e200, 1e200}, {1, 2, 3, 4},
         "element 2: nodes 1 2 3 4: the Jacobian determinant is not finite at Gauss point 1 "
         "(coordinates too large)"},
        // corner 3 pushed in to (0.8, 0.8): corners 1, 0.4, -0.2, 0.4, and about
        // 0.05 at Gauss point 4, so every Gauss point still sees a positive det J
        {"mildly non-convex", {0, 2, 0.8, 0}, {0, 0, 0.8, 2}, {1, 2, 3, 4}, nullptr},
        {"clockwise", {0, 1, 1, 0}, {0, 0, 1, 1}, {1, 4, 3, 2}, nullptr},
        {"collapsed to a triangle", {0, 1, 1, 0}, {0, 0, 1, 1}, {1, 2, 3, 3}, nullptr},
    };
    for (const Case& c : cases) {
        Structure s;
        one_element(s, c.x, c.y, 1.0, 0.3, 1.0);
        // a good element first, so that the refusal has to name the second
        s.np = 8;
        s.dimk = 16;
        for (int i = 0; i < 4; ++i) {
            s.xx[4 + i] = square_x[i] + 5;
            s.yy[4 + i] = square_y[i];
        }
        for (int i = 0; i < 4; ++i) s.ndn[1][i] = c.order[i];
        for (int i = 0; i < 4; ++i) s.ndn[0][i] = 5 + i;
        s.ne = 2;
        s.im[1] = 1;
        clear(k1, 16);
        try {
            assemble_quad(s, k1, "nalvik.txt");
            EXPECT_EQ(c.message, nullptr) << c.what << " was assembled";
        } catch (const Failure& f) {
            ASSERT_NE(c.message, nullptr) << c.what << ": " << f.what();
            EXPECT_EQ(f.status(), Status::model) << c.what;
            EXPECT_EQ(f.file(), "nalvik.txt") << c.what;
            EXPECT_EQ(std::string(f.what()), c.message) << c.what;
        }
    }
}
