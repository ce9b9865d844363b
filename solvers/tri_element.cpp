// Constant-strain triangle matrices, in the operation order the result files depend on.
#include "tri_element.h"

#include "workmat.h"

double tri_det(double x1, double y1, double x2, double y2, double x3, double y3)
{
    double a = x2 * y3 - x3 * y2;
    double b = x3 * y1 - x1 * y3;
    double c = x1 * y2 - x2 * y1;
    return a + b + c;
}

void bmatrix(const double* xx, const double* yy, const int (*ndn)[4], int e, double* b)
{
    setw1<tri_w>(b, 3, 6);
    int n1 = ndn[e][0] - 1, n2 = ndn[e][1] - 1, n3 = ndn[e][2] - 1;
    double x1 = xx[n1], x2 = xx[n2], x3 = xx[n3];
    double y1 = yy[n1], y2 = yy[n2], y3 = yy[n3];
    double det = tri_det(x1, y1, x2, y2, x3, y3);
    double b1 = (y2 - y3) / det, b2 = (y3 - y1) / det, b3 = (y1 - y2) / det;
    double c1 = (x3 - x2) / det, c2 = (x1 - x3) / det, c3 = (x2 - x1) / det;
    double* r0 = b;
    double* r1 = b + tri_w;
    double* r2 = b + 2 * tri_w;
    r0[0] = b1; r0[2] = b2; r0[4] = b3;
    r1[1] = c1; r1[3] = c2; r1[5] = c3;
    r2[0] = c1; r2[1] = b1; r2[2] = c2; r2[3] = b2; r2[4] = c3; r2[5] = b3;
}

double culcsfunc1(const double* xx, const double* yy, const int (*ndn)[4], int e)
{
    int n1 = ndn[e][0] - 1, n2 = ndn[e][1] - 1, n3 = ndn[e][2] - 1;
    return 0.5 * tri_det(xx[n1], yy[n1], xx[n2], yy[n2], xx[n3], yy[n3]);
}

void dmatrix(const Structure& s, double* d, int e)
{
    int m = s.im[e] - 1;
    plane_stress_d<tri_w>(s.ee[m], s.pp[m], d);
}
