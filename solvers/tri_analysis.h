// Assembly and strain-stress pass of the constant-strain triangle solver.
#pragma once
#include "results.h"
#include "structure.h"

// Adds the 6 x 6 matrix of element e into tkmat, both triangles of it.
void trans(const double* ke, Stiffness& tkmat, const int (*ndn)[4], int e);

// Assembles every element into tkmat (which must hold zeros). A triangle whose
// doubled area is 0 or not finite is refused, naming it; a clockwise one enters
// with the magnitude of its area, as its B already gives the right strains.
void assemble_tri(const Structure& s, Stiffness& tkmat, const char* file);

// Element strains and stresses of the solution, then their nodal means;
// tkmat's first four columns are the averaging table.
void write_stress_strain(const Structure& s, StructuralFiles& out, Stiffness& tkmat);
