// gresolt.txt: header, nodes, the material set, triangles, prescribed velocities and fixed pressures, echoed value by value.
#include "flow_model.h"

#include <vector>

#include "model_checks.h"

namespace {

// Each value is echoed as soon as it is read, so that the console shows how
// far a broken file was read.
struct Echo {
    Scanner& sc;
    FILE* out;

    int integer(const char* field, const char* form)
    {
        int n = sc.integer(field);
        std::fprintf(out, form, n);
        return n;
    }
    double real(const char* field, const char* form)
    {
        double x = sc.real(field);
        std::fprintf(out, form, x);
        return x;
    }
    int node(const char* field, const char* form, int np)
    {
        int n = integer(field, form);
        check_node_number(sc, n, np);
        return n;
    }
};

}  // namespace

void flow_read(Scanner& sc, FlowModel& m, FILE* echo)
{
    Echo in{sc, echo};
    sc.at("header");
    m.np = in.integer("the node count", "%d\t");
    m.nm = in.integer("the material count", "%d\t");
    m.ne = in.integer("the element count", "%d\t");
    m.nb = in.integer("the boundary record count", "%d\t");
    m.nf = in.integer("the load record count", "%d\n");
    check_header(sc, m.np, m.nm, m.ne, m.nb, m.nf, HeaderLimits{flow_max_nodes, 0, flow_max_elements});
    if (m.nm == 0) sc.refuse("the model has no material record, so no Reynolds number");
    // a pressure equation with no fixed value has no unique solution
    if (m.nf == 0) sc.refuse("the model has no load record, so no pressure is fixed", Status::model);

    for (int i = 0; i < m.np; ++i) {
        sc.at("node record", i + 1);
        in.integer("the node number", "%d\t");
        m.xx[i] = in.real("x", "%f\t");
        m.yy[i] = in.real("y", "%f\n");
    }

    for (int i = 0; i < m.nm; ++i) {
        sc.at("material record", i + 1);
        in.integer("the material number", "%d\t");
        // one material set: the last record wins
        m.ee = in.real("the first value", "%e\t");
        m.pp = in.real("the second value", "%f\t");
        m.hh = in.real("the Reynolds number", "%f\n");
    }
    // the viscous terms divide by it
    if (!(m.hh > 0.0)) sc.refuse(strf("the Reynolds number must be above zero, found %g", m.hh));

    static const char* const corner[3] = {"node 1", "node 2", "node 3"};
    for (int i = 0; i < m.ne; ++i) {
        sc.at("element", i + 1);
        sc.integer("the element number");
        std::fprintf(echo, "%d\t", i + 1);
        for (int a = 0; a < 3; ++a) m.ndn[i][a] = in.node(corner[a], "%d\t", m.np);
        in.integer("the material", "%d\n");
    }

    for (int i = 0; i < m.nb; ++i) {
        sc.at("boundary record", i + 1);
        int n = in.node("the node", "%d\t", m.np) - 1;
        // a later record for the same node replaces the earlier one
        m.ix[n] = in.integer("the u flag", "%d\t");
        m.iy[n] = in.integer("the v flag", "%d\t");
        m.u[n] = in.real("u", "%f\t");
        m.v[n] = in.real("v", "%f\n");
    }

    for (int i = 0; i < m.nf; ++i) {
        sc.at("load record", i + 1);
        int n = in.node("the node", "%d\t", m.np) - 1;
        m.pflag[n] = 1;
        m.pfix[n] = in.real("the pressure", "%f\n");
        sc.real("the second value");
    }
}

void check_pressure_held(const FlowModel& m, const char* file)
{
    // parts of the mesh by union-find over the nodes, each part led by its lowest node
    std::vector<int> lead(m.np);
    for (int i = 0; i < m.np; ++i) lead[i] = i;
    auto find = [&](int i) {
        while (lead[i] != i) i = lead[i] = lead[lead[i]];
        return i;
    };
    for (int e = 0; e < m.ne; ++e)
        for (int k = 1; k < 3; ++k) {
            int a = find(m.ndn[e][0] - 1), b = find(m.ndn[e][k] - 1);
            if (a < b) lead[b] = a;
            else lead[a] = b;
        }
    std::vector<unsigned char> held(m.np, 0);
    for (int i = 0; i < m.np; ++i)
        if (m.pflag[i]) held[find(i)] = 1;
    for (int i = 0; i < m.np; ++i)
        if (find(i) == i && !held[i])
            fail(Status::model, file,
                 strf("no pressure is fixed in the part of the mesh that holds node %d: its pressure equation "
                      "has no solution",
                      i + 1));
}
