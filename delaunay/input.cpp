// Reading and checking INPUT01.TXT.
#include "input.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "predicates.h"
#include "stop.h"

namespace lindrove {

int Outline::exterior_nodes() const
{
    int holes = 0;
    for (int j = 1; j <= n_interior; ++j) holes += interior_count[j];
    return n_boundary_point - holes;
}

int Outline::first_hole_node(int j) const
{
    int first = exterior_nodes() + 1;
    for (int k = 1; k < j; ++k) first += interior_count[k];
    return first;
}

namespace {

[[noreturn]] void refused(const Failure& f) { throw Stop(Pair::input, f.file(), f.what()); }

int count_in(Scanner& sc, const char* field, int low, int high)
{
    int v = sc.integer(field);
    if (v < low || v > high) sc.refuse(strf("%s is %d, not %d to %d", field, v, low, high));
    return v;
}

// A read of one count on its own line.
int count_line(Scanner& sc, const char* record, const char* field, int low, int high)
{
    sc.at(record);
    int v = count_in(sc, field, low, high);
    sc.end_read();
    return v;
}

void read_lists(Scanner& sc, Outline& in)
{
    in.n_exterior = count_line(sc, "first line", "the number of exterior boundaries", 1, MXB);
    in.n_interior = count_line(sc, "second line", "the number of interior boundaries", 0, MXB);

    sc.at("exterior node counts");
    for (int i = 1; i <= in.n_exterior; ++i) in.exterior_count[i] = count_in(sc, "a node count", 3, MXN);
    sc.end_read();
    sc.at("interior node counts");
    if (in.n_interior == 0) sc.integer("the placeholder");
    for (int j = 1; j <= in.n_interior; ++j) in.interior_count[j] = count_in(sc, "a node count", 3, MXN);
    sc.end_read();

    std::vector<int> lists(in.n_exterior + 1);
    std::vector<char> seen(MXN + 1, 0);
    int named = 0;  // the nodes named so far are 1 to named
    for (int i = 1; i <= in.n_exterior; ++i) {
        sc.at("exterior boundary", i);
        int top = named, fresh = 0;
        std::vector<char> here(MXN + 1, 0);
        for (int k = 1; k <= in.exterior_count[i]; ++k) {
            int v = count_in(sc, "a node number", 1, MXN);
            if (here[v]) sc.refuse(strf("node %d is named twice", v));
            here[v] = 1;
            if (v > named) top = std::max(top, v), ++fresh;
            in.exterior_order[i][k] = v;
        }
        sc.end_read();
        // nodes come in numbered order: the new ones of a list follow those of the lists before
        if (top != named + fresh)
            sc.refuse(strf("names node %d, but nodes %d to %d are new here", top, named + 1, named + fresh));
        named = top;
    }

    in.n_boundary_point = count_line(sc, "number of boundary points", "the number of boundary points", 0, MXN);
    in.n_inner_point = count_line(sc, "number of inner points", "the number of inner points", 0, MXN);
    if (in.points() > MXN) sc.refuse(strf("%d points, more than %d", in.points(), MXN));
    int m = in.exterior_nodes();
    if (m < 3) sc.refuse(strf("%d boundary points leave %d for the exterior boundaries", in.n_boundary_point, m));
    if (named > m) sc.refuse(strf("the exterior lists name node %d, but only %d are exterior nodes", named, m));

    for (int p = 1; p <= in.points(); ++p) {
        sc.at("coordinates of node", p);
        in.x[p] = sc.real("x");
        in.y[p] = sc.real("y");
    }
    sc.end_read();
    sc.at("coordinates");
}

}  // namespace

Scanner open_outline()
{
    try {
        return Scanner::open(outline_file);
    } catch (const Failure& f) {
        refused(f);
    }
}

void input(Scanner& sc, Outline& in)
{
    sc.commas_separate();
    try {
        read_lists(sc, in);
        check_outline(in, sc);
    } catch (const Stop&) {
        throw;
    } catch (const Failure& f) {
        refused(f);
    }
}

void check_outline(const Outline& in, const Scanner& sc)
{
    const int n = in.points();
    double xmin = in.x[1], xmax = in.x[1], ymin = in.y[1], ymax = in.y[1];
    for (int p = 1; p <= n; ++p) {
        xmin = std::min(xmin, in.x[p]), xmax = std::max(xmax, in.x[p]);
        ymin = std::min(ymin, in.y[p]), ymax = std::max(ymax, in.y[p]);
    }
    const double size = std::max(xmax - xmin, ymax - ymin);
    if (!(size > 0)) sc.refuse("every point lies at one place");
    const double eps = 1e-12 * size;

    // coincident points, found in order of x
    std::vector<int> by_x(n);
    for (int p = 1; p <= n; ++p) by_x[p - 1] = p;
    std::stable_sort(by_x.begin(), by_x.end(), [&](int a, int b) { return in.x[a] < in.x[b]; });
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n && in.x[by_x[j]] - in.x[by_x[i]] < eps; ++j) {
            int a = std::min(by_x[i], by_x[j]), b = std::max(by_x[i], by_x[j]);
            if (std::hypot(in.x[a] - in.x[b], in.y[a] - in.y[b]) < eps)
                sc.refuse(strf("nodes %d and %d lie at one place", a, b));
        }

    // every boundary segment, exterior and interior
    std::vector<std::pair<int, int>> segments;
    for (int i = 1; i <= in.n_exterior; ++i)
        for (int k = 1; k <= in.exterior_count[i]; ++k)
            segments.push_back({in.exterior_order[i][k], in.exterior_order[i][k % in.exterior_count[i] + 1]});
    for (int j = 1; j <= in.n_interior; ++j) {
        int first = in.first_hole_node(j), c = in.interior_count[j];
        for (int k = 0; k < c; ++k) segments.push_back({first + k, first + (k + 1) % c});
    }
    // an exterior node there too: a boundary that runs back along itself
    // leaves a triangle of no area that no swap removes
    for (int v = 1; v <= n; ++v)
        for (const auto& s : segments) {
            int a = s.first, b = s.second;
            if (v == a || v == b) continue;
            if (in.x[v] < std::min(in.x[a], in.x[b]) - eps || in.x[v] > std::max(in.x[a], in.x[b]) + eps ||
                in.y[v] < std::min(in.y[a], in.y[b]) - eps || in.y[v] > std::max(in.y[a], in.y[b]) + eps)
                continue;
            if (segment_distance(in.x[a], in.y[a], in.x[b], in.y[b], in.x[v], in.y[v]) < eps)
                sc.refuse(strf("%s %d lies on the boundary segment %d-%d",
                               v > in.n_boundary_point    ? "inner point"
                               : v > in.exterior_nodes() ? "hole node"
                                                         : "exterior node",
                               v, a, b));
        }

    // an exterior boundary inside another belongs in the interior boundaries
    std::vector<double> px, py;
    for (int j = 1; j <= in.n_exterior; ++j) {
        px.clear(), py.clear();
        for (int k = 1; k <= in.exterior_count[j]; ++k) {
            px.push_back(in.x[in.exterior_order[j][k]]);
            py.push_back(in.y[in.exterior_order[j][k]]);
        }
        for (int i = 1; i <= in.n_exterior; ++i) {
            int v = in.exterior_order[i][1];
            if (i != j && in_polygon(px.data(), py.data(), in.exterior_count[j], in.x[v], in.y[v]))
                sc.refuse(strf("exterior boundary %d starts inside exterior boundary %d", i, j));
        }
    }
}

}  // namespace lindrove
