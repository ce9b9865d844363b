// Nearness tests, points on arcs and ellipses, and the angle bookkeeping shared by every walk.
#pragma once
#include <cmath>

constexpr double deg_rad = 0.017453292519943295;  // degrees to radians
constexpr double rad_deg = 57.29577951308232;     // radians to degrees
constexpr double pi = 3.141592653589793;

// Two entity ends meet when they differ by at most 0.1 in x and in y.
constexpr double meet_tol = 0.1;
inline bool ends_meet(double x1, double y1, double x2, double y2)
{
    return std::fabs(x1 - x2) <= meet_tol && std::fabs(y1 - y2) <= meet_tol;
}

// The band of a target c is c - |c|/1000 to c + |c|/1000, both included: relative to
// the coordinate's own size, so for c = 0 it is the single value 0.
inline bool in_band(double t, double c)
{
    double w = std::fabs(c) / 1000;
    return c - w <= t && t <= c + w;
}
inline bool in_band(double x, double y, double cx, double cy) { return in_band(x, cx) && in_band(y, cy); }

// The band without its limits: for c = 0 it holds nothing.
inline bool strictly_in_band(double t, double c)
{
    double w = std::fabs(c) / 1000;
    return c - w < t && t < c + w;
}

// Counter-clockwise sweep from start to end in degrees; equal angles give a full turn.
inline double sweep_of(double start, double end) { return start < end ? end - start : end + (360 - start); }

// A walk ends at the latest this close before the end of its sweep, so that a band it
// cannot enter (a target coordinate of 0, a step wider than the band) stops it in time
// and no point is stored past the end.
constexpr double arc_walk_margin = 0.05;
// A circle walk starts at 180 degrees and ends before a full turn.
constexpr double circle_walk_end = 540 - 0.05;
constexpr double ellipse_walk_end = 540 - 0.005;

// Point at angle t (degrees) on the circle about (cx, cy) of radius r.
inline void arc_point(double cx, double cy, double r, double t, double& x, double& y)
{
    x = cx + r * std::cos(t * deg_rad);
    y = cy + r * std::sin(t * deg_rad);
}

// Point at parameter angle t (degrees) of an ellipse with semi-axes a, b, whose major
// axis runs along (b11, b12) and minor axis along (b21, b22).
struct EllipseAxes {
    double cx, cy, a, b, b11, b12, b21, b22;
};
inline void ellipse_at_radians(const EllipseAxes& e, double t, double& x, double& y)
{
    double u = e.a * std::cos(t);
    double v = e.b * std::sin(t);
    x = e.b11 * u + e.b21 * v + e.cx;
    y = e.b12 * u + e.b22 * v + e.cy;
}
inline void ellipse_point(const EllipseAxes& e, double t, double& x, double& y)
{
    ellipse_at_radians(e, t * deg_rad, x, y);
}

// The quadrant angles 0, 90, 180 and 270 as exact radians.
inline double quadrant_radians(int q)
{
    switch (q) {
    case 90: return pi / 2;
    case 180: return pi;
    case 270: return 3 * pi / 2;
    default: return 0;
    }
}
