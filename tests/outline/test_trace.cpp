// Figure tracing on small sets of entity records: the start, the branch taken at each
// junction, closing, extents, and the passes that must end.
#include <gtest/gtest.h>

#include <cmath>

#include "capture.h"
#include "geometry.h"
#include "records.h"
#include "zukei.h"

namespace {

void trace(Drawing& d, const std::string& records)
{
    load_records(d, records);
    trace_figures(d);
}

std::string row(int h, double x0, double y0, double x1, double y1)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, "%d\t1\t%.4f\t%.4f\t%.4f\t%.4f\n", h, x0, y0, x1, y1);
    return buf;
}

// The square of corners (10, 10) and (110, 60), edges 0.05 or 0.2 short of meeting.
std::string square_with_gap(double gap)
{
    return row(1, 10, 10, 110, 10) + row(2, 110, 10, 110, 60) + row(3, 110, 60, 10, 60) +
           row(4, 10, 60, 10 + gap, 10 + gap);
}

}  // namespace

TEST(Trace, RectangleRunsCounterClockwiseFromItsLowerLeftCorner)
{
    // edges in no particular order or direction
    Captured c;
    Drawing& d = c.d();
    trace(d, row(1, 110, 60, 10, 60) + row(2, 10, 10, 10, 60) + row(3, 110, 10, 10, 10) + row(4, 110, 10, 110, 60));
    ASSERT_EQ(d.f_non, 1);
    EXPECT_TRUE(d.f_closed[1]);
    EXPECT_EQ(d.m, 5);
    EXPECT_EQ(d.f_m[1], 5);
    const int records[] = {3, 4, 1, 2};  // bottom, right, top, left
    const double x[] = {10, 110, 110, 10, 10}, y[] = {10, 10, 60, 60, 10};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(d.outdxf_non[1][k], records[k - 1]) << k;
        EXPECT_EQ(d.f_outline_x[1][k][0], x[k - 1]) << k;
        EXPECT_EQ(d.f_outline_y[1][k][0], y[k - 1]) << k;
        EXPECT_EQ(d.f_outline_x[1][k][1], x[k]) << k;
        EXPECT_EQ(d.f_outline_y[1][k][1], y[k]) << k;
    }
    EXPECT_EQ(d.f_min_x[1], 10);
    EXPECT_EQ(d.f_min_y[1], 10);
    EXPECT_EQ(d.f_max_x[1], 110);
    EXPECT_EQ(d.f_max_y[1], 60);
}

TEST(Trace, EndsMeetWithinATenthInEachCoordinate)
{
    Captured near, far;
    trace(near.d(), square_with_gap(0.05));
    EXPECT_EQ(near.d().f_non, 1);
    EXPECT_TRUE(near.d().f_closed[1]);
    EXPECT_EQ(near.d().m, 5);

    // 0.2 apart the last edge leads nowhere: the trace stops, the figure stays open
    trace(far.d(), square_with_gap(0.2));
    EXPECT_EQ(far.d().f_non, 1);
    EXPECT_FALSE(far.d().f_closed[1]);
    EXPECT_EQ(far.d().m, 5);
}

TEST(Trace, ArcPassingZeroDegreesWidensTheExtentsThere)
{
    // a slice of a circle about (50, 50), radius 10, from 350 to 10 degrees
    double c10 = 50 + 10 * std::cos(10 * pi / 180), s10 = 10 * std::sin(10 * pi / 180);
    Captured c;
    Drawing& d = c.d();
    trace(d, "1\t2\t50.0000\t50.0000\t10.0000\t350.0000\t10.0000\n" + row(2, c10, 50 + s10, 50, 50) +
                 row(3, 50, 50, c10, 50 - s10));
    ASSERT_EQ(d.f_non, 1);
    EXPECT_TRUE(d.f_closed[1]);
    EXPECT_EQ(d.f_max_x[1], 60);  // the arc's point at 0 degrees, not its ends at 59.848
    EXPECT_EQ(d.f_outfig[1][2], t_arc);
    EXPECT_EQ(d.f_out_ang[1][2], 1);  // entered at its start angle
}

TEST(Trace, EllipticalArcStartingAboveItsEndIsNotWalkedForExtents)
{
    // a slice of the ellipse of semi-axes 20 and 10 about (50, 50) from parameter 300 to 30
    // degrees: it passes x = 70, but only its ends count
    double t0 = 5.2360 * rad_deg * deg_rad, t1 = 0.5236 * rad_deg * deg_rad;
    double x0 = 50 + 20 * std::cos(t0), y0 = 50 + 10 * std::sin(t0);
    double x1 = 50 + 20 * std::cos(t1), y1 = 50 + 10 * std::sin(t1);
    Captured c;
    Drawing& d = c.d();
    trace(d, "1\t4\t50.0000\t50.0000\t20.0000\t0.0000\t0.5000\t5.2360\t0.5236\n" + row(2, x1, y1, 50, 50) +
                 row(3, 50, 50, x0, y0));
    ASSERT_EQ(d.f_non, 1);
    EXPECT_TRUE(d.f_closed[1]);
    EXPECT_NEAR(d.f_max_x[1], x1, 1e-4);
    EXPECT_EQ(d.f_outfig[1][2], t_ellarc);
}

TEST(Trace, EntitiesOfNoLengthNeitherStartNorStopTheFigures)
{
    Captured c;
    Drawing& d = c.d();
    trace(d, row(1, 0, 0, 0, 0) + row(2, 10, 10, 110, 10) + row(3, 110, 10, 110, 60) + row(4, 110, 60, 10, 60) +
                 row(5, 10, 60, 10, 10) + row(6, 110, 60, 110, 60));
    ASSERT_EQ(d.f_non, 1);
    EXPECT_TRUE(d.f_closed[1]);
    EXPECT_EQ(d.m, 5);
    EXPECT_EQ(c.err(), "");
}

TEST(Trace, APassThatTakesNothingEndsTheFiguresWithAWarning)
{
    // far ends too large to give a direction
    Captured c;
    Drawing& d = c.d();
    trace(d, "1\t1\t1e200\t1e200\t2e200\t2e200\n");
    EXPECT_EQ(d.f_non, 0);
    EXPECT_NE(c.err().find("lindrove_tri01: warning: no entity leaves ("), std::string::npos) << c.err();
}

TEST(Trace, TwoEntitiesSharingBothEndsStayOpen)
{
    // a line and an arc over it: at the far end the only branch goes back to the previous
    // point, and the trace stops there
    Captured c;
    Drawing& d = c.d();
    trace(d, row(1, 10, 10, 110, 10) + "2\t2\t60.0000\t10.0000\t50.0000\t0.0000\t180.0000\n");
    ASSERT_EQ(d.f_non, 1);
    EXPECT_FALSE(d.f_closed[1]);
    EXPECT_EQ(d.m, 2);
}

TEST(Trace, ACosineRoundedPastOneStillTakesTheBranch)
{
    // At each corner of this triangle one branch leaves, so the reference direction is that
    // branch itself and the cosine between them is exactly 1; for the hypotenuse (-2, 3), of
    // squared length 13, the rounded sqrt(13) squared falls short of 13 and the quotient
    // comes out above 1, where the arccosine has no value.
    const double s = 2.0 * 2.0 + 3.0 * 3.0;
    ASSERT_GT(s / (std::sqrt(s) * std::sqrt(s)), 1.0);
    Captured c;
    Drawing& d = c.d();
    trace(d, row(1, 10, 10, 12, 10) + row(2, 12, 10, 10, 13) + row(3, 10, 13, 10, 10));
    ASSERT_EQ(d.f_non, 1);
    EXPECT_TRUE(d.f_closed[1]);
    EXPECT_EQ(d.m, 4);
    const int records[] = {1, 2, 3};
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(d.outdxf_non[1][k], records[k - 1]) << k;
    EXPECT_EQ(c.err(), "");
}
