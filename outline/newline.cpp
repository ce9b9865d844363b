// Cuts every arc and elliptical arc of the traced outline where it passes a multiple of
// 90 degrees (an elliptical arc also where its x first reaches the figure's x bounds).
#include "newline.h"

#include <cmath>

#include "failure.h"
#include "geometry.h"

namespace {

// The point of outline element i at angle t (degrees), or at the exact quadrant angle q.
struct ElementCurve {
    const Drawing& d;
    int i;
    bool ellipse;

    EllipseAxes axes() const
    {
        return {d.outcen_x[i], d.outcen_y[i], d.outsotai_a[i], d.outsotai_b[i],
                d.outel_b1_1[i], d.outel_b1_2[i], d.outel_b2_1[i], d.outel_b2_2[i]};
    }
    void at_radians(double t, double& x, double& y) const
    {
        if (ellipse) {
            ellipse_at_radians(axes(), t, x, y);
        } else {
            x = d.outcen_x[i] + d.outrad[i] * std::cos(t);
            y = d.outcen_y[i] + d.outrad[i] * std::sin(t);
        }
    }
    void at(double t, double& x, double& y) const { at_radians(t * deg_rad, x, y); }
};

void open_piece(Drawing& d, double x, double y)
{
    if (d.kp == max_pieces)
        fail(Status::input, "model2d.dxf",
             strf("figure %d cuts into more than %d quadrant pieces", d.f_non, max_pieces));
    int k = ++d.kp;
    d.newout_x[k][0] = d.f_newout_x[d.f_non][k][0] = x;
    d.newout_y[k][0] = d.f_newout_y[d.f_non][k][0] = y;
}

void close_piece(Drawing& d, double x, double y)
{
    int k = d.kp;
    d.newout_x[k][1] = d.f_newout_x[d.f_non][k][1] = x;
    d.newout_y[k][1] = d.f_newout_y[d.f_non][k][1] = y;
}

// Ends the current piece at (x, y) and starts the next one there.
void cut(Drawing& d, double x, double y)
{
    close_piece(d, x, y);
    open_piece(d, x, y);
}

// One 0.1-degree step of sum_ang in the walk's direction; returns the quadrant angle
// passed (90, 180, 270 or 0), or -1.
int step(double& sum_ang, bool forward)
{
    double s = sum_ang;
    if (forward) {
        sum_ang = s + 0.1;
        if (0 <= s && s < 90) return sum_ang >= 90 ? 90 : -1;
        if (90 <= s && s < 180) return sum_ang >= 180 ? 180 : -1;
        if (180 <= s && s < 270) return sum_ang >= 270 ? 270 : -1;
        if (sum_ang >= 360) {
            sum_ang = sum_ang - 360;
            return 0;
        }
        return -1;
    }
    sum_ang = s - 0.1;
    if (0 < s && s <= 90) {
        if (sum_ang <= 0) {
            sum_ang = sum_ang + 360;
            return 0;
        }
        return -1;
    }
    if (90 < s && s <= 180) return sum_ang <= 90 ? 90 : -1;
    if (180 < s && s <= 270) return sum_ang <= 180 ? 180 : -1;
    return sum_ang <= 270 ? 270 : -1;
}

// Walks element i from its start to the band of its end point, cutting at the quadrant
// angles it passes; an elliptical arc is also cut once where x first reaches each of the
// figure's x bounds.
void walk(Drawing& d, int i, bool ellipse)
{
    ElementCurve curve{d, i, ellipse};
    double sta = d.outsta_ang[i], end = d.outend_ang[i];
    bool forward = d.out_ang[i] == 1 && sta != end;
    if (ellipse && forward) std::fprintf(d.con, "ell %f %f\n", sta, end);
    d.sum_ang = forward ? (sta == 360 ? 0 : sta) : (end == 0 ? 360 : end);
    double sweep = sweep_of(sta, end), walked = 0;
    double x1 = d.outline_x[i][1], y1 = d.outline_y[i][1];
    curve.at(d.sum_ang, d.temp_x, d.temp_y);
    for (;;) {
        if (in_band(d.temp_x, d.temp_y, x1, y1)) break;
        if (walked >= sweep - arc_walk_margin) break;
        if (ellipse) {
            if (in_band(d.temp_x, d.max_x) && d.flag_max == 0) {
                cut(d, d.temp_x, d.temp_y);
                d.flag_max = 1;
            } else if (in_band(d.temp_x, d.min_x) && d.flag_min == 0) {
                cut(d, d.temp_x, d.temp_y);
                d.flag_min = 1;
            }
        }
        int q = step(d.sum_ang, forward);
        walked = walked + 0.1;
        if (q >= 0) {
            double qx, qy;
            curve.at_radians(quadrant_radians(q), qx, qy);
            cut(d, qx, qy);
        }
        curve.at(d.sum_ang, d.temp_x, d.temp_y);
    }
    if (ellipse) d.flag_max = d.flag_min = 0;
}

void list_pieces(Drawing& d)
{
    for (int k = 1; k <= d.kp; ++k) {
        std::fprintf(d.con, "newout_x[%d][0]=%f\t", k, d.newout_x[k][0]);
        std::fprintf(d.con, "newout_y[%d][0]=%f\n", k, d.newout_y[k][0]);
        std::fprintf(d.con, "newout_x[%d][1]=%f\t", k, d.newout_x[k][1]);
        std::fprintf(d.con, "newout_y[%d][1]=%f\n", k, d.newout_y[k][1]);
    }
    int f = d.f_non;
    for (int k = 1; k <= d.kp; ++k) {
        std::fprintf(d.con, "f_newout_x[%d][%d][0]=%f\t", f, k, d.f_newout_x[f][k][0]);
        std::fprintf(d.con, "f_newout_y[%d][%d][0]=%f\n", f, k, d.f_newout_y[f][k][0]);
        std::fprintf(d.con, "f_newout_x[%d][%d][1]=%f\t", f, k, d.f_newout_x[f][k][1]);
        std::fprintf(d.con, "f_newout_y[%d][%d][1]=%f\n", f, k, d.f_newout_y[f][k][1]);
    }
}

}  // namespace

void zukei_newline(Drawing& d)
{
    d.kp = 0;
    d.flag_max = d.flag_min = 0;
    for (int i = 1; i < d.m; ++i) {
        double x0 = d.outline_x[i][0], y0 = d.outline_y[i][0];
        double x1 = d.outline_x[i][1], y1 = d.outline_y[i][1];
        switch (d.outfig[i]) {
        case t_line:
            open_piece(d, x0, y0);
            close_piece(d, x1, y1);
            std::fprintf(d.con, "%f %f\n%f %f\n", x0, y0, x1, y1);
            break;
        case t_arc:
            open_piece(d, x0, y0);
            walk(d, i, false);
            close_piece(d, x1, y1);
            break;
        case t_ellarc: {
            open_piece(d, x0, y0);
            std::fprintf(d.con, "ell %f %f ang=%d\n", x0, y0, d.out_ang[i]);
            walk(d, i, true);
            close_piece(d, x1, y1);
            int k = d.kp;
            if (d.newout_x[k][0] == d.newout_x[k][1] && d.newout_y[k][0] == d.newout_y[k][1]) --d.kp;
            break;
        }
        default:
            break;
        }
    }
    d.f_m[d.f_non] = d.m;
    list_pieces(d);
}
