// data2d.txt: header, model points, materials, areas, boundary and load records.
#include "data2d.h"

namespace {

int echo_int(Scanner& sc, const char* field, FILE* echo, const char* form = texts::echo_int)
{
    int v = sc.integer(field);
    std::fprintf(echo, form, v);
    return v;
}

double echo_real(Scanner& sc, const char* field, FILE* echo, const char* form = texts::echo_real)
{
    double v = sc.real(field);
    std::fprintf(echo, form, v);
    return v;
}

// The 0-based model point of a number in the file, echoed as read.
int model_point(Scanner& sc, const char* field, int np, FILE* echo)
{
    int p = echo_int(sc, field, echo);
    if (p < 1 || p > np) sc.refuse(strf("model point %d is not in 1..%d", p, np));
    return p - 1;
}

void check_count(Scanner& sc, const char* what, int n, int limit)
{
    if (n < 0) sc.refuse(strf("the %s is negative (%d)", what, n));
    if (n > limit) sc.refuse(strf("the %s %d is over the limit of %d", what, n, limit));
}

}  // namespace

void read_data2d(Scanner& sc, BlockModel& m, const MeshConfig& cfg, FILE* echo)
{
    sc.at("header");
    m.np = echo_int(sc, "the model point count", echo);
    m.nm = echo_int(sc, "the material count", echo);
    m.ne = echo_int(sc, "the area count", echo);
    m.nb = echo_int(sc, "the boundary record count", echo);
    m.nf = echo_int(sc, "the load record count", echo, texts::echo_int_last);
    check_count(sc, "model point count", m.np, max_model_points);
    check_count(sc, "material count", m.nm, max_block_materials);
    check_count(sc, "area count", m.ne, max_areas);
    check_count(sc, "boundary record count", m.nb, max_bc_records);
    check_count(sc, "load record count", m.nf, max_force_records);

    for (int i = 0; i < m.np; ++i) {
        sc.at("model point record", i + 1);
        echo_int(sc, "the model point number", echo);
        m.point_x[i] = echo_real(sc, "x", echo);
        m.point_y[i] = echo_real(sc, "y", echo, texts::echo_real_last);
    }

    for (int i = 0; i < m.nm; ++i) {
        sc.at("material record", i + 1);
        // with a single material every record overwrites the one set
        int k = cfg.single_material ? 0 : i;
        echo_int(sc, "the material number", echo);
        m.ee[k] = echo_real(sc, "Young's modulus", echo, texts::echo_exp);
        m.pp[k] = echo_real(sc, "Poisson's ratio", echo);
        m.hh[k] = echo_real(sc, "the thickness", echo, texts::echo_real_last);
    }

    static const char* const point_field[8] = {"point 1", "point 2", "point 3", "point 4",
                                               "point 5", "point 6", "point 7", "point 8"};
    for (int i = 0; i < m.ne; ++i) {
        sc.at("area record", i + 1);
        echo_int(sc, "the area number", echo);
        for (int k = 0; k < 8; ++k) m.area_point[i][k] = model_point(sc, point_field[k], m.np, echo);
        int mat = echo_int(sc, "the material", echo, texts::echo_int_last);
        // the elements carry the area's material, and the solvers rely on it
        // naming a material record; a single material set makes it moot
        if (!cfg.single_material) {
            if (mat < 1 || mat > m.nm) sc.refuse(strf("material %d is not in 1..%d", mat, m.nm));
            m.area_mat[i] = mat;
        }
    }

    for (int i = 0; i < m.nb; ++i) {
        sc.at("boundary record", i + 1);
        int p = model_point(sc, "the model point", m.np, echo);
        m.bc_point[i] = p;
        m.ix[p] = echo_int(sc, "the x flag", echo);
        m.iy[p] = echo_int(sc, "the y flag", echo);
        m.u[p] = echo_real(sc, "the x value", echo);
        m.v[p] = echo_real(sc, "the y value", echo, texts::echo_real_last);
        m.bc_carries[i] = m.ix[p] != 0 || m.iy[p] != 0 || m.u[p] != 0 || m.v[p] != 0;
    }

    for (int i = 0; i < m.nf; ++i) {
        sc.at("load record", i + 1);
        int p = model_point(sc, "the model point", m.np, echo);
        m.force_point[i] = p;
        m.fx[p] = echo_real(sc, "the x load", echo);
        m.fy[p] = echo_real(sc, "the y load", echo, texts::echo_real_last);
        m.force_carries[i] = m.fx[p] != 0 || m.fy[p] != 0;
    }
}
