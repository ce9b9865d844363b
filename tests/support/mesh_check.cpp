// Independent checks of generated triangle meshes: layout, geometry and topology.
#include "mesh_check.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

namespace {

std::string num(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

double cross(Point a, Point b, Point c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); }

double ring_area(const std::vector<Point>& p, const std::vector<int>& nodes)
{
    long double s = 0;
    for (size_t k = 0; k < nodes.size(); ++k) {
        Point a = p[nodes[k] - 1], b = p[nodes[(k + 1) % nodes.size()] - 1];
        s += (long double)a.x * b.y - (long double)b.x * a.y;
    }
    return std::fabs(double(s / 2));
}

std::vector<int> hole_nodes(const BoundaryDescription& in, size_t j)
{
    int first = in.boundary_points();
    for (int c : in.holes) first -= c;
    for (size_t k = 0; k < j; ++k) first += in.holes[k];
    std::vector<int> nodes;
    for (int k = 1; k <= in.holes[j]; ++k) nodes.push_back(first + k);
    return nodes;
}

}  // namespace

std::string BoundaryDescription::text() const
{
    std::ostringstream s;
    s << exteriors.size() << "\n" << holes.size() << "\n";
    for (size_t i = 0; i < exteriors.size(); ++i) s << (i ? " " : "") << exteriors[i].size();
    s << "\n";
    if (holes.empty()) s << "0";
    for (size_t j = 0; j < holes.size(); ++j) s << (j ? " " : "") << holes[j];
    s << "\n";
    for (const auto& list : exteriors) {
        for (size_t k = 0; k < list.size(); ++k) s << (k ? "," : "") << list[k];
        s << "\n";
    }
    s << boundary_points() << "\n" << inner << "\n";
    for (Point p : points) s << num(p.x) << " " << num(p.y) << "\n";
    return s.str();
}

std::vector<std::array<int, 2>> BoundaryDescription::segments() const
{
    std::vector<std::array<int, 2>> s;
    for (const auto& list : exteriors)
        for (size_t k = 0; k < list.size(); ++k) s.push_back({list[k], list[(k + 1) % list.size()]});
    for (size_t j = 0; j < holes.size(); ++j) {
        auto nodes = hole_nodes(*this, j);
        for (size_t k = 0; k < nodes.size(); ++k) s.push_back({nodes[k], nodes[(k + 1) % nodes.size()]});
    }
    return s;
}

double BoundaryDescription::area() const
{
    double a = 0;
    for (const auto& list : exteriors) a += ring_area(points, list);
    for (size_t j = 0; j < holes.size(); ++j) a -= ring_area(points, hole_nodes(*this, j));
    return a;
}

BoundaryDescription describe(const std::vector<std::vector<Point>>& exteriors_ccw,
                             const std::vector<std::vector<Point>>& holes_ccw, const std::vector<Point>& inner)
{
    BoundaryDescription d;
    for (const auto& ring : exteriors_ccw) {
        int base = static_cast<int>(d.points.size());
        int n = static_cast<int>(ring.size());
        std::vector<int> list{base + 1};
        for (int k = n; k >= 2; --k) list.push_back(base + k);
        d.exteriors.push_back(list);
        d.points.insert(d.points.end(), ring.begin(), ring.end());
    }
    for (const auto& ring : holes_ccw) {
        d.holes.push_back(static_cast<int>(ring.size()));
        d.points.insert(d.points.end(), ring.begin(), ring.end());
    }
    d.points.insert(d.points.end(), inner.begin(), inner.end());
    d.inner = static_cast<int>(inner.size());
    return d;
}

MeshFile parse_mesh(const std::string& text, std::vector<std::string>& problems)
{
    MeshFile m;
    std::istringstream in(text);
    long np, nm, ne, nb, nf;
    if (!(in >> np >> nm >> ne >> nb >> nf)) {
        problems.push_back("no header of five counts");
        return m;
    }
    if (nm != 1 || nb != 0 || nf != 0)
        problems.push_back("header " + std::to_string(nm) + " " + std::to_string(nb) + " " + std::to_string(nf) +
                           " instead of one material and no boundary or load records");
    if (np < 0 || ne < 0 || np > 1000000 || ne > 2000000) {
        problems.push_back("impossible counts in the header");
        return m;
    }
    for (long i = 1; i <= np; ++i) {
        long n;
        Point p;
        if (!(in >> n >> p.x >> p.y)) {
            problems.push_back("node record " + std::to_string(i) + " unreadable");
            return m;
        }
        if (n != i) problems.push_back("node record " + std::to_string(i) + " numbered " + std::to_string(n));
        m.nodes.push_back(p);
    }
    std::string mat[4];
    in >> mat[0] >> mat[1] >> mat[2] >> mat[3];
    if (mat[0] != "1" || mat[1] != "2.1e+5" || mat[2] != "0.3" || mat[3] != "1.0")
        problems.push_back("material record is not '1 2.1e+5 0.3 1.0'");
    for (long j = 1; j <= ne; ++j) {
        long n, a, b, c, im;
        if (!(in >> n >> a >> b >> c >> im)) {
            problems.push_back("element record " + std::to_string(j) + " unreadable");
            return m;
        }
        if (n != j || im != 1) problems.push_back("element record " + std::to_string(j) + " misnumbered");
        if (a < 1 || a > np || b < 1 || b > np || c < 1 || c > np || a == b || b == c || a == c) {
            problems.push_back("element " + std::to_string(j) + " has bad node numbers");
            continue;
        }
        m.tris.push_back({int(a), int(b), int(c)});
    }
    std::string rest;
    if (in >> rest) problems.push_back("'" + rest + "' follows the last element record");
    return m;
}

std::vector<std::string> check_mesh(const std::string& nalvik, const BoundaryDescription& in, int target)
{
    std::vector<std::string> bad;
    MeshFile m = parse_mesh(nalvik, bad);
    const int np = static_cast<int>(m.nodes.size());
    if (np != target) bad.push_back(std::to_string(np) + " nodes, target " + std::to_string(target));

    double xmin = in.points[0].x, xmax = xmin, ymin = in.points[0].y, ymax = ymin;
    for (Point p : in.points) xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x), ymin = std::min(ymin, p.y),
                              ymax = std::max(ymax, p.y);
    const double box = std::max(xmax - xmin, ymax - ymin);
    const double tol = 1e-9 * box;

    for (size_t i = 0; i < in.points.size() && i < m.nodes.size(); ++i)
        if (std::fabs(m.nodes[i].x - in.points[i].x) > tol || std::fabs(m.nodes[i].y - in.points[i].y) > tol)
            bad.push_back("node " + std::to_string(i + 1) + " moved from its described place");
    {
        std::vector<int> order(np);
        for (int i = 0; i < np; ++i) order[i] = i;
        std::sort(order.begin(), order.end(), [&](int a, int b) { return m.nodes[a].x < m.nodes[b].x; });
        for (int i = 0; i < np; ++i)
            for (int j = i + 1; j < np && m.nodes[order[j]].x - m.nodes[order[i]].x <= 1e-12 * box; ++j)
                if (std::fabs(m.nodes[order[j]].y - m.nodes[order[i]].y) <= 1e-12 * box)
                    bad.push_back("nodes " + std::to_string(order[i] + 1) + " and " + std::to_string(order[j] + 1) +
                                  " lie at one place");
    }
    if (!bad.empty() && m.tris.empty()) return bad;

    auto P = [&](int n) { return m.nodes[n - 1]; };
    double total = 0;
    for (size_t t = 0; t < m.tris.size(); ++t) {
        double a = cross(P(m.tris[t][0]), P(m.tris[t][1]), P(m.tris[t][2])) / 2;
        if (!(a > 0)) bad.push_back("triangle " + std::to_string(t + 1) + " has area " + num(a));
        total += a;
    }
    const double want = in.area();
    if (!(std::fabs(total - want) <= 1e-9 * want))
        bad.push_back("the triangles cover " + num(total) + ", the domain is " + num(want));

    // edges: directed once each; the undirected ones of one triangle form the rim
    std::map<std::pair<int, int>, int> directed;  // edge -> triangle
    std::set<int> used;
    for (size_t t = 0; t < m.tris.size(); ++t)
        for (int b = 0; b < 3; ++b) {
            int a = m.tris[t][b], c = m.tris[t][(b + 1) % 3];
            used.insert(a);
            if (!directed.emplace(std::make_pair(a, c), int(t)).second)
                bad.push_back("edge " + std::to_string(a) + "-" + std::to_string(c) + " runs the same way twice");
        }
    const auto segments = in.segments();
    auto on_segment = [&](const std::array<int, 2>& s, Point p) {
        Point a = in.points[s[0] - 1], b = in.points[s[1] - 1];
        double len = std::hypot(b.x - a.x, b.y - a.y);
        if (std::fabs(cross(a, b, p)) / len > tol) return false;
        double u = ((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) / (len * len);
        return u >= -1e-9 && u <= 1 + 1e-9;
    };
    std::vector<double> covered(segments.size(), 0.0);
    long edges = 0;
    for (const auto& [e, t] : directed) {
        bool twin = directed.count({e.second, e.first}) > 0;
        if (twin && e.first > e.second) continue;
        ++edges;
        if (twin) continue;
        Point a = P(e.first), b = P(e.second);
        bool lies = false;
        for (size_t s = 0; s < segments.size() && !lies; ++s)
            if (on_segment(segments[s], a) && on_segment(segments[s], b)) {
                covered[s] += std::hypot(b.x - a.x, b.y - a.y);
                lies = true;
            }
        if (!lies)
            bad.push_back("rim edge " + std::to_string(e.first) + "-" + std::to_string(e.second) +
                          " lies on no boundary segment");
    }
    for (size_t s = 0; s < segments.size(); ++s) {
        Point a = in.points[segments[s][0] - 1], b = in.points[segments[s][1] - 1];
        double len = std::hypot(b.x - a.x, b.y - a.y);
        if (std::fabs(covered[s] - len) > 1e-9 * len)
            bad.push_back("segment " + std::to_string(segments[s][0]) + "-" + std::to_string(segments[s][1]) +
                          " is covered by rim edges of length " + num(covered[s]) + ", not " + num(len));
    }
    long euler = long(used.size()) - edges + long(m.tris.size());
    long want_euler = long(in.exteriors.size()) - long(in.holes.size());
    if (euler != want_euler)
        bad.push_back("V - E + T = " + std::to_string(euler) + ", not " + std::to_string(want_euler));

    if (target == static_cast<int>(in.points.size())) {
        std::set<std::pair<int, int>> fixed;
        for (const auto& s : segments) fixed.insert({std::min(s[0], s[1]), std::max(s[0], s[1])});
        for (const auto& [e, t] : directed) {
            auto twin = directed.find({e.second, e.first});
            if (twin == directed.end() || fixed.count({std::min(e.first, e.second), std::max(e.first, e.second)}))
                continue;
            // the far node of the twin against the circumcircle of t, in box units
            const auto& tri = m.tris[t];
            int far = 0;
            for (int n : m.tris[twin->second])
                if (n != e.first && n != e.second) far = n;
            long double d[3][3];
            Point q = P(far);
            for (int k = 0; k < 3; ++k) {
                Point v = P(tri[k]);
                long double dx = (v.x - q.x) / box, dy = (v.y - q.y) / box;
                d[k][0] = dx, d[k][1] = dy, d[k][2] = dx * dx + dy * dy;
            }
            long double det = d[0][0] * (d[1][1] * d[2][2] - d[1][2] * d[2][1]) -
                              d[0][1] * (d[1][0] * d[2][2] - d[1][2] * d[2][0]) +
                              d[0][2] * (d[1][0] * d[2][1] - d[1][1] * d[2][0]);
            if (det > 1e-12L)
                bad.push_back("node " + std::to_string(far) + " lies inside the circumcircle of triangle " +
                              std::to_string(t + 1));
        }
    }
    return bad;
}
