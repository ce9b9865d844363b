// The writer of nalvik.txt, the mesh as solver input.
#pragma once

#include "tables.h"

namespace lindrove {

constexpr const char* mesh_file = "nalvik.txt";

// The value that a coordinate reads back as from nalvik.txt.
double as_written(double v);

// Writes nodes, the one default material and the triangles, with no boundary or
// load records, under a temporary name moved into place at the end. A file that
// cannot be written: the DATA pair, and any earlier nalvik.txt stays.
void data(const Mesh& m);

}  // namespace lindrove
