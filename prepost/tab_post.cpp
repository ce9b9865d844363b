// Tab 6: the structural results as contour bands, on the mesh or its deformed shape.
#include <cstdio>

#include "result_file.h"
#include "tables.h"
#include "tabs.h"

namespace {

// Reads the result of the type and kind and fixes its levels; a refused
// file leaves the contours off.
bool show_result(State& k, int type, int kind)
{
    k.results_shown = 1;
    if (!read_node_results(k, type, kind)) return false;
    compute_contour_levels(k);
    return true;
}

}  // namespace

void post_tab(State& k)
{
    // entry step: the pick modes last only until this click
    k.pick_fix_x = 0;
    k.pick_fix_y = 0;

    // rows 1, 2 and 6 to 10 show a result, the last one read on a button
    // that reads none; every one of them but row 1 leaves the deformed shape
    const int row = k.pushed_row;
    if (row == 2 || (row >= 6 && row <= 10)) k.deform_on = 0;
    if (row == 1 || row == 2 || (row >= 6 && row <= 10)) k.results_shown = 1;

    const int code = pushed_code(k);
    if (code == 42) toggle(k.show_bc);
    if (code == 43) toggle(k.show_loads);
    for (const ResultButton& b : result_buttons) {
        if (b.code != code) continue;
        // the deformed shape switches only with displacements to draw it by
        if (show_result(k, b.type, b.kind) && code == 13) {
            toggle(k.deform_on);
            std::printf("%s", k.deform_on ? text::deform_on : text::deform_off);
        }
    }
}
