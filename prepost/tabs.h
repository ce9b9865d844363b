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
