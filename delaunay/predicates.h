// Every geometric decision of the mesher: orientation, circumcircle, angles, crossings.
#pragma once

namespace lindrove {

// Twice the signed area of (a, b, c): positive when a, b, c run counter-clockwise
// (x to the right, y up), zero when collinear. Exact sign only for well-separated points.
double orient(double xa, double ya, double xb, double yb, double xc, double yc);

// Signed area of the triangle (1, 2, 3): positive when counter-clockwise.
double area3(double x1, double y1, double x2, double y2, double x3, double y3);

// The walk of point location: does p lie strictly right of the directed edge a -> b,
// that is beyond that edge of a counter-clockwise triangle? A point on the edge's line
// is not beyond it.
bool beyond(double xa, double ya, double xb, double yb, double xp, double yp);

// The circumcircle test in its cosine/sine form. Points 1 and 2 are the ends of the
// shared edge in the neighbour's own counter-clockwise order, 3 the neighbour's far
// vertex, p the far vertex of the other triangle. Returns 1 when p lies inside the
// circle through 1, 2, 3 (the diagonal 1-2 is to be swapped), 0 when outside or on it.
int swap(double x1, double y1, double x2, double y2, double x3, double y3, double xp, double yp);

// The angle at point 1 between the directions to points 2 and 3, in [0, PI) for a
// counter-clockwise corner; a right angle (|dot| < 1e-15) gives exactly PI / 2.
// PI is the single-precision value of pi, as in the distortion measure.
double theta(double x1, double y1, double x2, double y2, double x3, double y3);
constexpr double PI = 3.1415927410125732;   // pi rounded to single precision
constexpr double PI3 = 1.0471975803375244;  // pi / 3 rounded to single precision

// Does the segment s-t pass through the inside of the segment a-b, touching neither
// end of either? Collinear or touching segments do not cross properly.
bool crosses_properly(double xs, double ys, double xt, double yt, double xa, double ya, double xb, double yb);

// Does v lie inside or on the counter-clockwise triangle (p, q, r)?
bool in_closed_triangle(double xp, double yp, double xq, double yq, double xr, double yr, double xv, double yv);

// Distance from v to the segment a-b.
double segment_distance(double xa, double ya, double xb, double yb, double xv, double yv);

// Is v strictly inside the closed polygon of n points (px[i], py[i])? A point on the
// polygon's outline (a shared node, for example) is not inside.
bool in_polygon(const double* px, const double* py, int n, double xv, double yv);

}  // namespace lindrove
