// Reading the scratch files back and writing the solver input.
#include "assemble.h"

#include "outfile.h"
#include "texts.h"

namespace {

int read_count(Scanner& sc, const char* what)
{
    int n = sc.integer(what);
    if (n < 0) sc.refuse(strf("%s is negative (%d)", what, n));
    return n;
}

void put(FILE* fp, const char* form, int v) { std::fprintf(fp, form, v); }
void put(FILE* fp, const char* form, double v) { std::fprintf(fp, form, v); }

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

void read_nodes(Scanner& sc, ScratchMesh& s)
{
    for (int i = 0; i < s.np; ++i) {
        sc.at("node row", i + 1);
        s.node_no.push_back(sc.integer("the node number"));
        s.node_xy.push_back(sc.real("x"));
        s.node_xy.push_back(sc.real("y"));
    }
}

void read_elements(Scanner& sc, int mesh_type, ScratchMesh& s)
{
    for (int i = 0; i < s.nm; ++i) {
        sc.at("material line", i + 1);
        s.mat_no.push_back(sc.integer("the material number"));
        s.mat.push_back(sc.real("Young's modulus"));
        s.mat.push_back(sc.real("Poisson's ratio"));
        s.mat.push_back(sc.real("the thickness"));
    }
    static const char* const field[6] = {"the element number", "node 1", "node 2", "node 3", "node 4", "the material"};
    const int width = mesh_type == 0 ? 5 : 6;
    for (int i = 0; i < s.ne; ++i) {
        sc.at("element row", i + 1);
        for (int k = 0; k < width; ++k) s.elem.push_back(sc.integer(k == width - 1 ? field[5] : field[k]));
    }
}

void read_bounds(Scanner& sc, ScratchMesh& s)
{
    for (int i = 0; i < s.nb; ++i) {
        sc.at("row", i + 1);
        s.bound_i.push_back(sc.integer("the node"));
        s.bound_i.push_back(sc.integer("the x flag"));
        s.bound_i.push_back(sc.integer("the y flag"));
        s.bound_v.push_back(sc.real("the x value"));
        s.bound_v.push_back(sc.real("the y value"));
    }
}

void read_forces(Scanner& sc, ScratchMesh& s)
{
    for (int i = 0; i < s.nf; ++i) {
        sc.at("row", i + 1);
        s.force_no.push_back(sc.integer("the node"));
        s.force_v.push_back(sc.real("the x load"));
        s.force_v.push_back(sc.real("the y load"));
    }
}

void write_solver_input(FILE* fp, int mesh_type, const ScratchMesh& s)
{
    using namespace solver_input;
    const int header[5] = {s.np, s.nm, s.ne, s.nb, s.nf};
    for (int k = 0; k < 5; ++k) put(fp, k < 4 ? count : count_last, header[k]);

    for (int i = 0; i < s.np; ++i) {
        put(fp, count, s.node_no[i]);
        put(fp, exp, s.node_xy[2 * i]);
        put(fp, exp_last, s.node_xy[2 * i + 1]);
    }
    for (int i = 0; i < s.nm; ++i) {
        put(fp, count, s.mat_no[i]);
        put(fp, exp, s.mat[3 * i]);
        put(fp, fixed, s.mat[3 * i + 1]);
        put(fp, fixed_last, s.mat[3 * i + 2]);
    }
    const int width = mesh_type == 0 ? 5 : 6;
    for (int i = 0; i < s.ne; ++i)
        for (int k = 0; k < width; ++k) put(fp, k < width - 1 ? count : count_last, s.elem[width * i + k]);
    for (int i = 0; i < s.nb; ++i) {
        for (int k = 0; k < 3; ++k) put(fp, count, s.bound_i[3 * i + k]);
        put(fp, fixed, s.bound_v[2 * i]);
        put(fp, fixed_last, s.bound_v[2 * i + 1]);
    }
    for (int i = 0; i < s.nf; ++i) {
        put(fp, count, s.force_no[i]);
        put(fp, fixed, s.force_v[2 * i]);
        put(fp, fixed_last, s.force_v[2 * i + 1]);
    }
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
        Scanner sc = Scanner::open(st.file);
        st.read(sc, mesh_type, s);
        std::fprintf(out, texts::end_file, st.file);
    }
    OutFile f(cfg.output_file);
    write_solver_input(f.fp(), mesh_type, s);
    f.commit();
}
