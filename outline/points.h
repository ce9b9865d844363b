// The outer figure and the boundary points of every figure.
#pragma once
#include "drawing.h"

// Chooses the outer figure: the one of largest x extent, of equal extents the first.
void zukei_range(Drawing& d);

// Places the boundary points of every figure, entity by entity in outline order: a
// line's start and midpoint, an arc's start and points about every 18 degrees, twenty
// points around a circle or full ellipse. A ring that comes out clockwise is reversed
// behind its first point, with a warning.
void inzukei_outpoint(Drawing& d);

// Twice the signed area of the ring of n points x[1..n], y[1..n]: positive counter-clockwise.
double ring_area2(const double* x, const double* y, int n);
