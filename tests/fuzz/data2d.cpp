// Fuzz target: data2d.txt through the whole block mesher: read and validated,
// its keypoints, shared sides and lines worked out, meshed, its conditions
// placed and the solver input assembled. The mesher works through its scratch
// files, so the runs take place in a private directory. The first byte picks
// the mesher, the partition number (1 to 8) and, for pelmiro_const, the
// element type.
#include <unistd.h>

#include <cstdlib>

#include "assemble.h"
#include "conditions.h"
#include "config.h"
#include "data2d.h"
#include "fuzz_input.h"
#include "grid.h"
#include "outfile.h"
#include "scratch.h"
#include "topology.h"

namespace {

struct Blocks {
    BlockModel m;
    Topology t;
    MeshGrid g;
    ConditionCounts counts;
};

const MeshConfig* const meshers[] = {&pelmiro_const_config, &pelmiro_tri_config, &pelmiro_hea_config,
                                     &pelmiro_flu_config};

void in_scratch_directory()
{
    static const bool moved = [] {
        char dir[] = "/tmp/fuzz-data2d-XXXXXX";
        if (!mkdtemp(dir) || chdir(dir) != 0) std::abort();
        return true;
    }();
    (void)moved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    in_scratch_directory();
    static Blocks& b = fuzz::table<Blocks>();
    fuzz::fresh(b.m);
    fuzz::fresh(b.t);
    fuzz::fresh(b.g);
    fuzz::fresh(b.counts);
    const MeshConfig& cfg = *meshers[data[0] % 4];
    b.g.n = 1 + data[0] / 4 % 8;
    b.g.mesh_type = cfg.takes_mesh_type ? data[0] / 32 % 2 : 0;
    FILE* out = fuzz::console();
    try {
        clear_marks(b.m, b.t);
        Scanner sc(files::data2d, fuzz::parts(data + 1, size - 1, 1)[0]);
        read_data2d(sc, b.m, cfg, out);
        build_topology(b.m, b.t);
        ScratchFiles scratch;
        nwrite(files::node);
        write_keypoints(b.m, b.t, out);
        print_topology(b.m, b.t, out);
        mesh_lines(b.m, b.t, b.g, out);
        write_materials(files::element, cfg.single_material ? 1 : b.m.nm, b.m.ee, b.m.pp, b.m.hh);
        mesh_areas(b.m, b.t, cfg, b.g, out);
        print_point_marks(b.m, b.t, out);
        write_conditions(b.m, b.t, b.g, cfg, b.counts, out, out);
        write_counts(b.m, b.t, b.g, cfg, b.counts);
        assemble_solver_input(cfg, b.g.mesh_type, out);
        scratch.commit();
    } catch (const Failure&) {
    }
    return 0;
}
