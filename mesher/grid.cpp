// The structured mesh of every area: its nodes in ascending order and its cells.
#include "grid.h"

#include "scratch.h"
#include "shape.h"
#include "texts.h"

namespace {

void area_points(const BlockModel& m, int area, double px[8], double py[8])
{
    for (int k = 0; k < 8; ++k) {
        px[k] = m.point_x[m.area_point[area][k]];
        py[k] = m.point_y[m.area_point[area][k]];
    }
}

// The local point at parameter t along side s.
void side_point(int s, double t, double* xi, double* eta)
{
    static constexpr double fixed[4] = {-1, 1, 1, -1};  // eta, xi, eta, xi
    if (s % 2 == 0) {
        *xi = t;
        *eta = fixed[s];
    } else {
        *xi = fixed[s];
        *eta = t;
    }
}

// Node (0-based) at position h of side s of area i, counted in the side's own
// direction; a side that runs against its line counts the line backwards.
int side_node(const Topology& t, const MeshGrid& g, int i, int s, int h)
{
    int along = t.area_reversed[i][s] ? g.n - h : h;
    return (g.n - 1) * t.area_line[i][s] + t.key_count + along - 1;
}

void fill_border(const Topology& t, int i, MeshGrid& g)
{
    const int n = g.n;
    for (int h = 0; h <= n; ++h) {
        g.node_grid[0][h] = side_node(t, g, i, 0, h);
        g.node_grid[n][h] = side_node(t, g, i, 2, h);
        g.node_grid[h][0] = side_node(t, g, i, 3, h);
        g.node_grid[h][n] = side_node(t, g, i, 1, h);
    }
    g.node_grid[0][0] = t.area_key[i][0];
    g.node_grid[0][n] = t.area_key[i][1];
    g.node_grid[n][n] = t.area_key[i][2];
    g.node_grid[n][0] = t.area_key[i][3];
}

void write_cells(int material, FILE* out, MeshGrid& g)
{
    const int n = g.n;
    for (int L = 0; L < n; ++L)
        for (int M = 0; M < n; ++M) {
            const int a = g.node_grid[L][M] + 1, b = g.node_grid[L][M + 1] + 1;
            const int c = g.node_grid[L + 1][M + 1] + 1, d = g.node_grid[L + 1][M] + 1;
            if (g.mesh_type == 0) {
                // both triangles share the diagonal from a to c
                const int first[4] = {a, b, c, material}, second[4] = {a, c, d, material};
                append_element(files::element, first, 1, 4);
                ++g.cell_count;
                std::fprintf(out, texts::element3, a, b, c);
                append_element(files::element, second, 1, 4);
                std::fprintf(out, texts::element3, a, c, d);
            } else {
                const int quad[5] = {a, b, c, d, material};
                append_element(files::element, quad, 1, 5);
                ++g.cell_count;
                std::fprintf(out, texts::element4, a, b, c, d);
            }
        }
}

}  // namespace

void mesh_lines(const BlockModel& m, const Topology& t, MeshGrid& g, FILE* out)
{
    const int n = g.n;
    for (int l = 0; l < t.line_count; ++l) {
        double px[8], py[8];
        area_points(m, t.line_side[l].area, px, py);
        // t accumulates by repeated addition, as the nodes have always been placed
        double par = -1;
        for (int i = 0; i <= n; ++i) {
            double xi, eta;
            side_point(t.line_side[l].side, par, &xi, &eta);
            map_area(px, py, xi, eta, &g.line_point[l][i][0], &g.line_point[l][i][1]);
            par += 2.0 / n;
        }
    }

    std::fprintf(out, "%s", texts::line_start);
    g.line_node_count = 0;
    const int nk = t.key_count;
    for (int l = 0; l < t.line_count; ++l) {
        std::fprintf(out, texts::mesh_line, l + 1);
        // points 0 and n lie on keypoints
        for (int i = 1; i < n; ++i) {
            int node = nk + ++g.line_node_count;
            const double* xy = g.line_point[l][i];
            std::fprintf(out, texts::line_node, node, xy[0], xy[1]);
            append_node(node, files::node, xy, 1, 2);
        }
        std::fprintf(out, "\n");
    }
    std::fprintf(out, texts::total_line_nodes, g.line_node_count);
}

void mesh_areas(const BlockModel& m, const Topology& t, const MeshConfig& cfg, MeshGrid& g, FILE* out)
{
    const int n = g.n;
    const int first_inner = t.key_count + g.line_node_count;
    g.inner_node_count = 0;
    g.cell_count = 0;
    for (int i = 0; i < m.ne; ++i) {
        double px[8], py[8];
        area_points(m, i, px, py);
        const double step = 2.0 / n;
        double eta = -1;
        for (int L = 1; L < n; ++L) {
            eta += step;
            double xi = -1;
            for (int M = 1; M < n; ++M) {
                xi += step;
                double xy[2];
                map_area(px, py, xi, eta, &xy[0], &xy[1]);
                int node = first_inner + ++g.inner_node_count;
                std::fprintf(out, texts::area_node, node, xy[0], xy[1]);
                g.node_grid[L][M] = node - 1;
                append_node(node, files::node, xy, 1, 2);
            }
        }

        const int* l = t.area_line[i];
        std::fprintf(out, texts::use_lines, l[0] + 1, l[1] + 1, l[2] + 1, l[3] + 1);
        fill_border(t, i, g);
        for (int L = 0; L <= n; ++L) {
            for (int M = 0; M <= n; ++M) std::fprintf(out, texts::number, g.node_grid[L][M]);
            std::fprintf(out, "\n");
        }
        write_cells(cfg.single_material ? 1 : m.area_mat[i], out, g);
    }
}
