// korvanta in a real X server: clicks, drags, keys and the middle-button menu
// through xdotool, and the colours of tabs, buttons, legend bands and axes
// read back from the window. Expected positions come from the panel geometry:
// tab strip 205 x 45 at (10, h - 50), panel 205 x (h - 55) at (10, 5), model
// square right of x 225 below the top 50 rows.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "window_test.h"

namespace {

// tabs 1 to 6 unselected: 0.752941 -> 192, 0.878431 -> 224, 0.50196 -> 128
const Pixel tab_colour[6] = {{0, 192, 192}, {0, 224, 128}, {0, 255, 0}, {255, 255, 0}, {224, 192, 0}, {224, 128, 0}};
const Pixel (&band)[8] = band_pixel;

// The middle of legend band b.
Point band_point(int b, int height = 500)
{
    const double rh = (height - 55) / 12.0;
    return {static_cast<int>(10 + 2 * cw / 9 + cw / 2), row_of(5 + (b + 1.8) * rh, height)};
}

// What differs from the tabs and buttons as they are at start, with the tab
// and the button given drawn selected: one line per wrong colour.
std::vector<std::string> panel_mismatches(const Shot& s, int red_tab, int blue_r, int blue_c)
{
    std::vector<std::string> wrong;
    auto check = [&](Point p, Pixel want, const std::string& what) {
        if (s.at(p.x, p.y) != want) wrong.push_back(what + ": " + to_string(s.at(p.x, p.y)) + " not " + to_string(want));
    };
    for (int t = 1; t <= 6; ++t)
        check(tab_point(t, s.height()), t == red_tab ? red : tab_colour[t - 1], "tab " + std::to_string(t));
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 3; ++c)
            check(button_point(r, c, s.height()), c == 1 ? white : r == blue_r && c == blue_c ? blue : grey,
                  "button " + std::to_string(r) + " " + std::to_string(c));
    return wrong;
}

using Mismatches = std::vector<std::string>;

// What is wrong with the tripod after one zoom-out step from the unit box to
// -0.1 .. 1.1: its origin lies 1/12 of the square side in from the square's
// left and bottom, and its lines are 1/6 of the side long. A line one pixel
// wide may fall on the row or column beside its exact place.
Mismatches tripod_mismatches(const Shot& s, int square_x, int side)
{
    Mismatches wrong;
    const int h = s.height();
    const double ox = square_x + side / 12.0, oy = side / 12.0, len = side / 6.0;
    const Extent r = extent_of(s, red, 225, 50, s.width(), h);
    const Extent g = extent_of(s, green, 225, 50, s.width(), h);
    auto near = [&](double got, double want, const char* what) {
        if (std::fabs(got - want) > 1.5) wrong.push_back(std::string(what) + " at " + std::to_string(got) + " not " + std::to_string(want));
    };
    if (r.count == 0 || g.count == 0) return {"no red or no green line"};
    near(r.x0, ox, "red start");
    near(r.x1 + 1, ox + len, "red end");
    near(r.y0, h - oy, "red row");
    near(r.y1, h - oy, "red row");
    near(g.x0, ox, "green column");
    near(g.x1, ox, "green column");
    near(g.y0, h - oy - len, "green end");
    near(g.y1 + 1, h - oy, "green start");
    for (const Pixel& p : colours_in(s, 225, 0, s.width(), h))
        if (!(p == black || p == red || p == green || p == blue)) wrong.push_back("stray colour " + to_string(p));
    return wrong;
}

TEST_F(Window, AtStartTheTabsButtonsAndABlackSquare)
{
    const Shot s = k->shot_when([](const Shot& s) { return panel_mismatches(s, 0, 0, 0).empty(); });
    EXPECT_EQ(panel_mismatches(s, 0, 0, 0), Mismatches{});
    // the square shows the tripod on its own edges only, so it is black, and so
    // are the 50 rows above it and the gaps beside the panel
    EXPECT_EQ(colours_in(s, 225, 0, 675, 500), std::set<Pixel>{black});
    EXPECT_EQ(colours_in(s, 0, 0, 10, 500), std::set<Pixel>{black});
    EXPECT_EQ(colours_in(s, 215, 0, 225, 500), std::set<Pixel>{black});
    EXPECT_EQ(k->log(), "");
    quit();
}

TEST_F(Window, TabClicksTurnRedAndStayButtonClicksMoveTheBlue)
{
    k->click(44, 9);  // tab 4
    ASSERT_TRUE(wait_colour(tab_point(4), red));
    k->click(44, 9);  // again: it stays selected
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "Tab Button is [4]") == 2; }));

    k->click(112, 143);  // row 3 (125 to 161), column 2
    Shot s = k->shot_when([](const Shot& s) { return panel_mismatches(s, 4, 3, 2).empty(); });
    EXPECT_EQ(panel_mismatches(s, 4, 3, 2), Mismatches{}) << "after the second tab click and a button";

    k->click(180, 217);  // row 5 (200 to 236), column 3
    s = k->shot_when([](const Shot& s) { return panel_mismatches(s, 4, 5, 3).empty(); });
    EXPECT_EQ(panel_mismatches(s, 4, 5, 3), Mismatches{}) << "after the next button";

    k->click(20, 217);  // a white button takes no blue
    ASSERT_TRUE(wait_until([&] { return count_of(k->log(), "Pushed Button 5 1") == 1; }));
    EXPECT_EQ(panel_mismatches(k->settled_shot(), 4, 5, 3), Mismatches{}) << "after a white button";

    const std::string log = k->log();
    EXPECT_EQ(count_of(log, "Click Button is [ 0 ] Tab Button is [4]\nGo to tab4(0 0)\n"), 2) << log;
    EXPECT_EQ(count_of(log, "Click Button is [ 32 ] Tab Button is [4]\nGo to tab4(3 2)\n"), 1) << log;
    EXPECT_EQ(count_of(log, "Click Button is [ 51 ] Tab Button is [4]\nGo to tab4(5 1)\n"), 1) << log;
    EXPECT_EQ(count_of(log, "Mouse state : {180 217} button=0 state=0\n"), 1) << log;
    quit();
}

TEST_F(Window, TabThreeShowsTheEightLegendBands)
{
    k->click(180, 38);  // tab 3
    auto bands_shown = [](const Shot& s) {
        for (int b = 0; b < 8; ++b)
            if (s.at(band_point(b).x, band_point(b).y) != band[b]) return false;
        return s.at(tab_point(3).x, tab_point(3).y) == red;
    };
    const Shot s = k->shot_when(bands_shown);
    for (int b = 0; b < 8; ++b) {
        const Point p = band_point(b);
        EXPECT_EQ(to_string(s.at(p.x, p.y)), to_string(band[b])) << "band " << b;
    }
    // every value is black digits on a grey strip that bridges the black gap
    // between columns 2 and 3: Max and Min in rows 1 and 2, the nine levels
    // beside the bands; a strip spans 0.6 of a row around its middle
    const double rh = 445 / 12.0, u = cw / 9;
    struct Strip { double middle, left; };
    std::vector<Strip> strips = {{11.6, cw + 2 * u}, {10.6, cw + 2 * u}};
    for (int level = 0; level <= 8; ++level) strips.push_back({level + 1.4, cw + 4 * u});
    for (const Strip& st : strips) {
        SCOPED_TRACE("strip at " + std::to_string(st.middle) + " rows");
        const int top = row_of(5 + (st.middle + 0.3) * rh, 500) + 1, bottom = row_of(5 + (st.middle - 0.3) * rh, 500);
        const int left = static_cast<int>(10 + st.left) + 1, right = static_cast<int>(10 + 2.9 * cw);
        EXPECT_EQ(colours_in(s, left, top, right, bottom), (std::set<Pixel>{black, grey}));
        // the gap between the octagons of columns 2 and 3 (1.9 to 2.1 column widths)
        const int gap0 = static_cast<int>(10 + 1.9 * cw) + 1, gap1 = static_cast<int>(10 + 2.1 * cw);
        EXPECT_EQ(colours_in(s, gap0, top, gap1, bottom).count(grey), 1u);
    }
    quit();
}

TEST_F(Window, RightDragZoomOutShowsTheTripodAndLeavesThePanel)
{
    const Shot before = k->settled_shot();
    // 45 pixels to the left of the 450-wide model area: the box grows by 0.1 on every side
    k->xdo("mousemove --window %W 500 300 mousedown 3 mousemove --window %W 455 300 mouseup 3");
    const Shot after = k->shot_when([](const Shot& s) { return tripod_mismatches(s, 225, 450).empty(); });
    EXPECT_EQ(tripod_mismatches(after, 225, 450), Mismatches{});
    EXPECT_EQ(panel_mismatches(after, 0, 0, 0), Mismatches{});
    EXPECT_EQ(colours_in(after, 0, 0, 225, 500), colours_in(before, 0, 0, 225, 500));
    EXPECT_EQ(count_of(k->log(), "button=2 state=0"), 1);
    quit();
}

TEST_F(Window, ResizeKeepsThePanelAndRecentresTheSquare)
{
    k->xdo("mousemove --window %W 500 300 mousedown 3 mousemove --window %W 455 300 mouseup 3");
    k->shot_when([](const Shot& s) { return tripod_mismatches(s, 225, 450).empty(); });
    k->xdo("windowsize --sync %W 800 400");
    // 800 x 400: the model area is 575 x 350, so the square of 350 sits at x 225 + 225 / 2
    const Shot s = k->shot_when([](const Shot& s) {
        return s.width() == 800 && s.height() == 400 && tripod_mismatches(s, 337, 350).empty() &&
               panel_mismatches(s, 0, 0, 0).empty();
    });
    ASSERT_EQ(s.width(), 800);
    ASSERT_EQ(s.height(), 400);
    EXPECT_EQ(tripod_mismatches(s, 337, 350), Mismatches{});
    EXPECT_EQ(panel_mismatches(s, 0, 0, 0), Mismatches{});
    // the tab strip and the panel keep x 10 and width 205; the panel ends 5 rows above the bottom
    const int y_tab = tab_point(4, 400).y;
    EXPECT_EQ(to_string(s.at(9, y_tab)), to_string(black));
    EXPECT_EQ(to_string(s.at(10, y_tab)), to_string(tab_colour[3]));
    EXPECT_EQ(to_string(s.at(214, tab_point(6, 400).y)), to_string(tab_colour[5]));
    EXPECT_EQ(to_string(s.at(215, y_tab)), to_string(black));
    EXPECT_EQ(colours_in(s, 0, 395, 225, 400), std::set<Pixel>{black});
    quit();
}

TEST_F(Window, SaveBcOnTheMenuAndKeysSReachTheOneWriter)
{
    k->box().write("data2d.txt", "a block model korvanta has not read\n");
    const std::string refusal = "korvanta: data2d.txt: no model has been read; the file is left as it was\n";
    k->click(400, 300, 2);  // the menu opens at the pointer
    k->xdo("mousemove_relative 20 10 click 1");
    ASSERT_TRUE(wait_until([&] { return count_of(k->err(), refusal) == 1; })) << k->err();
    k->xdo("mousemove --window %W 400 300");
    k->key("s");
    ASSERT_TRUE(wait_until([&] { return count_of(k->err(), refusal) == 2; })) << k->err();
    k->key("S");
    ASSERT_TRUE(wait_until([&] { return count_of(k->err(), refusal) == 3; })) << k->err();
    EXPECT_EQ(k->err(), refusal + refusal + refusal);
    EXPECT_EQ(k->box().read("data2d.txt"), "a block model korvanta has not read\n");
    EXPECT_EQ(count_of(k->log(), "button=1"), 0) << "the middle button never reaches the mouse routing";
    quit();
}

TEST_F(Window, OtherKeysDoNothingAndQEndsWithStatusZero)
{
    k->xdo("mousemove --window %W 400 300");
    k->key("x");
    k->key("Return");
    k->click(44, 9);  // still alive: the click is handled after the keys
    ASSERT_TRUE(wait_colour(tab_point(4), red));
    EXPECT_EQ(k->log().substr(0, 15), "Mouse state : {") << "keys print nothing";
    quit();
}

TEST_F(Window, EscapeEndsWithStatusZero)
{
    k->xdo("mousemove --window %W 400 300");
    k->key("Escape");
    int status = -1;
    ASSERT_TRUE(k->wait_exit(10, &status)) << "korvanta did not end on Esc";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

// Started with no program path at all, korvanta still opens its window, titled
// "korvanta" (the harness finds the window by that title).
class WindowWithoutPath : public Window {
    bool without_path() const override { return true; }
};

TEST_F(WindowWithoutPath, OpensItsWindowTitledKorvanta)
{
    FILE* p = popen(("xdotool getwindowname " + std::to_string(k->window())).c_str(), "r");
    ASSERT_NE(p, nullptr);
    char name[256] = "";
    ASSERT_NE(std::fgets(name, sizeof name, p), nullptr);
    pclose(p);
    EXPECT_STREQ(name, "korvanta\n");
    quit();
}

}  // namespace
