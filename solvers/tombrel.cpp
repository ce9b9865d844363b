// tombrel: thermal stress in a plane-stress triangle mesh.
// Reads nalvik.txt (nodes, one material set, triangles, fixed displacements,
// nodal forces), init_heat.txt (reference temperature T0, an ignored integer,
// expansion coefficient alpha) and brundel_tri's result_brundel.txt for the same
// mesh. Each element gets the initial strain alpha (T0 - Tm) from its mean
// temperature Tm; its forces join the nodal forces, the displacements are
// solved by conjugate gradients, and the five structural result files are
// written as nalvik_tri writes them, so korvanta shows them.
//   $ brundel_tri && tombrel   (brundel.txt and nalvik.txt describe one mesh)
#include <cstdio>

#include "cg.h"
#include "failure.h"
#include "thermal.h"

namespace {

const char* const model_file = "nalvik.txt";
const char* const temp_file = "result_brundel.txt";

// Every table of one run, sized at the program's capacities.
struct Tombrel {
    EbeModel m;
    InitHeat heat;
    double temp[ebe_max_nodes];  // node temperatures from result_brundel.txt
    double ekmat[6][6][ebe_max_elements];
    double solve[ebe_max_dofs];
    unsigned char held[ebe_max_dofs];
    double g[ebe_max_dofs];
    double r[ebe_max_dofs], p[ebe_max_dofs], y[ebe_max_dofs];
    double table[ebe_max_nodes][4];  // nodal averaging: three sums and a count
};

Tombrel s;

EbeSystem stiffness_system()
{
    EbeStore store{6, &s.ekmat[0][0][0], ebe_max_elements, element_nodes(s.m)};
    return EbeSystem{store, 2 * s.m.np, HeldDofs{s.held, s.g}, cg_start, s.r, s.p, s.y, model_file};
}

void run()
{
    // 1. read the mesh, the reference temperature and the node temperatures
    Scanner model = Scanner::open(model_file);
    subinput(model, s.m, LoadKind::force, stdout);
    Scanner init = Scanner::open(init_heat_file);
    read_init_heat(init, s.heat, stdout);
    Scanner temps = Scanner::open(temp_file);
    read_node_temp(temps, s.temp, s.m.np, model_file, stdout);

    // 2. fixed displacements; a node in no element must be held both ways
    thermal_fixed(s.m, s.held, s.g);
    check_unused_nodes(s.m, s.held, 2, model_file);

    // 3. element stiffnesses, and the thermal forces taken off the nodal forces
    EbeSystem sys = stiffness_system();
    assemble_stiffness(s.m, sys.store, model_file);
    thermal_loads(s.m, s.temp, s.heat, s.m.tf);

    // 4. solve K u = F with the fixed displacements held
    CgReport rep = cg_solve(sys, s.m.tf, s.solve);
    std::printf("\nloop=%d, eps=%e\n", rep.loops, rep.eps);

    // 5. write displacements, element and nodal strains and stresses
    StructuralFiles out(model_file);
    out.displacements(s.solve, s.m.np);
    write_thermal_stress_strain(s.m, s.solve, s.temp, s.heat, out, &s.table[0][0]);
    out.commit();
}

}  // namespace

int main()
{
    return guarded_main("tombrel", run);
}
