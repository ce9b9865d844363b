// Assembly and Gauss-point strain-stress pass of the quadrilateral solver.
#pragma once
#include "results.h"
#include "structure.h"

namespace quad {

// Adds the 8 x 8 matrix of element e into tkmat, both triangles of it.
void trans(const double* ke, Stiffness& tkmat, const int (*ndn)[4], int e);

// Assembles every element into tkmat (which must hold zeros), one matrix per
// Gauss point with weight 1, scaled by |t det J|. An element whose det J is 0 or
// not finite at a Gauss point, or changes sign between its Gauss points (a
// bow-tie, or a corner pushed in too far), is refused, naming it; a clockwise
// element has det J < 0 at all four and enters with the magnitude.
void assemble_quad(const Structure& s, Stiffness& tkmat, const char* file);

// Four element rows per element, one per Gauss point, of the strains and
// stresses of the solution, then their nodal means: every node takes the plain
// mean of the Gauss-point rows of the elements around it, not extrapolated.
// tkmat's first four columns are the averaging table.
void write_stress_strain(const Structure& s, StructuralFiles& out, Stiffness& tkmat);

}  // namespace quad
