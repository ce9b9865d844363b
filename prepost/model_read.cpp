// Reading the model file into the model in memory.
#include <cassert>

#include "model_checks.h"
#include "model_file.h"
#include "single_real.h"
#include "tables.h"

namespace {

// The tables a file is read into before the model in memory takes them:
// fixed for the whole run, like the state's own.
Model& staging()
{
    static Model m;
    return m;
}

}  // namespace

const char* model_file_name(int element_mode) { return element_mode == 8 ? data2d_file : nalvik_file; }

bool read_model(State& k, int nodes_per_element)
{
    const char* file = model_file_name(nodes_per_element);
    std::printf("%s", nodes_per_element == 8 ? text::input_data2d : text::input_nalvik);
    try {
        Scanner sc = Scanner::open(file);
        read_model_text(k, sc, nodes_per_element, stdout);
    } catch (const Failure& f) {
        report_failure(text::program, f);
        return false;
    }
    return true;
}

void read_model_text(Model& m, Scanner& sc, int nodes_per_element, FILE* echo)
{
    const int k = nodes_per_element;
    assert(k == 8 || k == 3 || k == 4);
    Model& s = staging();

    sc.at("header");
    s.node_count = sc.integer("the node count");
    s.material_count = sc.integer("the material count");
    s.element_count = sc.integer("the element count");
    s.bound_count = sc.integer("the boundary record count");
    s.load_count = sc.integer("the load record count");
    std::fprintf(echo, text::echo_header, s.node_count, s.material_count, s.element_count, s.bound_count,
                 s.load_count);
    check_header(sc, s.node_count, s.material_count, s.element_count, s.bound_count, s.load_count,
                 HeaderLimits{max_nodes, max_materials, max_element_entries / k});
    if (s.load_count > max_force_pairs)
        sc.refuse(strf("the load record count %d is over the limit of %d", s.load_count, max_force_pairs));

    for (int i = 0; i < s.node_count; ++i) {
        sc.at("node record", i + 1);
        sc.integer("the node number");
        s.node_x[i] = single(sc, "x");
        s.node_y[i] = single(sc, "y");
        // no z is read, and a node without boundary or load record is free and unloaded
        s.node_z[i] = 0;
        s.fix_x[i] = s.fix_y[i] = s.fix_z[i] = 0;
        s.fix_value_x[i] = s.fix_value_y[i] = s.fix_value_z[i] = 0;
        s.node_force[2 * i] = s.node_force[2 * i + 1] = 0;
    }

    for (int i = 0; i < s.material_count; ++i) {
        sc.at("material record", i + 1);
        const int number = sc.integer("the material number");
        s.material_young[i] = single(sc, "Young's modulus");
        s.material_poisson[i] = single(sc, "Poisson's ratio");
        s.material_thickness[i] = single(sc, "the thickness");
        // the pick force takes the last set
        s.young = s.material_young[i];
        s.poisson = s.material_poisson[i];
        s.thickness = s.material_thickness[i];
        std::fprintf(echo, text::echo_material, number, s.young, s.poisson, s.thickness);
    }

    static const char* const corner[8] = {"node 1", "node 2", "node 3", "node 4",
                                          "node 5", "node 6", "node 7", "node 8"};
    for (int i = 0; i < s.element_count; ++i) {
        sc.at("element", i + 1);
        sc.integer("the element number");
        for (int a = 0; a < k; ++a) s.element_nodes[k * i + a] = node_number(sc, corner[a], s.node_count);
        // kept as read: korvanta only writes it back
        s.element_material[i] = sc.integer("the material");
    }

    for (int i = 0; i < s.bound_count; ++i) {
        sc.at("boundary record", i + 1);
        const int n = node_number(sc, "the node", s.node_count);
        // a later record for the same node replaces the earlier one
        s.fix_x[n - 1] = sc.integer("the x flag");
        s.fix_y[n - 1] = sc.integer("the y flag");
        s.fix_z[n - 1] = 0;
        s.fix_value_x[n - 1] = single(sc, "the x value");
        s.fix_value_y[n - 1] = single(sc, "the y value");
        s.fix_value_z[n - 1] = 0;
        std::fprintf(echo, text::echo_boundary, n, s.fix_x[n - 1], s.fix_y[n - 1], s.fix_z[n - 1],
                     s.fix_value_x[n - 1], s.fix_value_y[n - 1], s.fix_value_z[n - 1]);
    }

    for (int i = 0; i < s.load_count; ++i) {
        sc.at("load record", i + 1);
        const int n = node_number(sc, "the node", s.node_count);
        s.node_force[2 * n - 2] = single(sc, "fx");
        s.node_force[2 * n - 1] = single(sc, "fy");
        std::fprintf(echo, text::echo_load, n, s.node_force[2 * n - 2], s.node_force[2 * n - 1]);
    }

    // the whole file is good: the model in memory takes it
    s.read_element_mode = k;
    m = s;
}
