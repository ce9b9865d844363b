// The four-node isoparametric quadrilateral: shape-function derivatives, the
// 2 x 2 Gauss points, and the strain-displacement and plane-stress matrices.
#pragma once
#include "structure.h"

constexpr int quad_w = 8;  // work-matrix row length of the quadrilateral program

// The quadrilateral's routines carry the names of the triangle's; the namespace
// keeps the two element families apart in one kit.
namespace quad {

// Local corners of nodes k = 0..3 of an element: (-1,-1), (1,-1), (1,1), (-1,1).
// dN_k/dxi at eta, and dN_k/deta at xi, of the bilinear shape functions.
double dlndii(int k, double eta);
double dlndit(int k, double xi);

// The Gauss abscissae for xi and for eta, i = 0 or 1: -0.5773502692 and
// +0.5773502692, the ten-decimal value. The weights of the rule are 1.
double nxx(int i);
double nww(int i);

// Gauss points of an element in the order of every element row: xi outer, eta
// inner, so point p (0..3) lies at (nxx(p / 2), nww(p % 2)).
constexpr int gauss_points = 4;

// The Jacobian of element e at (xi, eta): J11 = dx/dxi, J12 = dy/dxi,
// J21 = dx/deta, J22 = dy/deta, and its determinant, signed: positive where the
// nodes run counter-clockwise.
struct Jacobian {
    double j11, j12, j21, j22, det;
};
Jacobian jacobian(const double* xx, const double* yy, const int (*ndn)[4], int e, double xi, double eta);

// Fills all of B (3 x 8) of element e at (xi, eta), columns u1 v1 .. u4 v4,
// strains (ex, ey, gxy) with engineering shear; returns the signed det J.
double bmatrix(const double* xx, const double* yy, const int (*ndn)[4], int e, double xi, double eta, double* b);

// D (3 x 3) of plane stress for the material of element e, row length quad_w.
void dmatrix(const Structure& s, double* d, int e);

}  // namespace quad
