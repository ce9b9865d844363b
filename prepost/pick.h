// Picking a node in the model square with Ctrl and the left button, and the
// pick modes and force states that say what a pick changes.
#pragma once

#include "state.h"

struct ModelPoint {
    float x, y;
};

// The model point under window pixel (x, y), origin top left, through the
// model square as the picture lays it out for the current window: its top
// left corner is (view_xmin, view_ymax) and its side spans the view box.
// False when the window has no square to pick in.
bool model_point_at(const State& k, int x, int y, ModelPoint& p);

// The node nearest to p, 1-based: the first of equally near ones, and 0 when
// none is nearer than the width of the view box.
int nearest_node(const State& k, ModelPoint p);

// The pick at window pixel (x, y): the node found is printed, its x or y
// fixing toggled in a fix mode, and its force set by the force states to
// plus or minus 0.001 E t times the view width, or to zero. A pick that finds
// no node prints the same two lines with node 0 and changes nothing.
void pick_node(State& k, int x, int y);

// Rows 9 and 10 of tabs 4 and 5 (pushed_row, pushed_col): the x-fix and
// y-fix pick modes, which show the markers, and the next x-force and y-force
// states (off, plus, minus, zero, off ...), which show the arrows.
void pick_mode_button(State& k);

// The force state after s: 0, 1, -1, 2, then 0 again.
int next_force_state(int s);
