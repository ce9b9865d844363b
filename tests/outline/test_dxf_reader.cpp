// The DXF entity reader from memory: records and echo byte for byte, entities left out
// whole when a group is not where the layout puts it, and the drawings' own quirks.
#include <gtest/gtest.h>

#include "capture.h"
#include "dxf_reader.h"
#include "dxf_text.h"
#include "failure.h"
#include "sandbox.h"

namespace {

struct Read {
    int n = -1;
    std::string out, con;
};

Read read_drawing(const std::string& text)
{
    Read r;
    r.out = written([&](FILE* out) {
        r.con = written([&](FILE* con) { r.n = zahyo_yomi(text.data(), text.size(), out, con, "model2d.dxf"); });
    });
    return r;
}

const std::string sentinel = dxf_line(7, 8, 9, 10);
const char* const sentinel_row = "1\t1\t7.0000\t8.0000\t9.0000\t10.0000\n";
const char* const sentinel_echo = "line_no=1 sta_x=7.0000 sta_y=8.0000 end_x=9.0000 end_y=10.0000\n";

}  // namespace

TEST(DxfReader, LinePolylineAndCircleGiveRecordsOneToFive)
{
    std::string text = drawing(dxf_line(1, 2, 3, 4) +
                               entity("LWPOLYLINE", lwpolyline_groups({{0, 0}, {10, 0}, {10, 5}, {0, 5}}, false)) +
                               dxf_circle(5, 6, 2.5));
    Read r = read_drawing(text);
    EXPECT_EQ(r.n, 5);
    EXPECT_EQ(r.out,
              "1\t1\t1.0000\t2.0000\t3.0000\t4.0000\n"
              "2\t1\t0.0000\t0.0000\t10.0000\t0.0000\n"
              "3\t1\t10.0000\t0.0000\t10.0000\t5.0000\n"
              "4\t1\t10.0000\t5.0000\t0.0000\t5.0000\n"
              "5\t3\t5.0000\t6.0000\t2.5000\n");
    EXPECT_EQ(r.con,
              "line_no=1 sta_x=1.0000 sta_y=2.0000 end_x=3.0000 end_y=4.0000\n"
              "line_no=2 sta_x=0.0000 sta_y=0.0000 end_x=10.0000 end_y=0.0000\n"
              "line_no=3 sta_x=10.0000 sta_y=0.0000 end_x=10.0000 end_y=5.0000\n"
              "line_no=4 sta_x=10.0000 sta_y=5.0000 end_x=0.0000 end_y=5.0000\n"
              "cir_no=1 cen_x=5.0000 cen_y=6.0000 r=2.5000\n");

    // the same drawing with DOS line ends reads alike
    std::string dos;
    for (char c : text) dos += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Read d = read_drawing(dos);
    EXPECT_EQ(d.n, 5);
    EXPECT_EQ(d.out, r.out);
}

TEST(DxfReader, EachEntityKindGivesItsRowAndEcho)
{
    const struct {
        const char* what;
        std::string text;
        const char* row;
        const char* echo;
    } cases[] = {
        {"arc", dxf_arc(1.5, -2, 3, 270, 90.25), "1\t2\t1.5000\t-2.0000\t3.0000\t270.0000\t90.2500\n",
         "arc_no=1 cen_x=1.5000 cen_y=-2.0000 r=3.0000 str_k=270.0000 end_k=90.2500\n"},
        {"ellipse", entity("ELLIPSE", ellipse_groups(50, 50, 20, 0, 0.5, 0, 6.283185307179586)),
         "1\t4\t50.0000\t50.0000\t20.0000\t0.0000\t0.5000\t0.0000\t6.2832\n",
         "ell_no=1 cen_x=50.0000 cen_y=50.0000 lon_x=20.0000 lon_y=0.0000 sho_r=0.5000 str_k=0.0000 "
         "end_k=6.2832\n"},
        {"point", entity("POINT", point_groups(3, 4)), "1\tP\t3.0000\t4.0000\n", "poi_no=1 cen_x=3.0000 cen_y=4.0000\n"},
        {"spline by control points", entity("SPLINE", control_spline_groups({{0, 0}, {1, 2}, {3, 1}, {5, 0}})),
         "1\t6\t4\t0.0000\t0.0000\t1.0000\t2.0000\t3.0000\t1.0000\t5.0000\t0.0000\n",
         // the tolerances and the knots are echoed, the control points are not
         "42 0.000000\n43 0.000000\n40 0.000000\n40 0.000000\n40 0.000000\n40 0.000000\n"
         "40 1.000000\n40 1.000000\n40 1.000000\n40 1.000000\n"},
        {"spline by fit points", entity("SPLINE", fit_spline_groups({{0, 0}, {1, 2}, {5, 0}}, false, false)),
         "1\t6\t3\t0.0000\t0.0000\t1.0000\t2.0000\t5.0000\t0.0000\n", "42 0.000000\n43 0.000000\n44 0.000000\n"},
    };
    for (const auto& c : cases) {
        Read r = read_drawing(drawing(c.text + sentinel));
        EXPECT_EQ(r.n, 2) << c.what;
        // the line after it keeps its own counter: splines count as lines
        bool spline = std::string(c.what).find("spline") == 0;
        std::string row2 = std::string("2") + (sentinel_row + 1);
        std::string echo2 = spline ? "line_no=2" + std::string(sentinel_echo + 9) : sentinel_echo;
        EXPECT_EQ(r.out, c.row + row2) << c.what;
        EXPECT_EQ(r.con, c.echo + echo2) << c.what;
    }
}

TEST(DxfReader, ClosedPolylineGetsItsClosingSegment)
{
    std::vector<std::pair<double, double>> square{{0, 0}, {10, 0}, {10, 5}, {0, 5}};
    Read r = read_drawing(drawing(entity("LWPOLYLINE", lwpolyline_groups(square, true))));
    EXPECT_EQ(r.n, 4);
    EXPECT_NE(r.out.find("4\t1\t0.0000\t5.0000\t0.0000\t0.0000\n"), std::string::npos) << r.out;

    // a closed polyline that repeats its first vertex at the end needs no segment of length 0
    square.push_back({0, 0});
    r = read_drawing(drawing(entity("LWPOLYLINE", lwpolyline_groups(square, true))));
    EXPECT_EQ(r.n, 4);
}

TEST(DxfReader, SplineTangentsDoNotChangeItsRecord)
{
    std::vector<std::pair<double, double>> fits{{0, 0}, {2.5, 1}, {4, -1}, {6, 0}};
    Read plain = read_drawing(drawing(entity("SPLINE", fit_spline_groups(fits, false, false))));
    ASSERT_EQ(plain.n, 1);
    EXPECT_EQ(plain.out, "1\t6\t4\t0.0000\t0.0000\t2.5000\t1.0000\t4.0000\t-1.0000\t6.0000\t0.0000\n");
    for (auto [start, end] : {std::pair{true, true}, std::pair{true, false}, std::pair{false, true}}) {
        Read r = read_drawing(drawing(entity("SPLINE", fit_spline_groups(fits, start, end))));
        EXPECT_EQ(r.out, plain.out) << start << end;
    }
}

TEST(DxfReader, SplineOfOnePointWritesNoRecord)
{
    Read fit = read_drawing(drawing(entity("SPLINE", fit_spline_groups({{1, 1}}, false, false)) + sentinel));
    EXPECT_EQ(fit.out, sentinel_row);
    EXPECT_EQ(fit.con, sentinel_echo);
    Read none = read_drawing(drawing(entity("SPLINE", control_spline_groups({})) + sentinel));
    EXPECT_EQ(none.out, sentinel_row);
}

// Every group code and every value of every entity kind, one at a time, made wrong:
// the entity is left out whole (no row, no counter moved) and the scan goes on.
TEST(DxfReader, AGroupOutOfPlaceLeavesItsWholeEntityOut)
{
    const struct {
        const char* keyword;
        Groups groups;
    } kinds[] = {
        {"LINE", line_groups(1, 2, 3, 4)},
        {"ARC", arc_groups(1, 2, 3, 10, 80)},
        {"CIRCLE", circle_groups(1, 2, 3)},
        {"ELLIPSE", ellipse_groups(1, 2, 3, 0, 0.5, 0, 1)},
        {"POINT", point_groups(1, 2)},
        {"LWPOLYLINE", lwpolyline_groups({{0, 0}, {1, 0}, {1, 1}}, true)},
        {"SPLINE", fit_spline_groups({{0, 0}, {1, 1}, {2, 0}}, true, true)},
        {"SPLINE", control_spline_groups({{0, 0}, {1, 1}, {2, 0}, {3, 1}})},
    };
    for (const auto& kind : kinds) {
        ASSERT_GT(read_drawing(drawing(entity(kind.keyword, kind.groups))).n, 0) << kind.keyword;
        for (size_t i = 0; i < kind.groups.size(); ++i) {
            for (const char* fault : {"code", "text", "infinite"}) {
                Groups g = kind.groups;
                std::string f = fault;
                if (f == "code") {
                    g[i].code = g[i].code == 31 ? 32 : 31;
                } else if (g[i].code == 100) {
                    continue;  // the subclass marker is read as a word of any kind
                } else {
                    g[i].value = f == "text" ? "abc" : "1e999";
                }
                Read r = read_drawing(drawing(entity(kind.keyword, g) + sentinel));
                std::string at = std::string(kind.keyword) + " group " + std::to_string(i) + " " + fault;
                EXPECT_EQ(r.n, 1) << at;
                EXPECT_EQ(r.out, sentinel_row) << at;
                EXPECT_EQ(r.con, sentinel_echo) << at;
            }
        }
    }
}

TEST(DxfReader, AnExtraHeaderGroupShiftsTheEntityOut)
{
    std::string header = entity_header("LINE");
    // a colour group before the subclass marker, as some programs write it
    header.insert(header.rfind("100\n"), " 62\n7\n");
    std::string text = drawing(header + groups_text(line_groups(1, 2, 3, 4)) + sentinel);
    Read r = read_drawing(text);
    EXPECT_EQ(r.out, sentinel_row);
    EXPECT_EQ(r.con, sentinel_echo);
}

TEST(DxfReader, KeywordsOutsideTheEntitiesReadNothing)
{
    // a real drawing: header variables ($PLINEWID, $SPLINETYPE) and object names
    // (ACAD_MLINESTYLE) end with entity keywords
    std::string text = read_file(fixture_path("outline/rect_lines_r2000.dxf"));
    ASSERT_FALSE(text.empty());
    Read r = read_drawing(text);
    EXPECT_EQ(r.n, 4);
    EXPECT_EQ(r.out,
              "1\t1\t10.0000\t10.0000\t110.0000\t10.0000\n"
              "2\t1\t110.0000\t10.0000\t110.0000\t60.0000\n"
              "3\t1\t110.0000\t60.0000\t10.0000\t60.0000\n"
              "4\t1\t10.0000\t60.0000\t10.0000\t10.0000\n");
}

TEST(DxfReader, TheScanEndsAtEofOrAtTheEndOfTheText)
{
    EXPECT_EQ(read_drawing(drawing("")).n, 0);
    EXPECT_EQ(read_drawing(drawing("")).out, "");
    EXPECT_EQ(read_drawing("").n, 0);

    // nothing after EOF is read
    Read after = read_drawing(drawing(dxf_line(1, 2, 3, 4)) + sentinel);
    EXPECT_EQ(after.n, 1);

    // a drawing cut off inside an entity keeps what came before it, cut anywhere
    std::string whole = drawing(sentinel + dxf_circle(5, 6, 7));
    size_t circle = whole.find("CIRCLE");
    size_t radius = whole.find("\n7\n  0\nENDSEC") + 1;
    for (size_t cut = circle; cut <= radius; ++cut) {
        Read r = read_drawing(whole.substr(0, cut));
        EXPECT_EQ(r.out, sentinel_row) << cut;
    }
}

TEST(DxfReader, CountsBeyondTheTablesAreRefused)
{
    std::vector<std::pair<double, double>> many;
    for (int i = 0; i < 3000; ++i) many.push_back({double(i), double(i % 2)});
    EXPECT_EQ(read_drawing(drawing(entity("LWPOLYLINE", lwpolyline_groups(many, false)))).n, 2999);

    many.push_back({3000, 0});
    const std::string texts[] = {
        drawing(entity("LWPOLYLINE", lwpolyline_groups(many, false))),
        drawing(entity("SPLINE", fit_spline_groups(many, false, false))),
        drawing(entity("SPLINE", control_spline_groups(many))),
    };
    for (const auto& text : texts) {
        try {
            read_drawing(text);
            ADD_FAILURE() << "accepted";
        } catch (const Failure& f) {
            EXPECT_EQ(f.status(), Status::input);
            EXPECT_EQ(f.file(), "model2d.dxf");
            EXPECT_NE(std::string(f.what()).find("line 6: "), std::string::npos) << f.what();
        }
    }
}
