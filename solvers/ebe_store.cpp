// Element-by-element products, walking each position's array in element order.
#include "ebe_store.h"

#include <cstring>

namespace {

// Row i of a 3 by 3 element matrix times (xa, xb, xc), as one sum.
inline double row3(const double* const* k, int i, long e, double xa, double xb, double xc)
{
    return (k[3 * i][e] * xa + k[3 * i + 1][e] * xb) + k[3 * i + 2][e] * xc;
}

// Row i of a 6 by 6 element matrix times the element's six values, as one sum.
inline double row6(const double* const* k, int i, long e, const double* xe)
{
    const double* const* r = k + 6 * i;
    return ((((r[0][e] * xe[0] + r[1][e] * xe[1]) + r[2][e] * xe[2]) + r[3][e] * xe[3]) + r[4][e] * xe[4]) +
           r[5][e] * xe[5];
}

template <int M>
void positions(const EbeStore& s, const double* (&k)[M * M])
{
    assert(s.m == M);
    for (int i = 0; i < M; ++i)
        for (int j = 0; j < M; ++j) k[M * i + j] = s.symmetric && j < i ? s.pos(j, i) : s.pos(i, j);
}

// One element of a 3 by 3 store: every x read before any y is touched.
inline void product3(const double* const* k, const int* nd, long e, double* y, const double* x)
{
    int a = nd[0] - 1, b = nd[1] - 1, c = nd[2] - 1;
    double xa = x[a], xb = x[b], xc = x[c];
    y[a] = y[a] + row3(k, 0, e, xa, xb, xc);
    y[b] = y[b] + row3(k, 1, e, xa, xb, xc);
    y[c] = y[c] + row3(k, 2, e, xa, xb, xc);
}

// The same for a symmetric store from its upper triangle, k[0..5] the arrays
// of (0,0) (0,1) (0,2) (1,1) (1,2) (2,2): each value is loaded once and
// serves both of its positions.
inline void product3_upper(const double* const* k, const int* nd, long e, double* y, const double* x)
{
    int a = nd[0] - 1, b = nd[1] - 1, c = nd[2] - 1;
    double xa = x[a], xb = x[b], xc = x[c];
    double k00 = k[0][e], k01 = k[1][e], k02 = k[2][e], k11 = k[3][e], k12 = k[4][e], k22 = k[5][e];
    y[a] = y[a] + ((k00 * xa + k01 * xb) + k02 * xc);
    y[b] = y[b] + ((k01 * xa + k11 * xb) + k12 * xc);
    y[c] = y[c] + ((k02 * xa + k12 * xb) + k22 * xc);
}

inline void product6(const double* const* k, const int* nd, long e, double* y, const double* x)
{
    int dof[6];
    double xe[6];
    for (int a = 0; a < 3; ++a) {
        dof[2 * a] = 2 * nd[a] - 2;
        dof[2 * a + 1] = 2 * nd[a] - 1;
    }
    for (int i = 0; i < 6; ++i) xe[i] = x[dof[i]];
    for (int i = 0; i < 6; ++i) y[dof[i]] = y[dof[i]] + row6(k, i, e, xe);
}

}  // namespace

void ebe_mark_symmetric(EbeStore& s)
{
    s.symmetric = false;
    for (int i = 0; i < s.m; ++i)
        for (int j = i + 1; j < s.m; ++j) {
            const double* upper = s.pos(i, j);
            const double* lower = s.pos(j, i);
            for (long e = 0; e < s.mesh.ne; ++e)
                if (std::memcmp(&upper[e], &lower[e], sizeof(double)) != 0) return;
        }
    s.symmetric = true;
}

void ebe_put(const EbeStore& s, int e, const double* ke, int w)
{
    for (int i = 0; i < s.m; ++i)
        for (int j = 0; j < s.m; ++j) s.at(i, j, e) = ke[w * i + j];
}

void ebe_product3(const EbeStore& s, double* y, const double* x, int e)
{
    const double* k[9];
    positions<3>(s, k);
    product3(k, s.mesh.ndn + static_cast<long>(e) * s.mesh.stride, e, y, x);
}

void ebe_product6(const EbeStore& s, double* y, const double* x, int e)
{
    const double* k[36];
    positions<6>(s, k);
    product6(k, s.mesh.ndn + static_cast<long>(e) * s.mesh.stride, e, y, x);
}

void ebe_multiply(const EbeStore& s, double* y, const double* x, int n)
{
    for (int i = 0; i < n; ++i) y[i] = 0.0;
    ebe_accumulate(s, y, x);
}

void ebe_accumulate(const EbeStore& s, double* y, const double* x)
{
    const int* nd = s.mesh.ndn;
    const long stride = s.mesh.stride;
    if (s.m == 3 && s.symmetric) {
        const double* k[6] = {s.pos(0, 0), s.pos(0, 1), s.pos(0, 2), s.pos(1, 1), s.pos(1, 2), s.pos(2, 2)};
        for (long e = 0; e < s.mesh.ne; ++e) product3_upper(k, nd + e * stride, e, y, x);
    } else if (s.m == 3) {
        const double* k[9];
        positions<3>(s, k);
        for (long e = 0; e < s.mesh.ne; ++e) product3(k, nd + e * stride, e, y, x);
    } else {
        const double* k[36];
        positions<6>(s, k);
        for (long e = 0; e < s.mesh.ne; ++e) product6(k, nd + e * stride, e, y, x);
    }
}
