// Keypoints, common lines and line numbers: the numbering every node and
// boundary row of the mesh follows.
#include "topology.h"

#include <cassert>

#include "failure.h"
#include "scratch.h"
#include "shape.h"
#include "texts.h"

namespace {

// The area sides of every mid-side model point, in area and side order:
// sides of point p are side[start[p]] .. side[start[p + 1] - 1], each coded
// as 4 * area + side.
struct MidSides {
    int start[max_model_points + 1];
    int side[4 * max_areas];
};

int mid_of(const BlockModel& m, int area, int side) { return m.area_point[area][side_mid(side)]; }

void list_mid_sides(const BlockModel& m, MidSides& ms)
{
    for (int p = 0; p <= m.np; ++p) ms.start[p] = 0;
    for (int i = 0; i < m.ne; ++i)
        for (int s = 0; s < 4; ++s) ++ms.start[mid_of(m, i, s) + 1];
    for (int p = 0; p < m.np; ++p) ms.start[p + 1] += ms.start[p];
    int fill[max_model_points];
    for (int p = 0; p < m.np; ++p) fill[p] = ms.start[p];
    for (int i = 0; i < m.ne; ++i)
        for (int s = 0; s < 4; ++s) ms.side[fill[mid_of(m, i, s)]++] = 4 * i + s;
}

[[noreturn]] void refuse_area(int area, const std::string& what)
{
    fail(Status::input, files::data2d, strf("area record %d: %s", area + 1, what.c_str()));
}

// A side can be meshed once for two areas only when they meet along all of it.
void check_shared_sides(const BlockModel& m, const MidSides& ms)
{
    int met[max_model_points];
    for (int p = 0; p < m.np; ++p) met[p] = 0;
    for (int i = 0; i < m.ne; ++i)
        for (int s = 0; s < 4; ++s) {
            int mid = mid_of(m, i, s);
            int q = met[mid]++;
            if (q == 0) continue;
            int first = ms.side[ms.start[mid]], a = first / 4, as = first % 4;
            if (q >= 2) {
                int second = ms.side[ms.start[mid] + 1];
                refuse_area(i, strf("model point %d is the mid-side point of a third area side, after area "
                                    "records %d and %d: the areas overlap",
                                    mid + 1, a + 1, second / 4 + 1));
            }
            if (a == i)
                refuse_area(i, strf("sides %d and %d share the mid-side model point %d", as + 1, s + 1, mid + 1));
            int from = m.area_point[i][side_from[s]], to = m.area_point[i][side_to[s]];
            int from0 = m.area_point[a][side_from[as]], to0 = m.area_point[a][side_to[as]];
            bool same = (from == from0 && to == to0) || (from == to0 && to == from0);
            if (!same)
                refuse_area(i, strf("side %d shares the mid-side model point %d with side %d of area record %d "
                                    "but not its end corners",
                                    s + 1, mid + 1, as + 1, a + 1));
        }
}

void find_keypoints(const BlockModel& m, Topology& t)
{
    // point_mark is still 0 for every point that is not yet a keypoint
    t.key_count = 0;
    for (int i = 0; i < m.ne; ++i)
        for (int j = 0; j < 4; ++j) {
            int c = m.area_point[i][2 * j];
            if (t.point_mark[c] < 0) {
                t.area_key[i][j] = -t.point_mark[c] - 1;
                continue;
            }
            assert(t.key_count < max_keypoints);
            t.key_point[t.key_count] = c;
            t.area_key[i][j] = t.key_count;
            t.point_mark[c] = -(t.key_count + 1);
            ++t.key_count;
        }
}

// One entry for every side of a later area that has the same mid-side point.
void find_common_lines(const BlockModel& m, const MidSides& ms, Topology& t, bool* common_mid)
{
    int seen[max_model_points];
    for (int p = 0; p < m.np; ++p) {
        seen[p] = 0;
        common_mid[p] = false;
    }
    t.common_count = 0;
    for (int i = 0; i < m.ne; ++i) {
        for (int s = 0; s < 4; ++s) ++seen[mid_of(m, i, s)];
        for (int s = 0; s < 4; ++s) {
            int mid = mid_of(m, i, s);
            int later = ms.start[mid + 1] - ms.start[mid] - seen[mid];  // sides in areas after i
            for (int e = 0; e < later; ++e) {
                if (t.common_count == max_common_lines)
                    fail(Status::input, files::data2d,
                         strf("the areas share more than %d sides", max_common_lines));
                t.common_line[t.common_count++] = {mid, i, s};
                common_mid[mid] = true;
            }
        }
    }
}

void number_lines(const BlockModel& m, const MidSides& ms, const bool* common_mid, Topology& t)
{
    bool pending[max_areas][4];
    t.line_count = 0;
    for (int i = 0; i < m.ne; ++i)
        for (int s = 0; s < 4; ++s) {
            int mid = mid_of(m, i, s);
            t.area_shared[i][s] = pending[i][s] = common_mid[mid];
            t.area_reversed[i][s] = false;
            if (pending[i][s]) {
                t.area_line[i][s] = -mid;
                continue;
            }
            assert(t.line_count < max_lines);  // at most four sides per area
            t.point_mark[mid] = t.line_count;
            t.point_on_line[mid] = true;
            t.area_line[i][s] = t.line_count;
            t.line_side[t.line_count++] = {i, s};
        }

    t.shared_base = t.line_count;
    for (int e = 0; e < t.common_count; ++e) {
        const CommonLine& c = t.common_line[e];
        if (t.line_count == max_lines)
            fail(Status::input, files::data2d, strf("the block model needs more than %d lines", max_lines));
        const int g = t.shared_base + e;
        t.line_side[t.line_count] = {c.area, c.side};
        // the first pending side with this mid-side point in every area
        int last_area = -1;
        for (int q = ms.start[c.mid]; q < ms.start[c.mid + 1]; ++q) {
            int a = ms.side[q] / 4, s = ms.side[q] % 4;
            if (a == last_area || !pending[a][s]) continue;
            last_area = a;
            pending[a][s] = false;
            t.area_line[a][s] = g;
            // the line runs from its own side's first corner; a side that starts
            // at the other corner takes the line's nodes backwards
            t.area_reversed[a][s] = m.area_point[a][side_from[s]] != m.area_point[c.area][side_from[c.side]];
        }
        t.point_mark[c.mid] = g;
        t.point_on_line[c.mid] = true;
        ++t.line_count;
    }
#ifndef NDEBUG
    for (int i = 0; i < m.ne; ++i)
        for (int s = 0; s < 4; ++s) assert(!pending[i][s]);  // each shared side met its line
#endif
}

}  // namespace

void clear_marks(BlockModel& m, Topology& t)
{
    for (int p = 0; p < max_model_points; ++p) {
        m.ix[p] = m.iy[p] = 0;
        m.u[p] = m.v[p] = 0.0;
        t.point_mark[p] = 0;
        t.point_on_line[p] = false;
    }
}

void build_topology(const BlockModel& m, Topology& t)
{
    MidSides ms;
    list_mid_sides(m, ms);
    check_shared_sides(m, ms);
    find_keypoints(m, t);
    bool common_mid[max_model_points];
    find_common_lines(m, ms, t, common_mid);
    number_lines(m, ms, common_mid, t);
}

void write_keypoints(const BlockModel& m, const Topology& t, FILE* out)
{
    for (int k = 0; k < t.key_count; ++k) {
        int p = t.key_point[k];
        std::fprintf(out, texts::keypoint, k + 1, p + 1);
        const double xy[2] = {m.point_x[p], m.point_y[p]};
        append_node(k + 1, files::node, xy, 1, 2);
    }
}

void print_topology(const BlockModel& m, const Topology& t, FILE* out)
{
    for (int i = 0; i < m.ne; ++i) {
        const int* k = t.area_key[i];
        std::fprintf(out, texts::contained_area, i + 1, k[0] + 1, k[1] + 1, k[2] + 1, k[3] + 1);
    }

    std::fprintf(out, texts::common_head, t.common_count);
    for (int e = 0; e < t.common_count; ++e) {
        const CommonLine& c = t.common_line[e];
        std::fprintf(out, texts::common_entry, c.mid + 1, c.area + 1, c.side + 1);
    }
    std::fprintf(out, "\n");

    for (int i = 0; i < m.ne; ++i) {
        // before the shared lines are numbered, a shared side holds minus its mid-side point
        int l[4];
        for (int s = 0; s < 4; ++s) l[s] = t.area_shared[i][s] ? -mid_of(m, i, s) : t.area_line[i][s];
        std::fprintf(out, texts::init_area, i + 1, l[0] + 1, l[1] + 1, l[2] + 1, l[3] + 1);
    }

    std::fprintf(out, texts::total_lines, t.line_count);
    for (int g = 0; g < t.line_count; ++g)
        std::fprintf(out, texts::line_is, g + 1, t.line_side[g].area + 1, t.line_side[g].side + 1);
    std::fprintf(out, "%s", texts::lines_done);
    for (int i = 0; i < m.ne; ++i) {
        const int* l = t.area_line[i];
        std::fprintf(out, texts::area_is, i + 1, l[0] + 1, l[1] + 1, l[2] + 1, l[3] + 1);
    }
    std::fprintf(out, "%s", texts::areas_done);
}

void print_point_marks(const BlockModel& m, const Topology& t, FILE* out)
{
    for (int p = 0; p < m.np; ++p) std::fprintf(out, texts::number, t.point_mark[p]);
    std::fprintf(out, "\n");
}
