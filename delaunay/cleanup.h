// After refinement: smoothing, removal of the outside triangles, and the checks.
#pragma once

#include "tables.h"

namespace lindrove {

// Five passes moving every free node to the area-weighted mean of its triangles'
// centroids; a move that would leave one of those triangles without positive area
// is not made. Keeps counter-clockwise triangles.
void laplas(Mesh& m);

// Keeps only the triangles of regions 1 to n_exterior, region by region in their
// order, so that region i occupies triangles IPTR(i) to IPTR(i + 1) - 1; links to
// dropped triangles become 0. Keeps symmetric NEIB. Node lists are dropped.
void remove(Mesh& m, int n_exterior);

// Every link must be mirrored: the triangle across an edge points back along the
// same edge run the other way (else a CHECK pair).
void check(const Mesh& m);

// Every triangle must have a positive area (CHECK), and together they must cover
// the domain (exteriors less holes, as read) to 1e-9 relative (MODEL).
void check_areas(const Mesh& m, const Outline& in);

// Area of the domain that the boundary description encloses.
double domain_area(const Outline& in);

}  // namespace lindrove
