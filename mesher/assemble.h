// The solver input assembled from the five scratch files.
#pragma once
#include <cstdio>
#include <vector>

#include "config.h"
#include "scan.h"

// One value of a scratch row as read back: an integer or a real.
struct ScratchValue {
    bool real;
    int i;
    double r;
};

// The scratch files' rows as read back, value by value in file order.
struct ScratchMesh {
    int np = 0, nm = 0, ne = 0, nb = 0, nf = 0;  // the counts of init.txt
    std::vector<ScratchValue> nodes, materials, elements, bounds, forces;
};

// Readers of init.txt, node.txt, element.txt, bound.txt and force.txt: as many
// rows as init.txt counts; a short or malformed file is refused.
void read_init(Scanner& sc, ScratchMesh& s);
void read_nodes(Scanner& sc, ScratchMesh& s);
void read_elements(Scanner& sc, int mesh_type, ScratchMesh& s);
void read_bounds(Scanner& sc, ScratchMesh& s);
void read_forces(Scanner& sc, ScratchMesh& s);

// The solver input in the model-file layout, tab-separated.
void write_solver_input(FILE* fp, int mesh_type, const ScratchMesh& s);

// Reads this run's rows of all five scratch files (printing "End ... <file>"
// after each), then writes the configuration's output file whole, so that a
// failed run leaves the previous one as it was.
void assemble_solver_input(const MeshConfig& cfg, int mesh_type, FILE* out);
