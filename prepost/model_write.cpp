// Saving the model in memory to its model file.
#include "model_file.h"

#include "outfile.h"
#include "tables.h"

namespace {

// Why the model in memory cannot be saved to the file of element_mode, or
// "" when it can.
std::string save_refusal(const State& k)
{
    if (k.node_count == 0) return text::nothing_read;
    if (k.read_element_mode == 0) return text::nodes_cleared;
    if (k.read_element_mode != k.element_mode) return strf(text::other_mode, k.read_element_mode, k.element_mode);
    return "";
}

bool fixed(const Model& m, int i) { return m.fix_x[i] > 0 || m.fix_y[i] > 0; }

}  // namespace

void put_model(const Model& m, int k, FILE* fp)
{
    std::fprintf(fp, row::header, m.node_count, m.material_count, m.element_count, m.bound_count, m.node_count);
    for (int i = 0; i < m.node_count; ++i) std::fprintf(fp, row::node, i + 1, m.node_x[i], m.node_y[i]);
    for (int i = 0; i < m.material_count; ++i)
        std::fprintf(fp, row::material, i + 1, m.material_young[i], m.material_poisson[i], m.material_thickness[i]);
    for (int e = 0; e < m.element_count; ++e) {
        std::fprintf(fp, row::element_number, e + 1);
        for (int a = 0; a < k; ++a) std::fprintf(fp, row::element_node, m.element_nodes[k * e + a]);
        std::fprintf(fp, row::element_material, m.element_material[e]);
    }
    // a boundary record that fixes nothing is dropped
    for (int i = 0; i < m.node_count; ++i)
        if (fixed(m, i)) std::fprintf(fp, row::boundary, i + 1, m.fix_x[i], m.fix_y[i], m.fix_value_x[i], m.fix_value_y[i]);
    for (int i = 0; i < m.node_count; ++i)
        std::fprintf(fp, row::load, i + 1, m.node_force[2 * i], m.node_force[2 * i + 1]);
}

void write_model(State& k)
{
    const char* file = model_file_name(k.element_mode);
    const std::string refusal = save_refusal(k);
    if (!refusal.empty()) {
        report_failure(text::program, Failure(Status::output, file, refusal));
        return;
    }
    k.bound_count = 0;
    for (int i = 0; i < k.node_count; ++i) k.bound_count += fixed(k, i);
    try {
        OutFile out(file);
        put_model(k, k.element_mode, out.fp());
        out.commit();
    } catch (const Failure& f) {
        report_failure(text::program, f);
        return;
    }
    std::printf("%s", k.element_mode == 8 ? text::write_data2d : text::write_nalvik);
}
