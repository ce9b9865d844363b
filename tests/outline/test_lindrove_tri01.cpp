// lindrove_tri01 end to end on real drawings: the files it writes byte for byte where the
// numbers are exact, the rings checked against the drawing's geometry, its console texts,
// and its refusals.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <vector>

#include "boundary_text.h"
#include "dxf_text.h"
#include "sandbox.h"

namespace {

const char* const program = "lindrove_tri01";
constexpr double time_limit = 20;

std::string points_text(const std::vector<Point>& pts)
{
    std::string s;
    char buf[80];
    for (const Point& p : pts) {
        std::snprintf(buf, sizeof buf, "%f %f\n", p.x, p.y);
        s += buf;
    }
    return s;
}

Point on_circle(double cx, double cy, double r, double deg)
{
    return {cx + r * std::cos(deg * M_PI / 180), cy + r * std::sin(deg * M_PI / 180)};
}

// A run of lindrove_tri01 on a drawing in a fresh directory.
struct DrawingRun {
    Sandbox box;
    RunResult r;
    DrawingRun(const std::string& fixture, const std::string& text = "")
    {
        if (!fixture.empty()) box.copy_fixture("outline/" + fixture, "model2d.dxf");
        if (!text.empty()) box.write("model2d.dxf", text);
        r = box.run(program, {}, "", time_limit);
    }
    Rings boundary() const { return parse_rings(box.read("INPUT01.TXT")); }
};

const std::vector<Point> rectangle_points{{10, 10}, {60, 10},  {110, 10}, {110, 35},
                                       {110, 60}, {60, 60}, {10, 60},  {10, 35}};
const std::string rectangle_input01 = "1\n0\n8\n0\n1,8,7,6,5,4,3,2\n8\n0\n" + points_text(rectangle_points);

// cp932 bytes of the two Japanese texts
const std::string figure_type_1 = "\x90\x7d\x8c\x60\x82\xcd" "1\n\n";  // 図形は1
const std::string question = "x\x8e\xb2\x82\xf0\x89\xbd\x95\xaa\x8a\x84\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48"
                             "\n-->";  // x軸を何分割しますか？

size_t count_of(const std::string& s, const std::string& part)
{
    size_t n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(LindroveTri01, RectangleOfFourLines)
{
    DrawingRun run("rect_lines_r2000.dxf");
    ASSERT_EQ(run.r.status, 0) << run.r.err;
    EXPECT_EQ(run.r.err, "");
    EXPECT_EQ(run.box.read("INPUT01.TXT"), rectangle_input01);
    EXPECT_EQ(run.box.read("fig_non.txt"), "1\t4\t1\t2\t3\t4\t\n");
    EXPECT_EQ(run.box.read("facter.txt"), "4");
    EXPECT_EQ(run.box.read("out.txt"),
              "1\t1\t10.0000\t10.0000\t110.0000\t10.0000\n"
              "2\t1\t110.0000\t10.0000\t110.0000\t60.0000\n"
              "3\t1\t110.0000\t60.0000\t10.0000\t60.0000\n"
              "4\t1\t10.0000\t60.0000\t10.0000\t10.0000\n");

    const std::string& con = run.r.out;
    EXPECT_EQ(con.rfind("line_no=1 sta_x=10.0000 sta_y=10.0000 end_x=110.0000 end_y=10.0000\n"
                        "line_no=2 sta_x=110.0000 sta_y=10.0000 end_x=110.0000 end_y=60.0000\n"
                        "line_no=3 sta_x=110.0000 sta_y=60.0000 end_x=10.0000 end_y=60.0000\n"
                        "line_no=4 sta_x=10.0000 sta_y=60.0000 end_x=10.0000 end_y=10.0000\n"
                        "okkkkk 51 1 10.000000 10.000000 110.000000 10.000000\n",
                        0),
              0u);
    EXPECT_EQ(count_of(con, figure_type_1), 4u);  // four lines traced
    // the first junction: the bottom edge (entity 1, far end 1) and the left edge (entity 4,
    // far end 0); the bottom one lies right of their mean direction, at acos(2 / sqrt 5)
    EXPECT_NE(con.find("v_x[1]=110.000000\t v_y[1]=10.000000\t1 1\n"
                       "v_x[2]=10.000000\t v_y[2]=60.000000\t4 0\n"
                       "v_x[0]=60.000000\tv_y[0]=35.000000\n"),
              std::string::npos);
    EXPECT_NE(con.find("saidai=1\nsita_max=0.463648 \n v_i[1]=1=110.000000,v_j[1]=1=10.0000002 1 1\n"),
              std::string::npos);
    EXPECT_NE(con.find("\n1\nf_range[1]=100.000000\nf_ranmax_non=1 100.000000\n" + question + "ok 100 5\n"),
              std::string::npos);
    std::string listing = "\ncnt_o=9\nf_k[1]=9\n";
    for (size_t k = 0; k < rectangle_points.size(); ++k) {
        char row[120];
        std::snprintf(row, sizeof row, "out_x[1][%zu]=%f\tout_y[1][%zu]=%f\n", k + 1, rectangle_points[k].x, k + 1,
                      rectangle_points[k].y);
        listing += row;
    }
    ASSERT_GE(con.size(), listing.size());
    EXPECT_EQ(con.substr(con.size() - listing.size()), listing);
}

TEST(LindroveTri01, PlateWithACircularHole)
{
    DrawingRun run("plate_hole_r2000.dxf");
    ASSERT_EQ(run.r.status, 0) << run.r.err;
    // the circle is figure 1, made while reading; the plate, figure 2, is the outer one
    EXPECT_EQ(run.box.read("fig_non.txt"), "1\t1\t5\t\n2\t4\t1\t2\t3\t4\t\n");
    // the outline listing of the traced figure names each element and the figure
    EXPECT_NE(run.r.out.find("\n1 f=2 x=10.000000\ty=10.000000\n1 f=2 x=110.000000\ty=10.000000\n\n"
                             "2 f=2 x=110.000000\ty=10.000000\n"),
              std::string::npos);
    std::string input = run.box.read("INPUT01.TXT");
    EXPECT_EQ(input.substr(0, input.find("\n28\n0\n") + 6), "1\n1\n8\n20\n1,8,7,6,5,4,3,2\n28\n0\n");
    Rings b = run.boundary();
    ASSERT_EQ(b.counts, (std::vector<int>{8, 20}));
    EXPECT_EQ(points_text(b.rings[0]), points_text(rectangle_points));
    // the leftmost point first, the second 18.1 degrees on, then every 18 degrees
    std::vector<Point> hole{{50, 35}};
    for (int i = 0; i < 19; ++i) hole.push_back(on_circle(60, 35, 10, 198.1 + 18 * i));
    for (size_t k = 0; k < hole.size(); ++k) {
        EXPECT_NEAR(b.rings[1][k].x, hole[k].x, 1e-6) << k;
        EXPECT_NEAR(b.rings[1][k].y, hole[k].y, 1e-6) << k;
    }
    EXPECT_GT(signed_area(b.rings[1]), 0);
}

TEST(LindroveTri01, SlotOfTwoLinesAndTwoArcs)
{
    DrawingRun run("slot_arcs_r2000.dxf");
    ASSERT_EQ(run.r.status, 0) << run.r.err;
    EXPECT_EQ(run.box.read("fig_non.txt"), "1\t4\t1\t2\t3\t4\t\n");
    Rings b = run.boundary();
    ASSERT_EQ(b.counts, std::vector<int>{24});
    // each line its start and midpoint, each half circle its start and nine points
    std::vector<Point> want{{40, 20}, {60, 20}, {80, 20}};
    for (int i = 0; i < 9; ++i) want.push_back(on_circle(80, 30, 10, 270 + 18.1 + 18 * i));
    want.insert(want.end(), {{80, 40}, {60, 40}, {40, 40}});
    for (int i = 0; i < 9; ++i) want.push_back(on_circle(40, 30, 10, 90 + 18.1 + 18 * i));
    for (size_t k = 0; k < want.size(); ++k) {
        EXPECT_NEAR(b.rings[0][k].x, want[k].x, 1e-6) << k;
        EXPECT_NEAR(b.rings[0][k].y, want[k].y, 1e-6) << k;
    }
}

// Drawings that hung, looped or wrote nothing usable before: each ends in time with
// counter-clockwise rings lying on its outline.
TEST(LindroveTri01, DrawingsOfEveryKindGiveCounterClockwiseRings)
{
    auto on_fillet_plate = [](const Point& p) {
        // the plate 100 x 60 at the origin with corners of radius 10
        double cx = std::min(std::max(p.x, 10.0), 90.0), cy = std::min(std::max(p.y, 10.0), 50.0);
        return std::fabs(std::hypot(p.x - cx, p.y - cy) - 10) < 2e-6;
    };
    auto on_circle_of = [](double cx, double cy, double r) {
        return [=](const Point& p) { return std::fabs(std::hypot(p.x - cx, p.y - cy) - r) < 2e-6; };
    };
    auto on_ellipse_of = [](double cx, double cy, double a, double b) {
        return [=](const Point& p) { return std::fabs(std::hypot((p.x - cx) / a, (p.y - cy) / b) - 1) < 2e-6; };
    };
    auto on_half_ellipse = [&](const Point& p) { return std::fabs(p.y - 10) < 2e-4 || on_ellipse_of(50, 10, 40, 20)(p); };
    auto on_box = [](double x0, double y0, double x1, double y1) {
        return [=](const Point& p) {
            return (std::fabs(p.x - x0) < 1e-9 || std::fabs(p.x - x1) < 1e-9 || std::fabs(p.y - y0) < 1e-9 ||
                    std::fabs(p.y - y1) < 1e-9) &&
                   p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1;
        };
    };
    using Test = std::function<bool(const Point&)>;
    const struct {
        const char* fixture;
        std::vector<int> counts;
        std::vector<Test> on;
        Point first;
    } cases[] = {
        {"fillet_plate_origin.dxf", {28, 20}, {on_fillet_plate, on_circle_of(50, 30, 10)}, {10, 0}},
        {"hole_at_origin.dxf", {8, 20}, {on_box(-50, -30, 50, 30), on_circle_of(0, 0, 10)}, {-50, -30}},
        {"closed_lwpolyline.dxf", {8, 20}, {on_box(10, 10, 110, 60), on_circle_of(60, 35, 10)}, {10, 10}},
        {"ellipse_hole.dxf", {8, 20}, {on_box(0, 0, 100, 100), on_ellipse_of(50, 50, 20, 10)}, {0, 0}},
        {"half_ellipse.dxf", {12}, {on_half_ellipse}, {10, 9.999853}},
        {"duplicated_edge.dxf", {8}, {on_box(0, 0, 100, 60)}, {0, 0}},
        {"rect_with_point.dxf", {8}, {on_box(10, 10, 110, 60)}, {10, 10}},
    };
    for (const auto& c : cases) {
        DrawingRun run(c.fixture);
        ASSERT_EQ(run.r.status, 0) << c.fixture << ": " << run.r.err;
        EXPECT_FALSE(run.r.timed_out) << c.fixture;
        EXPECT_EQ(run.r.err, "") << c.fixture;
        Rings b = run.boundary();
        ASSERT_EQ(b.counts, c.counts) << c.fixture;
        EXPECT_NEAR(b.rings[0][0].x, c.first.x, 1e-6) << c.fixture;
        EXPECT_NEAR(b.rings[0][0].y, c.first.y, 1e-6) << c.fixture;
        for (size_t r = 0; r < b.rings.size(); ++r) {
            EXPECT_GT(signed_area(b.rings[r]), 0) << c.fixture << " ring " << r;
            for (size_t k = 0; k < b.rings[r].size(); ++k)
                EXPECT_TRUE(c.on[r](b.rings[r][k]))
                    << c.fixture << " ring " << r << " point " << k << " (" << b.rings[r][k].x << ", "
                    << b.rings[r][k].y << ")";
        }
    }
}

TEST(LindroveTri01, SameOutlineFromPolylineOrLinesAndCircle)
{
    DrawingRun lines("plate_hole_r2000.dxf"), polyline("closed_lwpolyline.dxf"), point("rect_with_point.dxf");
    ASSERT_EQ(polyline.r.status, 0);
    EXPECT_EQ(polyline.box.read("INPUT01.TXT"), lines.box.read("INPUT01.TXT"));
    // a POINT is read and echoed, and plays no part in any figure
    EXPECT_EQ(point.box.read("out.txt").substr(0, 18), "1\tP\t60.0000\t35.000");
    EXPECT_EQ(point.box.read("INPUT01.TXT"), rectangle_input01);
}

TEST(LindroveTri01, SplineEdgeBecomesItsChordsWithMidpoints)
{
    DrawingRun run("spline_edge.dxf");
    ASSERT_EQ(run.r.status, 0) << run.r.err;
    EXPECT_EQ(run.box.read("fig_non.txt"), "1\t7\t1\t2\t3\t3\t3\t3\t4\t\n");
    EXPECT_EQ(run.box.read("INPUT01.TXT"),
              "1\n0\n14\n0\n1,14,13,12,11,10,9,8,7,6,5,4,3,2\n14\n0\n" +
                  points_text({{10, 10}, {60, 10}, {110, 10}, {110, 35}, {110, 60}, {97.5, 65}, {85, 70},
                               {72.5, 65}, {60, 60}, {47.5, 65}, {35, 70}, {22.5, 65}, {10, 60}, {10, 35}}));
}

TEST(LindroveTri01, ClockwiseTraceIsTurnedWithAWarning)
{
    // the end nearest the lower-left corner is the inner corner of a notch: the turning
    // rule sets off clockwise, and the ring is turned behind its first point
    DrawingRun run("notched_square.dxf");
    ASSERT_EQ(run.r.status, 0) << run.r.err;
    EXPECT_EQ(run.r.err,
              "lindrove_tri01: warning: figure 1 runs clockwise: its boundary points are reversed behind point 1\n");
    EXPECT_EQ(run.box.read("fig_non.txt"), "1\t6\t6\t5\t4\t3\t2\t1\t\n");
    EXPECT_EQ(run.box.read("INPUT01.TXT"),
              "1\n0\n12\n0\n1,12,11,10,9,8,7,6,5,4,3,2\n12\n0\n" +
                  points_text({{40, 40}, {50, 25}, {60, 10}, {85, 10}, {110, 10}, {110, 60}, {110, 110}, {60, 110},
                               {10, 110}, {10, 85}, {10, 60}, {25, 50}}));
}

TEST(LindroveTri01, FiguresThatMakeNoRingBesideTheOuterOneAreLeftOut)
{
    // a rectangle and, inside it, a figure that gives no ring
    const struct {
        const char* what;
        std::string inside, warning;
    } cases[] = {
        {"three sides of a small square",
         dxf_line(40, 40, 60, 40) + dxf_line(60, 40, 60, 60) + dxf_line(60, 60, 40, 60),
         "figure 2 does not close: it is left out of INPUT01.TXT"},
        // its ends meet within the tenth, so it closes on itself, but a line gives
        // only its start and its midpoint
        {"a line 0.05 long", dxf_line(50, 50, 50.05, 50),
         "figure 2 has 2 boundary points: it is left out of INPUT01.TXT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DrawingRun run("", drawing(dxf_rectangle(0, 0, 100, 100) + c.inside));
        ASSERT_EQ(run.r.status, 0) << run.r.err;
        EXPECT_EQ(run.r.err, "lindrove_tri01: warning: " + c.warning + "\n");
        Rings b = run.boundary();
        EXPECT_EQ(b.counts, std::vector<int>{8});
        EXPECT_EQ(count_of(run.box.read("fig_non.txt"), "\n"), 2u);
    }
}

TEST(LindroveTri01, OuterFigureLeftOfAndBelowTheAxesIsStillTheWidest)
{
    // A plate of x from -300 to -100 with its lower-left corner cut off, and a square hole
    // near the cut whose corner lies nearest the lower-left corner of the drawing: the hole
    // is traced first. Each figure's extent ends at its own greatest x, not at 0.
    std::string plate = dxf_line(-250, -300, -100, -300) + dxf_line(-100, -300, -100, -150) +
                        dxf_line(-100, -150, -300, -150) + dxf_line(-300, -150, -300, -250) +
                        dxf_line(-300, -250, -250, -300);
    DrawingRun run("", drawing(dxf_rectangle(-270, -270, -240, -240) + plate));
    ASSERT_EQ(run.r.status, 0) << run.r.err;
    EXPECT_NE(run.r.out.find("f_range[1]=60.000000\nf_range[2]=200.000000\nf_ranmax_non=2 200.000000\n"),
              std::string::npos);
    Rings b = run.boundary();
    ASSERT_EQ(b.counts, (std::vector<int>{10, 8}));
    EXPECT_EQ(points_text({b.rings[1][0]}), "-270.000000 -270.000000\n");
    EXPECT_GT(signed_area(b.rings[0]), 0);
    EXPECT_GT(signed_area(b.rings[1]), 0);
}

TEST(LindroveTri01, SameDrawingSameBytes)
{
    DrawingRun a("fillet_plate_origin.dxf"), b("fillet_plate_origin.dxf");
    EXPECT_EQ(a.r.out, b.r.out);
    EXPECT_EQ(a.box.snapshot(), b.box.snapshot());
}

// Every refusal: one message naming the file, its status, no INPUT01.TXT left from an
// earlier drawing, and nothing else on disk lost.
TEST(LindroveTri01, RefusalsRemoveTheEarlierBoundaryDescription)
{
    std::string nine_circles;
    for (int i = 0; i < 9; ++i) nine_circles += dxf_circle(30 * i, 0, 10);
    std::string fan;  // a hundred lines from the origin, the lower-left corner of the drawing
    for (int i = 0; i < 100; ++i) fan += dxf_line(0, 0, 100 * std::cos(i * M_PI / 200), 100 * std::sin(i * M_PI / 200));
    auto polygon = [](int n, double cx, double r) {
        std::vector<std::pair<double, double>> v;
        for (int i = 0; i < n; ++i) v.push_back({cx + r * std::cos(2 * M_PI * i / n), r * std::sin(2 * M_PI * i / n)});
        return entity("LWPOLYLINE", lwpolyline_groups(v, true));
    };
    const struct {
        const char* what;
        std::string fixture, text;
        int status;
        std::string message;
    } cases[] = {
        {"no drawing", "", "", 2, "model2d.dxf: cannot be opened: No such file or directory"},
        {"no entities", "", drawing(""), 3, "model2d.dxf: no figure: the drawing has no outline to mesh"},
        {"open outline", "open_outline.dxf", "", 3,
         "model2d.dxf: the outer figure 1 does not close: its outline ends at (10.000000, 60.000000)"},
        {"nine figures", "", drawing(nine_circles), 2, "model2d.dxf: more than 8 figures: the figure table is full"},
        {"a hundred ends at one junction", "", drawing(fan), 2,
         "model2d.dxf: more than 99 entity ends meet at (0.000000, 0.000000)"},
        {"figure of 3000 points", "", drawing(polygon(1500, 0, 1000)), 2,
         "model2d.dxf: figure 1 needs more than 2999 boundary points"},
        {"more points than the mesher holds", "", drawing(polygon(1100, 0, 1000) + polygon(1100, 3000, 1000)), 2,
         "model2d.dxf: 4400 boundary points: lindrove_tri02 holds 4000 nodes"},
    };
    for (const auto& c : cases) {
        Sandbox box;
        if (!c.fixture.empty()) box.copy_fixture("outline/" + c.fixture, "model2d.dxf");
        if (!c.text.empty()) box.write("model2d.dxf", c.text);
        box.write("INPUT01.TXT", "an earlier drawing's outline\n");
        box.write("nalvik.txt", "an earlier mesh\n");
        auto before = box.snapshot();
        RunResult r = box.run(program, {}, "", time_limit);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.err, "lindrove_tri01: " + c.message + "\n") << c.what;
        EXPECT_FALSE(box.exists("INPUT01.TXT")) << c.what;
        auto after = box.snapshot();
        for (const auto& [name, bytes] : before) {
            if (name == "INPUT01.TXT") continue;
            ASSERT_TRUE(after.count(name)) << c.what << ": " << name << " lost";
            EXPECT_EQ(after[name], bytes) << c.what << ": " << name << " changed";
        }
    }
}

TEST(LindroveTri01, AnUnwritableBoundaryDescriptionIsReported)
{
    Sandbox box;
    box.copy_fixture("outline/rect_lines_r2000.dxf", "model2d.dxf");
    ASSERT_EQ(mkdir(box.path("INPUT01.TXT").c_str(), 0755), 0);
    RunResult r = box.run(program, {}, "", time_limit);
    EXPECT_EQ(r.status, 5);
    EXPECT_EQ(r.err, "lindrove_tri01: INPUT01.TXT: cannot be written: Is a directory\n");
    struct stat st;
    EXPECT_TRUE(stat(box.path("INPUT01.TXT").c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}
