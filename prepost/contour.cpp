// The contour bands over the mesh, undeformed or deformed.
#include "contour.h"

#include <cassert>
#include <cmath>

#include "model_draw.h"
#include "primitives.h"
#include "tables.h"

namespace {

constexpr int top_band = band_count - 1;
constexpr float banded_spread = 0.09f;     // a spread of the values at or below this is drawn flat
constexpr float flat_edge = 0.0001f;       // of the range: an edge this flat takes its lower end
constexpr float deform_share = 0.1f;       // the largest displacement drawn as this share of the view width

struct Pt {
    float x, y;
};

// Where node i is drawn: at its own position, or displaced by its pair in
// disp so that the largest displacement is a tenth of the view width,
// whatever the zoom. Without a displacement to scale by (max_disp 0, or not
// finite) the node stays where it is.
Pt position(const State& k, int i, const float* disp)
{
    Pt p{k.node_x[i], k.node_y[i]};
    if (disp && k.max_disp > 0 && std::isfinite(k.max_disp)) {
        const float d = deform_share * (k.view_xmax - k.view_xmin);
        p.x += disp[2 * i] / k.max_disp * d;
        p.y += disp[2 * i + 1] / k.max_disp * d;
    }
    return p;
}

void fill(Canvas& c, Pt a, Pt b, Pt p, Pt q, int band)
{
    const float qx[4] = {a.x, b.x, p.x, q.x}, qy[4] = {a.y, b.y, p.y, q.y};
    fill_band_quad(c, qx, qy, band);
}

// The point of the edge from a (value va) to b (value vb) where the value is
// level; a itself when the edge's values differ by 1e-4 of the range or less.
Pt on_edge(Pt a, float va, Pt b, float vb, float level, float range)
{
    if (std::fabs(vb - va) / range <= flat_edge) return a;
    return {a.x + (b.x - a.x) * (level - va) / (vb - va), a.y + (b.y - a.y) * (level - va) / (vb - va)};
}

// The band fill of one triangle at the positions p. The levels are vmin +
// (b + 1) step; a working polygon climbs from the lowest vertex P2, its lower
// side the last level line (Q0 on the edge P2-P0, Q1 on the other side), each
// band filled up to the next line, turning the corner at the middle vertex P1
// once a line reaches it.
void fill_bands(Canvas& c, const Pt p[3], const float vals[3], float vmin, float vmax, float step)
{
    int o[3];
    sort_by_value(vals, o);
    const Pt P0 = p[o[0]], P1 = p[o[1]], P2 = p[o[2]];
    const float V0 = vals[o[0]], V1 = vals[o[1]], V2 = vals[o[2]];
    const float range = vmax - vmin;

    // the level lines crossing the triangle, at most the seven there are
    int count = 0;
    if (V0 - V2 != 0) {
        const float lines = 7 - std::floor((V2 - vmin) / step) - std::floor((vmax - V0) / step);
        count = lines > 0 ? (lines < 7 ? static_cast<int>(lines) : 7) : 0;
    }
    // the band of the lowest vertex, and the first level above it. It comes
    // from the same quotient as the line count: the search for the first level
    // above V2 (V2 < vmin + (b + 1) step) can round the other way than the
    // division next to a level, and a triangle crossed by no line would then
    // be filled whole in the band below its own
    const float low = std::floor((V2 - vmin) / step);
    int cn = low > 0 ? (low < top_band ? static_cast<int>(low) : top_band) : 0;
    float level = vmin + static_cast<float>(cn + 1) * step;
    if (count <= 0) {
        fill(c, P2, P2, P1, P0, cn);
        return;
    }

    Pt q0 = P2, q1 = P2, a = P2;
    int passed = 0;  // level lines at or above the middle value
    for (int line = 0; line < count; ++line) {
        a = on_edge(P2, V2, P0, V0, level, range);
        Pt b;
        if (level < V1) {
            b = on_edge(P2, V2, P1, V1, level, range);
        } else {
            b = on_edge(P1, V1, P0, V0, level, range);
            ++passed;
        }
        if (passed == 1) {  // the first line on the upper edge: the band turns the corner at P1
            fill(c, q0, q1, P1, a, cn);
            q0 = a;
            q1 = P1;
        }
        fill(c, q0, q1, b, a, cn);
        level += step;
        ++cn;
        q0 = a;
        q1 = b;
    }
    if (passed == 0) {  // every line below the middle value: the last band holds P1
        fill(c, q0, q1, P1, a, cn);
        q0 = a;
        q1 = P1;
    }
    fill(c, q0, q1, P0, P0, cn);
}

void bands_at(Canvas& c, const State& k, float vmin, float vmax, float step, const int nodes[3], const float vals[3],
              const float* disp)
{
    const Pt p[3] = {position(k, nodes[0], disp), position(k, nodes[1], disp), position(k, nodes[2], disp)};
    fill_bands(c, p, vals, vmin, vmax, step);
}

void flat_at(Canvas& c, const State& k, const int nodes[3], const float vals[3], const float* disp)
{
    int o[3];
    sort_by_value(vals, o);
    fill(c, position(k, nodes[o[2]], disp), position(k, nodes[o[2]], disp), position(k, nodes[o[1]], disp),
         position(k, nodes[o[0]], disp), top_band);
}

// The driver of both mesh kinds: every drawable element of element_mode
// nodes as the given triangles of its node positions.
void draw_contours(Canvas& c, const State& k, const float* values, const int (*corners)[3], int triangles)
{
    const int n = k.node_count;
    if (n < 1) return;
    // a value that is no number has no place in the range; taken as its start, it
    // would make the whole range NaN and every triangle flat
    float vmax = NAN, vmin = NAN;
    for (int i = 0; i < n; ++i) {
        if (std::isnan(values[i])) continue;
        if (std::isnan(vmax) || values[i] > vmax) vmax = values[i];
        if (std::isnan(vmin) || values[i] < vmin) vmin = values[i];
    }
    // the spread relative to the larger end, or to the other one when that is 0
    float r = 0;
    if (vmax != 0)
        r = std::fabs((vmax - vmin) / vmax);
    else if (vmin != 0)
        r = std::fabs((vmax - vmin) / vmin);
    const float step = (vmax - vmin) * 0.125f;
    // a range beyond the floats (or too fine for a step) has no bands to cut
    const bool banded = r != 0 && r > banded_spread && step > 0 && std::isfinite(step);
    const float* disp = k.deform_on ? k.result_values : nullptr;

    const int kn = k.element_mode;
    for (int e = 0; e < k.element_count; ++e) {
        if (!element_drawable(k, e, kn)) continue;
        for (int t = 0; t < triangles; ++t) {
            int nodes[3];
            float vals[3];
            bool finite = true;
            for (int j = 0; j < 3; ++j) {
                nodes[j] = k.element_nodes[kn * e + corners[t][j]] - 1;
                vals[j] = values[nodes[j]];
                finite = finite && std::isfinite(vals[j]);
            }
            if (banded && finite)
                bands_at(c, k, vmin, vmax, step, nodes, vals, disp);
            else
                flat_at(c, k, nodes, vals, disp);
        }
    }
}

}  // namespace

void draw_contours_tri(Canvas& c, const State& k, const float* values)
{
    assert(k.element_mode == 3);
    static constexpr int corners[1][3] = {{0, 1, 2}};
    draw_contours(c, k, values, corners, 1);
}

void draw_contours_quad(Canvas& c, const State& k, const float* values)
{
    assert(k.element_mode >= 4);
    // both halves share the diagonal from corner 1 to corner 3
    static constexpr int corners[2][3] = {{0, 1, 2}, {0, 2, 3}};
    draw_contours(c, k, values, corners, 2);
}

void fill_triangle_bands(Canvas& c, const State& k, float vmin, float vmax, float step, const int nodes[3],
                         const float vals[3])
{
    bands_at(c, k, vmin, vmax, step, nodes, vals, nullptr);
}

void fill_triangle_bands_deformed(Canvas& c, const State& k, float vmin, float vmax, float step, const int nodes[3],
                                  const float vals[3], const float* result_values)
{
    bands_at(c, k, vmin, vmax, step, nodes, vals, result_values);
}

void fill_triangle_flat(Canvas& c, const State& k, const int nodes[3], const float vals[3])
{
    flat_at(c, k, nodes, vals, nullptr);
}

void fill_triangle_flat_deformed(Canvas& c, const State& k, const int nodes[3], const float vals[3],
                                 const float* result_values)
{
    flat_at(c, k, nodes, vals, result_values);
}

void sort_by_value(const float vals[3], int order[3])
{
    for (int j = 0; j < 3; ++j) order[j] = j;
    // two passes over the neighbours: only a smaller value before a larger one moves
    for (int pass = 0; pass < 2; ++pass)
        for (int j = 0; j + 1 < 3; ++j)
            if (vals[order[j]] < vals[order[j + 1]]) {
                const int t = order[j];
                order[j] = order[j + 1];
                order[j + 1] = t;
            }
}

void fill_band_quad(Canvas& c, const float qx[4], const float qy[4], int band)
{
    // rounding can carry a band index one past either end of the table
    const int b = band < 0 ? 0 : band > top_band ? top_band : band;
    set_colour(c, band_colour[b]);
    c.begin(Shape::polygon);
    for (int j = 0; j < 4; ++j) c.vertex(qx[j], qy[j], 0);
    c.end();
}
