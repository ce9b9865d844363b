// Start values of korvanta's state.
#include "state.h"

void init_state(State& k)
{
    k.view_xmin = 0, k.view_xmax = 1;
    k.view_ymin = 0, k.view_ymax = 1;
    k.view_zmin = 0, k.view_zmax = 1;
    for (auto& row : k.button_state) {
        for (int& b : row) b = button_grey;
        row[0] = button_white;  // column 1 acts but is never shown as chosen
    }
    for (int& t : k.tab_state) t = 0;
    k.element_mode = 8;
    k.element_type = 3;
}
