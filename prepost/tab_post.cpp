// Tab 6: the structural results as contours.
#include "tabs.h"

void post_tab(State& k)
{
    // entry step: the pick modes last only until this click
    k.pick_fix_x = 0;
    k.pick_fix_y = 0;

    switch (pushed_code(k)) {
    case 42: toggle(k.show_bc); break;
    case 43: toggle(k.show_loads); break;
    // rows 1, 2 and 6 to 10 choose the result shown: they come with the result reader
    default: break;
    }
}
