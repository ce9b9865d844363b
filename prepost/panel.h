// The panel's hit test and dispatch: a left click in the left 225 columns
// becomes a tab and a button code, colours the tabs and buttons and reaches the
// routine of the chosen tab.
#pragma once

#include "state.h"

// What a click at window pixel (x, y), origin top left, hits: tab 1..6 or 0,
// and the button code 10 * row + column (11 to 123), 0 when no button is hit.
struct PanelHit {
    int tab;
    int code;
};
PanelHit panel_hit(int x, int y, int window_height);

// The row edges of the button grid: edge[k - 1] is the first window row below
// button row k. s = (window_height - 50) / 12 is kept as a single float.
void row_edges(int window_height, int edge[panel_rows]);

// Hit test, console line and dispatch of one left click in the panel.
void panel_click(State& k, int x, int y);

// Records the button of the click, selects its tab and button and calls the
// routine of the tab. A code of 0 (a tab or a gap between buttons) leaves the
// button colours as they are.
void dispatch_button(State& k, int tab, int code);
