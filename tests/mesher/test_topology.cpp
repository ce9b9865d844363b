// Keypoints, common lines and line numbers of small block models.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "data2d.h"
#include "topology.h"

namespace {

struct Built {
    std::unique_ptr<BlockModel> m = std::make_unique<BlockModel>();
    std::unique_ptr<Topology> t = std::make_unique<Topology>();
    std::string trace;  // print_topology
};

Built build(const std::string& data2d)
{
    Built b;
    Scanner sc("data2d.txt", data2d);
    FILE* sink = std::fopen("/dev/null", "w");
    read_data2d(sc, *b.m, pelmiro_const_config, sink);
    std::fclose(sink);
    build_topology(*b.m, *b.t);
    char* buf = nullptr;
    size_t len = 0;
    FILE* out = open_memstream(&buf, &len);
    print_topology(*b.m, *b.t, out);
    std::fclose(out);
    b.trace.assign(buf, len);
    std::free(buf);
    return b;
}

// Two squares side by side, the right one's left side (side 4) on the left
// one's right side (side 2), both in the same direction.
const char* const two_areas =
    "13 1 2 0 0\n"
    "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n"
    "9 3 0\n10 4 0\n11 4 1\n12 4 2\n13 3 2\n"
    "1 1 0.3 1\n"
    "1 1 2 3 4 5 6 7 8 1\n"
    "2 3 9 10 11 12 13 5 4 1\n";

}  // namespace

TEST(Topology, OneAreaHasFourKeypointsAndFourLines)
{
    Built b = build("8 1 1 0 0\n1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n1 1 0 1\n"
                    "1 1 2 3 4 5 6 7 8 1\n");
    const Topology& t = *b.t;
    ASSERT_EQ(t.key_count, 4);
    const int keys[4] = {0, 2, 4, 6};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(t.key_point[k], keys[k]);
    EXPECT_EQ(t.common_count, 0);
    ASSERT_EQ(t.line_count, 4);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(t.area_line[0][s], s);
        EXPECT_EQ(t.line_side[s].side, s);
    }
    const int marks[8] = {-1, 0, -2, 1, -3, 2, -4, 3};
    for (int p = 0; p < 8; ++p) EXPECT_EQ(t.point_mark[p], marks[p]) << "model point " << p + 1;
}

TEST(Topology, TwoAreasShareOneLineAlongTheFirstArea)
{
    Built b = build(two_areas);
    const Topology& t = *b.t;
    EXPECT_EQ(t.key_count, 6);
    // corners 3 and 5 met again in area 2 keep their keypoints 2 and 3
    EXPECT_EQ(t.area_key[1][0], 1);
    EXPECT_EQ(t.area_key[1][3], 2);
    ASSERT_EQ(t.common_count, 1);
    EXPECT_EQ(t.common_line[0].mid, 3);
    EXPECT_EQ(t.shared_base, 6);
    ASSERT_EQ(t.line_count, 7);
    EXPECT_EQ(t.line_side[6].area, 0);
    EXPECT_EQ(t.line_side[6].side, 1);
    EXPECT_EQ(t.area_line[0][1], 6);
    EXPECT_EQ(t.area_line[1][3], 6);
    EXPECT_FALSE(t.area_reversed[1][3]);
    EXPECT_EQ(t.point_mark[3], 6);
    EXPECT_NE(b.trace.find("  Results check common line data ... 1 line is \n   4(1 2)\n"), std::string::npos)
        << b.trace;
    // before numbering, the shared sides show 1 minus their 0-based mid-side point
    EXPECT_NE(b.trace.find("  Init Area 1 is line(1, -2, 2, 3)\n  Init Area 2 is line(4, 5, 6, -2)\n"),
              std::string::npos)
        << b.trace;
    EXPECT_NE(b.trace.find("line 7 is elm(1) no.2\n"), std::string::npos);
    EXPECT_NE(b.trace.find("Area 1 is line(1, 7, 2, 3)\nArea 2 is line(4, 5, 6, 7)\n"), std::string::npos);
}

TEST(Topology, SharedMidSidePointOneIsNotMistakenForLineOne)
{
    // the shared side's mid-side point is model point 1: pending it holds -0,
    // which must not read as line 0
    Built b = build("13 1 2 0 0\n"
                    "1 2 1\n2 1 0\n3 2 0\n4 0 0\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n"
                    "9 3 0\n10 4 0\n11 4 1\n12 4 2\n13 3 2\n"
                    "1 1 0.3 1\n"
                    "1 4 2 3 1 5 6 7 8 1\n"
                    "2 3 9 10 11 12 13 5 1 1\n");
    const Topology& t = *b.t;
    ASSERT_EQ(t.line_count, 7);
    EXPECT_EQ(t.area_line[0][1], 6);
    EXPECT_EQ(t.area_line[1][3], 6);
    EXPECT_EQ(t.area_line[0][0], 0);
    EXPECT_EQ(t.point_mark[0], 6);
    EXPECT_NE(b.trace.find("  Init Area 1 is line(1, 1, 2, 3)\n"), std::string::npos) << b.trace;
}

TEST(Topology, SideRunningAgainstItsLineIsMarkedReversed)
{
    // the right square listed from its upper right corner: its side 2 runs
    // down the shared side, which the left square's side 2 runs up
    Built b = build("13 1 2 0 0\n"
                    "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n"
                    "9 3 0\n10 4 0\n11 4 1\n12 4 2\n13 3 2\n"
                    "1 1 0.3 1\n"
                    "1 1 2 3 4 5 6 7 8 1\n"
                    "2 12 13 5 4 3 9 10 11 1\n");
    const Topology& t = *b.t;
    EXPECT_EQ(t.area_line[1][1], t.area_line[0][1]);
    EXPECT_FALSE(t.area_reversed[0][1]);
    EXPECT_TRUE(t.area_reversed[1][1]);
}
