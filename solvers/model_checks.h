// Checks shared by the readers of the model-file family: header counts and node numbers.
#pragma once
#include "scan.h"

// Table limits of one reader; 0 where a count has none.
struct HeaderLimits {
    int nodes, materials, elements;
};

// Refuses, at the scanner's current record, a count that is negative or over
// its limit, and a model without nodes.
void check_header(Scanner& sc, int np, int nm, int ne, int nb, int nf, HeaderLimits limits);

// Reads a node number and refuses one outside 1..np.
int node_number(Scanner& sc, const char* field, int np);
