// The figure list fig_non.txt, the rings chosen for the mesher, their console listing and
// the boundary description INPUT01.TXT.
#pragma once
#include <cstdio>

#include "drawing.h"

// One line per figure: its number, its element count and the out.txt record of each element.
void write_fig_non(const Drawing& d, FILE* fp);

// Marks the figures that go into INPUT01.TXT: closed, with three boundary points at least.
// Warns about each one left out; refuses a drawing whose outer figure is not among them.
void choose_rings(Drawing& d);

// Lists the chosen rings on the console and numbers their points 1..ppp; refuses more
// points than lindrove_tri02 holds.
void list_points(Drawing& d);

// The outer ring first, listed 1, n, n-1, ..., 2 (clockwise for the mesher), then the holes.
void write_input01(const Drawing& d, FILE* fp);
