// Boundary points on the worked examples: lines, arcs walked either way, elliptical arcs,
// circles and full ellipses, walks whose bands no point can enter, and the outer figure.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "capture.h"
#include "geometry.h"
#include "points.h"
#include "records.h"

namespace {

struct Pt {
    double x, y;
};

Pt on_circle(double cx, double cy, double r, double deg)
{
    return {cx + r * std::cos(deg * pi / 180), cy + r * std::sin(deg * pi / 180)};
}

Pt on_ellipse(double cx, double cy, double a, double b, double deg)
{
    return {cx + a * std::cos(deg * pi / 180), cy + b * std::sin(deg * pi / 180)};
}

// Figure 1 made of one element: an arc of a circle (b = 0) or of an ellipse with its
// major axis along x, entered at its start angle (forward) or at its end angle. It is no
// closed figure, so its points keep the order of the walk.
void one_arc(Drawing& d, double cx, double cy, double a, double b, double sta, double end, bool forward)
{
    d.f_non = 1;
    d.f_m[1] = 2;
    bool ellipse = b > 0;
    d.f_outfig[1][1] = ellipse ? t_ellarc : t_arc;
    d.f_outcen_x[1][1] = cx;
    d.f_outcen_y[1][1] = cy;
    d.f_outrad[1][1] = a;
    d.f_outsotai_a[1][1] = a;
    d.f_outsotai_b[1][1] = b;
    d.f_outel_b1_1[1][1] = 1;
    d.f_outel_b2_2[1][1] = 1;
    d.f_outsta_ang[1][1] = sta;
    d.f_outend_ang[1][1] = end;
    d.f_out_ang[1][1] = forward;
    Pt p0 = ellipse ? on_ellipse(cx, cy, a, b, sta) : on_circle(cx, cy, a, sta);
    Pt p1 = ellipse ? on_ellipse(cx, cy, a, b, end) : on_circle(cx, cy, a, end);
    if (!forward) std::swap(p0, p1);
    d.f_outline_x[1][1][0] = p0.x;
    d.f_outline_y[1][1][0] = p0.y;
    d.f_outline_x[1][1][1] = p1.x;
    d.f_outline_y[1][1][1] = p1.y;
}

void one_line(Drawing& d, double x0, double y0, double x1, double y1)
{
    d.f_non = 1;
    d.f_m[1] = 2;
    d.f_outfig[1][1] = t_line;
    d.f_outline_x[1][1][0] = x0;
    d.f_outline_y[1][1][0] = y0;
    d.f_outline_x[1][1][1] = x1;
    d.f_outline_y[1][1][1] = y1;
}

std::vector<Pt> points_of(const Drawing& d, int f)
{
    std::vector<Pt> p;
    for (int k = 1; k < d.f_k[f]; ++k) p.push_back({d.f_out_x[f][k], d.f_out_y[f][k]});
    return p;
}

void expect_points(const std::vector<Pt>& got, const std::vector<Pt>& want, const std::string& what)
{
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << what << " point " << i + 1;
        EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << what << " point " << i + 1;
    }
}

// The first point of an arc and points at the given angles.
std::vector<Pt> arc_expected(double cx, double cy, double a, double b, double first, std::vector<double> inner)
{
    auto at = [&](double t) { return b > 0 ? on_ellipse(cx, cy, a, b, t) : on_circle(cx, cy, a, t); };
    std::vector<Pt> p{at(first)};
    for (double t : inner) p.push_back(at(t));
    return p;
}

}  // namespace

TEST(BoundaryPoints, ArcsTakeAPointAboutEvery18Degrees)
{
    const struct {
        const char* what;
        double b, sta, end;
        bool forward;
        double first;
        std::vector<double> inner;
    } cases[] = {
        // the sum of 181 steps of 0.1 is just above 18.1: the first point lies 18.1 on
        {"quarter forward", 0, 0, 90, true, 0, {18.1, 36.1, 54.1, 72.1}},
        {"quarter reverse", 0, 0, 90, false, 90, {71.9, 53.9, 35.9, 17.9}},
        {"across 0 forward", 0, 300, 30, true, 300, {318.1, 336.1, 354.1, 372.1}},
        {"20 degrees", 0, 0, 20, true, 0, {10.1}},
        {"17 degrees", 0, 0, 17, true, 0, {8.6}},
        {"100 degrees", 0, 0, 100, true, 0, {20, 40, 60, 80}},
        {"elliptical across 0 forward", 10, 300, 30, true, 300, {318.1, 336.1, 354.1, 12.1}},
        // crossing 0 in reverse counts 0.2 for one step: the later points move by one step
        {"elliptical across 0 reverse", 10, 300, 30, false, 30, {11.9, -6, -24, -42}},
    };
    for (const auto& c : cases) {
        Captured cap;
        Drawing& d = cap.d();
        one_arc(d, 50, 50, c.b > 0 ? 20 : 10, c.b, c.sta, c.end, c.forward);
        inzukei_outpoint(d);
        double a = c.b > 0 ? 20 : 10;
        expect_points(points_of(d, 1), arc_expected(50, 50, a, c.b, c.first, c.inner), c.what);
    }
}

TEST(BoundaryPoints, StepCountsAndTheirConsoleLines)
{
    const struct {
        double b, sweep;
        bool forward;
        const char* line;
    } cases[] = {
        {0, 90, true, "cut_ang=90.000000cut_non=5 cut_ran=18.000000"},
        {0, 100, true, "cut_ang=100.000000cut_non=5 cut_ran=20.000000"},
        {0, 36, true, "cut_ang=36.000000cut_non=2 cut_ran=18.000000"},
        {0, 20, true, "cut_ang=20.000000cut_non=2 cut_ran=10.000000"},
        {0, 17, false, "cut_ang=17.000000mainas cut_non=2 cut_ran=8.500000"},
        {10, 90, true, "cut_ang=90.000000cut_non=5 cut_ran=18.000000"},
        {10, 90, false, "mainas ell cut_ang=90.000000cut_non=5 cut_ran=18.000000"},
    };
    for (const auto& c : cases) {
        Captured cap;
        one_arc(cap.d(), 50, 50, 20, c.b, 10, 10 + c.sweep, c.forward);
        inzukei_outpoint(cap.d());
        EXPECT_NE(cap.out().find(c.line), std::string::npos) << c.line << "\n" << cap.out();
    }
}

TEST(BoundaryPoints, LinesAddTheirStartAndMidpoint)
{
    const struct {
        const char* what;
        double x0, y0, x1, y1;
        Pt mid;
    } cases[] = {
        {"slanting", 0, 0, 10, 4, {5, 0 + 0.4 * 5}},
        {"nearly vertical: x of the start", 100, 0, 100.05, 50, {100, 25}},
        {"nearly horizontal: y of the start", 0, 100, 50, 100.05, {25, 100}},
    };
    for (const auto& c : cases) {
        Captured cap;
        one_line(cap.d(), c.x0, c.y0, c.x1, c.y1);
        inzukei_outpoint(cap.d());
        expect_points(points_of(cap.d(), 1), {{c.x0, c.y0}, c.mid}, c.what);
    }
    // a vertical line's slope is printed as the C library prints an infinity
    Captured v;
    one_line(v.d(), 5, 0, 5, 10);
    inzukei_outpoint(v.d());
    EXPECT_NE(v.out().find("0.000000 10.000000 inf 0.000000\n"), std::string::npos) << v.out();
}

TEST(BoundaryPoints, WalksEndWhereTheirEndsBandHoldsEverything)
{
    // radius 1 about (1000, 1000): the band of the end holds the whole arc
    Captured arc;
    one_arc(arc.d(), 1000, 1000, 1, 0, 0, 90, true);
    inzukei_outpoint(arc.d());
    expect_points(points_of(arc.d(), 1), {{1001, 1000}}, "small arc");

    // semi-axes 2 and 1 about (1000, 1000): three points, at 180, 198 and 216
    Captured ell;
    Scanner out("out.txt", "1\t4\t1000.0000\t1000.0000\t2.0000\t0.0000\t0.5000\t0.0000\t6.2832\n");
    read_records(ell.d(), out, 1);
    inzukei_outpoint(ell.d());
    expect_points(points_of(ell.d(), 1),
                  {on_ellipse(1000, 1000, 2, 1, 180), on_ellipse(1000, 1000, 2, 1, 198),
                   on_ellipse(1000, 1000, 2, 1, 216)},
                  "small ellipse");
}

TEST(BoundaryPoints, WalksEndEvenWhereNoPointEntersTheBand)
{
    // a quarter arc about the origin: its end (0, 10) has a band of width 0 in x
    Captured arc;
    one_arc(arc.d(), 0, 0, 10, 0, 0, 90, true);
    inzukei_outpoint(arc.d());
    expect_points(points_of(arc.d(), 1), arc_expected(0, 0, 10, 0, 0, {18.1, 36.1, 54.1, 72.1}), "arc at origin");

    Captured ell;
    one_arc(ell.d(), 0, 50, 20, 10, 0, 90, true);
    inzukei_outpoint(ell.d());
    expect_points(points_of(ell.d(), 1), arc_expected(0, 50, 20, 10, 0, {18.1, 36.1, 54.1, 72.1}),
                  "elliptical arc ending at x = 0");
}

// Twenty points about a circle or a full ellipse; about the origin the band of the first
// point has width 0 in y, and the walk still ends after one turn.
TEST(BoundaryPoints, CirclesAndFullEllipsesGiveTwentyPoints)
{
    for (double c : {50.0, 0.0}) {
        char record[200];
        std::snprintf(record, sizeof record, "1\t3\t%.4f\t%.4f\t10.0000\n", c, c);
        Captured cap;
        Scanner out("out.txt", record);
        read_records(cap.d(), out, 1);
        inzukei_outpoint(cap.d());
        EXPECT_EQ(cap.d().f_k[1], 21);
        std::vector<Pt> want{{c - 10, c}};
        for (int i = 0; i < 19; ++i) want.push_back(on_circle(c, c, 10, 198.1 + 18 * i));
        expect_points(points_of(cap.d(), 1), want, "circle about " + std::to_string(c));

        std::snprintf(record, sizeof record, "1\t4\t%.4f\t%.4f\t20.0000\t0.0000\t0.5000\t0.0000\t6.2832\n", c, c);
        Captured ecap;
        Scanner eout("out.txt", record);
        read_records(ecap.d(), eout, 1);
        inzukei_outpoint(ecap.d());
        want.clear();
        for (int i = 0; i < 20; ++i) want.push_back(on_ellipse(c, c, 20, 10, 180 + 18 * i));
        expect_points(points_of(ecap.d(), 1), want, "ellipse about " + std::to_string(c));
    }
}

TEST(BoundaryPoints, EntitiesWhoseEndsCoincideAddNothing)
{
    Captured cap;
    one_line(cap.d(), 3, 4, 3, 4);
    inzukei_outpoint(cap.d());
    EXPECT_EQ(cap.d().f_k[1], 1);
}

TEST(BoundaryPoints, ClockwiseRingIsTurnedBehindItsFirstPoint)
{
    // the square (0, 0), (0, 10), (10, 10), (10, 0) traced clockwise
    Captured cap;
    Drawing& d = cap.d();
    const double x[] = {0, 0, 10, 10, 0}, y[] = {0, 10, 10, 0, 0};
    d.f_non = 1;
    d.f_m[1] = 5;
    d.f_closed[1] = true;
    for (int e = 1; e <= 4; ++e) {
        d.f_outfig[1][e] = t_line;
        d.f_outline_x[1][e][0] = x[e - 1];
        d.f_outline_y[1][e][0] = y[e - 1];
        d.f_outline_x[1][e][1] = x[e];
        d.f_outline_y[1][e][1] = y[e];
    }
    inzukei_outpoint(d);
    expect_points(points_of(d, 1), {{0, 0}, {5, 0}, {10, 0}, {10, 5}, {10, 10}, {5, 10}, {0, 10}, {0, 5}},
                  "reversed square");
    EXPECT_EQ(cap.err(), "lindrove_tri01: warning: figure 1 runs clockwise: its boundary points are reversed "
                         "behind point 1\n");
    EXPECT_GT(ring_area2(d.f_out_x[1], d.f_out_y[1], 8), 0);
}

TEST(OuterFigure, TheWidestInXOfEqualOnesTheFirst)
{
    Captured cap;
    Drawing& d = cap.d();
    d.f_non = 3;
    const double lo[] = {0, 10, 10, 60}, hi[] = {0, 110, 110, 110};  // figure 3 is taller, not wider
    for (int f = 1; f <= 3; ++f) {
        d.f_min_x[f] = lo[f];
        d.f_max_x[f] = hi[f];
    }
    d.f_min_y[3] = -1000;
    d.f_max_y[3] = 1000;
    zukei_range(d);
    EXPECT_EQ(d.f_ranmax_non, 1);
    EXPECT_EQ(cap.out(),
              "\n3\nf_range[1]=100.000000\nf_range[2]=100.000000\nf_range[3]=50.000000\n"
              "f_ranmax_non=1 100.000000\n");

    Captured none;
    zukei_range(none.d());
    inzukei_outpoint(none.d());
    EXPECT_EQ(none.d().f_ranmax_non, 1);
    // the question is asked and nothing waits for its answer
    EXPECT_EQ(none.out(), "\n0\nf_range[1]=0.000000\nf_ranmax_non=1 0.000000\n"
                          "x\x8e\xb2\x82\xf0\x89\xbd\x95\xaa\x8a\x84\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48"
                          "\n-->ok 100 1\n");
}
