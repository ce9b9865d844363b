// The routines of the tabs that act: tab 1 meshers from drawings, tab 4
// pre-processing, tab 5 meshing and solving, tab 6 results. Each reads the
// button of the click from pushed_row and pushed_col; row 0 is a click on the
// tab itself, which runs only the entry step.
#pragma once

#include "state.h"

void run_meshers(State& k);
void pre_tab(State& k);
void mesh_solve_tab(State& k);
void post_tab(State& k);

// The button of the click as its code, 10 * row + column (32 is row 3, column 2).
inline int pushed_code(const State& k) { return 10 * k.pushed_row + k.pushed_col; }

// A display switch: 0 turns on, anything else off.
inline void toggle(int& flag) { flag = flag == 0 ? 1 : 0; }
