// Keypoints, shared sides and line numbering of a block model.
#pragma once
#include <cstdio>

#include "tables.h"

// Step 2 of a run: no model point is a keypoint or on a line, no point carries
// a condition or a load.
void clear_marks(BlockModel& m, Topology& t);

// Works out the keypoints (every area corner once, in order of first
// appearance), the common lines (a mid-side point met again in a later area),
// and one line per distinct side: the unshared sides first, then one per
// common line. Prints and writes nothing. Refuses first, naming data2d.txt and
// the area record, a model whose shared sides cannot be meshed once: a
// mid-side point on three or more sides, two sides of one area with one
// mid-side point, two sides with one mid-side point but other end corners.
void build_topology(const BlockModel& m, Topology& t);

// Prints the keypoints and appends their node rows to node.txt.
void write_keypoints(const BlockModel& m, const Topology& t, FILE* out);

// Prints each area's keypoints, the common lines and the lines.
void print_topology(const BlockModel& m, const Topology& t, FILE* out);

// The mark of every model point on one line: -(k + 1) for keypoint k, else
// the line of which it is the mid-side point, else 0.
void print_point_marks(const BlockModel& m, const Topology& t, FILE* out);
