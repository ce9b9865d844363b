// The entity records of out.txt read back into the entity tables; circles and full
// ellipses become figures of their own as they are read.
#pragma once
#include "drawing.h"
#include "scan.h"

// The record count that facter.txt holds.
int read_record_count(Scanner& facter);

// Reads count records from out into entities 1, 2, ... (d.fac is then their number + 1).
// An arc or circle of radius 0 and an ellipse without a major axis are left out with a
// warning; a record that is not one of the reader's own is refused.
void read_records(Drawing& d, Scanner& out, int count);

// The next figure number, refused when the figure table is full.
int new_figure(Drawing& d);

// Extents and outline element of the circle figure made of entity t.
void circle_max_min(Drawing& d, int t);
// Semi-axes, angles in degrees and axis matrix of the ellipse entity t.
void ellipse_beta(Drawing& d, int t);
// Extents and outline element of the full-ellipse figure made of entity t.
void ellipse_min_max(Drawing& d, int t);
