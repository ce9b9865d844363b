// Fuzz target: tombrel's three inputs (nalvik.txt, init_heat.txt and
// result_brundel.txt, cut apart at NUL bytes) read and checked, the thermal
// loads formed and a small model solved.
#include "cg.h"
#include "fuzz_input.h"
#include "thermal.h"
#include "thermal_input.h"

namespace {

constexpr int solved_nodes = 100;

struct Thermal {
    EbeModel m;
    InitHeat heat;
    double temp[ebe_max_nodes];
    double ekmat[6][6][ebe_max_elements];
    double solve[ebe_max_dofs];
    unsigned char held[ebe_max_dofs];
    double g[ebe_max_dofs], r[ebe_max_dofs], p[ebe_max_dofs], y[ebe_max_dofs];
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Thermal& s = fuzz::table<Thermal>();
    fuzz::fresh(s.m);
    s.heat = InitHeat{};
    const auto files = fuzz::parts(data, size, 3);
    try {
        Scanner model("nalvik.txt", files[0]);
        subinput(model, s.m, LoadKind::force, fuzz::console());
        Scanner init("init_heat.txt", files[1]);
        read_init_heat(init, s.heat, fuzz::console());
        Scanner temps("result_brundel.txt", files[2]);
        read_node_temp(temps, s.temp, s.m.np, "nalvik.txt", fuzz::console());
        thermal_fixed(s.m, s.held, s.g);
        check_unused_nodes(s.m, s.held, 2, "nalvik.txt");
        EbeSystem sys{EbeStore{6, &s.ekmat[0][0][0], ebe_max_elements, element_nodes(s.m)},
                      2 * s.m.np, HeldDofs{s.held, s.g}, cg_start, s.r, s.p, s.y, "nalvik.txt"};
        assemble_stiffness(s.m, sys.store, "nalvik.txt");
        thermal_loads(s.m, s.temp, s.heat, s.m.tf);
        if (s.m.np <= solved_nodes) cg_solve(sys, s.m.tf, s.solve);
    } catch (const Failure&) {
    }
    return 0;
}
