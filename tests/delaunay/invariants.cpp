// Test-side checks of the triangulation invariants, independent of the mesher's own.
#include "invariants.h"

#include <algorithm>

using namespace lindrove;

namespace {

double signed_area(const Mesh& m, int t)
{
    const int* v = m.LNODS[t];
    return 0.5 * ((m.X[v[1]] - m.X[v[0]]) * (m.Y[v[2]] - m.Y[v[0]]) -
                  (m.Y[v[1]] - m.Y[v[0]]) * (m.X[v[2]] - m.X[v[0]]));
}

}  // namespace

std::vector<std::string> invariants(const Mesh& m, bool with_lists)
{
    std::vector<std::string> bad;
    for (int t = 1; t <= m.NELEM; ++t) {
        if (!(signed_area(m, t) > 0)) bad.push_back("triangle " + std::to_string(t) + " not counter-clockwise");
        for (int b = 0; b < 3; ++b) {
            int n = m.NEIB[t][b];
            if (n == 0) continue;
            int a = m.LNODS[t][b], c = m.LNODS[t][(b + 1) % 3];
            bool back = false;
            for (int j = 0; j < 3; ++j)
                if (m.NEIB[n][j] == t && m.LNODS[n][j] == c && m.LNODS[n][(j + 1) % 3] == a) back = true;
            if (!back) bad.push_back("link " + std::to_string(t) + " -> " + std::to_string(n) + " not mirrored");
        }
    }
    // an edge without a neighbour lies on the super triangle's rim only
    for (int t = 1; t <= m.NELEM; ++t)
        for (int b = 0; b < 3; ++b)
            if (m.NEIB[t][b] == 0 && !(is_super(m.LNODS[t][b]) && is_super(m.LNODS[t][(b + 1) % 3])))
                bad.push_back("triangle " + std::to_string(t) + " has an open inner edge");
    if (with_lists)
        for (int n = 1; n <= m.NNODE; ++n) {
            std::vector<int> want, have(m.NTLIST[n], m.NTLIST[n] + m.NTCOUNT[n]);
            for (int t = 1; t <= m.NELEM; ++t)
                if (std::count(m.LNODS[t], m.LNODS[t] + 3, n)) want.push_back(t);
            std::sort(have.begin(), have.end());
            if (want != have) bad.push_back("triangle list of node " + std::to_string(n) + " is wrong");
        }
    return bad;
}

int non_delaunay_edges(const Mesh& m, bool (*constrained)(const Mesh&, int, int))
{
    int count = 0;
    for (int t = 1; t <= m.NELEM; ++t)
        for (int b = 0; b < 3; ++b) {
            int n = m.NEIB[t][b];
            int a = m.LNODS[t][b], c = m.LNODS[t][(b + 1) % 3];
            if (n == 0 || m.REGION[n] != m.REGION[t] || (constrained && constrained(m, a, c))) continue;
            int far = 0;
            for (int j = 0; j < 3; ++j)
                if (m.LNODS[n][j] != a && m.LNODS[n][j] != c) far = m.LNODS[n][j];
            long double d[3][3];
            for (int k = 0; k < 3; ++k) {
                long double dx = m.X[m.LNODS[t][k]] - m.X[far], dy = m.Y[m.LNODS[t][k]] - m.Y[far];
                d[k][0] = dx, d[k][1] = dy, d[k][2] = dx * dx + dy * dy;
            }
            long double det = d[0][0] * (d[1][1] * d[2][2] - d[1][2] * d[2][1]) -
                              d[0][1] * (d[1][0] * d[2][2] - d[1][2] * d[2][0]) +
                              d[0][2] * (d[1][0] * d[2][1] - d[1][1] * d[2][0]);
            if (det > 1e-12L) ++count;
        }
    return count;
}

std::unique_ptr<Mesh> super_mesh(const std::vector<std::pair<double, double>>& nodes)
{
    auto m = std::make_unique<Mesh>();
    for (size_t i = 0; i < nodes.size(); ++i) m->X[i + 1] = nodes[i].first, m->Y[i + 1] = nodes[i].second;
    m->X[SUPER1] = -1.23, m->Y[SUPER1] = -0.5;
    m->X[SUPER1 + 1] = 2.23, m->Y[SUPER1 + 1] = -0.5;
    m->X[SUPER1 + 2] = 0.5, m->Y[SUPER1 + 2] = 2.5;
    m->NELEM = 1;
    m->LNODS[1][0] = SUPER1, m->LNODS[1][1] = SUPER1 + 1, m->LNODS[1][2] = SUPER1 + 2;
    return m;
}

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "input.h"
#include "mesh_check.h"
#include "recovery.h"

Quiet::Quiet()
{
    std::fflush(stdout);
    saved = dup(1);
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    close(null);
}

Quiet::~Quiet()
{
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
}

std::unique_ptr<Mesh> first_triangulation(const BoundaryDescription& d, Outline& in)
{
    Scanner sc("INPUT01.TXT", d.text());
    input(sc, in);
    double xmin = d.points[0].x, xmax = xmin, ymin = d.points[0].y, ymax = ymin;
    for (const Point& p : d.points)
        xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x), ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
    double size = std::max(xmax - xmin, ymax - ymin);
    std::vector<std::pair<double, double>> pts;
    for (const Point& p : d.points) pts.push_back({(p.x - xmin) / size, (p.y - ymin) / size});
    auto m = super_mesh(pts);
    Quiet q;
    rough(*m, in);
    return m;
}

Pair stop_pair(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Stop& s) {
        return s.pair();
    }
    return Pair::count;
}
