// The contour bands: one value per node over the mesh in eight coloured bands
// of equal width, on the nodes' own or their displaced positions.
#pragma once

#include "canvas.h"
#include "state.h"

// Fills every triangle of a triangle mesh (element_mode 3) by the bands of
// values[node]; with deform_on, at the displaced positions. A spread of the
// values of 0.09 of the largest magnitude or less (every value equal
// included) fills the whole mesh in the top band's red.
void draw_contours_tri(Canvas& c, const State& k, const float* values);
// The same for every other element kind: each element as the two triangles
// (corner 1, 2, 3) and (corner 1, 3, 4) of its first four nodes.
void draw_contours_quad(Canvas& c, const State& k, const float* values);

// One triangle of the 0-based nodes with their values, in bands of width step
// from vmin to vmax: each band one or two convex polygons between two level
// lines, a level that equals the middle value taken on the upper edge.
void fill_triangle_bands(Canvas& c, const State& k, float vmin, float vmax, float step, const int nodes[3],
                         const float vals[3]);
// The same at the positions displaced by the pairs of result_values.
void fill_triangle_bands_deformed(Canvas& c, const State& k, float vmin, float vmax, float step, const int nodes[3],
                                  const float vals[3], const float* result_values);
// One triangle wholly in the top band (red).
void fill_triangle_flat(Canvas& c, const State& k, const int nodes[3], const float vals[3]);
void fill_triangle_flat_deformed(Canvas& c, const State& k, const int nodes[3], const float vals[3],
                                 const float* result_values);

// order[0..2]: the positions 0..2 by value, highest first; equal values keep
// their order.
void sort_by_value(const float vals[3], int order[3]);

// One polygon of the four vertices (repeats allowed, so it may be a
// triangle) in the colour of band 0..7; a band beyond them takes the nearer end.
void fill_band_quad(Canvas& c, const float qx[4], const float qy[4], int band);
