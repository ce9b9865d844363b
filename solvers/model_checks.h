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
// Refuses a node number n, already read (and echoed), outside 1..np.
void check_node_number(const Scanner& sc, int n, int np);

// Refuses element e (0-based), with the given 1-based nodes, when its signed
// area (or twice it) is 0 or not finite: it has no shape functions.
void check_element_det(double det, int e, const int* nodes, const char* file);
