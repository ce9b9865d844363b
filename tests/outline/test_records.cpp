// out.txt read back into the entity tables: what each record becomes, what is left out
// with a warning and what is refused.
#include <gtest/gtest.h>

#include <cmath>

#include "capture.h"
#include "failure.h"
#include "geometry.h"
#include "records.h"

namespace {

std::string refusal(const std::string& records, int count)
{
    Captured c;
    Scanner out("out.txt", records);
    try {
        read_records(c.d(), out, count);
    } catch (const Failure& f) {
        EXPECT_EQ(f.status(), Status::input);
        return f.file() + ": " + f.what();
    }
    return "accepted";
}

}  // namespace

TEST(Records, SplineRecordBecomesChainedLinesOfOneRecord)
{
    Captured c;
    Drawing& d = c.d();
    load_records(d, "1\t6\t5\t0.0000\t0.0000\t1.0000\t2.0000\t3.0000\t1.0000\t5.0000\t0.0000\t7.0000\t2.0000\n"
            "2\t1\t7.0000\t2.0000\t0.0000\t0.0000\n");
    ASSERT_EQ(d.fac, 6);
    const double x[] = {0, 1, 3, 5, 7}, y[] = {0, 2, 1, 0, 2};
    for (int t = 1; t <= 4; ++t) {
        EXPECT_EQ(d.fig[t], t_line);
        EXPECT_EQ(d.dxf_non[t], 1);
        EXPECT_EQ(d.line_x[t][0], x[t - 1]);
        EXPECT_EQ(d.line_y[t][0], y[t - 1]);
        EXPECT_EQ(d.line_x[t][1], x[t]);
        EXPECT_EQ(d.line_y[t][1], y[t]);
    }
    EXPECT_EQ(d.dxf_non[5], 2);
    EXPECT_EQ(d.fig_s[5], 0);
}

TEST(Records, PointsMakeNoEntity)
{
    Captured c;
    Drawing& d = c.d();
    load_records(d, "1\tP\t3.0000\t4.0000\n2\t1\t0.0000\t0.0000\t1.0000\t0.0000\n3\tP\t5.0000\t6.0000\n");
    EXPECT_EQ(d.fac, 2);
    EXPECT_EQ(d.dxf_non[1], 2);
    EXPECT_EQ(c.out(), "1 P 3.000000 4.000000\n2 1 0.000000 0.000000 1.000000 0.000000\n3 P 5.000000 6.000000\n");
}

TEST(Records, CircleBecomesAFigureAtOnce)
{
    Captured c;
    Drawing& d = c.d();
    load_records(d, "1\t3\t60.0000\t35.0000\t10.0000\n");
    EXPECT_EQ(d.f_non, 1);
    EXPECT_EQ(d.fig_s[1], 1);
    EXPECT_EQ(d.f_m[1], 2);
    EXPECT_EQ(d.f_outfig[1][1], t_circle);
    EXPECT_EQ(c.out(),
              "1 3 cen_x=60.000000 cen_y=35.000000 rad=10.000000\n"
              "1min_x=50.000000 min_y=25.000000 0.000000\nmax_x=70.000000 max_y=45.000000 0.000000\n"
              "f_non=1 f_min_x=50.000000 f_min_y=25.000000\n\tf_max_x=70.000000 f_max_y=45.000000\n");
}

TEST(Records, EllipseIsWholeWhenItsEndReachesAFullTurn)
{
    // 2 pi with four decimals lies just above 360 degrees, one ten-thousandth less just below
    Captured whole, arc;
    load_records(whole.d(), "1\t4\t50.0000\t50.0000\t20.0000\t0.0000\t0.5000\t0.0000\t6.2832\n");
    load_records(arc.d(), "1\t4\t50.0000\t50.0000\t20.0000\t0.0000\t0.5000\t0.0000\t6.2831\n");
    EXPECT_EQ(whole.d().fig[1], t_ellipse);
    EXPECT_EQ(whole.d().f_non, 1);
    EXPECT_NEAR(whole.d().f_min_x[1], 30, 1e-9);
    EXPECT_NEAR(whole.d().f_max_x[1], 70, 1e-9);
    EXPECT_NEAR(whole.d().f_min_y[1], 40, 1e-9);
    EXPECT_NEAR(whole.d().f_max_y[1], 60, 1e-9);

    const Drawing& a = arc.d();
    EXPECT_EQ(a.fig[1], t_ellarc);
    EXPECT_EQ(a.f_non, 0);
    EXPECT_EQ(a.sotai_a[1], 20);
    EXPECT_EQ(a.sotai_b[1], 10);
    EXPECT_NEAR(a.end_ang[1], 6.2831 * 57.29577951308232, 1e-12);
    // its two ends nearly coincide on the major axis
    EXPECT_EQ(a.line_x[1][0], 70);
    EXPECT_EQ(a.line_y[1][0], 50);
    EXPECT_NEAR(a.line_x[1][1], 70, 1e-6);
    EXPECT_NEAR(a.line_y[1][1], 50 + 10 * std::sin(6.2831), 1e-9);
}

TEST(Records, ArcEndsComeFromItsAnglesAsTheyAre)
{
    Captured c;
    Drawing& d = c.d();
    load_records(d, "1\t2\t50.0000\t50.0000\t10.0000\t300.0000\t30.0000\n"
            "2\t2\t50.0000\t50.0000\t10.0000\t-30.0000\t30.0000\n");
    EXPECT_NEAR(d.line_x[1][0], 50 + 10 * std::cos(300 * pi / 180), 1e-12);
    EXPECT_NEAR(d.line_y[1][0], 50 + 10 * std::sin(300 * pi / 180), 1e-12);
    EXPECT_NEAR(d.line_x[1][1], 50 + 10 * std::cos(30 * pi / 180), 1e-12);
    EXPECT_NEAR(d.line_y[1][1], 50 + 10 * std::sin(30 * pi / 180), 1e-12);
    // a negative angle is taken a whole turn on, the sweep kept
    EXPECT_EQ(d.sta_ang[2], 330);
    EXPECT_EQ(d.end_ang[2], 390);
    EXPECT_NEAR(d.line_y[2][0], 45, 1e-12);
}

TEST(Records, DegenerateEntitiesAreLeftOutWithAWarning)
{
    Captured c;
    Drawing& d = c.d();
    load_records(d, "1\t2\t5.0000\t5.0000\t0.0000\t0.0000\t90.0000\n"
            "2\t3\t5.0000\t5.0000\t0.0000\n"
            "3\t4\t5.0000\t5.0000\t0.0000\t0.0000\t0.5000\t0.0000\t6.2832\n"
            "4\t2\t5.0000\t5.0000\t1.0000\t0.0000\t900.0000\n"
            "5\t1\t0.0000\t0.0000\t1.0000\t0.0000\n"
            // axes beyond the largest double: from the major axis, from the ratio
            "6\t4\t5.0000\t5.0000\t1e308\t0.0000\t0.5000\t0.0000\t6.2832\n"
            "7\t4\t5.0000\t5.0000\t8.0000\t0.0000\t1e308\t0.0000\t6.2832\n");
    EXPECT_EQ(d.fac, 2);
    EXPECT_EQ(d.f_non, 0);
    EXPECT_EQ(d.dxf_non[1], 5);
    EXPECT_EQ(c.err(),
              "lindrove_tri01: warning: out.txt record 1: an arc of radius 0 is left out\n"
              "lindrove_tri01: warning: out.txt record 2: a circle of radius 0 is left out\n"
              "lindrove_tri01: warning: out.txt record 3: an ellipse without a major axis is left out\n"
              "lindrove_tri01: warning: out.txt record 4: an arc from 0 to 900 degrees is left out\n"
              "lindrove_tri01: warning: out.txt record 6: an ellipse of half axes inf and inf is left out\n"
              "lindrove_tri01: warning: out.txt record 7: an ellipse of half axes 8 and inf is left out\n");
}

TEST(Records, RecordsThatTheReaderNeverWritesAreRefused)
{
    EXPECT_EQ(refusal("1\t1\t0.0000\t0.0000\t1.0000\t0.0000\n2\t7\t1.0\n", 2),
              "out.txt: record 2: unknown type code '7'");
    EXPECT_EQ(refusal("1\t1\t0.0000\t0.0000\t1.0000\n", 1), "out.txt: record 1: the file ends before y of end 1");
    EXPECT_EQ(refusal("1\t6\t1\t0.0000\t0.0000\n", 1),
              "out.txt: record 1: a spline record of 1 point(s): a spline needs two");
    EXPECT_EQ(refusal("1\t3\t0.0000\tabc\t1.0000\n", 1),
              "out.txt: record 1: expected a real for the centre y, found 'abc'");
}

TEST(Records, TablesRefuseWhatTheyCannotHold)
{
    auto count_refusal = [](const std::string& text) {
        Scanner facter("facter.txt", text);
        try {
            read_record_count(facter);
        } catch (const Failure& f) {
            EXPECT_EQ(f.status(), Status::input);
            return f.file() + ": " + f.what();
        }
        return std::string("accepted");
    };
    EXPECT_EQ(count_refusal(""), "facter.txt: the record count: the file ends before the record count");
    EXPECT_EQ(count_refusal("-1"), "facter.txt: the record count: a record count of -1");
    EXPECT_EQ(count_refusal("3000"), "model2d.dxf: 3000 entity records: the tables hold 2999");
    EXPECT_EQ(count_refusal("2999"), "accepted");

    // nine circles: the figure table holds eight
    std::string circles;
    for (int i = 1; i <= 9; ++i) circles += std::to_string(i) + "\t3\t" + std::to_string(30 * i) + ".0\t0.0\t1.0\n";
    EXPECT_EQ(refusal(circles, 9), "model2d.dxf: more than 8 figures: the figure table is full");

    // a spline of 3001 points gives 3000 entities: the entity table holds 2999
    std::string spline = "1\t6\t3001";
    for (int i = 0; i < 3001; ++i) spline += "\t" + std::to_string(i) + ".0\t0.0";
    EXPECT_EQ(refusal(spline + "\n", 1), "model2d.dxf: more than 2999 entities: the entity table is full");
}
