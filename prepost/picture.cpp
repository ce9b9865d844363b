// The composition of one picture.
#include "picture.h"

#include <cmath>
#include <cstdio>

#include "contour.h"
#include "model_draw.h"
#include "panel_draw.h"
#include "primitives.h"
#include "tables.h"

namespace {

constexpr double axes_length = 0.2;

}  // namespace

Layout layout_for(int window_width, int window_height)
{
    const int aw = window_width - layout::model_left;
    const int ah = window_height - layout::top_strip;
    Layout l;
    l.tabs = {layout::panel_left, ah, layout::panel_width, layout::tab_strip_height};
    l.panel = {layout::panel_left, layout::panel_bottom, layout::panel_width, ah - layout::panel_bottom};
    const int side = ah < aw ? ah : aw;
    if (ah < aw)
        l.square = {layout::model_left + (aw - ah) / 2, 0, side, side};
    else
        l.square = {layout::model_left, (ah - aw) / 2, side, side};
    return l;
}

Box projection_box(const State& k)
{
    const Box b = {k.view_xmin, k.view_xmax, k.view_ymin, k.view_ymax, k.view_zmin, k.view_zmax};
    const float extent[3] = {b.xmax - b.xmin, b.ymax - b.ymin, b.zmax - b.zmin};
    for (float e : extent)
        if (!std::isfinite(e) || !(e > 0)) return {0, 1, 0, 1, 0, 1};
    return b;
}

void compose_picture(State& k, Canvas& c)
{
    c.clear();
    const Box box = projection_box(k);
    c.projection(box);

    const Layout l = layout_for(k.window_width, k.window_height);
    if (l.tabs.shown()) {
        c.viewport(l.tabs.x, l.tabs.y, l.tabs.width, l.tabs.height);
        draw_tabs(c, k, box);
    }
    if (l.panel.shown()) {
        c.viewport(l.panel.x, l.panel.y, l.panel.width, l.panel.height);
        draw_panel(c, k, box);
    }
    if (l.square.shown()) c.viewport(l.square.x, l.square.y, l.square.width, l.square.height);
    if (k.current_tab == 0) {
        if (l.square.shown()) draw_axes(c, axes_length);
    } else {
        draw_model(k, c, l.square.shown());
    }
    c.flush();
}

void draw_model(State& k, Canvas& c, bool visible)
{
    std::printf(text::pushed_button, k.pushed_row, k.pushed_col);
    if (visible && k.model_loaded > 0) {
        draw_mesh(c, k, k.element_mode, k.shrink_on ? 1 : 2);
        // the bands cover the mesh and lie under the markers, arrows and
        // numbers; while the view is dragged they are left out, which keeps
        // the drag quick on a large mesh
        if (k.results_shown == 1 && !k.pan_drag && !k.zoom_drag) {
            if (k.element_mode == 3)
                draw_contours_tri(c, k, k.node_scalar);
            else
                draw_contours_quad(c, k, k.node_scalar);
        }
        if (k.show_bc == 1) draw_fix_markers(c, k);
        if (k.show_loads == 1) draw_force_arrows(c, k);
        if (k.show_numbers == 1) draw_node_numbers(c, k);
        // a pick mode or a force state shows what it changes, whatever the switches say
        if (k.pick_fix_x == 1 || k.pick_fix_y == 1) draw_fix_markers(c, k);
        if (k.force_state_x != 0 || k.force_state_y != 0) draw_force_arrows(c, k);
    }
    k.pushed_row = 0;
    k.pushed_col = 0;
}
