// Pan and zoom of the view box.
#include "view_drag.h"

#include <cmath>

#include "canvas.h"
#include "tables.h"

namespace {

// The model area right of the panel and below the top strip, in pixels; a
// window without one takes no step.
int area_width(const State& k) { return k.window_width - layout::model_left; }
int area_height(const State& k) { return k.window_height - layout::top_strip; }

// A box whose edges and extents are all finite: growing a box past the
// floats would leave nothing to draw or pick with.
bool finite_box(const Box& b)
{
    return std::isfinite(b.xmin) && std::isfinite(b.xmax) && std::isfinite(b.ymin) && std::isfinite(b.ymax) &&
           std::isfinite(b.xmax - b.xmin) && std::isfinite(b.ymax - b.ymin);
}

void take(State& k, const Box& b)
{
    k.view_xmin = b.xmin;
    k.view_xmax = b.xmax;
    k.view_ymin = b.ymin;
    k.view_ymax = b.ymax;
}

}  // namespace

void pan_step(State& k, int x, int y)
{
    const float w = k.view_xmax - k.view_xmin;
    const int dx = x - k.drag_x, dy = y - k.drag_y;
    k.drag_x = x;
    k.drag_y = y;
    if (area_width(k) <= 0 || area_height(k) <= 0) return;
    const float sx = static_cast<float>(dx) / static_cast<float>(area_width(k)) * w;
    const float sy = static_cast<float>(dy) / static_cast<float>(area_height(k)) * w;
    // window rows grow downwards, the model's y upwards
    const Box moved = {k.view_xmin - sx, k.view_xmax - sx, k.view_ymin + sy, k.view_ymax + sy, 0, 0};
    if (!finite_box(moved)) return;
    take(k, moved);
}

void zoom_step(State& k, int x, int y)
{
    const float w = k.view_xmax - k.view_xmin, h = k.view_ymax - k.view_ymin;
    const int dx = x - k.drag_x;
    k.drag_x = x;
    k.drag_y = y;
    if (area_width(k) <= 0) return;
    const float s = static_cast<float>(dx) / static_cast<float>(area_width(k)) * w;
    const Box zoomed = {k.view_xmin + s, k.view_xmax - s, k.view_ymin + s, k.view_ymax - s, 0, 0};
    // a box turned inside out would mirror the picture, one of no width show
    // nothing; a thousandth of the width a step may shrink it to
    const float least = 0.001f;
    if (!(zoomed.xmax - zoomed.xmin >= least * w && zoomed.ymax - zoomed.ymin >= least * h)) return;
    if (!finite_box(zoomed)) return;
    take(k, zoomed);
}
