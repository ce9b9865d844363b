// Bilinear quadrilateral matrices, in the operation order the result files depend on.
#include "quad_element.h"

#include <cassert>

#include "tri_element.h"

namespace quad {

namespace {

// The ten-decimal abscissa, not 1/sqrt(3) at full precision: the stored results
// were always made with this one.
constexpr double gauss_g = 0.5773502692;

}  // namespace

double dlndii(int k, double eta)
{
    assert(k >= 0 && k < 4);
    switch (k) {
    case 0: return -(1.0 - eta) / 4.0;
    case 1: return (1.0 - eta) / 4.0;
    case 2: return (1.0 + eta) / 4.0;
    default: return -(1.0 + eta) / 4.0;
    }
}

double dlndit(int k, double xi)
{
    assert(k >= 0 && k < 4);
    switch (k) {
    case 0: return -(1.0 - xi) / 4.0;
    case 1: return -(1.0 + xi) / 4.0;
    case 2: return (1.0 + xi) / 4.0;
    default: return (1.0 - xi) / 4.0;
    }
}

double nxx(int i)
{
    assert(i == 0 || i == 1);
    return i == 0 ? -gauss_g : gauss_g;
}

double nww(int i)
{
    assert(i == 0 || i == 1);
    return i == 0 ? -gauss_g : gauss_g;
}

Jacobian jacobian(const double* xx, const double* yy, const int (*ndn)[4], int e, double xi, double eta)
{
    Jacobian j{0.0, 0.0, 0.0, 0.0, 0.0};
    for (int k = 0; k < 4; ++k) {
        int n = ndn[e][k] - 1;
        j.j11 = j.j11 + dlndii(k, eta) * xx[n];
        j.j12 = j.j12 + dlndii(k, eta) * yy[n];
        j.j21 = j.j21 + dlndit(k, xi) * xx[n];
        j.j22 = j.j22 + dlndit(k, xi) * yy[n];
    }
    j.det = j.j11 * j.j22 - j.j12 * j.j21;
    return j;
}

double bmatrix(const double* xx, const double* yy, const int (*ndn)[4], int e, double xi, double eta, double* b)
{
    Jacobian j = jacobian(xx, yy, ndn, e, xi, eta);
    double i11 = j.j22 / j.det, i12 = -j.j12 / j.det;
    double i21 = -j.j21 / j.det, i22 = j.j11 / j.det;
    double* r0 = b;
    double* r1 = b + quad_w;
    double* r2 = b + 2 * quad_w;
    for (int k = 0; k < 4; ++k) {
        double dx = dlndii(k, eta) * i11 + dlndit(k, xi) * i12;
        double dy = dlndii(k, eta) * i21 + dlndit(k, xi) * i22;
        r0[2 * k] = dx;
        r0[2 * k + 1] = 0.0;
        r1[2 * k] = 0.0;
        r1[2 * k + 1] = dy;
        r2[2 * k] = dy;
        r2[2 * k + 1] = dx;
    }
    return j.det;
}

void dmatrix(const Structure& s, double* d, int e)
{
    int m = s.im[e] - 1;
    // the same plane-stress matrix as the triangle's; its shear term c (1 - nu) / 2
    // only scales by a power of two, so either order of operations gives its bytes
    plane_stress_d<quad_w>(s.ee[m], s.pp[m], d);
}

}  // namespace quad
