// tombrel's element routines: stiffness, initial strain, thermal forces and the strain and stress pass.
#include "thermal.h"

#include <cmath>

#include "tri_element.h"
#include "workmat.h"

void thermal_strain(const EbeModel& m, const double* temp, const InitHeat& h, int e, double* eps0)
{
    double tm = (temp[m.ndn[e][0] - 1] + temp[m.ndn[e][1] - 1] + temp[m.ndn[e][2] - 1]) / 3;
    eps0[0] = (h.t0 - tm) * h.alpha;
    eps0[tri_w] = (h.t0 - tm) * h.alpha;
    eps0[2 * tri_w] = 0.0;
}

void stiff_element(const EbeModel& m, const EbeStore& store, int e, const char* file)
{
    double area = element_area(m, e, file);
    double b[3 * tri_w], d[3 * tri_w], db[3 * tri_w], bt[6 * tri_w], ke[6 * tri_w];
    bmatrix(m.xx, m.yy, m.ndn, e, b);
    plane_stress_d<tri_w>(m.ee, m.pp, d);
    seki<tri_w>(d, b, db, 3, 3, 6);
    transpose<tri_w>(b, bt, 6, 3);
    seki<tri_w>(bt, db, ke, 6, 3, 6);
    // the magnitude of the area: a clockwise element must not soften the structure
    sclar<tri_w>(ke, std::fabs(area) * m.hh, 6, 6);
    ebe_put(store, e, ke, tri_w);
}

void assemble_stiffness(const EbeModel& m, const EbeStore& store, const char* file)
{
    for (int e = 0; e < m.ne; ++e) stiff_element(m, store, e, file);
}

void thermal_load(const EbeModel& m, const double* temp, const InitHeat& h, int e, double* tf)
{
    double area = culcsfunc1(m.xx, m.yy, m.ndn, e);
    double eps0[3 * tri_w], d[3 * tri_w], sig0[3 * tri_w], b[3 * tri_w], bt[6 * tri_w], fe[6 * tri_w];
    thermal_strain(m, temp, h, e, eps0);
    plane_stress_d<tri_w>(m.ee, m.pp, d);
    seki<tri_w>(d, eps0, sig0, 3, 3, 1);
    bmatrix(m.xx, m.yy, m.ndn, e, b);
    transpose<tri_w>(b, bt, 6, 3);
    seki<tri_w>(bt, sig0, fe, 6, 3, 1);
    sclar<tri_w>(fe, std::fabs(area) * m.hh, 6, 1);
    for (int k = 0; k < 3; ++k) {
        int n = m.ndn[e][k];
        tf[2 * n - 2] = tf[2 * n - 2] - fe[tri_w * (2 * k)];
        tf[2 * n - 1] = tf[2 * n - 1] - fe[tri_w * (2 * k + 1)];
    }
}

void thermal_loads(const EbeModel& m, const double* temp, const InitHeat& h, double* tf)
{
    for (int e = 0; e < m.ne; ++e) thermal_load(m, temp, h, e, tf);
}

void thermal_fixed(const EbeModel& m, unsigned char* held, double* g)
{
    for (int i = 0; i < m.np; ++i) {
        held[2 * i] = m.ix[i] >= 1;
        g[2 * i] = m.ix[i] >= 1 ? m.u[i] : 0.0;
        held[2 * i + 1] = m.iy[i] >= 1;
        g[2 * i + 1] = m.iy[i] >= 1 ? m.v[i] : 0.0;
    }
}

void write_thermal_stress_strain(const EbeModel& m, const double* solve, const double* temp, const InitHeat& h,
                                 StructuralFiles& out, double* table)
{
    double b[3 * tri_w], d[3 * tri_w], ue[6 * tri_w], eps[3 * tri_w], eps0[3 * tri_w], sig[3 * tri_w], row[tri_w];
    plane_stress_d<tri_w>(m.ee, m.pp, d);
    for (int e = 0; e < m.ne; ++e) {
        for (int a = 0; a < 3; ++a) {
            int n = m.ndn[e][a];
            ue[tri_w * (2 * a)] = solve[2 * n - 2];
            ue[tri_w * (2 * a + 1)] = solve[2 * n - 1];
        }
        bmatrix(m.xx, m.yy, m.ndn, e, b);
        seki<tri_w>(b, ue, eps, 3, 6, 1);
        // the mechanical strain: the total strain less the free thermal expansion
        thermal_strain(m, temp, h, e, eps0);
        for (int i = 0; i < 3; ++i) eps[tri_w * i] = eps[tri_w * i] + eps0[tri_w * i];
        transpose<tri_w>(eps, row, 1, 3);
        require_finite(out.model, "element", "strain", row, 1, 3, e + 1);
        awrite_no(e + 1, out.strain_elm, row, tri_w, 1, 3);
        seki<tri_w>(d, eps, sig, 3, 3, 1);
        transpose<tri_w>(sig, row, 1, 3);
        require_finite(out.model, "element", "stress", row, 1, 3, e + 1);
        awrite_no(e + 1, out.stress_elm, row, tri_w, 1, 3);
    }
    out.average(1, element_nodes(m), table, 4);
}
