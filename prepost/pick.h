// Picking a node in the model square with Ctrl and the left button.
#pragma once

#include "state.h"

// The pick at window pixel (x, y) in the current pick mode or force state.
void pick_node(State& k, int x, int y);

// Rows 9 and 10 of tabs 4 and 5 (pushed_row, pushed_col): the x-fix and
// y-fix pick modes and the next x-force and y-force states.
void pick_mode_button(State& k);
