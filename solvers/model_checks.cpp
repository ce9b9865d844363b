// Header counts against the limits of the reader's tables, node numbers against the node count, elements without area.
#include "model_checks.h"

#include <cmath>

void check_header(Scanner& sc, int np, int nm, int ne, int nb, int nf, HeaderLimits limits)
{
    struct Limit { int n; const char* what; int limit; };
    const Limit counts[] = {
        {np, "node count", limits.nodes},
        {nm, "material count", limits.materials},
        {ne, "element count", limits.elements},
        {nb, "boundary record count", 0},
        {nf, "load record count", 0},
    };
    for (const Limit& l : counts) {
        if (l.n < 0) sc.refuse(strf("the %s is negative (%d)", l.what, l.n));
        if (l.limit > 0 && l.n > l.limit)
            sc.refuse(strf("the %s %d is over the limit of %d", l.what, l.n, l.limit));
    }
    if (np == 0) sc.refuse("the model has no nodes");
}

int node_number(Scanner& sc, const char* field, int np)
{
    int n = sc.integer(field);
    check_node_number(sc, n, np);
    return n;
}

void check_node_number(const Scanner& sc, int n, int np)
{
    if (n < 1 || n > np) sc.refuse(strf("node %d is not in 1..%d", n, np));
}

void check_element_det(double det, int e, const int* nodes, const char* file)
{
    if (det == 0.0 || !std::isfinite(det))
        fail(Status::model, file,
             strf("element %d: nodes %d %d %d enclose no area", e + 1, nodes[0], nodes[1], nodes[2]));
}
