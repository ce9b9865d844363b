// The panel: hit-test edges, button and tab states, dispatch to the tabs and
// the console lines of a click.
#include <gtest/gtest.h>

#include "fresh_state.h"
#include "panel.h"
#include "tabs.h"

namespace {

TEST(PanelHit, ColumnAndTabEdges)
{
    struct Case { int x, y, tab, code; };
    const Case cases[] = {
        {79, 26, 4, 0},  {80, 26, 5, 0},  {149, 26, 5, 0}, {150, 26, 6, 0}, {214, 26, 6, 0},
        {215, 26, 0, 0}, {0, 0, 4, 0},    {79, 27, 1, 0},  {80, 49, 2, 0},  {214, 49, 3, 0},
        {100, 50, 0, 0}, {79, 51, 0, 11}, {80, 51, 0, 12}, {149, 51, 0, 12}, {150, 51, 0, 13},
        {214, 51, 0, 13}, {215, 51, 0, 0}, {224, 300, 0, 0},
    };
    for (const Case& c : cases) {
        const PanelHit h = panel_hit(c.x, c.y, 500);
        EXPECT_EQ(h.tab, c.tab) << c.x << "," << c.y;
        EXPECT_EQ(h.code, c.code) << c.x << "," << c.y;
    }
}

TEST(PanelHit, RowEdgesOfA500PixelWindow)
{
    // s = 450 / 12 = 37.5; edge k = 50 + trunc(37.5 k)
    const int expected[12] = {87, 125, 162, 200, 237, 275, 312, 350, 387, 425, 462, 500};
    int edge[12];
    row_edges(500, edge);
    for (int r = 0; r < 12; ++r) EXPECT_EQ(edge[r], expected[r]) << "row " << r + 1;

    for (int r = 1; r <= 12; ++r) {
        const int first = r == 1 ? 51 : expected[r - 2];
        EXPECT_EQ(panel_hit(20, first, 500).code, 10 * r + 1) << "first row of " << r;
        EXPECT_EQ(panel_hit(20, expected[r - 1] - 1, 500).code, 10 * r + 1) << "last row of " << r;
    }
    EXPECT_EQ(panel_hit(20, 500, 500).code, 0);  // below the last edge
    EXPECT_EQ(panel_hit(160, 499, 500).code, 123);
}

TEST(PanelHit, RowsFollowTheWindowHeight)
{
    // 650 rows: s = 50, edges 100, 150, ..., 650
    EXPECT_EQ(panel_hit(100, 99, 650).code, 12);
    EXPECT_EQ(panel_hit(100, 100, 650).code, 22);
    EXPECT_EQ(panel_hit(100, 649, 650).code, 122);
    EXPECT_EQ(panel_hit(100, 650, 650).code, 0);
}

int blue_count(const State& k)
{
    int n = 0;
    for (const auto& row : k.button_state)
        for (int b : row) n += b == button_blue;
    return n;
}

TEST(Dispatch, ButtonStatesMoveTheBlueAndKeepColumnOneWhite)
{
    auto k = fresh_state();
    console_of([&] {
        dispatch_button(*k, 2, 32);
        EXPECT_EQ(k->pushed_row, 3);
        EXPECT_EQ(k->pushed_col, 2);
        EXPECT_EQ(k->button_state[2][1], button_blue);

        dispatch_button(*k, 2, 123);  // the next grey button takes the blue
        EXPECT_EQ(k->pushed_row, 12);
        EXPECT_EQ(k->pushed_col, 3);
        EXPECT_EQ(k->button_state[11][2], button_blue);
        EXPECT_EQ(k->button_state[2][1], button_grey);

        dispatch_button(*k, 2, 123);  // a blue button clicked again stays blue
        EXPECT_EQ(k->button_state[11][2], button_blue);

        dispatch_button(*k, 2, 51);  // a white button acts but changes no colour
        EXPECT_EQ(k->pushed_row, 5);
        EXPECT_EQ(k->pushed_col, 1);
        EXPECT_EQ(k->button_state[4][0], button_white);
        EXPECT_EQ(k->button_state[11][2], button_blue);

        dispatch_button(*k, 2, 0);  // no button: nothing changes colour
        EXPECT_EQ(k->pushed_row, 0);
        EXPECT_EQ(k->pushed_col, 0);
        EXPECT_EQ(k->button_state[11][2], button_blue);
    });
    EXPECT_EQ(blue_count(*k), 1);
    for (const auto& row : k->button_state) EXPECT_EQ(row[0], button_white);
}

TEST(Dispatch, TabSelectionIsSticky)
{
    auto k = fresh_state();
    auto selected = [&] {
        int t = 0, n = 0;
        for (int i = 0; i < 6; ++i)
            if (k->tab_state[i] == 1) t = i + 1, ++n;
        return n == 1 ? t : -n;
    };
    console_of([&] {
        dispatch_button(*k, 0, 32);  // before any tab a button selects none
        EXPECT_EQ(selected(), 0);
        dispatch_button(*k, 4, 0);
        EXPECT_EQ(selected(), 4);
        dispatch_button(*k, 4, 0);
        EXPECT_EQ(selected(), 4);
        dispatch_button(*k, 4, 72);
        EXPECT_EQ(selected(), 4);
        dispatch_button(*k, 6, 0);
        EXPECT_EQ(selected(), 6);
        dispatch_button(*k, 3, 0);
        EXPECT_EQ(selected(), 3);
    });
    EXPECT_EQ(k->tab_state[6], 0);  // the spare seventh entry is never used
}

TEST(PanelClick, ConsoleLinesOfTabAndButtonClicks)
{
    auto k = fresh_state();
    EXPECT_EQ(console_of([&] { panel_click(*k, 44, 9); }),
              "Click Button is [ 0 ] Tab Button is [4]\nGo to tab4(0 0)\n");
    EXPECT_EQ(k->current_tab, 4);
    EXPECT_EQ(console_of([&] { panel_click(*k, 112, 217); }),
              "Click Button is [ 52 ] Tab Button is [4]\nGo to tab4(5 2)\n");
    EXPECT_EQ(k->current_tab, 4);  // a button keeps the tab
    EXPECT_EQ(console_of([&] { panel_click(*k, 112, 9); }), "Click Button is [ 0 ] Tab Button is [5]\n");
    EXPECT_EQ(console_of([&] { panel_click(*k, 220, 300); }), "Click Button is [ 0 ] Tab Button is [5]\n");
    EXPECT_EQ(k->current_tab, 5);
}

TEST(PanelClick, BeforeAnyTabAButtonReachesNoTab)
{
    auto k = fresh_state();
    EXPECT_EQ(console_of([&] { panel_click(*k, 112, 143); }), "Click Button is [ 32 ] Tab Button is [0]\n");
    EXPECT_EQ(k->current_tab, 0);
    EXPECT_EQ(k->button_state[2][1], button_blue);
}

TEST(TabEntrySteps, ClicksInTabsFourToSixEndThePickModes)
{
    struct Case {
        int tab, mode;
        int results_shown, element_type;  // after the click
    };
    const Case cases[] = {
        {4, 8, 0, 3}, {5, 8, 0, 3}, {5, 3, 0, 3}, {5, 4, 0, 4}, {6, 4, 1, 3}, {1, 4, 1, 3}, {2, 4, 1, 3},
    };
    for (const Case& c : cases) {
        auto k = fresh_state();
        k->element_mode = c.mode;
        k->results_shown = 1;
        k->pick_fix_x = k->pick_fix_y = 1;
        k->force_state_x = -1;
        console_of([&] { dispatch_button(*k, c.tab, 0); });
        const bool ends_picks = c.tab >= 4;
        EXPECT_EQ(k->pick_fix_x, ends_picks ? 0 : 1) << "tab " << c.tab;
        EXPECT_EQ(k->pick_fix_y, ends_picks ? 0 : 1) << "tab " << c.tab;
        EXPECT_EQ(k->force_state_x, -1) << "force states survive every entry step";
        EXPECT_EQ(k->results_shown, c.results_shown) << "tab " << c.tab;
        EXPECT_EQ(k->element_type, c.element_type) << "tab " << c.tab << " mode " << c.mode;
    }
}

}  // namespace
