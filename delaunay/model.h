// The mesh driver: normalisation, super triangle and the order of the stages.
#pragma once
#include <cstdio>

#include "tables.h"

namespace lindrove {

// Builds the mesh of the boundary description in m: the first triangulation, the
// node count asked on `answers` (prompt on standard output), refinement, smoothing,
// clean-up and the checks; the nodes end in the coordinates of the input, rounded
// to the digits that nalvik.txt holds.
void model(const Outline& in, Mesh& m, FILE* answers);

}  // namespace lindrove
