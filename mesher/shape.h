// The eight-point area in its local square: point positions, sides and the
// serendipity mapping onto the plane.
#pragma once

// Local position (xi, eta) of area point k: corners at even k, mid-side points
// at odd k, counter-clockwise from the corner at (-1, -1).
static constexpr double area_local[8][2] = {
    {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0},
};

// Side s has its mid-side point at area point 2s + 1 and runs, in the direction
// of growing xi (sides 0 and 2) or eta (sides 1 and 3), from side_from[s] to
// side_to[s]: eta = -1, xi = +1, eta = +1, xi = -1.
static constexpr int side_from[4] = {0, 2, 6, 0};
static constexpr int side_to[4] = {2, 4, 4, 6};
inline constexpr int side_mid(int s) { return 2 * s + 1; }

// N_k(xi, eta) of the eight-node serendipity element, k = 0..7.
double serendipity_shape(int k, double xi, double eta);

// x and y of local point (xi, eta) of the area whose eight points are at
// (px[k], py[k]): the sums of N_k X_k and N_k Y_k, k from 0 to 7.
void map_area(const double px[8], const double py[8], double xi, double eta, double* x, double* y);
