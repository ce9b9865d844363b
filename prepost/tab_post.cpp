// Tab 6: the structural results as contours.
#include "tabs.h"

void post_tab(State& k)
{
    // entry step: the pick modes last only until this click
    k.pick_fix_x = 0;
    k.pick_fix_y = 0;
}
