// Predictor, pressure equation and correction of gresolt_tri, each one pass over the elements and one over the nodes.
#include "flow.h"

#include <cmath>

#include "model_checks.h"

void flow_geometry(const FlowModel& m, FlowGeometry& g, const char* file)
{
    for (int i = 0; i < m.np; ++i) g.minv[i] = 0.0;
    for (int e = 0; e < m.ne; ++e) {
        const int* nd = m.ndn[e];
        double x1 = m.xx[nd[0] - 1], x2 = m.xx[nd[1] - 1], x3 = m.xx[nd[2] - 1];
        double y1 = m.yy[nd[0] - 1], y2 = m.yy[nd[1] - 1], y3 = m.yy[nd[2] - 1];
        double det = (y2 - y3) * x1 + (y3 - y1) * x2 + (y1 - y2) * x3;
        check_element_det(det, e, nd, file);
        // the magnitude: a clockwise element must not bring a negative mass
        // or turn the pressure matrix indefinite; b and c carry the sign of det
        double a = std::fabs(det * 0.5);
        g.a[e] = a;
        g.a3[e] = a / 3;
        g.a12[e] = a / 12;
        g.b[0][e] = (y2 - y3) / det;
        g.b[1][e] = (y3 - y1) / det;
        g.b[2][e] = (y1 - y2) / det;
        g.c[0][e] = (x3 - x2) / det;
        g.c[1][e] = (x1 - x3) / det;
        g.c[2][e] = (x2 - x1) / det;
        for (int k = 0; k < 3; ++k) g.minv[nd[k] - 1] += g.a3[e];
    }
    for (int i = 0; i < m.np; ++i) {
        if (g.minv[i] == 0.0)
            fail(Status::model, file, strf("node %d is in no element, so it has no mass", i + 1));
        g.minv[i] = 1.0 / g.minv[i];
    }
}

void prescribe_velocity(const FlowModel& m, double* U, double* V)
{
    for (int i = 0; i < m.np; ++i) {
        if (m.ix[i] >= 1) U[i] = m.u[i];
        if (m.iy[i] >= 1) V[i] = m.v[i];
    }
}

void flow_predict(const FlowModel& m, const FlowGeometry& g, FlowState& s)
{
    double* ru = s.us;  // the element sums gather where the prediction goes
    double* rv = s.vs;
    for (int i = 0; i < m.np; ++i) ru[i] = rv[i] = 0.0;
    const double re = m.hh;
    for (int e = 0; e < m.ne; ++e) {
        const int n[3] = {m.ndn[e][0] - 1, m.ndn[e][1] - 1, m.ndn[e][2] - 1};
        const double u[3] = {s.U[n[0]], s.U[n[1]], s.U[n[2]]};
        const double v[3] = {s.V[n[0]], s.V[n[1]], s.V[n[2]]};
        const double b[3] = {g.b[0][e], g.b[1][e], g.b[2][e]};
        const double c[3] = {g.c[0][e], g.c[1][e], g.c[2][e]};
        double su = u[0] + u[1] + u[2], sv = v[0] + v[1] + v[2];
        double ux = b[0] * u[0] + b[1] * u[1] + b[2] * u[2];
        double uy = c[0] * u[0] + c[1] * u[1] + c[2] * u[2];
        double vx = b[0] * v[0] + b[1] * v[1] + b[2] * v[2];
        double vy = c[0] * v[0] + c[1] * v[1] + c[2] * v[2];
        double a12 = g.a12[e];
        // the Galerkin form of the Laplacian: a fully developed channel flow
        // keeps its parabola up to an outlet held at pressure 0
        double ar = g.a[e] / re;
        for (int k = 0; k < 3; ++k) {
            double au = a12 * ((su + u[k]) * ux + (sv + v[k]) * uy);
            double av = a12 * ((su + u[k]) * vx + (sv + v[k]) * vy);
            double du = ar * (b[k] * ux + c[k] * uy);
            double dv = ar * (b[k] * vx + c[k] * vy);
            ru[n[k]] += au + du;
            rv[n[k]] += av + dv;
        }
    }
    const double dt = flow_constants.dt;
    for (int i = 0; i < m.np; ++i) {
        s.us[i] = s.U[i] - dt * g.minv[i] * ru[i];
        s.vs[i] = s.V[i] - dt * g.minv[i] * rv[i];
    }
}

void pressure_laplacian(const FlowModel& m, const FlowGeometry& g, const EbeStore& store)
{
    for (int e = 0; e < m.ne; ++e)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) store.at(i, j, e) = g.a[e] * (g.b[i][e] * g.b[j][e] + g.c[i][e] * g.c[j][e]);
}

void flow_pressure_rhs(const FlowModel& m, const FlowGeometry& g, FlowState& s)
{
    for (int i = 0; i < m.np; ++i) s.f[i] = 0.0;
    const double dt = flow_constants.dt;
    for (int e = 0; e < m.ne; ++e) {
        const int n[3] = {m.ndn[e][0] - 1, m.ndn[e][1] - 1, m.ndn[e][2] - 1};
        double div = (g.b[0][e] * s.us[n[0]] + g.b[1][e] * s.us[n[1]] + g.b[2][e] * s.us[n[2]]) +
                     (g.c[0][e] * s.vs[n[0]] + g.c[1][e] * s.vs[n[1]] + g.c[2][e] * s.vs[n[2]]);
        double w = (div / dt) * g.a3[e];
        for (int k = 0; k < 3; ++k) s.f[n[k]] -= w;
    }
}

void flow_correct(const FlowModel& m, const FlowGeometry& g, FlowState& s)
{
    double* gx = s.U;  // the gradient sums gather where the corrected velocity goes
    double* gy = s.V;
    for (int i = 0; i < m.np; ++i) gx[i] = gy[i] = 0.0;
    for (int e = 0; e < m.ne; ++e) {
        const int n[3] = {m.ndn[e][0] - 1, m.ndn[e][1] - 1, m.ndn[e][2] - 1};
        double ex = g.a3[e] * (g.b[0][e] * s.P[n[0]] + g.b[1][e] * s.P[n[1]] + g.b[2][e] * s.P[n[2]]);
        double ey = g.a3[e] * (g.c[0][e] * s.P[n[0]] + g.c[1][e] * s.P[n[1]] + g.c[2][e] * s.P[n[2]]);
        for (int k = 0; k < 3; ++k) {
            gx[n[k]] += ex;
            gy[n[k]] += ey;
        }
    }
    const double dt = flow_constants.dt;
    for (int i = 0; i < m.np; ++i) {
        s.U[i] = s.us[i] - gx[i] * g.minv[i] * dt;
        s.V[i] = s.vs[i] - gy[i] * g.minv[i] * dt;
    }
}

namespace {

bool finite(const double* v, int n)
{
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(v[i])) return false;
    return true;
}

[[noreturn]] void unstable(int step, const char* file)
{
    fail(Status::numeric, file,
         strf("the explicit step is unstable at step %d: dt %s is too large for this mesh and Reynolds number", step,
              short_e(flow_constants.dt, 0).c_str()));
}

}  // namespace

void flow_step(const FlowModel& m, const FlowGeometry& g, const EbeSystem& pressure, FlowState& s, int step,
               const char* file)
{
    flow_predict(m, g, s);
    prescribe_velocity(m, s.us, s.vs);
    flow_pressure_rhs(m, g, s);
    // every node lies in an element, so a value of us or vs that is not
    // finite reaches the right-hand side
    if (!finite(s.f, m.np)) unstable(step, file);
    try {
        // free pressures start at 0, fixed ones at their value
        cg_solve(pressure, s.f, s.P);
    } catch (const Failure& f) {
        fail(f.status(), f.file(), strf("step %d: %s", step, f.what()));
    }
    flow_correct(m, g, s);
    prescribe_velocity(m, s.U, s.V);
    if (!finite(s.U, m.np) || !finite(s.V, m.np) || !finite(s.P, m.np)) unstable(step, file);
}
