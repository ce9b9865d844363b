// The serendipity shape functions and the mapping of an area.
#include "shape.h"

#include <cassert>

double serendipity_shape(int k, double xi, double eta)
{
    assert(k >= 0 && k < 8);
    const double xk = area_local[k][0], ek = area_local[k][1];
    if (k % 2 == 0) return (1 + xi * xk) * (1 + eta * ek) * (xi * xk + eta * ek - 1) / 4;
    if (k == 1 || k == 5) return (1 - xi * xi) * (1 + eta * ek) / 2;
    return (1 + xi * xk) * (1 - eta * eta) / 2;
}

void map_area(const double px[8], const double py[8], double xi, double eta, double* x, double* y)
{
    double sx = 0, sy = 0;
    for (int k = 0; k < 8; ++k) {
        double nk = serendipity_shape(k, xi, eta);
        sx += nk * px[k];
        sy += nk * py[k];
    }
    *x = sx;
    *y = sy;
}
