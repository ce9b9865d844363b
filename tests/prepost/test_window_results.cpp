// Picking and results in a real X server: Ctrl and the left button fix and
// load nodes of a mesh, which key s saves; tab 6 draws displacements as
// eight colour bands at the pixels the field gives, leaves them out while
// the view is dragged, moves them with the deformed shape, and fills a small
// spread flat red. Positions come from the view box of the mesh: a square of
// side 8 from the origin, so d = 8 and the box runs -1 to 9 both ways, 45
// pixels a unit in the 450-pixel square of the start window.
#include <gtest/gtest.h>

#include "cp932.h"
#include "window_test.h"

namespace {

const Pixel yellow{255, 255, 0};

// Two triangles on the diagonal from node 1 to node 3; E = 1000, t = 2, so a
// pick force of 0.001 E t W = 20 at the view width W = 10.
const char* const square =
    "4 1 2 0 0\n"
    "1 0 0\n2 8 0\n3 8 8\n4 0 8\n"
    "1 1000 0.3 2\n"
    "1 1 2 3 1\n2 1 3 4 1\n";

// ux = 8 - x, uy = 0: the magnitude falls from 8 at the left edge to 0 at
// the right, so band b (8 - x from b to b + 1) is the strip x = 7 - b to 8 - b.
const char* const disp_rows = "1 8 0 \n2 0 0 \n3 0 0 \n4 8 0 \n";

// Window column of a model x; window row of a drawn model y, and the row
// whose pointer maps to it.
double col_at(double x) { return 225 + (x + 1) * 45; }
double row_at(double y) { return 499 - (y + 1) * 45; }
int click_row(double y) { return static_cast<int>(50 + (9 - y) * 45); }

// The middle of band b at y = 4, in the undeformed picture.
Point band_middle(int b) { return {static_cast<int>(col_at(7.5 - b)), static_cast<int>(row_at(4))}; }

std::vector<std::string> band_mismatches(const Shot& s)
{
    std::vector<std::string> wrong;
    for (int b = 0; b < 8; ++b) {
        const Point p = band_middle(b);
        if (s.at(p.x, p.y) != band_pixel[b])
            wrong.push_back("band " + std::to_string(b) + ": " + to_string(s.at(p.x, p.y)));
    }
    return wrong;
}

bool any_band_colour(const Shot& s)
{
    const std::set<Pixel> seen = colours_in(s, 225, 0, 675, 500);
    for (const Pixel& p : band_pixel)
        if (seen.count(p)) return true;
    return false;
}

class WindowResults : public Window {
protected:
    // Writes the square as nalvik.txt, reads it through tab 4 in triangle mode
    // and waits until the mesh is there.
    void read_square()
    {
        k->box().write("nalvik.txt", square);
        k->click(tab_point(4).x, tab_point(4).y);
        after(3, 1);  // data2d.txt to nalvik.txt with triangles
        k->click(button_point(3, 2).x, button_point(3, 2).y);
        ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "wid=") == 1; })) << k->log() << k->err();
        k->shot_when([](const Shot& s) { return extent_of(s, white, 225, 0, 675, 500).count > 0; });
    }
};

TEST_F(WindowResults, CtrlClicksFixAndLoadNodesAndKeySSavesThem)
{
    read_square();
    after(9, 2);  // fix in x
    ctrl_click(static_cast<int>(col_at(8)), click_row(0));  // node 2
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "no=2\n") == 1; })) << k->log();
    EXPECT_EQ(count_of(k->log(), "Mouse state : {630 455} button=0 state=0\n" + pick_line(2) +
                                     "force = 2.000000e+01, no=2\n"),
              1)
        << k->log();
    // a yellow triangle hangs from node 2, W / 80 = 5.6 pixels to each side and twice that deep
    Shot s = k->shot_when([](const Shot& s) { return extent_of(s, yellow, 225, 0, 675, 500).count > 0; });
    const Extent marker = extent_of(s, yellow, 225, 0, 675, 500);
    EXPECT_NEAR(marker.x0, col_at(8) - 5.6, 1.5);
    EXPECT_NEAR(marker.x1, col_at(8) + 5.6, 1.5);
    EXPECT_NEAR(marker.y0, row_at(0), 1.5);
    EXPECT_NEAR(marker.y1, row_at(0) + 11.25, 1.5);

    // with Shift also held the click pans: node 3 gets no marker
    ctrl_click(static_cast<int>(col_at(8)), click_row(8), "ctrl+shift");
    EXPECT_EQ(count_of(k->log(), "no="), 1) << k->log();
    s = k->settled_shot();
    EXPECT_EQ(extent_of(s, yellow, 225, 0, 675, 500).count, marker.count);

    // the saved mesh has the new boundary record, and a load record for every node
    EXPECT_EQ(save_mesh(),
              "4 1 2 1 4 \n"
              "1  0.000000  0.000000\n2  8.000000  0.000000\n3  8.000000  8.000000\n4  0.000000  8.000000\n"
              "1 1.000000e+03 3.000000e-01 2.000000e+00 \n"
              "1  1 2 3  1  \n2  1 3 4  1  \n"
              "2   1 0   0.000000e+00 0.000000e+00\n"
              "1   0.000000e+00 0.000000e+00\n2   0.000000e+00 0.000000e+00\n"
              "3   0.000000e+00 0.000000e+00\n4   0.000000e+00 0.000000e+00\n");

    // a force pick: plus in x at node 4 draws a red arrow of 15 W / 150 = 45
    // pixels to the right of it, and is saved
    after(10, 2);
    EXPECT_EQ(count_of(k->log(), "BC F = 1 0\n"), 1);
    ctrl_click(static_cast<int>(col_at(0)), click_row(8));
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), pick_line(4) + "force = 2.000000e+01, no=4\n") == 1; }))
        << k->log();
    s = k->shot_when([](const Shot& s) { return extent_of(s, red, 225, 0, 675, 500).count > 0; });
    const Extent arrow = extent_of(s, red, 225, 0, 675, 500);
    EXPECT_NEAR(arrow.x0, col_at(0), 1.5);
    EXPECT_NEAR(arrow.x1, col_at(0) + 45, 1.5);
    EXPECT_NEAR((arrow.y0 + arrow.y1) / 2.0, row_at(8), 1);
    EXPECT_EQ(extent_of(s, yellow, 225, 0, 675, 500).count, marker.count) << "the marker stays";
    const std::string saved = save_mesh();
    EXPECT_NE(saved.find("\n4   2.000000e+01 0.000000e+00\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n2   1 0   0.000000e+00 0.000000e+00\n"), std::string::npos) << saved;
    EXPECT_EQ(k->err(), "");
    quit();
}

TEST_F(WindowResults, DisplacementBandsVanishWhileDraggedAndMoveWithTheDeformedShape)
{
    k->box().write("result_nalvik.txt", disp_rows);
    read_square();
    k->click(tab_point(6).x, tab_point(6).y);
    after(1, 2);  // the displacement magnitude
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "Range Check End ... {0.000000 8.000000}\n") == 1; }))
        << k->log() << k->err();
    Shot s = k->shot_when([](const Shot& s) { return band_mismatches(s).empty(); });
    EXPECT_EQ(band_mismatches(s), std::vector<std::string>{});
    // the fill ends at the mesh's sides: nothing coloured left of x = 0 or right of x = 8
    int outside = 0;
    for (int y = 0; y < 500; ++y)
        for (int x = 225; x < 675; ++x)
            if (x < col_at(-0.05) || x > col_at(8.05))
                for (const Pixel& p : band_pixel) outside += s.at(x, y) == p;
    EXPECT_EQ(outside, 0);

    // a left drag in the square: the mesh follows the pointer, the bands are left out
    k->xdo("mousemove --window %W 450 300 mousedown 1 mousemove --window %W 470 300");
    s = k->shot_when([](const Shot& s) { return !any_band_colour(s); });
    EXPECT_FALSE(any_band_colour(s));
    const Extent mesh = extent_of(s, white, 225, 0, 675, 500);
    EXPECT_NEAR(mesh.x0, col_at(0) + 20, 2) << "the mesh drawn 20 pixels to the right";
    // back and released: the bands where they were
    k->xdo("mousemove --window %W 450 300 mouseup 1");
    s = k->shot_when([](const Shot& s) { return band_mismatches(s).empty(); });
    EXPECT_EQ(band_mismatches(s), std::vector<std::string>{});

    // the deformed shape: x moves by (8 - x) / 8 of a tenth of the view width
    // (one unit), so the left edge goes to x = 1 and band 7 (x 0 to 1) to 1 .. 1.875
    after(1, 3);
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "Deform Mode = ON \n") == 1; })) << k->log();
    const int y = static_cast<int>(row_at(4));
    s = k->shot_when([&](const Shot& s) { return s.at(static_cast<int>(col_at(1.44)), y) == band_pixel[7]; });
    EXPECT_EQ(to_string(s.at(static_cast<int>(col_at(1.44)), y)), to_string(band_pixel[7]));
    EXPECT_EQ(to_string(s.at(static_cast<int>(col_at(1 + 7 * 7.5 / 8)), y)), to_string(band_pixel[0]));
    int first_coloured = -1;
    for (int x = 225; x < 675 && first_coloured < 0; ++x)
        if (s.at(x, y) != black && s.at(x, y) != white) first_coloured = x;
    EXPECT_NEAR(first_coloured, col_at(1), 1.5);
    // the undeformed mesh stays visible where the fill has left it
    EXPECT_GT(count_in(s, white, col_at(0) - 2, row_at(7), col_at(0) + 2, row_at(1)), 100);
    quit();
}

TEST_F(WindowResults, ASpreadOfAFewPercentIsFilledRed)
{
    // sx from 100 to 105: a spread of 5/105 of the largest, below 0.09
    k->box().write("result_nalvik_stress.txt", "1 100 0 0 \n2 105 0 0 \n3 102 0 0 \n4 101 0 0 \n");
    read_square();
    k->click(tab_point(6).x, tab_point(6).y);
    after(7, 2);
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "Range Check End ... {100.000000 105.000000}\n") == 1; }))
        << k->log() << k->err();
    const Shot s = k->shot_when([](const Shot& s) { return s.at(band_middle(3).x, band_middle(3).y) == red; });
    for (int b = 0; b < 8; ++b) EXPECT_EQ(to_string(s.at(band_middle(b).x, band_middle(b).y)), to_string(red)) << b;
    for (const Pixel& p : colours_in(s, 225, 0, 675, 500))
        EXPECT_TRUE(p == black || p == white || p == red) << to_string(p);
    quit();
}

}  // namespace
