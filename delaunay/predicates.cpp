// Orientation, circumcircle, angle and crossing tests in the exact forms the mesher uses.
#include "predicates.h"

#include <cmath>

namespace lindrove {

double orient(double xa, double ya, double xb, double yb, double xc, double yc)
{
    return (xb - xa) * (yc - ya) - (yb - ya) * (xc - xa);
}

double area3(double x1, double y1, double x2, double y2, double x3, double y3)
{
    return 0.5 * (x1 * y2 + x2 * y3 + x3 * y1 - x1 * y3 - x2 * y1 - x3 * y2);
}

bool beyond(double xa, double ya, double xb, double yb, double xp, double yp)
{
    return (ya - yp) * (xb - xp) > (xa - xp) * (yb - yp);
}

int swap(double x1, double y1, double x2, double y2, double x3, double y3, double xp, double yp)
{
    double x13 = x1 - x3, y13 = y1 - y3, x23 = x2 - x3, y23 = y2 - y3;
    double x1p = x1 - xp, y1p = y1 - yp, x2p = x2 - xp, y2p = y2 - yp;
    double cosa = x13 * x23 + y13 * y23;
    double cosb = x2p * x1p + y1p * y2p;
    if (cosa >= 0.0 && cosb >= 0.0) return 0;
    if (cosa < 0.0 && cosb < 0.0) return 1;
    double sina = x13 * y23 - x23 * y13;
    double sinb = x2p * y1p - x1p * y2p;
    return sina * cosb + sinb * cosa < 0.0 ? 1 : 0;
}

double theta(double x1, double y1, double x2, double y2, double x3, double y3)
{
    double ux = x2 - x1, uy = y2 - y1, vx = x3 - x1, vy = y3 - y1;
    double d = ux * vx + uy * vy;
    double c = ux * vy - uy * vx;
    if (std::fabs(d) < 1e-15) return PI / 2.0;
    double a = std::atan(c / d);
    return a < 0.0 ? a + PI : a;
}

bool crosses_properly(double xs, double ys, double xt, double yt, double xa, double ya, double xb, double yb)
{
    double oa = orient(xs, ys, xt, yt, xa, ya), ob = orient(xs, ys, xt, yt, xb, yb);
    double os = orient(xa, ya, xb, yb, xs, ys), ot = orient(xa, ya, xb, yb, xt, yt);
    return ((oa > 0 && ob < 0) || (oa < 0 && ob > 0)) && ((os > 0 && ot < 0) || (os < 0 && ot > 0));
}

bool in_closed_triangle(double xp, double yp, double xq, double yq, double xr, double yr, double xv, double yv)
{
    return orient(xp, yp, xq, yq, xv, yv) >= 0 && orient(xq, yq, xr, yr, xv, yv) >= 0 &&
           orient(xr, yr, xp, yp, xv, yv) >= 0;
}

double segment_distance(double xa, double ya, double xb, double yb, double xv, double yv)
{
    double dx = xb - xa, dy = yb - ya;
    double len2 = dx * dx + dy * dy;
    double s = len2 > 0 ? ((xv - xa) * dx + (yv - ya) * dy) / len2 : 0.0;
    if (s < 0) s = 0;
    if (s > 1) s = 1;
    return std::hypot(xv - (xa + s * dx), yv - (ya + s * dy));
}

bool in_polygon(const double* px, const double* py, int n, double xv, double yv)
{
    bool inside = false;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        if (xv == px[i] && yv == py[i]) return false;
        if (orient(px[j], py[j], px[i], py[i], xv, yv) == 0 &&
            std::fmin(px[i], px[j]) <= xv && xv <= std::fmax(px[i], px[j]) &&
            std::fmin(py[i], py[j]) <= yv && yv <= std::fmax(py[i], py[j]))
            return false;
        // an edge counts when it straddles the horizontal line through v
        if ((py[i] > yv) != (py[j] > yv)) {
            double xcross = px[j] + (yv - py[j]) * (px[i] - px[j]) / (py[i] - py[j]);
            if (xv < xcross) inside = !inside;
        }
    }
    return inside;
}

}  // namespace lindrove
