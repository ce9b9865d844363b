// Rows of bound.txt and force.txt, and init.txt.
#include "conditions.h"

#include "outfile.h"
#include "scratch.h"
#include "texts.h"

namespace {

// A point in no area has the mark 0 of line 1's mid-side point; treating it
// as one would send its record to line 1, and the zero load korvanta saves
// for every point would wipe a real load there.
void ignored(const MeshConfig& cfg, const char* record, int r, int p, bool carries, FILE* warn)
{
    if (!carries) return;
    std::fflush(stdout);
    std::fprintf(warn, texts::record_ignored, cfg.program, files::data2d, record, r + 1, p + 1);
}

// The nodes a record on model point p reaches, each given to `row`: the
// keypoint's node, or the n - 1 interior nodes of the line whose mid-side
// point it is (the keypoints at the line's ends keep their own records).
// Returns the number of rows.
template <class Row>
int place(const Topology& t, const MeshGrid& g, int p, const char* keypoint_text, FILE* out, Row row)
{
    const int mark = t.point_mark[p];
    if (mark < 0) {
        std::fprintf(out, keypoint_text, p + 1, -mark);
        row(-mark);
        return 1;
    }
    std::fprintf(out, texts::bc_line, p + 1, mark + 1);
    for (int h = 0; h < g.n - 1; ++h) {
        int node = (g.n - 1) * mark + t.key_count + h + 1;
        std::fprintf(out, texts::line_node_row, node);
        row(node);
    }
    return g.n - 1;
}

bool in_mesh(const Topology& t, int p) { return t.point_mark[p] < 0 || t.point_on_line[p]; }

}  // namespace

void write_conditions(const BlockModel& m, const Topology& t, const MeshGrid& g, const MeshConfig& cfg,
                      ConditionCounts& c, FILE* out, FILE* warn)
{
    c.bc_rows = 0;
    nwrite(files::bound);
    for (int r = 0; r < m.nb; ++r) {
        const int p = m.bc_point[r];
        if (!in_mesh(t, p)) {
            ignored(cfg, "boundary record", r, p, m.bc_carries[r], warn);
            continue;
        }
        c.bc_rows += place(t, g, p, texts::bc_keypoint, out, [&](int node) {
            append_bound(node, files::bound, m.ix[p], m.iy[p], m.u[p], m.v[p]);
        });
    }

    c.force_rows = 0;
    nwrite(files::force);
    for (int r = 0; r < m.nf; ++r) {
        const int p = m.force_point[r];
        if (!in_mesh(t, p)) {
            ignored(cfg, "load record", r, p, m.force_carries[r], warn);
            continue;
        }
        if (t.point_mark[p] >= 0 && !cfg.spread_line_forces) continue;
        // on a line every interior node takes the record's whole load
        c.force_rows += place(t, g, p, texts::force_keypoint, out, [&](int node) {
            append_force(node, files::force, m.fx[p], m.fy[p]);
        });
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
