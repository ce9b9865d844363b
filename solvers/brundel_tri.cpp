// brundel_tri: steady heat conduction with three-node triangles.
// Reads brundel.txt (nodes, conductivity as the first value of the last
// material record, triangles, fixed temperatures as boundary records, nodal
// heat inputs as load records), builds one conduction matrix per element,
// solves for the node temperatures by conjugate gradients with the fixed
// temperatures held, and writes result_brundel.txt (one row per node), which
// tombrel reads.
//   $ brundel_tri            (in the directory that holds brundel.txt)
#include <cstdio>

#include "cg.h"
#include "failure.h"
#include "heat.h"

namespace {

const char* const model_file = "brundel.txt";

// Every table of one run, sized at the program's capacities.
struct Brundel {
    EbeModel m;
    double ekmat[3][3][ebe_max_elements];
    double t[ebe_max_nodes];  // the node temperatures
    unsigned char held[ebe_max_nodes];
    double g[ebe_max_nodes];
    double r[ebe_max_nodes], p[ebe_max_nodes], y[ebe_max_nodes];
};

Brundel s;

EbeSystem heat_system()
{
    EbeStore store{3, &s.ekmat[0][0][0], ebe_max_elements, element_nodes(s.m)};
    return EbeSystem{store, s.m.np, HeldDofs{s.held, s.g}, cg_start, s.r, s.p, s.y, model_file};
}

void run()
{
    // 1. read the model
    Scanner sc = Scanner::open(model_file);
    subinput(sc, s.m, LoadKind::heat, stdout);

    // 2. fixed temperatures; a free node in no element has nothing to set it
    heat_fixed(s.m, s.held, s.g);
    check_unused_nodes(s.m, s.held, 1, model_file);

    // 3. one conduction matrix per element, no global matrix
    EbeSystem sys = heat_system();
    assemble_heat(s.m, sys.store, model_file);

    // 4. solve K T = q with the fixed temperatures held
    CgReport rep = cg_solve(sys, s.m.tf, s.t);
    std::printf("\nloop=%d, eps=%e\n", rep.loops, rep.eps);

    // 5. write the temperatures
    OutFile out(result_brundel);
    write_brundel(out, s.t, s.m.np);
    out.commit();
}

}  // namespace

int main()
{
    return guarded_main("brundel_tri", run);
}
