// The reader of nalvik.txt for the plane-stress solvers, with its console echo.
#pragma once
#include <cstdio>

#include "scan.h"
#include "structure.h"

// Reads the model into s (s.k = 3 or 4 chooses nalvik_tri's or nalvik_quad's echo),
// echoing to `echo`. Refuses, naming the record, any count over a table limit or
// negative, a model without nodes, a node number outside 1..np, a material number
// outside 1..nm, and any token that does not convert; the echo so far stays.
// Absent boundary and load records leave the zeros that s holds on entry.
void subinput(Scanner& sc, Structure& s, FILE* echo);

// Step 1 of both solvers: every node free with prescribed values 0, no load.
void clear_conditions(Structure& s);

// The whole first step of both solvers: conditions cleared, the model read with
// k nodes per element (3 or 4) and echoed, the solution cleared.
void read_structure(Scanner& sc, Structure& s, int k, FILE* echo);
