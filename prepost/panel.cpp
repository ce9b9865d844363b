// The panel's hit test and dispatch.
#include "panel.h"

#include <cassert>
#include <cstdio>

#include "tables.h"
#include "tabs.h"

void row_edges(int window_height, int edge[panel_rows])
{
    const float s = static_cast<float>(window_height - layout::top_strip) / panel_rows;
    for (int r = 1; r <= panel_rows; ++r) edge[r - 1] = layout::top_strip + static_cast<int>(s * r);
}

PanelHit panel_hit(int x, int y, int window_height)
{
    int column = 0;
    for (int c = 3; c >= 1; --c)
        if (x < layout::column_end[c - 1]) column = c;
    if (column == 0) return {0, 0};

    PanelHit hit{0, 0};
    if (y < layout::upper_tab_end)
        hit.tab = column + 3;  // the upper row holds tabs 4, 5, 6
    else if (y < layout::top_strip)
        hit.tab = column;
    if (y <= layout::top_strip) return hit;

    int edge[panel_rows];
    row_edges(window_height, edge);
    for (int r = 1; r <= panel_rows; ++r)
        if (y < edge[r - 1]) {
            hit.code = 10 * r + column;
            break;
        }
    return hit;
}

void panel_click(State& k, int x, int y)
{
    const PanelHit hit = panel_hit(x, y, k.window_height);
    if (hit.tab != 0) k.current_tab = hit.tab;
    std::printf(text::click_button, hit.code, k.current_tab);
    dispatch_button(k, k.current_tab, hit.code);
}

void dispatch_button(State& k, int tab, int code)
{
    assert(tab >= 0 && tab <= tab_count);
    k.pushed_row = code / 10;
    k.pushed_col = code - 10 * k.pushed_row;

    if (tab >= 1 && k.tab_state[tab - 1] == 0) {
        for (int t = 1; t <= tab_count; ++t) k.tab_state[t - 1] = 0;
        k.tab_state[tab - 1] = 1;
    }

    if (code != 0) {
        assert(k.pushed_row >= 1 && k.pushed_row <= panel_rows);
        assert(k.pushed_col >= 1 && k.pushed_col <= panel_cols);
        int& chosen = k.button_state[k.pushed_row - 1][k.pushed_col - 1];
        if (chosen == button_grey) {
            for (auto& row : k.button_state)
                for (int& b : row)
                    if (b > button_grey) b = button_grey;
            chosen = button_blue;
        }
    }

    switch (tab) {
    case 1: run_meshers(k); break;
    case 4:
        std::printf(text::go_to_tab4, k.pushed_row, k.pushed_col);
        pre_tab(k);
        break;
    case 5: mesh_solve_tab(k); break;
    case 6: post_tab(k); break;
    default: break;  // tabs 2 and 3 only show, and before any tab nothing acts
    }
}
