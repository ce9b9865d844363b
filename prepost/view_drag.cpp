// Pan and zoom of the view box.
#include "view_drag.h"

#include "tables.h"

namespace {

// The model area right of the panel and below the top strip, in pixels; a
// window without one takes no step.
int area_width(const State& k) { return k.window_width - layout::model_left; }
int area_height(const State& k) { return k.window_height - layout::top_strip; }

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
    k.view_xmin -= sx;
    k.view_xmax -= sx;
    k.view_ymin += sy;  // window rows grow downwards, the model's y upwards
    k.view_ymax += sy;
}

void zoom_step(State& k, int x, int y)
{
    const float w = k.view_xmax - k.view_xmin;
    const int dx = x - k.drag_x;
    k.drag_x = x;
    k.drag_y = y;
    if (area_width(k) <= 0) return;
    const float s = static_cast<float>(dx) / static_cast<float>(area_width(k)) * w;
    if (!(k.view_xmax - s > k.view_xmin + s && k.view_ymax - s > k.view_ymin + s)) return;
    k.view_xmin += s;
    k.view_ymin += s;
    k.view_xmax -= s;
    k.view_ymax -= s;
}
