// Tab 1: the meshers that work from a drawing.
#include "launcher.h"
#include "tabs.h"

// Each button runs its meshers one after the other, each waiting for the one
// before; the outline mesher and the second triangle mesher leave their
// meshes in nalvik.txt for tab 4 to read. Nothing is echoed.
void run_meshers(State& k)
{
    switch (pushed_code(k)) {
    case 12:
        run_command(Command::delaunay_outline, false);
        run_command(Command::delaunay_mesh, false);
        break;
    case 13:
        run_command(Command::tessan_outline, false);
        run_command(Command::tessan_mesh, false);
        break;
    case 22:
        run_command(Command::quad_mesh1, false);
        run_command(Command::quad_mesh2, false);
        run_command(Command::quad_mesh3, false);
        run_command(Command::quad_mesh4, false);
        break;
    default: break;
    }
}
