// Conduction matrices and temperature rows of brundel_tri.
#include "heat.h"

#include <cmath>

#include "tri_element.h"
#include "workmat.h"

void heat_element(const EbeModel& m, const EbeStore& store, int e, const char* file)
{
    double area = element_area(m, e, file);
    int n1 = m.ndn[e][0] - 1, n2 = m.ndn[e][1] - 1, n3 = m.ndn[e][2] - 1;
    double x1 = m.xx[n1], x2 = m.xx[n2], x3 = m.xx[n3];
    double y1 = m.yy[n1], y2 = m.yy[n2], y3 = m.yy[n3];
    double det = tri_det(x1, y1, x2, y2, x3, y3);

    double b[2 * tri_w], bt[3 * tri_w], ke[3 * tri_w];
    b[0] = (y2 - y3) / det;
    b[1] = (y3 - y1) / det;
    b[2] = (y1 - y2) / det;
    b[tri_w] = (x3 - x2) / det;
    b[tri_w + 1] = (x1 - x3) / det;
    b[tri_w + 2] = (x2 - x1) / det;
    transpose<tri_w>(b, bt, 3, 2);
    seki<tri_w>(bt, b, ke, 3, 2, 3);
    // the magnitude of the area: a clockwise element must not enter as a sink
    sclar<tri_w>(ke, std::fabs(area) * m.ee, 3, 3);
    ebe_put(store, e, ke, tri_w);
}

void assemble_heat(const EbeModel& m, const EbeStore& store, const char* file)
{
    for (int e = 0; e < m.ne; ++e) heat_element(m, store, e, file);
}

void heat_fixed(const EbeModel& m, unsigned char* held, double* g)
{
    for (int i = 0; i < m.np; ++i) {
        held[i] = m.ix[i] >= 1 || m.iy[i] >= 1;
        g[i] = m.ix[i] >= 1 ? m.u[i] : m.iy[i] >= 1 ? m.v[i] : 0.0;
    }
}

void write_brundel(OutFile& f, const double* t, int np)
{
    for (int i = 0; i < np; ++i) std::fprintf(f.fp(), "%d %e  0.0\n", i + 1, t[i]);
}
