// Reads out.txt back: lines, arcs, elliptical arcs and spline segments become entities to
// trace; circles and full ellipses become figures at once.
#include "records.h"

#include <cmath>
#include <string>

#include "failure.h"
#include "geometry.h"
#include "trace.h"

namespace {

const char* const drawing_file = "model2d.dxf";

// Angles of a drawing lie within a turn or two of 0; far beyond, a walk of small steps
// would take for ever to cover them.
constexpr double max_angle = 720;
bool angle_ok(double a) { return std::fabs(a) <= max_angle; }

// Negative angles are raised by whole turns, both together so that the arc keeps its
// sweep: the walks step through the quadrants from 0 upwards.
void raise_angles(double& sta, double& end)
{
    while (sta < 0 || end < 0) {
        sta = sta + 360;
        end = end + 360;
    }
}

// The next entity slot, refused when the table is full.
int next_entity(Drawing& d)
{
    if (d.fac > max_entities)
        fail(Status::input, drawing_file, strf("more than %d entities: the entity table is full", max_entities));
    return d.fac;
}


void print_ends(Drawing& d, int t)
{
    std::fprintf(d.con, "%f %f %f %f\n", d.line_x[t][0], d.line_y[t][0], d.line_x[t][1], d.line_y[t][1]);
}

EllipseAxes axes_of(const Drawing& d, int t)
{
    return {d.cen_x[t], d.cen_y[t], d.sotai_a[t], d.sotai_b[t], d.el_b1_1[t], d.el_b1_2[t], d.el_b2_1[t], d.el_b2_2[t]};
}

// Figure f is entity t alone, a circle or full ellipse: one element, closed by itself.
void whole_figure(Drawing& d, int f, int t)
{
    d.f_outfig[f][1] = d.fig[t];
    d.f_outcen_x[f][1] = d.cen_x[t];
    d.f_outcen_y[f][1] = d.cen_y[t];
    d.outdxf_non[f][1] = d.dxf_non[t];
    d.f_m[f] = 2;
    d.f_closed[f] = true;
}

// A line entity from (x0, y0) to (x1, y1), made of record h.
void add_line(Drawing& d, int h, double x0, double y0, double x1, double y1)
{
    int t = next_entity(d);
    d.fig[t] = t_line;
    d.dxf_non[t] = h;
    d.line_x[t][0] = x0;
    d.line_y[t][0] = y0;
    d.line_x[t][1] = x1;
    d.line_y[t][1] = y1;
    print_ends(d, t);
    ++d.fac;
}

// The next entity slot, its centre read into it.
int centred_entity(Drawing& d, Scanner& out)
{
    int t = next_entity(d);
    d.cen_x[t] = out.real("the centre x");
    d.cen_y[t] = out.real("the centre y");
    return t;
}

void read_arc(Drawing& d, Scanner& out, int h)
{
    int t = centred_entity(d, out);
    d.rad[t] = out.real("the radius");
    d.sta_ang[t] = out.real("the start angle");
    d.end_ang[t] = out.real("the end angle");
    arc_point(d.cen_x[t], d.cen_y[t], d.rad[t], d.sta_ang[t], d.line_x[t][0], d.line_y[t][0]);
    arc_point(d.cen_x[t], d.cen_y[t], d.rad[t], d.end_ang[t], d.line_x[t][1], d.line_y[t][1]);
    print_ends(d, t);
    std::fprintf(d.con, "s_a=%f e_a=%f\n", d.sta_ang[t], d.end_ang[t]);
    if (!(d.rad[t] > 0)) {
        warn(d, strf("out.txt record %d: an arc of radius %g is left out", h, d.rad[t]));
        return;
    }
    if (!angle_ok(d.sta_ang[t]) || !angle_ok(d.end_ang[t])) {
        warn(d, strf("out.txt record %d: an arc from %g to %g degrees is left out", h, d.sta_ang[t], d.end_ang[t]));
        return;
    }
    raise_angles(d.sta_ang[t], d.end_ang[t]);
    d.fig[t] = t_arc;
    d.dxf_non[t] = h;
    ++d.fac;
}

void read_circle(Drawing& d, Scanner& out, int h)
{
    int t = centred_entity(d, out);
    d.line_x[t][0] = d.cen_x[t];
    d.line_y[t][0] = d.cen_y[t];
    d.rad[t] = out.real("the radius");
    std::fprintf(d.con, "cen_x=%f cen_y=%f rad=%f\n", d.cen_x[t], d.cen_y[t], d.rad[t]);
    if (!(d.rad[t] > 0)) {
        warn(d, strf("out.txt record %d: a circle of radius %g is left out", h, d.rad[t]));
        return;
    }
    d.fig[t] = t_circle;
    d.dxf_non[t] = h;
    ++d.fac;
    d.fig_s[t] = new_figure(d);
    circle_max_min(d, t);
}

void read_ellipse(Drawing& d, Scanner& out, int h)
{
    int t = centred_entity(d, out);
    d.lon_x[t] = out.real("the major axis x");
    d.lon_y[t] = out.real("the major axis y");
    d.sho_r[t] = out.real("the axis ratio");
    d.sta_ang[t] = out.real("the start parameter");
    d.end_ang[t] = out.real("the end parameter");
    std::fprintf(d.con, "cen_x=%f cen_y=%f lon_x=%f lon_y=%f\n", d.cen_x[t], d.cen_y[t], d.lon_x[t], d.lon_y[t]);
    std::fprintf(d.con, "sho_r=%f s_ang=%f e_ang=%f\n", d.sho_r[t], d.sta_ang[t], d.end_ang[t]);
    if (d.lon_x[t] == 0 && d.lon_y[t] == 0) {
        warn(d, strf("out.txt record %d: an ellipse without a major axis is left out", h));
        return;
    }
    ellipse_beta(d, t);
    // a major axis or ratio near the largest double gives axes beyond it, and
    // boundary points of inf and nan
    if (!std::isfinite(d.sotai_a[t]) || !std::isfinite(d.sotai_b[t])) {
        warn(d, strf("out.txt record %d: an ellipse of half axes %g and %g is left out", h, d.sotai_a[t],
                     d.sotai_b[t]));
        return;
    }
    if (!angle_ok(d.sta_ang[t]) || !angle_ok(d.end_ang[t])) {
        warn(d, strf("out.txt record %d: an ellipse from %g to %g degrees is left out", h, d.sta_ang[t],
                     d.end_ang[t]));
        return;
    }
    d.dxf_non[t] = h;
    ++d.fac;
    if (d.sta_ang[t] == 0 && d.end_ang[t] >= 360) {
        d.fig[t] = t_ellipse;
        d.fig_s[t] = new_figure(d);
        ellipse_min_max(d, t);
        return;
    }
    d.fig[t] = t_ellarc;
    raise_angles(d.sta_ang[t], d.end_ang[t]);
    EllipseAxes e = axes_of(d, t);
    ellipse_point(e, d.sta_ang[t], d.line_x[t][0], d.line_y[t][0]);
    ellipse_point(e, d.end_ang[t], d.line_x[t][1], d.line_y[t][1]);
}

// n points become n - 1 line entities, each starting where the one before ends.
void read_polyline(Drawing& d, Scanner& out, int h)
{
    int n = out.integer("the point count");
    if (n < 2) out.refuse(strf("a spline record of %d point(s): a spline needs two", n));
    double x0 = out.real("x of point 1");
    double y0 = out.real("y of point 1");
    for (int i = 2; i <= n; ++i) {
        double x1 = out.real("x of a point");
        double y1 = out.real("y of a point");
        add_line(d, h, x0, y0, x1, y1);
        x0 = x1;
        y0 = y1;
    }
}

}  // namespace

int new_figure(Drawing& d)
{
    if (d.f_non == max_figures)
        fail(Status::input, drawing_file, strf("more than %d figures: the figure table is full", max_figures));
    return ++d.f_non;
}

int read_record_count(Scanner& facter)
{
    facter.at("the record count");
    int count = facter.integer("the record count");
    if (count < 0) facter.refuse(strf("a record count of %d", count));
    if (count > max_entities)
        fail(Status::input, drawing_file,
             strf("%d entity records: the tables hold %d", count, max_entities));
    return count;
}

void read_records(Drawing& d, Scanner& out, int count)
{
    d.fac = 1;
    for (int h = 1; h <= count; ++h) {
        out.at("record", h);
        d.non[h] = out.integer("the record number");
        std::string type = out.word("the type code");
        std::fprintf(d.con, "%d ", d.non[h]);
        if (type == "P") {
            // a point is no part of any outline
            double x = out.real("x");
            double y = out.real("y");
            std::fprintf(d.con, "P %f %f\n", x, y);
            continue;
        }
        std::fprintf(d.con, "%s ", type.c_str());
        if (type == "1") {
            double x0 = out.real("x of end 0"), y0 = out.real("y of end 0");
            double x1 = out.real("x of end 1"), y1 = out.real("y of end 1");
            add_line(d, h, x0, y0, x1, y1);
        } else if (type == "2") {
            read_arc(d, out, h);
        } else if (type == "3") {
            read_circle(d, out, h);
        } else if (type == "4") {
            read_ellipse(d, out, h);
        } else if (type == "6") {
            read_polyline(d, out, h);
        } else {
            out.refuse(strf("unknown type code '%s'", type.c_str()));
        }
    }
}

void circle_max_min(Drawing& d, int t)
{
    int f = d.f_non;
    std::fprintf(d.con, "%d", t);
    d.f_min_x[f] = d.cen_x[t] - d.rad[t];
    d.f_min_y[f] = d.cen_y[t] - d.rad[t];
    d.f_max_x[f] = d.cen_x[t] + d.rad[t];
    d.f_max_y[f] = d.cen_y[t] + d.rad[t];
    print_extents(d, f);
    whole_figure(d, f, t);
    d.f_outrad[f][1] = d.rad[t];
}

void ellipse_beta(Drawing& d, int t)
{
    std::fprintf(d.con, "%d\n", t);
    d.sotai_a[t] = std::sqrt(d.lon_x[t] * d.lon_x[t] + d.lon_y[t] * d.lon_y[t]);
    d.sotai_b[t] = d.sho_r[t] * d.sotai_a[t];
    std::fprintf(d.con, "a=%f b=%f\n", d.sotai_a[t], d.sotai_b[t]);
    d.sta_ang[t] *= rad_deg;
    d.end_ang[t] *= rad_deg;
    std::fprintf(d.con, "s_a=%f e_a=%f\n", d.sta_ang[t], d.end_ang[t]);
    double start_u = d.lon_x[t] >= 0 ? d.sotai_a[t] : -d.sotai_a[t];
    std::fprintf(d.con, "outtemp1_x=%f outtemp1_y=%f\nouttemp2_x=%f outtemp2_y=%f\n", d.lon_x[t], d.lon_y[t], start_u,
                 0.0);
    double ux = d.lon_x[t] / d.sotai_a[t];
    double uy = d.lon_y[t] / d.sotai_a[t];
    double wl = std::sqrt(uy * uy + ux * ux);
    d.el_b1_1[t] = ux;
    d.el_b1_2[t] = uy;
    d.el_b2_1[t] = -uy / wl;
    d.el_b2_2[t] = ux / wl;
}

void ellipse_min_max(Drawing& d, int t)
{
    int f = d.f_non;
    std::fprintf(d.con, "b1_1=%f b2_1=%f\nb1_2=%f b2_2=%f\n", d.el_b1_1[t], d.el_b2_1[t], d.el_b1_2[t], d.el_b2_2[t]);
    // the walk starts at the end of the major axis that lies to the right
    double su = d.lon_x[t] >= 0 ? d.sotai_a[t] : -d.sotai_a[t];
    double sx = d.el_b1_1[t] * su + d.cen_x[t];
    double sy = d.el_b1_2[t] * su + d.cen_y[t];
    std::fprintf(d.con, "o_x=%f o_y=%f\n", sx, sy);
    double lo_x = sx, lo_y = sy, hi_x = sx, hi_y = sy;
    EllipseAxes e = axes_of(d, t);
    // One full turn of 0.1-degree steps; the first point past 360 degrees closes the turn
    // at the start whether or not it falls in the start's band (a start coordinate of 0
    // gives a band no point enters).
    double s = 0;
    for (;;) {
        s = s + 0.1;
        bool lap = false;
        if (s >= 360) {
            s = s - 360;
            lap = true;
        }
        double x, y;
        ellipse_point(e, s, x, y);
        lo_x = std::fmin(lo_x, x);
        lo_y = std::fmin(lo_y, y);
        hi_x = std::fmax(hi_x, x);
        hi_y = std::fmax(hi_y, y);
        if (lap) break;
    }
    d.f_min_x[f] = lo_x;
    d.f_min_y[f] = lo_y;
    d.f_max_x[f] = hi_x;
    d.f_max_y[f] = hi_y;
    whole_figure(d, f, t);
    d.f_outsta_ang[f][1] = d.sta_ang[t];
    d.f_outend_ang[f][1] = d.end_ang[t];
    d.f_outel_b1_1[f][1] = d.el_b1_1[t];
    d.f_outel_b1_2[f][1] = d.el_b1_2[t];
    d.f_outel_b2_1[f][1] = d.el_b2_1[t];
    d.f_outel_b2_2[f][1] = d.el_b2_2[t];
    d.f_outsotai_a[f][1] = d.sotai_a[t];
    d.f_outsotai_b[f][1] = d.sotai_b[t];
    print_extents(d, f);
}
