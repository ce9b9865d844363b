// Fuzz target: brundel.txt as brundel_tri reads and checks it, and solves a
// small model by conjugate gradients.
#include "cg.h"
#include "fuzz_input.h"
#include "heat.h"

namespace {

constexpr int solved_nodes = 200;

struct Heat {
    EbeModel m;
    double ekmat[3][3][ebe_max_elements];
    double t[ebe_max_nodes];
    unsigned char held[ebe_max_nodes];
    double g[ebe_max_nodes], r[ebe_max_nodes], p[ebe_max_nodes], y[ebe_max_nodes];
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Heat& s = fuzz::table<Heat>();
    fuzz::fresh(s.m);
    try {
        Scanner sc("brundel.txt", fuzz::parts(data, size, 1)[0]);
        subinput(sc, s.m, LoadKind::heat, fuzz::console());
        heat_fixed(s.m, s.held, s.g);
        check_unused_nodes(s.m, s.held, 1, "brundel.txt");
        EbeSystem sys{EbeStore{3, &s.ekmat[0][0][0], ebe_max_elements, element_nodes(s.m)},
                      s.m.np, HeldDofs{s.held, s.g}, cg_start, s.r, s.p, s.y, "brundel.txt"};
        assemble_heat(s.m, sys.store, "brundel.txt");
        if (s.m.np <= solved_nodes) cg_solve(sys, s.m.tf, s.t);
    } catch (const Failure&) {
    }
    return 0;
}
