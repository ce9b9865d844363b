// Quadrant pieces of a traced outline: where arcs and elliptical arcs are cut.
#include <gtest/gtest.h>

#include <cmath>

#include "capture.h"
#include "geometry.h"
#include "newline.h"

namespace {

struct Pt {
    double x, y;
};

// The current figure (number 1) as a trace leaves it: one arc or elliptical arc about
// (50, 50), radius or semi-axes 20 and 10, entered at its start angle or at its end.
void traced_arc(Drawing& d, bool ellipse, double sta, double end, bool forward)
{
    d.f_non = 1;
    d.m = 2;
    d.outfig[1] = ellipse ? t_ellarc : t_arc;
    d.outcen_x[1] = d.outcen_y[1] = 50;
    d.outrad[1] = 20;
    d.outsotai_a[1] = 20;
    d.outsotai_b[1] = 10;
    d.outel_b1_1[1] = d.outel_b2_2[1] = 1;
    d.outsta_ang[1] = sta;
    d.outend_ang[1] = end;
    d.out_ang[1] = forward;
    double b = ellipse ? 10 : 20;
    double t0 = (forward ? sta : end) * pi / 180, t1 = (forward ? end : sta) * pi / 180;
    d.outline_x[1][0] = 50 + 20 * std::cos(t0);
    d.outline_y[1][0] = 50 + b * std::sin(t0);
    d.outline_x[1][1] = 50 + 20 * std::cos(t1);
    d.outline_y[1][1] = 50 + b * std::sin(t1);
}

// The points where one piece ends and the next begins.
std::vector<Pt> cuts(const Drawing& d)
{
    std::vector<Pt> c;
    for (int k = 1; k < d.kp; ++k) {
        EXPECT_EQ(d.newout_x[k][1], d.newout_x[k + 1][0]);
        EXPECT_EQ(d.newout_y[k][1], d.newout_y[k + 1][0]);
        c.push_back({d.newout_x[k][1], d.newout_y[k][1]});
    }
    return c;
}

void expect_cuts(const Drawing& d, std::vector<Pt> want, const char* what)
{
    std::vector<Pt> got = cuts(d);
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1e-12) << what << " cut " << i + 1;
        EXPECT_NEAR(got[i].y, want[i].y, 1e-12) << what << " cut " << i + 1;
    }
}

}  // namespace

TEST(Pieces, ArcsAreCutAtTheQuadrantAnglesTheyPass)
{
    const struct {
        const char* what;
        double sta, end;
        bool forward;
        std::vector<Pt> cuts;
    } cases[] = {
        {"350 to 10", 350, 10, true, {{70, 50}}},
        {"10 to 200", 10, 200, true, {{50, 70}, {30, 50}}},
        {"10 to 200 entered at its end", 10, 200, false, {{30, 50}, {50, 70}}},
        {"starting at 90", 90, 170, true, {}},
        {"entered at its end of 90", 10, 90, false, {}},
    };
    for (const auto& c : cases) {
        Captured cap;
        traced_arc(cap.d(), false, c.sta, c.end, c.forward);
        zukei_newline(cap.d());
        expect_cuts(cap.d(), c.cuts, c.what);
        EXPECT_EQ(cap.d().f_m[1], 2) << c.what;
    }
}

TEST(Pieces, EllipticalArcIsCutOnceWhereItReachesTheFigureBound)
{
    Captured cap;
    Drawing& d = cap.d();
    traced_arc(d, true, 300, 60, true);
    d.min_x = 0;
    d.max_x = 70;
    zukei_newline(d);
    std::vector<Pt> got = cuts(d);
    ASSERT_EQ(got.size(), 2u);
    // first where x comes within 70/1000 of 70, then at parameter 0; never again after it
    EXPECT_GE(got[0].x, 70 - 0.07);
    EXPECT_LT(got[0].x, 70 - 0.07 + 0.003);  // one 0.1-degree step moves x by less than 0.003 there
    EXPECT_LT(got[0].y, 50);
    EXPECT_DOUBLE_EQ(got[1].x, 70);
    EXPECT_DOUBLE_EQ(got[1].y, 50);
    EXPECT_EQ(d.flag_max, 0);
}

TEST(Pieces, LinesAreOnePieceEachAndListedThrice)
{
    Captured cap;
    Drawing& d = cap.d();
    d.f_non = 2;
    d.m = 3;
    const double x[] = {0, 10, 10}, y[] = {0, 0, 5};
    for (int i = 1; i <= 2; ++i) {
        d.outfig[i] = t_line;
        d.outline_x[i][0] = x[i - 1];
        d.outline_y[i][0] = y[i - 1];
        d.outline_x[i][1] = x[i];
        d.outline_y[i][1] = y[i];
    }
    zukei_newline(d);
    EXPECT_EQ(d.kp, 2);
    EXPECT_EQ(d.f_m[2], 3);
    EXPECT_EQ(cap.out(),
              "0.000000 0.000000\n10.000000 0.000000\n"
              "10.000000 0.000000\n10.000000 5.000000\n"
              "newout_x[1][0]=0.000000\tnewout_y[1][0]=0.000000\n"
              "newout_x[1][1]=10.000000\tnewout_y[1][1]=0.000000\n"
              "newout_x[2][0]=10.000000\tnewout_y[2][0]=0.000000\n"
              "newout_x[2][1]=10.000000\tnewout_y[2][1]=5.000000\n"
              "f_newout_x[2][1][0]=0.000000\tf_newout_y[2][1][0]=0.000000\n"
              "f_newout_x[2][1][1]=10.000000\tf_newout_y[2][1][1]=0.000000\n"
              "f_newout_x[2][2][0]=10.000000\tf_newout_y[2][2][0]=0.000000\n"
              "f_newout_x[2][2][1]=10.000000\tf_newout_y[2][2][1]=5.000000\n");
}
