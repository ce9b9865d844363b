// Rows of bound.txt and force.txt, and init.txt.
#include "conditions.h"

#include "outfile.h"
#include "scratch.h"
#include "texts.h"

namespace {

// Interior node h (0-based) of line l, 1-based.
int line_node(const Topology& t, const MeshGrid& g, int l, int h) { return (g.n - 1) * l + t.key_count + h + 1; }

// A point in no area has the mark 0 of line 1's mid-side point; treating it
// as one would send its record to line 1, and the zero load korvanta saves
// for every point would wipe a real load there.
void ignored(const MeshConfig& cfg, const char* record, int r, int p, bool carries, FILE* warn)
{
    if (!carries) return;
    std::fflush(stdout);
    std::fprintf(warn,
                 "%s: %s: %s %d: model point %d is neither an area corner nor a mid-side point; the record "
                 "is ignored\n",
                 cfg.program, files::data2d, record, r + 1, p + 1);
}

}  // namespace

void write_conditions(const BlockModel& m, const Topology& t, const MeshGrid& g, const MeshConfig& cfg,
                      ConditionCounts& c, FILE* out, FILE* warn)
{
    c.bc_rows = 0;
    nwrite(files::bound);
    for (int r = 0; r < m.nb; ++r) {
        const int p = m.bc_point[r], mark = t.point_mark[p];
        if (mark < 0) {
            std::fprintf(out, texts::bc_keypoint, p + 1, -mark);
            ++c.bc_rows;
            append_bound(-mark, files::bound, m.ix[p], m.iy[p], m.u[p], m.v[p]);
        } else if (t.point_on_line[p]) {
            // the keypoints at the line's ends keep their own conditions
            std::fprintf(out, texts::bc_line, p + 1, mark + 1);
            for (int h = 0; h < g.n - 1; ++h) {
                int node = line_node(t, g, mark, h);
                std::fprintf(out, texts::line_node_row, node);
                ++c.bc_rows;
                append_bound(node, files::bound, m.ix[p], m.iy[p], m.u[p], m.v[p]);
            }
        } else {
            ignored(cfg, "boundary record", r, p, m.bc_carries[r], warn);
        }
    }

    c.force_rows = 0;
    nwrite(files::force);
    for (int r = 0; r < m.nf; ++r) {
        const int p = m.force_point[r], mark = t.point_mark[p];
        if (mark < 0) {
            std::fprintf(out, texts::force_keypoint, p + 1, -mark);
            ++c.force_rows;
            append_force(-mark, files::force, m.fx[p], m.fy[p]);
        } else if (t.point_on_line[p]) {
            if (!cfg.spread_line_forces) continue;
            // every interior node takes the record's whole load
            std::fprintf(out, texts::bc_line, p + 1, mark + 1);
            for (int h = 0; h < g.n - 1; ++h) {
                int node = line_node(t, g, mark, h);
                std::fprintf(out, texts::line_node_row, node);
                ++c.force_rows;
                append_force(node, files::force, m.fx[p], m.fy[p]);
            }
        } else {
            ignored(cfg, "load record", r, p, m.force_carries[r], warn);
        }
    }
}

void write_counts(const BlockModel& m, const Topology& t, const MeshGrid& g, const MeshConfig& cfg,
                  const ConditionCounts& c)
{
    const int nodes = t.key_count + g.line_node_count + g.inner_node_count;
    const int materials = cfg.single_material ? 1 : m.nm;
    const int elements = g.mesh_type == 0 ? 2 * g.cell_count : g.cell_count;
    write_init(files::init, nodes, materials, elements, c.bc_rows, c.force_rows);
}
