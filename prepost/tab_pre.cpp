// Tab 4: pre-processing of the model in memory.
#include "tabs.h"

void pre_tab(State& k)
{
    // entry step: contours off, and the pick modes last only until this click
    k.results_shown = 0;
    k.pick_fix_x = 0;
    k.pick_fix_y = 0;
}
