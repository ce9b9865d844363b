// Tab 4: pre-processing of the model in memory.
#include "launcher.h"
#include "model_file.h"
#include "pick.h"
#include "tabs.h"
#include "view_fit.h"

namespace {

// Row 3, column 1: the next model file kind, data2d.txt (8), then nalvik.txt
// with triangles (3), then with quadrilaterals (4). The nodes in memory belong
// to the old kind, so they collapse to one point until the next read, and
// the model may not be saved before it.
void cycle_element_mode(State& k)
{
    k.element_mode = k.element_mode == 8 ? 3 : k.element_mode == 3 ? 4 : 8;
    for (int i = 0; i < k.node_count; ++i) k.node_x[i] = k.node_y[i] = 0;
    k.read_element_mode = 0;
}

}  // namespace

void pre_tab(State& k)
{
    // entry step: contours off, and the pick modes last only until this click
    k.results_shown = 0;
    k.pick_fix_x = 0;
    k.pick_fix_y = 0;

    switch (pushed_code(k)) {
    case 31: cycle_element_mode(k); break;
    case 32:
        // a refused file keeps the model, the view and what is drawn
        if (read_model(k, k.element_mode)) {
            fit_view(k);
            k.model_loaded = 1;
        }
        break;
    case 33: edit_model(k); break;
    case 52: toggle(k.shrink_on); break;
    case 53: toggle(k.show_numbers); break;
    case 72:
        k.pick_fix_x = 0;
        k.pick_fix_y = 0;
        toggle(k.show_bc);
        break;
    case 73:
        k.force_state_x = 0;
        k.force_state_y = 0;
        toggle(k.show_loads);
        break;
    case 92: case 93: case 102: case 103: pick_mode_button(k); break;
    default: break;
    }
}
