// The constant-strain patch test of the structural solvers: a linear displacement
// field prescribed on the boundary of a distorted grid numbered boundary first.
#pragma once
#include "model_text.h"
#include "sandbox.h"

// 6 by 5 cells on 3 by 2, interior nodes pushed off the grid lines (every cell
// stays convex), two triangles or one quadrilateral per cell, every boundary
// node prescribed on a linear field, E = 2000, nu = 0.25, t = 0.7. Boundary
// nodes come first, so the prescribed values couple with rows far below.
Grid distorted_patch(bool quads);

// Checks the result files of a run on that patch: the field at every node, its
// exact strain and plane stress on every element row and every nodal mean, and
// rows_per_element rows per element, each numbered by its element.
void expect_exact_patch_results(const Grid& patch, const Sandbox& box, int rows_per_element);
