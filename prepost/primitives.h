// Drawing primitives of the panel and the model square: filled cells, text,
// numbers and the axes tripod.
#pragma once

#include "canvas.h"
#include "tables.h"

// Makes rgb the current colour.
inline void set_colour(Canvas& c, const Rgb& rgb) { c.colour(rgb.r, rgb.g, rgb.b); }

// Filled rectangle with its lower left corner at (x, y), in the current colour.
void fill_rect(Canvas& c, float x, float y, float z, float w, float h);
// The octagon inside the cell (x, y, w, h): its sides a tenth of the cell in
// from the cell's edges, its corners cut by a further twentieth.
void fill_octagon(Canvas& c, float x, float y, float z, float w, float h);
// The first length characters of text in the current colour; font 8 is the
// 8 by 13 font, 9 the 9 by 15 one.
void draw_text(Canvas& c, float x, float y, const char* text, int length, int font);
// value in korvanta's number format (number_text), in black.
void draw_number(Canvas& c, float value, float x, float y);
// Three lines of the given length from the origin: x red, y green, z blue.
void draw_axes(Canvas& c, double length);
