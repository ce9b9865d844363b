// Steady heat conduction on linear triangles: the conduction matrices, the fixed temperatures, the result rows.
#pragma once
#include "cg.h"
#include "ebe_model.h"
#include "outfile.h"

constexpr const char* result_brundel = "result_brundel.txt";

// The conduction matrix of element e, |A| * k * Bt B with B the 2 x 3 gradient
// matrix, into the 3 x 3 store. A degenerate element is refused against `file`.
void heat_element(const EbeModel& m, const EbeStore& store, int e, const char* file);

// heat_element for every element in order.
void assemble_heat(const EbeModel& m, const EbeStore& store, const char* file);

// A node's temperature is fixed when its first flag is at least 1 (at u), or
// else when its second is (at v); flags of 0 or below leave it free.
void heat_fixed(const EbeModel& m, unsigned char* held, double* g);

// np rows "%d %e  0.0": the node number and its temperature; the second column
// is always the text 0.0.
void write_brundel(OutFile& f, const double* t, int np);
