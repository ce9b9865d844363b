// Traces one figure per pass: the lower-left start, the branch chosen at every junction,
// and the figure's extents.
#include "trace.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "failure.h"
#include "geometry.h"
#include "texts.h"

namespace {

bool free_entity(const Drawing& d, int i) { return d.fig_s[i] == 0 || d.fig_s[i] == -1; }

// Every point that bounds entity i: its ends, the points of an elliptical arc 0.1 degree
// apart, and the quadrant points that a circular arc passes.
template <class Take>
void entity_points(Drawing& d, int i, Take take)
{
    take(d.line_x[i][0], d.line_y[i][0]);
    take(d.line_x[i][1], d.line_y[i][1]);
    if (d.fig[i] == t_ellarc) {
        std::fprintf(d.con, "okkkk\n");
        EllipseAxes e{d.cen_x[i], d.cen_y[i], d.sotai_a[i], d.sotai_b[i],
                      d.el_b1_1[i], d.el_b1_2[i], d.el_b2_1[i], d.el_b2_2[i]};
        // no wrap at 360: the last point may lie up to one step past the end
        for (double t = d.sta_ang[i]; t < d.end_ang[i];) {
            t = t + 0.1;
            double x, y;
            ellipse_point(e, t, x, y);
            take(x, y);
        }
    } else if (d.fig[i] == t_arc) {
        // walk the arc in 0.01-degree steps from its start to the band of its end
        double cx = d.cen_x[i], cy = d.cen_y[i], r = d.rad[i];
        double sweep = sweep_of(d.sta_ang[i], d.end_ang[i]);
        double sum_ang = d.sta_ang[i], walked = 0;
        for (;;) {
            double temp_x, temp_y;
            arc_point(cx, cy, r, sum_ang, temp_x, temp_y);
            if (in_band(temp_x, temp_y, d.line_x[i][1], d.line_y[i][1])) break;
            if (walked >= sweep - arc_walk_margin) break;
            double s = sum_ang;
            int quadrant = -1;
            if (0 <= s && s < 90) {
                sum_ang = s + 0.01;
                if (sum_ang >= 90) quadrant = 90;
            } else if (90 <= s && s < 180) {
                sum_ang = s + 0.01;
                if (sum_ang >= 180) quadrant = 180;
            } else if (180 <= s && s < 270) {
                sum_ang = s + 0.01;
                if (sum_ang >= 270) quadrant = 270;
            } else {
                sum_ang = s + 0.01;
                if (sum_ang >= 360) {
                    sum_ang = sum_ang - 360;
                    quadrant = 0;
                }
            }
            walked = walked + 0.01;
            if (quadrant >= 0) {
                double t = quadrant_radians(quadrant);
                take(cx + r * std::cos(t), cy + r * std::sin(t));
            }
        }
    }
}

void store_extents(Drawing& d)
{
    int f = d.f_non;
    d.f_min_x[f] = d.min_x;
    d.f_min_y[f] = d.min_y;
    d.f_max_x[f] = d.max_x;
    d.f_max_y[f] = d.max_y;
    print_extents(d, f);
}

double distance(double x0, double y0, double x1, double y1)
{
    double dx = x0 - x1, dy = y0 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

// Gathers the branches that leave the junction where the trace stands and picks one
// into d.q. False when no branch can be taken: an open end, a branch back onto the
// previous point only, or branches whose mean leaves no direction.
bool choose_branch(Drawing& d)
{
    int m = d.m;
    double jx = d.line_x[d.o][d.p], jy = d.line_y[d.o][d.p];
    double px = d.outline_x[m - 1][0], py = d.outline_y[m - 1][0];
    d.k = 1;
    d.sita_max = 0;
    for (int i = 1; i < d.fac; ++i) {
        if (!takeable(d, i)) continue;
        for (int j = 0; j < 2; ++j) {
            if (!ends_meet(d.line_x[i][j], d.line_y[i][j], jx, jy)) continue;
            std::fprintf(d.con, "o=%d p=%d\t%f\t%f\n", d.o, d.p, px, py);
            double fx = d.line_x[i][1 - j], fy = d.line_y[i][1 - j];
            bool back = strictly_in_band(fx, px) && strictly_in_band(fy, py);
            bool zero = fx == jx && fy == jy;  // a branch of no length has no direction
            if (!back && !zero) {
                if (d.k > max_candidates)
                    fail(Status::input, "model2d.dxf",
                         strf("more than %d entity ends meet at (%f, %f)", max_candidates, jx, jy));
                int c = d.k++;
                d.v_x[c] = fx;
                d.v_y[c] = fy;
                d.v_i[c] = i;
                d.v_j[c] = 1 - j;
                d.v_fig[c] = d.fig[i];
            }
            d.fig_s[i] = -1;
        }
    }
    std::fprintf(d.con, "k=%d\n", d.k);
    if (d.k == 1) return false;

    // the reference direction runs from the junction to the mean of the far ends
    double sx = 0, sy = 0;
    for (int c = 1; c < d.k; ++c) {
        sx = sx + d.v_x[c];
        sy = sy + d.v_y[c];
    }
    d.v_x[0] = sx / (d.k - 1);
    d.v_y[0] = sy / (d.k - 1);
    for (int c = 1; c < d.k; ++c)
        std::fprintf(d.con, "v_x[%d]=%f\t v_y[%d]=%f\t%d %d\n", c, d.v_x[c], c, d.v_y[c], d.v_i[c], d.v_j[c]);
    std::fprintf(d.con, "v_x[0]=%f\tv_y[0]=%f\n", d.v_x[0], d.v_y[0]);
    for (int c = 0; c < d.k; ++c) {
        d.vs_x[c] = d.v_x[c] - jx;
        d.vs_y[c] = d.v_y[c] - jy;
        std::fprintf(d.con, "vs_x[%d]=%f\t vs_y[%d]=%f\n", c, d.vs_x[c], c, d.vs_y[c]);
        d.v[c] = std::sqrt(d.vs_x[c] * d.vs_x[c] + d.vs_y[c] * d.vs_y[c]);
        d.v_bec[c] = d.vs_x[c] * d.vs_x[0] + d.vs_y[c] * d.vs_y[0];
        std::fprintf(d.con, "v[%d]=%f\t v_bec[%d]=%f\n", c, d.v[c], c, d.v_bec[c]);
    }
    if (!(d.v[0] > 0 && std::isfinite(d.v[0]))) return false;
    for (int c = 1; c < d.k; ++c) {
        double ratio = d.v_bec[c] / (d.v[0] * d.v[c]);
        // rounding can carry the cosine of two parallel chords past 1
        d.sita[c] = std::acos(std::clamp(ratio, -1.0, 1.0));
        std::fprintf(d.con, "sita[%d]=%f, %f\n", c, d.sita[c], ratio);
    }
    double e1x = d.vs_x[0] / d.v[0], e1y = d.vs_y[0] / d.v[0];
    double nl = std::sqrt(e1y * e1y + e1x * e1x);
    double e2x = -e1y / nl, e2y = e1x / nl;  // the left normal
    std::fprintf(d.con, "\n%f\t%f\n%f\t%f\n%f\n", e1x, e1y, e2x, e2y, e1x * e2x + e1y * e2y);
    for (int c = 0; c < d.k; ++c) {
        d.vsdash_x[c] = d.vs_x[c] * e1x + d.vs_y[c] * e1y;
        d.vsdash_y[c] = d.vs_x[c] * e2x + d.vs_y[c] * e2y;
        std::fprintf(d.con, "\nvsdash_x[%d]=%f\tvsdash_y[%d]=%f\n", c, d.vsdash_x[c], c, d.vsdash_y[c]);
    }
    std::fprintf(d.con, "k=%d\n", d.k);

    // of the far ends not left of the reference direction, the one at the largest angle;
    // of equal angles the later one
    d.q = 0;
    for (int c = 1; c < d.k; ++c) {
        if (d.vsdash_y[c] <= 1e-06 && d.sita[c] >= d.sita_max) {
            d.sita_max = d.sita[c];
            d.q = c;
            std::fprintf(d.con, "saidai=%d\n", c);
        }
    }
    if (d.q == 0) return false;
    int q = d.q;
    std::fprintf(d.con, "sita_max=%f \n v_i[%d]=%d=%f,v_j[%d]=%d=%f", d.sita_max, q, d.v_i[q], d.v_x[q], q,
                 d.v_j[q], d.v_y[q]);
    return true;
}

// Element m of the figure: the chosen branch, from the junction to its far end.
void add_element(Drawing& d, double start_x, double start_y)
{
    int f = d.f_non, m = d.m, q = d.q, e = d.v_i[q];
    if (m > max_elements)
        fail(Status::input, "model2d.dxf", strf("figure %d has more than %d outline elements", f, max_elements));
    d.outline_x[m][1] = d.f_outline_x[f][m][1] = d.v_x[q];
    d.outline_y[m][1] = d.f_outline_y[f][m][1] = d.v_y[q];
    d.outfig[m] = d.f_outfig[f][m] = d.v_fig[q];
    d.outdxf_non[f][m] = d.dxf_non[e];
    d.fig_s[e] = f;
    // the outline runs the arc in its own direction when it leaves at the arc's end 1
    int along = d.v_x[q] == d.line_x[e][1] && d.v_y[q] == d.line_y[e][1];
    if (d.v_fig[q] == t_arc || d.v_fig[q] == t_ellarc) {
        d.outcen_x[m] = d.f_outcen_x[f][m] = d.cen_x[e];
        d.outcen_y[m] = d.f_outcen_y[f][m] = d.cen_y[e];
        d.out_ang[m] = d.f_out_ang[f][m] = along;
    }
    if (d.v_fig[q] == t_arc) {
        d.outrad[m] = d.f_outrad[f][m] = d.rad[e];
        d.outsta_ang[m] = d.f_outsta_ang[f][m] = d.sta_ang[e];
        d.outend_ang[m] = d.f_outend_ang[f][m] = d.end_ang[e];
    } else if (d.v_fig[q] == t_ellarc) {
        double sta = d.sta_ang[e], end = d.end_ang[e];
        d.outsta_ang[m] = d.f_outsta_ang[f][m] = sta > 360 ? sta - 360 : sta;
        d.outend_ang[m] = d.f_outend_ang[f][m] = end > 360 ? end - 360 : end;
        d.outel_b1_1[m] = d.f_outel_b1_1[f][m] = d.el_b1_1[e];
        d.outel_b1_2[m] = d.f_outel_b1_2[f][m] = d.el_b1_2[e];
        d.outel_b2_1[m] = d.f_outel_b2_1[f][m] = d.el_b2_1[e];
        d.outel_b2_2[m] = d.f_outel_b2_2[f][m] = d.el_b2_2[e];
        d.outsotai_a[m] = d.f_outsotai_a[f][m] = d.sotai_a[e];
        d.outsotai_b[m] = d.f_outsotai_b[f][m] = d.sotai_b[e];
    }

    // move on to the far end; the next element starts where this one ends
    d.o = e;
    d.p = d.v_j[q];
    d.k = 1;
    d.m = m + 1;
    d.sita_max = 0;
    d.outline_x[m + 1][0] = d.f_outline_x[f][m + 1][0] = d.outline_x[m][1];
    d.outline_y[m + 1][0] = d.f_outline_y[f][m + 1][0] = d.outline_y[m][1];
    std::fprintf(d.con, "%d %d %d\n", d.m, d.o, d.p);
    std::fprintf(d.con, "%f %f %f %f\n", start_x, start_y, d.outline_x[m][1], d.outline_y[m][1]);
    std::fprintf(d.con, figure_type_line, d.outfig[m]);
}

void list_outline(Drawing& d)
{
    int f = d.f_non;
    for (int i = 1; i < d.m; ++i) {
        for (int j = 0; j < 2; ++j) {
            double x = d.outline_x[i][j], y = d.outline_y[i][j];
            if (d.outfig[i] == t_line) {
                std::fprintf(d.con, "%d f=%d x=%f\ty=%f\n", i, f, x, y);
            } else if (d.outfig[i] == t_arc) {
                std::fprintf(d.con, "%d f=%d x=%f\ty=%f\tc_x=%f\tc_y=%f\tr=%f\ts_a=%f\te_a=%f\n", i, f, x, y,
                             d.outcen_x[i], d.outcen_y[i], d.outrad[i], d.outsta_ang[i], d.outend_ang[i]);
                std::fprintf(d.con, "out_ang=%d", d.out_ang[i]);
            } else if (d.outfig[i] == t_ellarc) {
                std::fprintf(d.con, "%d f=%d x=%f\ty=%f\tc_x=%f\tc_y=%f\ts_a=%f\te_a=%f\t", i, f, x, y,
                             d.outcen_x[i], d.outcen_y[i], d.outsta_ang[i], d.outend_ang[i]);
                std::fprintf(d.con, "out_ang=%d\n", d.out_ang[i]);
            }
        }
        std::fprintf(d.con, "\n");
    }
}

}  // namespace

bool takeable(const Drawing& d, int i)
{
    int t = d.fig[i];
    if (t != t_line && t != t_arc && t != t_ellarc) return false;
    if (!free_entity(d, i)) return false;
    return d.line_x[i][0] != d.line_x[i][1] || d.line_y[i][0] != d.line_y[i][1];
}

void print_extents(Drawing& d, int f)
{
    std::fprintf(d.con, "min_x=%f min_y=%f %f\nmax_x=%f max_y=%f %f\n", d.f_min_x[f], d.f_min_y[f], d.min_s,
                 d.f_max_x[f], d.f_max_y[f], d.max_s);
    std::fprintf(d.con, "f_non=%d f_min_x=%f f_min_y=%f\n\tf_max_x=%f f_max_y=%f\n", f, d.f_min_x[f], d.f_min_y[f],
                 d.f_max_x[f], d.f_max_y[f]);
}

void zukei_min_max(Drawing& d)
{
    // the lower-left corner of everything a trace can still take
    d.min_x = d.min_y = 65535.0;
    d.max_x = d.max_y = 0;
    for (int i = 1; i < d.fac; ++i) {
        if (!takeable(d, i)) continue;
        entity_points(d, i, [&](double x, double y) {
            if (x < d.min_x) d.min_x = x;
            if (y < d.min_y) d.min_y = y;
        });
    }
    store_extents(d);
    d.min_s = std::sqrt(d.min_x * d.min_x + d.min_y * d.min_y);
    d.max_s = std::sqrt(d.max_x * d.max_x + d.max_y * d.max_y);

    // the start: the end nearest to that corner; of equal distances the earlier end
    int first = 1;
    while (first < d.fac && !takeable(d, first)) ++first;
    assert(first < d.fac && "a pass starts only while a takeable entity is free");
    d.line_v_min = distance(d.line_x[first][0], d.line_y[first][0], d.min_x, d.min_y);
    std::fprintf(d.con, "%f\n", d.line_v_min);
    d.o = first;
    d.p = 0;
    for (int i = first; i < d.fac; ++i) {
        if (!takeable(d, i)) continue;
        for (int j = 0; j < 2; ++j) {
            double l = distance(d.line_x[i][j], d.line_y[i][j], d.min_x, d.min_y);
            std::fprintf(d.con, "l_v[%d][%d]=%f\tl_x=%f\tl_y%f\n", i, j, l, d.line_x[i][j], d.line_y[i][j]);
            if (l < d.line_v_min) {
                d.o = i;
                d.p = j;
                d.line_v_min = l;
            }
        }
    }
    std::fprintf(d.con, "line_v[%d][%d]%f=%f\n", d.o, d.p, d.line_v_min, d.line_v_min);
}

void zukei_outline(Drawing& d)
{
    int f = d.f_non;
    d.m = 1;
    double sx = d.line_x[d.o][d.p], sy = d.line_y[d.o][d.p];
    d.outline_x[1][0] = d.f_outline_x[f][1][0] = sx;
    d.outline_y[1][0] = d.f_outline_y[f][1][0] = sy;
    d.f_closed[f] = false;
    for (;;) {
        if (d.m > 1 && ends_meet(sx, sy, d.outline_x[d.m - 1][1], d.outline_y[d.m - 1][1])) {
            d.f_closed[f] = true;
            break;
        }
        // a junction where no branch is taken ends the trace: the figure stays open
        if (!choose_branch(d)) break;
        add_element(d, sx, sy);
    }
    list_outline(d);
}

void zukei_max(Drawing& d)
{
    // the minima stay those of the corner; the maxima are the figure's own
    int f = d.f_non;
    d.max_x = d.max_y = -HUGE_VAL;
    for (int i = 1; i < d.fac; ++i) {
        if (d.fig_s[i] != f) continue;
        entity_points(d, i, [&](double x, double y) {
            d.min_x = std::min(d.min_x, x);
            d.min_y = std::min(d.min_y, y);
            d.max_x = std::max(d.max_x, x);
            d.max_y = std::max(d.max_y, y);
        });
    }
    if (d.max_x == -HUGE_VAL) d.max_x = d.max_y = 0;  // a pass that took nothing
    store_extents(d);
}
