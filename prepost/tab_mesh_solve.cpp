// Tab 5: the structured mesher and the structural solvers.
#include "tabs.h"

void mesh_solve_tab(State& k)
{
    // entry step: contours and pick modes off; a mesh in memory sets the element kind
    k.results_shown = 0;
    k.pick_fix_x = 0;
    k.pick_fix_y = 0;
    if (k.element_mode == 3 || k.element_mode == 4) k.element_type = k.element_mode;
}
