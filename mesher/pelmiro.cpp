// The steps of a block-mesher run, in order.
#include "pelmiro.h"

#include <cstdio>

#include "args.h"
#include "assemble.h"
#include "conditions.h"
#include "data2d.h"
#include "failure.h"
#include "grid.h"
#include "outfile.h"
#include "scratch.h"
#include "topology.h"

namespace {

// Everything one run holds, for the whole run.
struct Pelmiro {
    BlockModel model;
    Topology topo;
    MeshGrid grid;
    ConditionCounts counts;
};

Pelmiro state;

void run(const MeshConfig& cfg, int argc, const char* const* argv)
{
    BlockModel& m = state.model;
    Topology& t = state.topo;
    MeshGrid& g = state.grid;

    // 1. partition_number (and mesh_type); too many cells: the usage text only
    MeshArgs a = read_arguments(cfg, argc, argv, stdout);
    if (a.usage_only) return;
    g.n = a.n;
    g.mesh_type = a.mesh_type;

    // 2. no conditions, no marks
    clear_marks(m, t);

    // 3. read the block model and work out its keypoints and lines; a model
    //    that cannot be meshed is refused before any file is touched
    Scanner sc = Scanner::open(files::data2d);
    read_data2d(sc, m, cfg, stdout);
    build_topology(m, t);

    // 4. node.txt starts empty; the scratch files take their places with the solver input
    ScratchFiles scratch;
    nwrite(files::node);

    // 5. keypoints, shared sides and lines
    write_keypoints(m, t, stdout);
    print_topology(m, t, stdout);

    // 6. line points and line nodes
    mesh_lines(m, t, g, stdout);

    // 7. material lines of element.txt
    if (cfg.single_material)
        write_materials(files::element, 1, m.ee, m.pp, m.hh);
    else
        write_materials(files::element, m.nm, m.ee, m.pp, m.hh);

    // 8. area nodes, node grids and elements
    mesh_areas(m, t, cfg, g, stdout);

    // 9. the mark of every model point
    print_point_marks(m, t, stdout);

    // 10. boundary conditions and forces
    write_conditions(m, t, g, cfg, state.counts, stdout, stderr);

    // 11. the counts
    write_counts(m, t, g, cfg, state.counts);

    // 12. the solver input, then the scratch files it was made from
    assemble_solver_input(cfg, g.mesh_type, stdout);
    scratch.commit();
}

}  // namespace

int pelmiro_main(const MeshConfig& cfg, int argc, const char* const* argv)
{
    return guarded_main(cfg.program, [&] { run(cfg, argc, argv); });
}
