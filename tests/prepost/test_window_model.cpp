// korvanta's model in a real X server: a model file read through tab 4 and
// drawn in the square, shrunken, numbered, with its fixed-node markers and
// force arrows; and the structured road run from tab 5 with the real mesher
// and solver. Pixel positions are worked out from the view box the model
// gets: two blocks of 2 by 2 side by side, x 0 to 4 and y 0 to 2, so d = 4,
// the box runs x -0.5 to 4.5 and y -1.5 to 3.5, 90 pixels a unit in the
// 450-pixel square of the start window.
#include <gtest/gtest.h>

#include <cstdio>

#include "window_test.h"

namespace {

const Pixel yellow{255, 255, 0}, cyan{0, 255, 255};

// Points counter-clockwise from each block's lower left corner; point 13 is
// the mid-side both blocks share.
const std::string blocks =
    "1 0 0\n2 1 0\n3 2 0\n4 3 0\n5 4 0\n6 4 1\n7 4 2\n8 3 2\n9 2 2\n10 1 2\n11 0 2\n12 0 1\n13 2 1\n"
    "1 210000 0.3 1\n"
    "1 1 2 3 13 9 10 11 12 1\n"
    "2 3 4 5 6 7 8 9 13 1\n";
// Point 1 is held both ways, 12 in x, 11 in y; point 6 is pushed left and point 10 down.
const std::string two_blocks = "13 1 2 3 2\n" + blocks +
                               "1 1 1 0 0\n12 1 0 0 0\n11 0 1 0 0\n"
                               "6 -100 0\n10 0 -50\n";
// The same blocks free and unloaded, for the road that fixes and loads them by picking.
const std::string two_free_blocks = "13 1 2 0 0\n" + blocks;

// Window column and row of a model point.
double col_at(double x) { return 225 + (x + 0.5) * 90; }
double row_at(double y) { return 499 - (y + 1.5) * 90; }

// Tab 4 and the buttons of its rows 3, 5 and 7 in the start window.
const Point tab4{44, 9}, read_button{112, 143}, shrink_button{112, 217}, numbers_button{180, 217},
    markers_button{112, 293}, loads_button{180, 293};

// Runs of pixels of one colour down one column between two rows, as their lengths.
std::vector<int> runs_down(const Shot& s, Pixel colour, int x, int y0, int y1)
{
    std::vector<int> runs;
    int n = 0;
    for (int y = y0; y <= y1; ++y) {
        if (s.at(x, y) == colour) {
            ++n;
        } else if (n > 0) {
            runs.push_back(n);
            n = 0;
        }
    }
    if (n > 0) runs.push_back(n);
    return runs;
}

class WindowModel : public Window {
protected:
    // Writes the two blocks as data2d.txt, reads them through tab 4 and waits
    // until the mesh is there.
    Shot read_two_blocks()
    {
        k->box().write("data2d.txt", two_blocks);
        k->click(tab4.x, tab4.y);
        k->click(read_button.x, read_button.y);
        EXPECT_TRUE(wait_until([&] { return count_of(k->log(), "wid=") == 1; })) << k->log();
        return k->shot_when([](const Shot& s) { return extent_of(s, white, 225, 0, 675, 500).count > 0; });
    }
};

TEST_F(WindowModel, AModelReadThroughTabFourIsWhiteLinesInsideTheSquare)
{
    const Shot s = read_two_blocks();
    EXPECT_NE(k->log().find("Input <data2d.txt> \n13 1 2 3 2 \n"), std::string::npos) << k->log();
    EXPECT_NE(k->log().find("wid={0.000000, 4.000000}, hei={0.000000,2.000000}, zzz={0.000000,0.000000}\n"),
              std::string::npos);
    // the outline runs from column 270 to 630 and from row 184 to 364; lines
    // two pixels wide may fall a pixel to either side
    const Extent e = extent_of(s, white, 225, 0, 675, 500);
    EXPECT_NEAR(e.x0, col_at(0), 2);
    EXPECT_NEAR(e.x1, col_at(4), 2);
    EXPECT_NEAR(e.y0, row_at(2), 2);
    EXPECT_NEAR(e.y1, row_at(0), 2);
    EXPECT_EQ(colours_in(s, 225, 0, 675, 500), (std::set<Pixel>{black, white}));
    // the shared side at x = 2 is drawn, two pixels wide, and nothing inside the blocks
    EXPECT_EQ(runs_down(s, white, static_cast<int>(col_at(1)), 150, 400), (std::vector<int>{2, 2}));
    EXPECT_GE(count_in(s, white, col_at(2) - 1, row_at(1.8), col_at(2) + 1, row_at(0.2)), 2 * 140);
    EXPECT_EQ(count_in(s, white, col_at(0.2), row_at(1.8), col_at(1.8), row_at(0.2)), 0);
    // tab 4 red, the read button blue
    EXPECT_EQ(s.at(tab_point(4).x, tab_point(4).y), red);
    EXPECT_EQ(s.at(button_point(3, 2).x, button_point(3, 2).y), blue);
    quit();
}

TEST_F(WindowModel, ShrinkDrawsEveryElementAt70PercentWithGaps)
{
    read_two_blocks();
    const Shot s = after(shrink_button, 5, 2);
    // block 1 pulled in about (1, 1) to 0.3 .. 1.7, block 2 about (3, 1) to 2.3 .. 3.7
    const Extent left = extent_of(s, white, 225, 0, static_cast<int>(col_at(2)), 500);
    const Extent right = extent_of(s, white, static_cast<int>(col_at(2)), 0, 675, 500);
    EXPECT_NEAR(left.x0, col_at(0.3), 1.5);
    EXPECT_NEAR(left.x1, col_at(1.7), 1.5);
    EXPECT_NEAR(left.y0, row_at(1.7), 1.5);
    EXPECT_NEAR(left.y1, row_at(0.3), 1.5);
    EXPECT_NEAR(right.x0, col_at(2.3), 1.5);
    EXPECT_NEAR(right.x1, col_at(3.7), 1.5);
    // a gap between them where the shared side was, and thin lines
    EXPECT_EQ(count_in(s, white, col_at(1.75), 0, col_at(2.25), 499), 0);
    EXPECT_EQ(runs_down(s, white, static_cast<int>(col_at(1)), 150, 400), (std::vector<int>{1, 1}));
    EXPECT_EQ(s.at(button_point(5, 2).x, button_point(5, 2).y), blue);
    quit();
}

TEST_F(WindowModel, NodeNumbersAreRedBesideTheirNodes)
{
    read_two_blocks();
    const Shot s = after(numbers_button, 5, 3);
    // each number starts at its node and rises up to 13 rows in the 8 by 13
    // font, eight columns a digit; nothing else in the square is red
    const double pos[13][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}, {4, 2},
                               {3, 2}, {2, 2}, {1, 2}, {0, 2}, {0, 1}, {2, 1}};
    int inside = 0;
    for (int n = 1; n <= 13; ++n) {
        const double x = col_at(pos[n - 1][0]), y = row_at(pos[n - 1][1]);
        const int digits = n < 10 ? 1 : 2;
        const int c = count_in(s, red, x - 1, y - 14, x + 8 * digits + 1, y + 3);
        EXPECT_GT(c, 0) << "node " << n;
        inside += c;
    }
    EXPECT_EQ(extent_of(s, red, 225, 0, 675, 500).count, inside);
    EXPECT_EQ(colours_in(s, 225, 0, 675, 500), (std::set<Pixel>{black, white, red}));
    quit();
}

TEST_F(WindowModel, MarkersAndArrowsComeFromTheFilesBoundaryAndLoadRecords)
{
    read_two_blocks();
    after(markers_button, 7, 2);
    const Shot s = after(loads_button, 7, 3);
    // W = 5: markers of s = 5/80 = 5.625 pixels, a triangle 2 s deep; arrows 15 W/150 = 45 pixels long
    const double m = 5.625;
    struct Marker {
        double x, y;
        Pixel colour;
    };
    const Marker markers[] = {{0, 0, yellow}, {0, 1, yellow}, {0, 0, cyan}, {0, 2, cyan}};
    int yellow_seen = 0, cyan_seen = 0;
    for (const Marker& mk : markers) {
        const double x = col_at(mk.x), y = row_at(mk.y);
        const int c = mk.colour == yellow ? count_in(s, yellow, x - m - 1, y - 1, x + m + 1, y + 2 * m + 1)
                                          : count_in(s, cyan, x - 2 * m - 1, y - m - 1, x + 1, y + m + 1);
        EXPECT_GT(c, 0) << "marker at " << mk.x << " " << mk.y;
        (mk.colour == yellow ? yellow_seen : cyan_seen) += c;
    }
    EXPECT_EQ(extent_of(s, yellow, 225, 0, 675, 500).count, yellow_seen) << "no other yellow";
    EXPECT_EQ(extent_of(s, cyan, 225, 0, 675, 500).count, cyan_seen) << "no other cyan";

    // point 6 (4, 1) pushed left: its arrow runs left from column 630; point 10 (1, 2) down from row 184
    const Extent left = extent_of(s, red, static_cast<int>(col_at(2)), static_cast<int>(row_at(1.3)), 675,
                                  static_cast<int>(row_at(0.7)));
    EXPECT_NEAR(left.x0, col_at(4) - 45, 2);
    EXPECT_NEAR(left.x1, col_at(4), 2);
    EXPECT_NEAR((left.y0 + left.y1) / 2.0, row_at(1), 1);
    const Extent down = extent_of(s, red, static_cast<int>(col_at(0.5)), static_cast<int>(row_at(2)) - 3,
                                  static_cast<int>(col_at(1.5)), static_cast<int>(row_at(1)));
    EXPECT_NEAR(down.y0, row_at(2), 2);
    EXPECT_NEAR(down.y1, row_at(2) + 45, 2);
    EXPECT_EQ(extent_of(s, red, 225, 0, 675, 500).count, left.count + down.count) << "no other red";
    // a shaft one pixel wide, and a head of five at 12 to 13 units from the node
    EXPECT_EQ(runs_down(s, red, static_cast<int>(col_at(4) - 20), 250, 300), std::vector<int>{1});
    EXPECT_EQ(runs_down(s, red, static_cast<int>(col_at(4) - 37.5), 250, 300), std::vector<int>{5});
    quit();
}

// The structured road in the window: tab 5 runs the real pelmiro_const 5 0 on
// the two blocks, which korvanta reads at once, and the real nalvik_tri on the
// mesh; tab 4 then shows it.
TEST_F(WindowModel, TabFiveMeshesAndSolvesWithTheSuitesPrograms)
{
    k->box().write("data2d.txt", two_blocks);
    k->click(112, 9);  // tab 5
    k->click(112, 69);  // row 1, column 2: pelmiro_const with 5 divisions
    std::string echo = "pelmiro_const  5 0  ";
    echo.resize(32, '\0');
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), echo + "\n") == 1; }, 30)) << k->log() << k->err();
    // 10 by 5 cells of two triangles: 11 x 6 nodes, 100 elements
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "Input <nalvik.txt>  \n66 1 100 ") == 1; })) << k->log();
    EXPECT_TRUE(k->box().exists("nalvik.txt"));

    k->click(112, 143);  // row 3, column 2: the solver for triangles
    std::string solve = "nalvik_tri          ";
    solve.resize(32, '\0');
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), solve + "\n") == 1; }, 30)) << k->log() << k->err();
    for (const char* f : {"result_nalvik.txt", "result_nalvik_strain_elm.txt", "result_nalvik_stress_elm.txt",
                          "result_nalvik_strain.txt", "result_nalvik_stress.txt"})
        EXPECT_TRUE(k->box().exists(f)) << f;
    EXPECT_EQ(count_of(k->box().read("result_nalvik.txt"), "\n"), 66);
    EXPECT_EQ(k->err(), "");
    // nothing drawn until tab 4 reads the mesh
    EXPECT_EQ(extent_of(k->settled_shot(), white, 225, 0, 675, 500).count, 0);

    k->click(tab4.x, tab4.y);
    k->click(read_button.x, read_button.y);
    const Shot s = k->shot_when([](const Shot& s) { return extent_of(s, white, 225, 0, 675, 500).count > 0; });
    // the mesh lines of x = 0.4 and y = 0.4 cross the blocks
    EXPECT_GT(count_in(s, white, col_at(0.4) - 1, row_at(1.9), col_at(0.4) + 1, row_at(0.1)), 100);
    EXPECT_GT(count_in(s, white, col_at(0.1), row_at(0.4) - 1, col_at(3.9), row_at(0.4) + 1), 200);
    quit();
}

// The whole interactive road: free blocks read through tab 4, meshed by the
// real pelmiro_const on tab 5, the left edge held and the right edge pulled
// by picking, saved with key s, analysed by the real nalvik_tri and shown on
// tab 6 as bands of the equivalent stress. Six nodes on each edge (5 cells of
// 0.4 a block side), each right node pulled by 0.001 E t W = 0.001 * 210000 *
// 1 * 5 = 1050: a mean stress of 6 * 1050 / 2 = 3150 across the plate.
TEST_F(WindowModel, TheWholeRoadFromBlocksToStressBands)
{
    k->box().write("data2d.txt", two_free_blocks);
    k->click(tab4.x, tab4.y);
    k->click(read_button.x, read_button.y);
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "wid=") == 1; })) << k->log();

    k->click(tab_point(5).x, tab_point(5).y);
    std::string mesh = "pelmiro_const  5 0  ";
    mesh.resize(32, '\0');
    k->click(button_point(1, 2).x, button_point(1, 2).y);
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), mesh + "\n") == 1; }, 30)) << k->log() << k->err();
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "Input <nalvik.txt>  \n66 1 100 ") == 1; })) << k->log();

    // picks at the pixels of the edge nodes: y = 0, 0.4, ..., 2 at x = 0 and x = 4
    auto pick_edge = [&](double x, int first_pick) {
        for (int j = 0; j <= 5; ++j) {
            ctrl_click(static_cast<int>(col_at(x)), static_cast<int>(50 + (3.5 - 0.4 * j) * 90));
            ASSERT_TRUE(wait_until([&] { return count_of(k->log(), ", no=") == first_pick + j; })) << k->log();
        }
    };
    after(9, 2);  // fix in x
    pick_edge(0, 1);
    after(9, 3);  // fix in y: the lower left node only
    ctrl_click(static_cast<int>(col_at(0)), static_cast<int>(50 + 3.5 * 90));
    after(10, 2);  // pull in +x
    pick_edge(4, 8);
    EXPECT_EQ(count_of(k->log(), "force = 1.050000e+03, no="), 13) << k->log();

    // the saved mesh: six nodes held in x (one of them in y too), six pulled
    const std::string saved = save_mesh();
    EXPECT_EQ(saved.rfind("66 1 100 6 66 \n", 0), 0u) << saved;
    EXPECT_EQ(count_of(saved, "   1 0   0.000000e+00 0.000000e+00\n"), 5) << saved;
    EXPECT_EQ(count_of(saved, "   1 1   0.000000e+00 0.000000e+00\n"), 1) << saved;
    EXPECT_EQ(count_of(saved, "   1.050000e+03 0.000000e+00\n"), 6) << saved;

    k->click(tab_point(5).x, tab_point(5).y);
    std::string solve = "nalvik_tri          ";
    solve.resize(32, '\0');
    k->click(button_point(3, 2).x, button_point(3, 2).y);
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), solve + "\n") == 1; }, 30)) << k->log() << k->err();

    k->click(tab_point(6).x, tab_point(6).y);
    k->click(button_point(2, 2).x, button_point(2, 2).y);  // equivalent stress
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "Range Check End ... {") == 1; })) << k->log() << k->err();
    EXPECT_EQ(count_of(k->log(), "Input <result_stress.txt> <1 0>\n"), 1);
    // the levels span the mean stress: lower where the plate is held, peaks at the pulled corners
    const std::string log = k->log();
    float lo = 0, hi = 0;
    ASSERT_EQ(std::sscanf(log.c_str() + log.find("Range Check End ... {"), "Range Check End ... {%f %f}", &lo, &hi), 2);
    EXPECT_LT(lo, 3150);
    EXPECT_GT(hi, 3150);

    const Shot s = k->shot_when([](const Shot& s) {
        const std::set<Pixel> seen = colours_in(s, 225, 0, 675, 500);
        int bands = 0;
        for (const Pixel& p : band_pixel) bands += static_cast<int>(seen.count(p));
        return bands >= 4;
    });
    s.save_ppm(k->box().path("road.ppm"));  // kept with KEEP_SANDBOX=1, to look at
    // the plate is filled wherever it lies: its middle is neither black nor white
    for (double x : {0.5, 1.5, 2.5, 3.5}) {
        const Pixel p = s.at(static_cast<int>(col_at(x)), static_cast<int>(row_at(1)));
        EXPECT_TRUE(p != black && p != white) << x << ": " << to_string(p);
    }
    // the held edge keeps its markers and the pulled one its arrows, looked
    // for outside the plate where no band has their colours: the left halves
    // of the yellow triangles, the cyan one left of the lower left node, and
    // the arrows up to the window's edge
    EXPECT_GT(count_in(s, yellow, col_at(0) - 7, row_at(2), col_at(0) - 3, row_at(0) + 12), 6);
    EXPECT_GT(count_in(s, cyan, col_at(0) - 13, row_at(0) - 7, col_at(0) - 3, row_at(0) + 7), 0);
    EXPECT_GT(count_in(s, red, col_at(4) + 3, row_at(2) - 3, 674, row_at(0) + 3), 6 * 30);
    EXPECT_EQ(k->err(), "");
    quit();
}

}  // namespace
