// korvanta's reading of the structural solvers' nodal result files, and the
// contour levels of the value each node shows.
#pragma once
#include <cstdio>

#include "scan.h"
#include "state.h"

// Reads the result file of type (0 result_nalvik.txt, 1 result_nalvik_stress.txt,
// 2 result_nalvik_strain.txt), one row per node of the model in memory, and
// turns each row into the node's scalar by kind (0 the displacement magnitude
// or the equivalent value, 1 to 3 one of the row's values). A displacement
// file also sets max_disp. A file that is missing, short or malformed is
// refused with one line on standard error: the previous results stay, the
// contours are switched off (results_shown 0), and false is returned.
bool read_node_results(State& k, int type, int kind);

// The reading itself, from a scanner over the file's text, for node_count
// nodes: r takes the rows, the scalars and (type 0) max_disp only once the
// whole text is good; a bad text throws a Failure naming the row and leaves r
// as it was. Echoes every row to echo.
void read_results_text(NodeResults& r, Scanner& sc, int type, int kind, int node_count, FILE* echo);

// The nine contour levels of the legend: the smallest and the largest scalar
// of the model's nodes and seven equal steps between, printed as their range.
void compute_contour_levels(State& k);
