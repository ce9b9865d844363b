// Element areas of meshes read back, and block models to mesh, for the mesher's tests.
#pragma once
#include "model_text.h"

// Twice the signed area of element e of a mesh (counter-clockwise positive),
// by the shoelace rule.
double twice_area(const ModelText& m, int e);

// nx by ny square blocks of side `size`, straight sides, mid-side points in the
// middle. Model points: the corners row by row from the lower left, then the
// mid-side points of the horizontal sides row by row, then those of the
// vertical sides. Material 1 (E 1000, nu 0.25, t 1), no conditions or loads.
struct BlockGrid {
    ModelText model;
    int nx = 0, ny = 0;
    int corner(int i, int j) const { return j * (nx + 1) + i + 1; }
    int bottom_mid(int i, int j) const { return (nx + 1) * (ny + 1) + j * nx + i + 1; }  // of block (i, j) at row line j
    int left_mid(int i, int j) const { return (nx + 1) * (ny + 1) + nx * (ny + 1) + j * (nx + 1) + i + 1; }
};
BlockGrid block_grid(int nx, int ny, double size);
