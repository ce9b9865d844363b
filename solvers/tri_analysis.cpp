// Plane-stress triangles: element matrices into the global matrix, and back out as strains.
#include "tri_analysis.h"

#include <cmath>

#include "failure.h"
#include "tri_element.h"
#include "workmat.h"

void trans(const double* ke, Stiffness& tkmat, const int (*ndn)[4], int e)
{
    int list[6];
    for (int a = 0; a < 3; ++a) {
        list[2 * a] = 2 * ndn[e][a] - 2;
        list[2 * a + 1] = 2 * ndn[e][a] - 1;
    }
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 6; ++b) tkmat[list[a]][list[b]] += ke[tri_w * a + b];
}

void assemble_tri(const Structure& s, Stiffness& tkmat, const char* file)
{
    double b[3 * tri_w], d[3 * tri_w], db[3 * tri_w], bt[6 * tri_w], ke[6 * tri_w];
    for (int e = 0; e < s.ne; ++e) {
        double area = culcsfunc1(s.xx, s.yy, s.ndn, e);
        if (area == 0.0 || !std::isfinite(area))
            fail(Status::model, file,
                 strf("element %d: nodes %d %d %d enclose no area", e + 1, s.ndn[e][0], s.ndn[e][1], s.ndn[e][2]));
        bmatrix(s.xx, s.yy, s.ndn, e, b);
        dmatrix(s, d, e);
        seki<tri_w>(d, b, db, 3, 3, 6);
        transpose<tri_w>(b, bt, 6, 3);
        seki<tri_w>(bt, db, ke, 6, 3, 6);
        sclar<tri_w>(ke, std::fabs(area) * s.hh[s.im[e] - 1], 6, 6);
        trans(ke, tkmat, s.ndn, e);
    }
}

void write_stress_strain(const Structure& s, StructuralFiles& out, Stiffness& tkmat)
{
    double b[3 * tri_w], d[3 * tri_w], ue[6 * tri_w], eps[3 * tri_w], row[tri_w], sig[3 * tri_w];
    for (int e = 0; e < s.ne; ++e) {
        for (int a = 0; a < 3; ++a) {
            int n = s.ndn[e][a];
            ue[tri_w * (2 * a)] = s.solve[2 * n - 2];
            ue[tri_w * (2 * a + 1)] = s.solve[2 * n - 1];
        }
        setw1<tri_w>(b, 3, 6);
        setw1<tri_w>(d, 3, 3);
        bmatrix(s.xx, s.yy, s.ndn, e, b);
        seki<tri_w>(b, ue, eps, 3, 6, 1);
        transpose<tri_w>(eps, row, 1, 3);
        // before the rounding, which would turn a NaN into a zero
        require_finite(out.model, "element", "strain", row, 1, 3, e + 1);
        // strains below 1e-10 are rounding noise of a zero and are written as zero
        for (int j = 0; j < 3; ++j)
            if (!(std::fabs(row[j]) >= 1e-10)) row[j] = 0.0;
        awrite_no(e + 1, out.strain_elm, row, tri_w, 1, 3);
        dmatrix(s, d, e);
        seki<tri_w>(d, eps, sig, 3, 3, 1);
        transpose<tri_w>(sig, row, 1, 3);
        require_finite(out.model, "element", "stress", row, 1, 3, e + 1);
        awrite_no(e + 1, out.stress_elm, row, tri_w, 1, 3);
    }
    ElementNodes mesh{&s.ndn[0][0], 4, 3, s.ne, s.np};
    out.average(1, mesh, &tkmat[0][0], max_equations);
}
