// brundel.txt and tombrel's nalvik.txt: header, nodes, the material set, triangles, boundary and load records.
#include "ebe_model.h"

#include <vector>

#include "model_checks.h"
#include "tri_element.h"

void subinput(Scanner& sc, EbeModel& m, LoadKind loads, FILE* echo)
{
    sc.at("header");
    m.np = sc.integer("the node count");
    m.nm = sc.integer("the material count");
    m.ne = sc.integer("the element count");
    m.nb = sc.integer("the boundary record count");
    m.nf = sc.integer("the load record count");
    std::fprintf(echo, "%d  %d  %d  %d  %d\n", m.np, m.nm, m.ne, m.nb, m.nf);
    check_header(sc, m.np, m.nm, m.ne, m.nb, m.nf, HeaderLimits{ebe_max_nodes, 0, ebe_max_elements});
    // without a material record the conductivity or the modulus would be 0
    if (m.nm == 0) sc.refuse("the model has no material record");

    for (int i = 0; i < m.np; ++i) {
        sc.at("node record", i + 1);
        sc.integer("the node number");
        m.xx[i] = sc.real("x");
        m.yy[i] = sc.real("y");
    }

    const bool heat = loads == LoadKind::heat;
    for (int i = 0; i < m.nm; ++i) {
        sc.at("material record", i + 1);
        int mno = sc.integer("the material number");
        // one material set: the last record wins
        m.ee = sc.real(heat ? "the conductivity" : "Young's modulus");
        m.pp = sc.real(heat ? "the second value" : "Poisson's ratio");
        m.hh = sc.real(heat ? "the third value" : "the thickness");
        std::fprintf(echo, "%d     %f %f %f\n", mno, m.ee, m.pp, m.hh);
    }

    static const char* const corner[3] = {"node 1", "node 2", "node 3"};
    for (int i = 0; i < m.ne; ++i) {
        sc.at("element", i + 1);
        sc.integer("the element number");
        for (int a = 0; a < 3; ++a) m.ndn[i][a] = node_number(sc, corner[a], m.np);
        m.ndn[i][3] = 0;
        sc.integer("the material");
    }

    for (int i = 0; i < m.nb; ++i) {
        sc.at("boundary record", i + 1);
        int n = node_number(sc, "the node", m.np);
        // a later record for the same node replaces the earlier one
        m.ix[n - 1] = sc.integer("the x flag");
        m.iy[n - 1] = sc.integer("the y flag");
        m.u[n - 1] = sc.real("the x value");
        m.v[n - 1] = sc.real("the y value");
        std::fprintf(echo, "%d    %d %d    %f %f\n", n - 1, m.ix[n - 1], m.iy[n - 1], m.u[n - 1], m.v[n - 1]);
    }

    for (int i = 0; i < m.nf; ++i) {
        sc.at("load record", i + 1);
        int n = node_number(sc, "the node", m.np);
        if (heat) {
            m.tf[n - 1] = sc.real("the heat input");
            sc.real("the second value");
            std::fprintf(echo, "%d    %f\n", n, m.tf[n - 1]);
        } else {
            m.tf[2 * n - 2] = sc.real("fx");
            m.tf[2 * n - 1] = sc.real("fy");
            std::fprintf(echo, "%d    %f %f\n", n, m.tf[2 * n - 2], m.tf[2 * n - 1]);
        }
    }
}

void check_unused_nodes(const EbeModel& m, const unsigned char* held, int dofs, const char* file)
{
    std::vector<unsigned char> used(m.np, 0);
    for (int e = 0; e < m.ne; ++e)
        for (int a = 0; a < 3; ++a) used[m.ndn[e][a] - 1] = 1;
    for (int i = 0; i < m.np; ++i) {
        if (used[i]) continue;
        if (dofs == 1 && !held[i])
            fail(Status::model, file, strf("node %d is in no element and its temperature is not fixed", i + 1));
        if (dofs == 2 && !(held[2 * i] && held[2 * i + 1]))
            fail(Status::model, file,
                 strf("node %d is in no element and is not held in %s", i + 1,
                      held[2 * i] ? "y" : held[2 * i + 1] ? "x" : "x and y"));
    }
}

double element_area(const EbeModel& m, int e, const char* file)
{
    double area = culcsfunc1(m.xx, m.yy, m.ndn, e);
    check_element_det(area, e, m.ndn[e], file);
    return area;
}
