// Refinement to the node count the user asks for.
#pragma once
#include <cstdio>

#include "tables.h"

namespace lindrove {

// Asks on `out` for the total number of nodes and reads it from `in` until it is
// at least nnode and at most MXN. A missing or non-integer answer: the FINE pair.
int ask_total(int nnode, FILE* in, FILE* out);

// Splits the longest edge of the most distorted triangle inside the domain, again
// and again, until the mesh holds ntotal nodes. Keeps the kernel's invariants and
// NELEM = 2 NNODE + 1 (the super triangle still counts).
void fine(Mesh& m, int ntotal);

// Distortion of triangle t: the sum of the deviations of its angles from 60 degrees,
// and iv, the edge opposite its largest angle (ties to the lower edge).
void distor(const Mesh& m, int t, double& d, int& iv);

// Splits edge e of t, shared with edge f of l, at the new node p (its coordinates
// set), into four triangles around p, then swaps to the Delaunay condition inside
// each region. Keeps the kernel's invariants.
void remesh(Mesh& m, int t, int e, int l, int f, int p);

}  // namespace lindrove
