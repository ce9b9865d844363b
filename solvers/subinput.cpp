// nalvik.txt: header, nodes, materials, elements, boundary and load records.
#include "subinput.h"

#include "model_checks.h"

void clear_conditions(Structure& s)
{
    for (int i = 0; i < max_nodes; ++i) {
        s.ix[i] = s.iy[i] = 0;
        s.u[i] = s.v[i] = 0.0;
    }
    for (int i = 0; i < max_equations; ++i) s.tf[i] = 0.0;
}

void read_structure(Scanner& sc, Structure& s, int k, FILE* echo)
{
    clear_conditions(s);
    s.k = k;
    subinput(sc, s, echo);
    for (int i = 0; i < s.dimk; ++i) s.solve[i] = 0.0;
}

void subinput(Scanner& sc, Structure& s, FILE* echo)
{
    const bool quad = s.k == 4;
    sc.at("header");
    // nalvik_quad echoes each value as soon as it has it, so read in the same rhythm
    s.np = sc.integer("the node count");
    if (quad) std::fprintf(echo, "%d\t", s.np);
    s.nm = sc.integer("the material count");
    if (quad) std::fprintf(echo, "%d\t", s.nm);
    s.ne = sc.integer("the element count");
    if (quad) std::fprintf(echo, "%d\t", s.ne);
    s.nb = sc.integer("the boundary record count");
    if (quad) std::fprintf(echo, "%d\t", s.nb);
    s.nf = sc.integer("the load record count");
    if (quad)
        std::fprintf(echo, "%d\n", s.nf);
    else
        std::fprintf(echo, "%d  %d  %d  %d  %d\n", s.np, s.nm, s.ne, s.nb, s.nf);

    check_header(sc, s.np, s.nm, s.ne, s.nb, s.nf, HeaderLimits{max_nodes, max_materials, max_elements});

    for (int i = 0; i < s.np; ++i) {
        sc.at("node record", i + 1);
        int nno = sc.integer("the node number");
        if (quad) std::fprintf(echo, "%d\t", nno);
        s.xx[i] = sc.real("x");
        if (quad) std::fprintf(echo, "%f\t", s.xx[i]);
        s.yy[i] = sc.real("y");
        if (quad) std::fprintf(echo, "%f\n", s.yy[i]);
    }
    s.dimk = 2 * s.np;

    for (int i = 0; i < s.nm; ++i) {
        sc.at("material record", i + 1);
        int mno = sc.integer("the material number");
        if (quad) std::fprintf(echo, "%d\t", mno);
        s.ee[i] = sc.real("Young's modulus");
        if (quad) std::fprintf(echo, "%e\t", s.ee[i]);
        s.pp[i] = sc.real("Poisson's ratio");
        if (quad) std::fprintf(echo, "%f\t", s.pp[i]);
        s.hh[i] = sc.real("the thickness");
        if (quad)
            std::fprintf(echo, "%f\n", s.hh[i]);
        else
            std::fprintf(echo, "%d     %f %f %f\n", mno, s.ee[i], s.pp[i], s.hh[i]);
    }

    static const char* const corner[4] = {"node 1", "node 2", "node 3", "node 4"};
    for (int i = 0; i < s.ne; ++i) {
        sc.at("element", i + 1);
        sc.integer("the element number");
        if (quad) std::fprintf(echo, "%d\t", i + 1);
        for (int a = 0; a < s.k; ++a) {
            s.ndn[i][a] = node_number(sc, corner[a], s.np);
            if (quad) std::fprintf(echo, "%d\t", s.ndn[i][a]);
        }
        s.im[i] = sc.integer("the material");
        if (s.im[i] < 1 || s.im[i] > s.nm) sc.refuse(strf("material %d is not in 1..%d", s.im[i], s.nm));
        if (quad)
            std::fprintf(echo, "%d\n", s.im[i]);
        else
            std::fprintf(echo, "%d     %d %d %d    %d\n", i + 1, s.ndn[i][0], s.ndn[i][1], s.ndn[i][2], s.im[i]);
    }

    for (int i = 0; i < s.nb; ++i) {
        sc.at("boundary record", i + 1);
        int n = node_number(sc, "the node", s.np);
        if (quad) std::fprintf(echo, "%d\t", n);
        // a later record for the same node replaces the earlier one
        s.ix[n - 1] = sc.integer("the x flag");
        if (quad) std::fprintf(echo, "%d\t", s.ix[n - 1]);
        s.iy[n - 1] = sc.integer("the y flag");
        if (quad) std::fprintf(echo, "%d\t", s.iy[n - 1]);
        s.u[n - 1] = sc.real("the x value");
        if (quad) std::fprintf(echo, "%f\t", s.u[n - 1]);
        s.v[n - 1] = sc.real("the y value");
        if (quad)
            std::fprintf(echo, "%f\n", s.v[n - 1]);
        else
            std::fprintf(echo, "%d    %d %d    %f %f\n", n, s.ix[n - 1], s.iy[n - 1], s.u[n - 1], s.v[n - 1]);
    }

    for (int i = 0; i < s.nf; ++i) {
        sc.at("load record", i + 1);
        int n = node_number(sc, "the node", s.np);
        if (quad) std::fprintf(echo, "%d\t", n);
        s.tf[2 * n - 2] = sc.real("fx");
        if (quad) std::fprintf(echo, "%f\t", s.tf[2 * n - 2]);
        s.tf[2 * n - 1] = sc.real("fy");
        if (quad)
            std::fprintf(echo, "%f\n", s.tf[2 * n - 1]);
        else
            std::fprintf(echo, "%d    %f %f\n", n, s.tf[2 * n - 2], s.tf[2 * n - 1]);
    }
}
