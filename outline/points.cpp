// Chooses the outer figure and turns every figure's outline into a ring of boundary points.
#include "points.h"

#include <cmath>
#include <utility>

#include "failure.h"
#include "geometry.h"
#include "texts.h"

namespace {

// Stores (x, y) as boundary point d.k of figure f.
void store(Drawing& d, int f, double x, double y)
{
    if (d.k > max_points)
        fail(Status::input, "model2d.dxf", strf("figure %d needs more than %d boundary points", f, max_points));
    d.f_out_x[f][d.k] = x;
    d.f_out_y[f][d.k] = y;
}

// A line adds its start and its midpoint; a nearly vertical line takes the midpoint's x
// from its start, a nearly horizontal one the midpoint's y.
void line_points(Drawing& d, int f, int e)
{
    double x0 = d.f_outline_x[f][e][0], y0 = d.f_outline_y[f][e][0];
    double x1 = d.f_outline_x[f][e][1], y1 = d.f_outline_y[f][e][1];
    store(d, f, x0, y0);
    if (f == 3 || f == 4) std::fprintf(d.con, "%f %f\n", x0, y0);
    double dx = x1 - x0, dy = y1 - y0;
    double slope = dx != 0 ? dy / dx : (dy > 0 ? HUGE_VAL : -HUGE_VAL);
    std::fprintf(d.con, "%f %f %f %f\n", dx, dy, slope, y0);
    ++d.k;
    if (in_band(x0, x1) && y0 != y1) {
        store(d, f, x0, (y1 + y0) / 2);
    } else if (in_band(y0, y1) && x0 != x1) {
        store(d, f, (x1 + x0) / 2, y0);
    } else {
        double x = (x1 + x0) / 2;
        store(d, f, x, (x - x0) * slope + y0);
    }
    ++d.k;
}

// The sweep is cut into whole 18-degree steps, two at least.
void step_count(Drawing& d, double sweep)
{
    d.cut_non = 0;
    for (double rest = sweep; rest >= 18; rest = rest - 18) ++d.cut_non;
    if (d.cut_non < 2) d.cut_non = 2;
    d.cut_ran = sweep / d.cut_non;
}

// A circular or elliptical arc adds its start and a point each time the walk has gone
// one step angle further, until it meets the band of its end.
void arc_points(Drawing& d, int f, int e, bool ellipse)
{
    store(d, f, d.f_outline_x[f][e][0], d.f_outline_y[f][e][0]);
    double x1 = d.f_outline_x[f][e][1], y1 = d.f_outline_y[f][e][1];
    double sta = d.f_outsta_ang[f][e], end = d.f_outend_ang[f][e];
    double cx = d.f_outcen_x[f][e], cy = d.f_outcen_y[f][e], r = d.f_outrad[f][e];
    EllipseAxes axes{cx, cy, d.f_outsotai_a[f][e], d.f_outsotai_b[f][e],
                     d.f_outel_b1_1[f][e], d.f_outel_b1_2[f][e], d.f_outel_b2_1[f][e], d.f_outel_b2_2[f][e]};
    auto at = [&](double t) {
        if (ellipse)
            ellipse_point(axes, t, d.temp_x, d.temp_y);
        else
            arc_point(cx, cy, r, t, d.temp_x, d.temp_y);
    };

    bool forward = d.f_out_ang[f][e] == 1 && sta != end;
    double sweep = sweep_of(sta, end);
    d.cut_ang = sweep;
    d.sum_ang = forward ? sta : end;
    std::fprintf(d.con, ellipse && !forward ? "mainas ell cut_ang=%f" : "cut_ang=%f", d.cut_ang);
    step_count(d, sweep);
    std::fprintf(d.con, !ellipse && !forward ? "mainas cut_non=%d cut_ran=%f" : "cut_non=%d cut_ran=%f", d.cut_non,
                 d.cut_ran);

    d.cut_ang = 0;
    double walked = 0;
    at(d.sum_ang);
    for (;;) {
        if (in_band(d.temp_x, d.temp_y, x1, y1)) break;
        if (walked >= sweep - arc_walk_margin) break;
        if (d.cut_ang > d.cut_ran) {
            ++d.k;
            store(d, f, d.temp_x, d.temp_y);
            d.cut_ang = d.cut_ang - d.cut_ran;
        }
        double before = d.sum_ang;
        d.cut_ang = d.cut_ang + 0.1;
        if (forward) {
            d.sum_ang = d.sum_ang + 0.1;
            if (ellipse && before >= 270 && before < 360 && d.sum_ang >= 360) d.sum_ang = d.sum_ang - 360;
        } else {
            d.sum_ang = d.sum_ang - 0.1;
            if (ellipse && before > 0 && before <= 90 && d.sum_ang <= 0) {
                d.sum_ang = d.sum_ang + 360;
                d.cut_ang = d.cut_ang + 0.1;
            }
        }
        walked = walked + 0.1;
        at(d.sum_ang);
    }
    ++d.k;
}

// Twenty points counter-clockwise from the leftmost point, 18 degrees apart.
void circle_points(Drawing& d, int f, int e)
{
    double cx = d.f_outcen_x[f][e], cy = d.f_outcen_y[f][e], r = d.f_outrad[f][e];
    int first = d.k;
    store(d, f, d.f_min_x[f], d.f_min_y[f] + r);
    double x1 = d.f_out_x[f][first], y1 = d.f_out_y[f][first];
    d.sum_ang = 180;
    d.cut_ang = 0;
    d.temp_s = 0;
    arc_point(cx, cy, r, d.sum_ang, d.temp_x, d.temp_y);
    for (;;) {
        // the half circumference keeps the walk from stopping at its start
        if (in_band(d.temp_x, d.temp_y, x1, y1) && d.temp_s > (r + r) * pi / 2) break;
        if (d.sum_ang >= circle_walk_end) break;
        if (d.cut_ang >= 18) {
            ++d.k;
            store(d, f, d.temp_x, d.temp_y);
            d.temp_s = std::fabs((r + r) * pi * ((d.sum_ang - 180) / 360));
            std::fprintf(d.con, "%f %f\n", d.temp_x, d.temp_y);
            d.cut_ang = d.cut_ang - 18;
        }
        d.sum_ang = d.sum_ang + 0.1;
        d.cut_ang = d.cut_ang + 0.1;
        arc_point(cx, cy, r, d.sum_ang, d.temp_x, d.temp_y);
    }
    ++d.k;
}

// Twenty points at parameter angles 180, 198, ..., counter-clockwise in the ellipse's axes.
void ellipse_points(Drawing& d, int f, int e)
{
    EllipseAxes axes{d.f_outcen_x[f][e], d.f_outcen_y[f][e], d.f_outsotai_a[f][e], d.f_outsotai_b[f][e],
                     d.f_outel_b1_1[f][e], d.f_outel_b1_2[f][e], d.f_outel_b2_1[f][e], d.f_outel_b2_2[f][e]};
    double vx = axes.a * std::cos(pi), vy = axes.b * std::sin(pi);
    std::fprintf(d.con, "v_temp_x=%f v_temp_y%f\n", vx, vy);
    double x, y;
    ellipse_at_radians(axes, pi, x, y);
    store(d, f, x, y);
    d.temp_i = d.k;
    std::fprintf(d.con, "out%d=%f %f\n", d.k, x, y);
    double x1 = x, y1 = y;
    d.sum_ang = 180;
    d.cut_ang = 0;
    ellipse_point(axes, d.sum_ang, d.temp_x, d.temp_y);
    std::fprintf(d.con, "temp_x=%f temp_y%f\n", d.temp_x, d.temp_y);
    for (;;) {
        if (in_band(d.temp_x, d.temp_y, x1, y1) && d.k >= d.temp_i + 2) break;
        if (d.sum_ang >= ellipse_walk_end) break;
        double dx = d.temp_x - d.f_out_x[f][d.k], dy = d.temp_y - d.f_out_y[f][d.k];
        double dist = std::sqrt(dx * dx + dy * dy);
        if (d.cut_ang >= 18) {
            ++d.k;
            store(d, f, d.temp_x, d.temp_y);
            d.cut_ang = d.cut_ang - 18;
            std::fprintf(d.con, "%f %f %f\n", dist, d.temp_x, d.temp_y);
        }
        d.sum_ang = d.sum_ang + 0.01;
        d.cut_ang = d.cut_ang + 0.01;
        ellipse_point(axes, d.sum_ang, d.temp_x, d.temp_y);
    }
    ++d.k;
}

// lindrove_tri02 needs every ring counter-clockwise; the turning rule gives that at a
// convex start, not at every start.
void make_counter_clockwise(Drawing& d, int f)
{
    int n = d.f_k[f] - 1;
    if (ring_area2(d.f_out_x[f], d.f_out_y[f], n) >= 0) return;
    for (int i = 2, j = n; i < j; ++i, --j) {
        std::swap(d.f_out_x[f][i], d.f_out_x[f][j]);
        std::swap(d.f_out_y[f][i], d.f_out_y[f][j]);
    }
    warn(d, strf("figure %d runs clockwise: its boundary points are reversed behind point 1", f));
}

}  // namespace

double ring_area2(const double* x, const double* y, int n)
{
    double s = 0;
    for (int i = 1; i <= n; ++i) {
        int j = i == n ? 1 : i + 1;
        s = s + (x[i] * y[j] - x[j] * y[i]);
    }
    return s;
}

void zukei_range(Drawing& d)
{
    std::fprintf(d.con, "\n%d\n", d.f_non);
    d.f_range[1] = d.f_max_x[1] - d.f_min_x[1];
    d.f_ranmax_non = 1;
    d.f_ranmax_x = d.f_range[1];
    std::fprintf(d.con, "f_range[1]=%f\n", d.f_range[1]);
    for (int f = 2; f <= d.f_non; ++f) {
        d.f_range[f] = d.f_max_x[f] - d.f_min_x[f];
        std::fprintf(d.con, "f_range[%d]=%f\n", f, d.f_range[f]);
        if (d.f_range[f] > d.f_ranmax_x) {
            d.f_ranmax_non = f;
            d.f_ranmax_x = d.f_range[f];
        }
    }
    std::fprintf(d.con, "f_ranmax_non=%d %f\n", d.f_ranmax_non, d.f_ranmax_x);
}

void inzukei_outpoint(Drawing& d)
{
    std::fputs(division_question, d.con);
    std::fprintf(d.con, "ok %d %d\n", d.kazu, d.m);
    for (int f = 1; f <= d.f_non; ++f) {
        d.k = 1;
        for (int e = 1; e < d.f_m[f]; ++e) {
            std::fprintf(d.con, "f_non=%d f_m[%d]=%d\n", d.f_non, f, d.f_m[f]);
            d.temp_x = d.temp_y = d.temp_s = 0;
            d.cut_non = 0;
            int type = d.f_outfig[f][e];
            bool point_like = d.f_outline_x[f][e][0] == d.f_outline_x[f][e][1] &&
                              d.f_outline_y[f][e][0] == d.f_outline_y[f][e][1];
            if (type == t_circle) {
                circle_points(d, f, e);
            } else if (type == t_ellipse) {
                ellipse_points(d, f, e);
            } else if (point_like) {
                continue;  // an entity whose ends coincide adds nothing
            } else if (type == t_line) {
                line_points(d, f, e);
            } else if (type == t_arc || type == t_ellarc) {
                arc_points(d, f, e, type == t_ellarc);
            }
        }
        d.f_k[f] = d.k;
        if (d.f_closed[f]) make_counter_clockwise(d, f);
    }
}
