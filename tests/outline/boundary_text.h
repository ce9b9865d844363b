// INPUT01.TXT as lindrove_tri01 writes it, read back for the tests, its layout checked.
#pragma once
#include <string>
#include <vector>

#include "mesh_check.h"

struct Rings {
    std::vector<int> counts;                // outer ring first, then the holes
    std::vector<std::vector<Point>> rings;  // in the same order
};

// Reads the boundary description line by line; every departure from the layout
// (one exterior, its list 1, n, ..., 2, the point count, no inner point, nothing after
// the last point) is a test failure.
Rings parse_rings(const std::string& text);

// The same rings as the mesher's property checks take them.
BoundaryDescription description_of(const Rings& r);

// Signed area of a ring: positive counter-clockwise.
double signed_area(const std::vector<Point>& ring);
