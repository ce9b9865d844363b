// Plane-stress quadrilaterals: Gauss-point matrices into the global matrix, and
// back out as strains and stresses at every Gauss point.
#include "quad_analysis.h"

#include <cmath>

#include "failure.h"
#include "quad_element.h"
#include "workmat.h"

namespace quad {

void trans(const double* ke, Stiffness& tkmat, const int (*ndn)[4], int e)
{
    int list[8];
    for (int a = 0; a < 4; ++a) {
        list[2 * a] = 2 * ndn[e][a] - 2;
        list[2 * a + 1] = 2 * ndn[e][a] - 1;
    }
    for (int a = 0; a < 8; ++a)
        for (int b = 0; b < 8; ++b) tkmat[list[a]][list[b]] += ke[quad_w * a + b];
}

namespace {

// Refuses element e when det J at Gauss point p (0-based) cannot enter the
// element matrix: 0 or not finite, or of the other sign than at point 0.
void check_jacobian(const Structure& s, int e, int p, double det, double first, const char* file)
{
    const int* n = s.ndn[e];
    if (det == 0.0)
        fail(Status::model, file,
             strf("element %d: nodes %d %d %d %d: the Jacobian determinant is 0 at Gauss point %d "
                  "(a collapsed quadrilateral)",
                  e + 1, n[0], n[1], n[2], n[3], p + 1));
    // the coordinates are finite as read, so only their size can overflow it
    if (!std::isfinite(det))
        fail(Status::model, file,
             strf("element %d: nodes %d %d %d %d: the Jacobian determinant is not finite at Gauss point %d "
                  "(coordinates too large)",
                  e + 1, n[0], n[1], n[2], n[3], p + 1));
    if ((det < 0.0) != (first < 0.0))
        fail(Status::model, file,
             strf("element %d: nodes %d %d %d %d: the Jacobian determinant changes sign between "
                  "Gauss points 1 and %d (a twisted or badly non-convex quadrilateral)",
                  e + 1, n[0], n[1], n[2], n[3], p + 1));
}

}  // namespace

void assemble_quad(const Structure& s, Stiffness& tkmat, const char* file)
{
    double b[3 * quad_w], d[3 * quad_w], db[3 * quad_w], bt[8 * quad_w], kg[8 * quad_w];
    for (int e = 0; e < s.ne; ++e) {
        double first = 0.0;
        for (int p = 0; p < gauss_points; ++p) {
            double det = bmatrix(s.xx, s.yy, s.ndn, e, nxx(p / 2), nww(p % 2), b);
            if (p == 0) first = det;
            check_jacobian(s, e, p, det, first, file);
            dmatrix(s, d, e);
            seki<quad_w>(d, b, db, 3, 3, 8);
            transpose<quad_w>(b, bt, 8, 3);
            seki<quad_w>(bt, db, kg, 8, 3, 8);
            sclar<quad_w>(kg, std::fabs(s.hh[s.im[e] - 1] * det), 8, 8);
            trans(kg, tkmat, s.ndn, e);
        }
    }
}

void write_stress_strain(const Structure& s, StructuralFiles& out, Stiffness& tkmat)
{
    double b[3 * quad_w], d[3 * quad_w], ue[8 * quad_w], eps[3 * quad_w], row[quad_w], sig[3 * quad_w];
    for (int e = 0; e < s.ne; ++e) {
        for (int a = 0; a < 4; ++a) {
            int n = s.ndn[e][a];
            ue[quad_w * (2 * a)] = s.solve[2 * n - 2];
            ue[quad_w * (2 * a + 1)] = s.solve[2 * n - 1];
        }
        setw1<quad_w>(b, 3, 8);
        setw1<quad_w>(d, 3, 3);
        // every value is written as computed: no small strain is rounded to zero
        for (int p = 0; p < gauss_points; ++p) {
            bmatrix(s.xx, s.yy, s.ndn, e, nxx(p / 2), nww(p % 2), b);
            seki<quad_w>(b, ue, eps, 3, 8, 1);
            transpose<quad_w>(eps, row, 1, 3);
            require_finite(out.model, "element", "strain", row, 1, 3, e + 1);
            awrite_no(e + 1, out.strain_elm, row, quad_w, 1, 3);
            dmatrix(s, d, e);
            seki<quad_w>(d, eps, sig, 3, 3, 1);
            transpose<quad_w>(sig, row, 1, 3);
            require_finite(out.model, "element", "stress", row, 1, 3, e + 1);
            awrite_no(e + 1, out.stress_elm, row, quad_w, 1, 3);
        }
    }
    ElementNodes mesh{&s.ndn[0][0], 4, 4, s.ne, s.np};
    out.average(gauss_points, mesh, &tkmat[0][0], max_equations);
}

}  // namespace quad
