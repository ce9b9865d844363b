// Picking a node in the model square.
#include "pick.h"

#include <cmath>
#include <cstdio>

#include "picture.h"
#include "tables.h"
#include "tabs.h"

bool model_point_at(const State& k, int x, int y, ModelPoint& p)
{
    // the square's viewport counts rows from the window's bottom, the pointer from its top
    const Viewport sq = layout_for(k.window_width, k.window_height).square;
    if (!sq.shown()) return false;
    const int top = k.window_height - (sq.y + sq.height);
    const float side = static_cast<float>(sq.width);
    p.x = k.view_xmin + static_cast<float>(x - sq.x) / side * (k.view_xmax - k.view_xmin);
    p.y = k.view_ymax - static_cast<float>(y - top) / side * (k.view_ymax - k.view_ymin);
    return true;
}

int nearest_node(const State& k, ModelPoint p)
{
    float best = k.view_xmax - k.view_xmin;
    int r = 0;
    for (int i = 0; i < k.node_count; ++i) {
        const float dx = k.node_x[i] - p.x, dy = k.node_y[i] - p.y;
        const float d = std::sqrt(dx * dx + dy * dy);
        if (d < best) {  // strictly: of equally near nodes the lower number stays
            best = d;
            r = i + 1;
        }
    }
    return r;
}

namespace {

// What a force state writes over a node's force component.
void apply_force_state(int state, float force, float& f)
{
    if (state == 2)
        f = 0;
    else if (state == 1 || state == -1)
        f = static_cast<float>(state) * force;
}

}  // namespace

void pick_node(State& k, int x, int y)
{
    k.pan_drag = 0;
    ModelPoint p;
    const int r = model_point_at(k, x, y, p) ? nearest_node(k, p) : 0;
    std::printf(text::pick_found, r);

    if (r > 0) {
        if (k.pick_fix_x == 1) toggle(k.fix_x[r - 1]);
        if (k.pick_fix_y == 1) toggle(k.fix_y[r - 1]);
    }
    // the force follows the zoom: 0.001 E t times the width of the view box,
    // in single precision like the tables it goes into
    const float w = k.view_xmax - k.view_xmin;
    const float force = k.young * 0.001f * w * k.thickness;
    std::printf(text::pick_force, force, r);
    if (r > 0) {
        apply_force_state(k.force_state_x, force, k.node_force[2 * r - 2]);
        apply_force_state(k.force_state_y, force, k.node_force[2 * r - 1]);
    }
}

int next_force_state(int s)
{
    switch (s) {
    case 0: return 1;
    case 1: return -1;
    case -1: return 2;
    default: return 0;
    }
}

void pick_mode_button(State& k)
{
    // a fix mode shows the markers and ends the other mode and the force states
    auto fix_mode = [&](int& mode, int& other) {
        k.show_bc = 1;
        other = 0;
        k.show_loads = 0;
        k.force_state_x = k.force_state_y = 0;
        toggle(mode);
    };
    // a force state shows the arrows and ends the other axis's state
    auto force_step = [&](int& state, int& other) {
        k.show_loads = 1;
        other = 0;
        state = next_force_state(state);
        std::printf(text::force_states, k.force_state_x, k.force_state_y);
    };
    switch (pushed_code(k)) {
    case 92: fix_mode(k.pick_fix_x, k.pick_fix_y); break;
    case 93: fix_mode(k.pick_fix_y, k.pick_fix_x); break;
    case 102: force_step(k.force_state_x, k.force_state_y); break;
    case 103: force_step(k.force_state_y, k.force_state_x); break;
    default: break;
    }
}
