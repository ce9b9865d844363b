// Nodes along the lines and inside the areas, the node grid of each area and its elements.
#pragma once
#include <cstdio>

#include "config.h"
#include "tables.h"

// Generates the n + 1 points of every line along its side and writes the
// line's n - 1 interior nodes (nodes nk + 1 onward, line by line).
void mesh_lines(const BlockModel& m, const Topology& t, MeshGrid& g, FILE* out);

// Area by area: writes the interior nodes row by row, fills the node grid
// from the keypoints and lines, and writes each cell as two triangles or one
// quadrilateral, counter-clockwise in the area's local square.
void mesh_areas(const BlockModel& m, const Topology& t, const MeshConfig& cfg, MeshGrid& g, FILE* out);
