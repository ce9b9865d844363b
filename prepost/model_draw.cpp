// The model in the square: mesh, fixed-node markers, force arrows, node numbers.
#include "model_draw.h"

#include <cassert>
#include <cmath>

#include "number_format.h"
#include "primitives.h"
#include "tables.h"

namespace {

constexpr float shrink_factor = 0.7f;
constexpr float number_depth = 0.2f;  // node numbers sit in front of the mesh

float view_width(const State& k) { return k.view_xmax - k.view_xmin; }

}  // namespace

bool element_drawable(const State& k, int e, int nodes_per_element)
{
    if (static_cast<long>(e + 1) * nodes_per_element > max_element_entries) return false;
    for (int a = 0; a < nodes_per_element; ++a) {
        const int n = k.element_nodes[nodes_per_element * e + a];
        if (n < 1 || n > k.node_count) return false;
    }
    return true;
}

void draw_mesh(Canvas& c, const State& k, int nodes_per_element, int width)
{
    assert(nodes_per_element >= 1);
    const int kn = nodes_per_element;
    set_colour(c, mesh_colour);
    c.line_width(static_cast<float>(width));
    for (int e = 0; e < k.element_count; ++e) {
        if (!element_drawable(k, e, kn)) continue;
        const int* nodes = &k.element_nodes[kn * e];
        float cx = 0, cy = 0;
        if (k.shrink_on > 0) {
            for (int a = 0; a < kn; ++a) {
                cx += k.node_x[nodes[a] - 1];
                cy += k.node_y[nodes[a] - 1];
            }
            cx /= kn;
            cy /= kn;
        }
        c.begin(Shape::line_loop);
        for (int a = 0; a < kn; ++a) {
            const int i = nodes[a] - 1;
            float x = k.node_x[i], y = k.node_y[i];
            if (k.shrink_on > 0) {
                x = cx + shrink_factor * (x - cx);
                y = cy + shrink_factor * (y - cy);
            }
            c.vertex(x, y, k.node_z[i]);
        }
        c.end();
    }
    c.line_width(1);
}

void draw_fix_markers(Canvas& c, const State& k)
{
    for (int i = 0; i < k.node_count; ++i) {
        if (k.fix_x[i] > 0) draw_fix_marker(c, k, k.node_x[i], k.node_y[i], k.node_z[i], 1);
        if (k.fix_y[i] > 0) draw_fix_marker(c, k, k.node_x[i], k.node_y[i], k.node_z[i], 2);
    }
}

void draw_fix_marker(Canvas& c, const State& k, float x, float y, float z, int type)
{
    const float s = view_width(k) / 80;
    set_colour(c, type == 1 ? fix_x_colour : fix_y_colour);
    c.begin(Shape::line_loop);
    if (type == 1) {  // x fixed: the triangle stands below the node
        c.vertex(x, y, z);
        c.vertex(x - s, y - 2 * s, z);
        c.vertex(x + s, y - 2 * s, z);
    } else {  // y fixed: it lies to the left
        c.vertex(x, y, z);
        c.vertex(x - 2 * s, y + s, z);
        c.vertex(x - 2 * s, y - s, z);
    }
    c.end();
}

void draw_force_arrows(Canvas& c, const State& k)
{
    auto size = [&](int i) { return std::sqrt(k.node_force[2 * i] * k.node_force[2 * i] +
                                              k.node_force[2 * i + 1] * k.node_force[2 * i + 1]); };
    float fmax = 0;
    for (int i = 0; i < k.node_count; ++i) fmax = std::fmax(fmax, size(i));
    for (int i = 0; i < k.node_count; ++i)
        if (size(i) > 1e-7f * fmax)
            draw_force_arrow(c, k, k.node_x[i], k.node_y[i], k.node_z[i], k.node_force[2 * i], k.node_force[2 * i + 1]);
}

void draw_force_arrow(Canvas& c, const State& k, float x, float y, float z, float fx, float fy)
{
    const float a = view_width(k) / 150;
    const float f = std::sqrt(fx * fx + fy * fy);
    const float ux = fx / f, uy = fy / f;
    // a shaft of 12 units, then a head that narrows over three more
    struct Piece {
        float from, to, width;
    };
    static constexpr Piece pieces[] = {{0, 12, 1}, {12, 13, 5}, {13, 14, 3}, {14, 15, 1}};
    set_colour(c, force_colour);
    for (const Piece& p : pieces) {
        c.line_width(p.width);
        c.begin(Shape::lines);
        c.vertex(x + p.from * a * ux, y + p.from * a * uy, z);
        c.vertex(x + p.to * a * ux, y + p.to * a * uy, z);
        c.end();
    }
    c.line_width(1);
}

void draw_node_numbers(Canvas& c, const State& k)
{
    for (int i = 0; i < k.node_count; ++i) draw_node_number(c, i + 1, k.node_x[i], k.node_y[i], k.node_z[i]);
}

void draw_node_number(Canvas& c, int n, float x, float y, float z)
{
    set_colour(c, node_number_colour);
    c.raster_pos(x, y, z - number_depth);
    int digits[10];
    const int count = digit_count(n);
    assert(count <= 10);
    split_digits(n, count, digits);
    for (int j = 0; j < count; ++j) c.character(static_cast<char>('0' + digits[j]), Font::f8x13);
}
