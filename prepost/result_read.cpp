// Reading the nodal result files and fixing the contour levels.
#include <algorithm>
#include <cassert>
#include <cmath>

#include "result_file.h"
#include "single_real.h"
#include "tables.h"

static_assert(3 * max_nodes <= max_value_entries, "a triple per node must fit the result table");

namespace {

// The rows of a file are read here before the results in memory take them:
// fixed for the whole run, like the state's own.
NodeResults& staging()
{
    static NodeResults r;
    return r;
}

// The equivalent value of a stress or strain triple, in double precision:
// sqrt(0.5 ((a - b)^2 + b^2 + a^2) + 3 c^2), 1 for (1, 0, 0), sqrt(3) for (0, 0, 1).
float equivalent(double a, double b, double c)
{
    return static_cast<float>(std::sqrt(0.5 * ((a - b) * (a - b) + b * b + a * a) + 3 * c * c));
}

}  // namespace

bool read_node_results(State& k, int type, int kind)
{
    assert(type >= 0 && type < result_type_count);
    const ResultFile& f = result_file[type];
    k.result_source = 1;
    std::printf("%s", f.console);
    std::printf(text::result_choice, type, kind);
    try {
        Scanner sc = Scanner::open(f.file);
        read_results_text(k, sc, type, kind, k.node_count, stdout);
    } catch (const Failure& failure) {
        report_failure(text::program, failure);
        k.results_shown = 0;  // no contours rather than contours of another file
        return false;
    }
    return true;
}

void read_results_text(NodeResults& r, Scanner& sc, int type, int kind, int node_count, FILE* echo)
{
    assert(type >= 0 && type < result_type_count);
    assert(kind >= 0 && kind < result_kind_count && !(type == 0 && kind == 3));
    assert(node_count >= 0 && node_count <= max_nodes);
    const ResultFile& f = result_file[type];
    const int n = f.values;
    if (node_count == 0) sc.refuse(text::no_nodes_for_results);

    NodeResults& s = staging();
    for (int i = 0; i < node_count; ++i) {
        sc.at("row", i + 1);
        sc.integer("the node number");  // rows are taken by position
        std::fprintf(echo, text::echo_node, i + 1);
        for (int j = 0; j < n; ++j) {
            s.result_values[n * i + j] = single(sc, f.field[j]);
            std::fprintf(echo, j + 1 < n ? text::echo_value : text::echo_last_value, s.result_values[n * i + j]);
        }
    }

    if (type == 0) {
        s.max_disp = 0;
        for (int i = 0; i < node_count; ++i) {
            const double ux = s.result_values[2 * i], uy = s.result_values[2 * i + 1];
            const float m = static_cast<float>(std::sqrt(ux * ux + uy * uy));
            s.node_scalar[i] = kind == 1 ? s.result_values[2 * i] : kind == 2 ? s.result_values[2 * i + 1] : m;
            if (m > s.max_disp) s.max_disp = m;
        }
    } else {
        for (int i = 0; i < node_count; ++i) {
            const float* v = &s.result_values[3 * i];
            s.node_scalar[i] = kind == 0 ? equivalent(v[0], v[1], v[2]) : v[kind - 1];
        }
    }

    // the whole file is good: the results in memory take it; a stress or
    // strain file keeps the deformed shape's scale of the last displacements
    std::copy(s.result_values, s.result_values + n * node_count, r.result_values);
    std::copy(s.node_scalar, s.node_scalar + node_count, r.node_scalar);
    if (type == 0) r.max_disp = s.max_disp;
}

void compute_contour_levels(State& k)
{
    const int n = k.node_count;
    float lo = k.node_scalar[0], hi = k.node_scalar[0];
    for (int i = 1; i < n; ++i) {
        if (k.node_scalar[i] < lo) lo = k.node_scalar[i];
        if (k.node_scalar[i] > hi) hi = k.node_scalar[i];
    }
    const float step = (hi - lo) * 0.125f;
    for (int d = 0; d < level_count; ++d) k.contour_level[d] = static_cast<float>(d) * step + lo;
    // the ends exactly, whatever the rounding of the steps
    k.contour_level[0] = lo;
    k.contour_level[level_count - 1] = hi;
    std::printf(text::level_range, lo, hi);
}
