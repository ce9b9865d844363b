// Reading the scratch files back and writing the solver input.
#include "assemble.h"

#include "outfile.h"
#include "texts.h"

namespace {

// A field of a scratch row: its name in refusals, its kind, and its form in
// the solver input (a row's last field ends the line).
struct Field {
    const char* name;
    bool real;
    const char* form;
};

using namespace solver_input;
static constexpr Field node_row[] = {{"the node number", false, count}, {"x", true, exp}, {"y", true, exp_last}};
static constexpr Field material_row[] = {{"the material number", false, count},
                                         {"Young's modulus", true, exp},
                                         {"Poisson's ratio", true, fixed},
                                         {"the thickness", true, fixed_last}};
static constexpr Field triangle_row[] = {{"the element number", false, count}, {"node 1", false, count},
                                         {"node 2", false, count},             {"node 3", false, count},
                                         {"the material", false, count_last}};
static constexpr Field quad_row[] = {{"the element number", false, count}, {"node 1", false, count},
                                     {"node 2", false, count},             {"node 3", false, count},
                                     {"node 4", false, count},             {"the material", false, count_last}};
static constexpr Field bound_row[] = {{"the node", false, count},     {"the x flag", false, count},
                                      {"the y flag", false, count},   {"the x value", true, fixed},
                                      {"the y value", true, fixed_last}};
static constexpr Field force_row[] = {{"the node", false, count}, {"the x load", true, fixed},
                                      {"the y load", true, fixed_last}};

struct RowKind {
    const Field* fields;
    int n;
};
template <size_t N>
constexpr RowKind kind(const Field (&f)[N])
{
    return {f, static_cast<int>(N)};
}

void read_rows(Scanner& sc, const char* record, int rows, RowKind k, std::vector<ScratchValue>& to)
{
    for (int r = 0; r < rows; ++r) {
        sc.at(record, r + 1);
        for (int j = 0; j < k.n; ++j) {
            const Field& f = k.fields[j];
            if (f.real)
                to.push_back({true, 0, sc.real(f.name)});
            else
                to.push_back({false, sc.integer(f.name), 0.0});
        }
    }
}

// Writes the values in rows of the kind's fields; returns the values used.
size_t write_rows(FILE* fp, int rows, RowKind k, const std::vector<ScratchValue>& from, size_t at = 0)
{
    for (int r = 0; r < rows; ++r)
        for (int j = 0; j < k.n; ++j, ++at) {
            if (from[at].real)
                std::fprintf(fp, k.fields[j].form, from[at].r);
            else
                std::fprintf(fp, k.fields[j].form, from[at].i);
        }
    return at;
}

int read_count(Scanner& sc, const char* what)
{
    int n = sc.integer(what);
    if (n < 0) sc.refuse(strf("%s is negative (%d)", what, n));
    return n;
}

RowKind element_kind(int mesh_type) { return mesh_type == 0 ? kind(triangle_row) : kind(quad_row); }

}  // namespace

void read_init(Scanner& sc, ScratchMesh& s)
{
    sc.at("counts");
    s.np = read_count(sc, "the node count");
    s.nm = read_count(sc, "the material count");
    s.ne = read_count(sc, "the element count");
    s.nb = read_count(sc, "the boundary row count");
    s.nf = read_count(sc, "the force row count");
}

void read_nodes(Scanner& sc, ScratchMesh& s) { read_rows(sc, "node row", s.np, kind(node_row), s.nodes); }

void read_elements(Scanner& sc, int mesh_type, ScratchMesh& s)
{
    read_rows(sc, "material line", s.nm, kind(material_row), s.materials);
    read_rows(sc, "element row", s.ne, element_kind(mesh_type), s.elements);
}

void read_bounds(Scanner& sc, ScratchMesh& s) { read_rows(sc, "row", s.nb, kind(bound_row), s.bounds); }

void read_forces(Scanner& sc, ScratchMesh& s) { read_rows(sc, "row", s.nf, kind(force_row), s.forces); }

void write_solver_input(FILE* fp, int mesh_type, const ScratchMesh& s)
{
    std::fprintf(fp, count, s.np);
    std::fprintf(fp, count, s.nm);
    std::fprintf(fp, count, s.ne);
    std::fprintf(fp, count, s.nb);
    std::fprintf(fp, count_last, s.nf);
    write_rows(fp, s.np, kind(node_row), s.nodes);
    write_rows(fp, s.nm, kind(material_row), s.materials);
    write_rows(fp, s.ne, element_kind(mesh_type), s.elements);
    write_rows(fp, s.nb, kind(bound_row), s.bounds);
    write_rows(fp, s.nf, kind(force_row), s.forces);
}

void assemble_solver_input(const MeshConfig& cfg, int mesh_type, FILE* out)
{
    ScratchMesh s;
    struct Step { const char* file; void (*read)(Scanner&, int, ScratchMesh&); };
    static constexpr Step steps[] = {
        {files::init, [](Scanner& sc, int, ScratchMesh& m) { read_init(sc, m); }},
        {files::node, [](Scanner& sc, int, ScratchMesh& m) { read_nodes(sc, m); }},
        {files::element, read_elements},
        {files::bound, [](Scanner& sc, int, ScratchMesh& m) { read_bounds(sc, m); }},
        {files::force, [](Scanner& sc, int, ScratchMesh& m) { read_forces(sc, m); }},
    };
    for (const Step& st : steps) {
        Scanner sc = Scanner::open(st.file, temp_name(st.file));
        st.read(sc, mesh_type, s);
        std::fprintf(out, texts::end_file, st.file);
    }
    OutFile f(cfg.output_file);
    write_solver_input(f.fp(), mesh_type, s);
    f.commit();
}
