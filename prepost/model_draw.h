// The model in the square: its mesh, fixed-node markers, force arrows and node
// numbers, in model coordinates under the view box.
#pragma once

#include "canvas.h"
#include "state.h"

// Does element e, read as nodes_per_element node numbers, lie inside the
// element table and name only nodes of the model? Not so when the element
// mode has changed since the tables were read; whatever draws elements skips
// those that do not.
bool element_drawable(const State& k, int e, int nodes_per_element);

// Every element as a closed white loop through its k nodes in file order,
// lines of the given width; with shrink_on each element is drawn at 70 % of
// its size about the mean of its nodes, so neighbours show a gap. An element
// that names a node outside 1..node_count (a model read with another element
// mode) or lies beyond the element table is left out.
void draw_mesh(Canvas& c, const State& k, int nodes_per_element, int width);

// For every node, a yellow triangle below it when its x is fixed and a cyan
// one to its left when its y is: W / 80 in size, W the width of the view box,
// so that they keep their size on the screen.
void draw_fix_markers(Canvas& c, const State& k);
void draw_fix_marker(Canvas& c, const State& k, float x, float y, float z, int type);

// A red arrow of 15 W / 150 from every node whose force is above 1e-7 of the
// largest, in the direction of the force whatever its size.
void draw_force_arrows(Canvas& c, const State& k);
void draw_force_arrow(Canvas& c, const State& k, float x, float y, float z, float fx, float fy);

// The number of every node in red, from the node up and to the right.
void draw_node_numbers(Canvas& c, const State& k);
void draw_node_number(Canvas& c, int n, float x, float y, float z);
