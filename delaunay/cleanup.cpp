// Smoothing, clean-up of the outside triangles, and the final checks of the mesh.
#include "cleanup.h"

#include <cmath>
#include <vector>

#include "kernel.h"
#include "predicates.h"
#include "stop.h"

namespace lindrove {

void laplas(Mesh& m)
{
    for (int pass = 0; pass < 5; ++pass)
        for (int i = 1; i <= m.NNODE; ++i) {
            if (m.IFIX[i]) continue;
            const double x = m.X[i], y = m.Y[i];
            centroid_of_fan(m, i, m.X[i], m.Y[i]);
            for (int k = 0; k < m.NTCOUNT[i]; ++k)
                if (!(area(m, m.NTLIST[i][k]) > 0.0)) {
                    m.X[i] = x, m.Y[i] = y;  // the move would fold a triangle
                    break;
                }
        }
}

void remove(Mesh& m, int n_exterior)
{
    // The exchanges are made on a numbering only; the links are renumbered once at the end.
    const int n = m.NELEM;
    std::vector<int> at(n + 1), slot(n + 1);
    for (int t = 0; t <= n; ++t) at[t] = slot[t] = t;
    int k = 0;
    m.IPTR[1] = 1;
    for (int i = 1; i <= n_exterior; ++i) {
        int found = 0;
        for (int j = m.IPTR[i]; j <= n; ++j) {
            if (m.REGION[at[j]] != i) continue;
            ++k, ++found;
            if (j != k) {
                std::swap(at[j], at[k]);
                slot[at[j]] = j;
                slot[at[k]] = k;
            }
        }
        m.IPTR[i + 1] = m.IPTR[i] + found;
    }

    std::vector<int> rows(3 * (k + 1)), links(3 * (k + 1)), regions(k + 1);
    for (int s = 1; s <= k; ++s) {
        int t = at[s];
        regions[s] = m.REGION[t];
        for (int b = 0; b < 3; ++b) {
            rows[3 * s + b] = m.LNODS[t][b];
            int u = m.NEIB[t][b] ? slot[m.NEIB[t][b]] : 0;
            links[3 * s + b] = u > k ? 0 : u;  // beyond the kept triangles: the mesh's rim
        }
    }
    for (int s = 1; s <= n; ++s)
        for (int b = 0; b < 3; ++b) {
            m.LNODS[s][b] = s <= k ? rows[3 * s + b] : 0;
            m.NEIB[s][b] = s <= k ? links[3 * s + b] : 0;
            m.REGION[s] = s <= k ? regions[s] : 0;
        }
    m.NELEM = k;
}

void check(const Mesh& m)
{
    for (int i = 1; i <= m.NELEM; ++i)
        for (int k = 0; k < 3; ++k) {
            int n = m.NEIB[i][k];
            if (n == 0) continue;
            int a = m.LNODS[i][k], b = m.LNODS[i][nx(k)];
            int j = find3(m.NEIB[n], i);
            if (j < 0) stop(Pair::check_adjacent, strf("triangle %d does not point back to triangle %d", n, i));
            if (m.LNODS[n][j] != b || m.LNODS[n][nx(j)] != a)
                stop(Pair::check_jac, strf("triangles %d and %d meet along different edges", i, n));
        }
}

namespace {

double ring_area(const Outline& in, const int* nodes, int count)
{
    double s = 0;
    for (int k = 0; k < count; ++k) {
        int a = nodes[k], b = nodes[(k + 1) % count];
        s += in.x[a] * in.y[b] - in.x[b] * in.y[a];
    }
    return std::fabs(0.5 * s);
}

}  // namespace

double domain_area(const Outline& in)
{
    double total = 0;
    for (int i = 1; i <= in.n_exterior; ++i) total += ring_area(in, in.exterior_order[i] + 1, in.exterior_count[i]);
    std::vector<int> hole;
    for (int j = 1; j <= in.n_interior; ++j) {
        hole.resize(in.interior_count[j]);
        for (int k = 0; k < in.interior_count[j]; ++k) hole[k] = in.first_hole_node(j) + k;
        total -= ring_area(in, hole.data(), in.interior_count[j]);
    }
    return total;
}

void check_areas(const Mesh& m, const Outline& in)
{
    double total = 0;
    for (int t = 1; t <= m.NELEM; ++t) {
        double a = area(m, t);
        if (!(a > 0.0)) stop(Pair::check_area, strf("triangle %d has the area %.3g", t, a));
        total += a;
    }
    const double want = domain_area(in);
    if (!(std::fabs(total - want) <= 1e-9 * want))
        stop(Pair::model_area, strf("the triangles cover %.12g, the boundaries enclose %.12g", total, want));
}

}  // namespace lindrove
