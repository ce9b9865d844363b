// The constant-strain triangle: strain-displacement and plane-stress matrices.
#pragma once
#include "structure.h"

constexpr int tri_w = 6;  // work-matrix row length of triangle programs

// Twice the signed area; each bracket rounded to double, summed left to right.
double tri_det(double x1, double y1, double x2, double y2, double x3, double y3);

// B (3 x 6) of element e: rows (b1 0 b2 0 b3 0), (0 c1 0 c2 0 c3), (c1 b1 c2 b2 c3 b3).
void bmatrix(const double* xx, const double* yy, const int (*ndn)[4], int e, double* b);
// Signed area of element e, positive when its nodes run counter-clockwise.
double culcsfunc1(const double* xx, const double* yy, const int (*ndn)[4], int e);
// D (3 x 3) of plane stress for modulus E and Poisson's ratio nu, row length W.
template <int W>
void plane_stress_d(double e, double nu, double* d)
{
    double c = e / (1.0 - nu * nu);
    d[0] = c;
    d[1] = nu * c;
    d[2] = 0.0;
    d[W] = nu * c;
    d[W + 1] = c;
    d[W + 2] = 0.0;
    d[2 * W] = 0.0;
    d[2 * W + 1] = 0.0;
    d[2 * W + 2] = (1.0 - nu) * 0.5 * c;
}
// D of the material of element e.
void dmatrix(const Structure& s, double* d, int e);
