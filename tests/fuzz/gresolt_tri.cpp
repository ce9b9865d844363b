// Fuzz target: gresolt.txt as gresolt_tri reads and checks it, and the first
// fractional steps of a small model (the step checks its values stay finite).
#include "flow.h"
#include "fuzz_input.h"

namespace {

constexpr int stepped_nodes = 60;
constexpr int steps = 5;

struct Flow {
    FlowModel m;
    FlowGeometry g;
    FlowState s;
    double ekmat[3][3][flow_max_elements];
    double r[flow_max_nodes], p[flow_max_nodes], y[flow_max_nodes];
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Flow& f = fuzz::table<Flow>();
    fuzz::fresh(f.m);
    fuzz::fresh(f.s);
    try {
        Scanner sc("gresolt.txt", fuzz::parts(data, size, 1)[0]);
        flow_read(sc, f.m, fuzz::console());
        prescribe_velocity(f.m, f.s.U, f.s.V);
        flow_geometry(f.m, f.g, "gresolt.txt");
        check_pressure_held(f.m, "gresolt.txt");
        if (f.m.np <= stepped_nodes) {
            EbeSystem pressure{EbeStore{3, &f.ekmat[0][0][0], flow_max_elements, flow_elements(f.m)},
                               f.m.np, HeldDofs{f.m.pflag, f.m.pfix}, 0.0, f.r, f.p, f.y, "gresolt.txt",
                               flow_cg_hint};
            pressure_laplacian(f.m, f.g, pressure.store);
            ebe_mark_symmetric(pressure.store);
            for (int step = 1; step <= steps; ++step) flow_step(f.m, f.g, pressure, f.s, step, "gresolt.txt");
        }
    } catch (const Failure&) {
    }
    return 0;
}
