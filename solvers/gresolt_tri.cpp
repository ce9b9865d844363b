// gresolt_tri: transient incompressible viscous flow on three-node triangles.
// Reads gresolt.txt (nodes, the Reynolds number as the third value of the last
// material record, triangles, prescribed velocities as boundary records, fixed
// pressures as load records) and runs 20000 fractional steps of dt 0.0001:
// an explicit prediction of the velocity with a lumped mass, a pressure
// equation solved by conjugate gradients with the fixed pressures held, and a
// correction of the velocity by the pressure gradient. Every 20 steps it
// rewrites result_gresolt.txt (u, v per node) and result_gresolt_pres.txt
// (the pressure per node) and prints "Count = <output number>".
//   $ pelmiro_flu 8 && gresolt_tri     (or gresolt.txt written by hand)
#include "failure.h"
#include "flow.h"
#include "flow_results.h"

namespace {

const char* const model_file = "gresolt.txt";

// Every table of one run, sized at the program's capacities; all start at zero.
struct Gresolt {
    FlowModel m;
    FlowGeometry g;
    FlowState s;
    double ekmat[3][3][flow_max_elements];
    double r[flow_max_nodes], p[flow_max_nodes], y[flow_max_nodes];
};

Gresolt s;

EbeSystem pressure_system()
{
    EbeStore store{3, &s.ekmat[0][0][0], flow_max_elements, flow_elements(s.m)};
    return EbeSystem{store, s.m.np, HeldDofs{s.m.pflag, s.m.pfix}, 0.0, s.r, s.p, s.y, model_file, flow_cg_hint};
}

void run()
{
    // 1. read the model
    Scanner sc = Scanner::open(model_file);
    flow_read(sc, s.m, stdout);

    // 2. the prescribed velocities are the initial ones; every other node starts at rest
    prescribe_velocity(s.m, s.s.U, s.s.V);

    // 3. areas, shape derivatives and lumped masses; every part of the mesh needs a fixed pressure
    flow_geometry(s.m, s.g, model_file);
    check_pressure_held(s.m, model_file);

    // 4. the pressure matrices, the same at every step
    EbeSystem pressure = pressure_system();
    pressure_laplacian(s.m, s.g, pressure.store);
    ebe_mark_symmetric(pressure.store);

    // 5. the steps, with an output after every 20th
    int count = 0;
    for (int step = 1; step <= flow_constants.steps; ++step) {
        flow_step(s.m, s.g, pressure, s.s, step, model_file);
        if (step % flow_constants.every == 0) flow_output(++count, s.s.U, s.s.V, s.s.P, s.m.np);
    }
}

}  // namespace

int main()
{
    return guarded_main("gresolt_tri", run);
}
