// Tab 5: the structured mesher and the structural solvers.
#include "launcher.h"
#include "model_file.h"
#include "pick.h"
#include "tabs.h"

namespace {

// Rows 1, columns 2 and 3: pelmiro_const with 5 or 10 divisions per block
// side, in the element kind chosen, then its nalvik.txt read at once. The
// view is not refitted and a model not yet shown through tab 4 stays hidden.
void run_block_mesher(State& k, Command tri, Command quad)
{
    k.element_mode = k.element_type;
    run_command(k.element_type == 3 ? tri : quad, true);
    read_model(k, k.element_mode);
}

}  // namespace

void mesh_solve_tab(State& k)
{
    // entry step: contours and pick modes off; a mesh in memory sets the element kind
    k.results_shown = 0;
    k.pick_fix_x = 0;
    k.pick_fix_y = 0;
    if (k.element_mode == 3 || k.element_mode == 4) k.element_type = k.element_mode;

    switch (pushed_code(k)) {
    case 11: k.element_type = k.element_type == 3 ? 4 : 3; break;
    case 12: run_block_mesher(k, Command::mesh5_tri, Command::mesh5_quad); break;
    case 13: run_block_mesher(k, Command::mesh10_tri, Command::mesh10_quad); break;
    // the results shown stay until a tab 6 button reads the new ones; the
    // click's redisplay shows the window again after the solver
    case 32: run_command(k.element_type == 3 ? Command::solve_tri : Command::solve_quad, true); break;
    case 52: toggle(k.shrink_on); break;
    case 53: toggle(k.show_numbers); break;
    case 72: toggle(k.show_bc); break;
    case 73: toggle(k.show_loads); break;  // the force states are kept
    case 92: case 93: case 102: case 103: pick_mode_button(k); break;
    case 112: edit_model(k); break;
    default: break;
    }
}
