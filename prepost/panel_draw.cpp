// The drawing of the tab strip, the buttons, their labels and the colour legend.
#include "panel_draw.h"

#include <cassert>

#include "panel_labels.h"
#include "primitives.h"
#include "tables.h"

namespace {

void put_label(Canvas& c, LabelId id, float x, float y, float z)
{
    if (id == LabelId::none) return;
    c.raster_pos(x, y, z);
    c.bitmap(label_image(id));
}

const Rgb& button_colour(int state)
{
    if (state == button_blue) return button_blue_colour;
    if (state == button_white) return button_white_colour;
    return button_grey_colour;
}

// A legend value in black, on a strip of button grey that reaches to the
// right edge of column 3: a value runs from column 2 across the black gap
// between the buttons, where black digits would vanish.
void legend_value(Canvas& c, const Box& box, float cw, float rh, float value, float x, float y)
{
    set_colour(c, button_grey_colour);
    const float right = box.xmin + 3 * cw - 0.1f * cw;
    fill_rect(c, x - cw / 18, y - 0.1f * rh, box.zmin, right - (x - cw / 18), 0.6f * rh);
    draw_number(c, value, x, y);
}

// Tab 3: the eight bands with their lower levels, the maximum above them, and
// the maximum and minimum in rows 1 and 2.
void draw_legend(Canvas& c, const State& k, const Box& box, float cw, float rh)
{
    const float x0 = box.xmin, y0 = box.ymin, z = box.zmin;
    const float u = cw / 9;
    const float max_level = k.contour_level[level_count - 1], min_level = k.contour_level[0];
    set_colour(c, label_colour);
    draw_text(c, x0 + 2 * u, y0 + 11 * rh + 0.4f * rh, text::legend_max, 4, 8);
    legend_value(c, box, cw, rh, max_level, x0 + cw + 2 * u, y0 + 11 * rh + 0.4f * rh);
    set_colour(c, label_colour);
    draw_text(c, x0 + 2 * u, y0 + 10 * rh + 0.4f * rh, text::legend_min, 4, 8);
    legend_value(c, box, cw, rh, min_level, x0 + cw + 2 * u, y0 + 10 * rh + 0.4f * rh);

    for (int b = 0; b < band_count; ++b) {
        set_colour(c, band_colour[b]);
        fill_rect(c, x0 + 2 * u, y0 + (b + 1) * rh + 0.4f * rh, z, cw, 0.8f * rh);
        legend_value(c, box, cw, rh, k.contour_level[b], x0 + cw + 4 * u, y0 + (b + 1) * rh + 0.2f * rh);
    }
    legend_value(c, box, cw, rh, max_level, x0 + cw + 4 * u, y0 + 9 * rh + 0.2f * rh);
}

}  // namespace

void draw_tabs(Canvas& c, const State& k, const Box& box)
{
    const float cw = (box.xmax - box.xmin) / 3, ch = (box.ymax - box.ymin) / 2;
    const float g = cw / 9, z = box.zmin;
    for (int t = 1; t <= tab_count; ++t) {
        const float left = box.xmin + (t - 1) % 3 * cw;
        const float bottom = box.ymin + (t <= 3 ? 0 : ch);  // tabs 4 to 6 on top
        set_colour(c, k.tab_state[t - 1] == 1 ? tab_selected_colour : band_colour[t]);
        fill_rect(c, left, bottom, z, cw, ch);
        set_colour(c, label_colour);
        put_label(c, tab_label(t), left + tab_label_inset(t) * g, bottom + 0.2f * ch, z);
    }
}

void draw_panel(Canvas& c, const State& k, const Box& box)
{
    const float cw = (box.xmax - box.xmin) / 3, rh = (box.ymax - box.ymin) / panel_rows;
    const float u = cw / 9, z = box.zmin;
    auto left = [&](int col) { return box.xmin + (col - 1) * cw; };
    auto bottom = [&](int row) { return box.ymin + (panel_rows - row) * rh; };

    for (int r = 1; r <= panel_rows; ++r)
        for (int col = 1; col <= panel_cols; ++col) {
            set_colour(c, button_colour(k.button_state[r - 1][col - 1]));
            fill_octagon(c, left(col), bottom(r), z, cw, rh);
        }

    if (k.current_tab == 3) {
        draw_legend(c, k, box, cw, rh);
        return;
    }
    ButtonLabel labels[max_button_labels];
    const int n = button_labels(k, labels);
    for (int i = 0; i < n; ++i) {
        const ButtonLabel& l = labels[i];
        const float x = left(l.col) + l.inset * u;
        const float y = bottom(l.row);
        set_colour(c, label_colour);
        if (l.lower == LabelId::none) {
            put_label(c, l.upper, x, y + 0.4f * rh, z);
            put_label(c, l.overlay, x, y + 0.4f * rh, z);
        } else {
            assert(l.overlay == LabelId::none);
            put_label(c, l.upper, x, y + 0.6f * rh, z);
            put_label(c, l.lower, x, y + 0.2f * rh, z);
        }
    }
}
