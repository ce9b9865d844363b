// Picking nodes with Ctrl and the left button: the pointer through the model
// square, the nearest node, what the pick modes and force states change, the
// mode buttons and the console lines, the Japanese one as cp932 bytes.
#include <gtest/gtest.h>

#include <cmath>

#include "cp932.h"
#include "input.h"
#include "model_state.h"
#include "panel.h"
#include "pick.h"

namespace {

// The console lines of a pick of node n with the force f.
std::string pick_lines(int n, const char* force)
{
    return pick_line(n) + "force = " + force + ", no=" + std::to_string(n) + "\n";
}

// A square of side 8 from the origin, nodes counter-clockwise, in the view box
// -1 .. 9 that fit_view gives it: 45 pixels a unit in the start window, so
// node (x, y) lies at pixel (270 + 45 x, 455 - 45 y). E = 1000, t = 2: a pick
// force of 0.001 E t W = 20 at the view width W = 10.
std::unique_ptr<State> square_model()
{
    auto k = model({{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {1, 2, 3, 1, 3, 4}, 3);
    set_box(*k, -1, 9, -1, 9);
    k->young = 1000;
    k->thickness = 2;
    return k;
}

TEST(Pick, TheNodeFoundIsPrintedInCp932)
{
    auto k = square_model();
    const std::string out = console_of([&] { pick_node(*k, 630, 455); });
    // 該当する節点は 2 です。
    EXPECT_EQ(out.substr(0, out.find('\n') + 1),
              "\x8a\x59\x93\x96\x82\xb7\x82\xe9\x90\xdf\x93\x5f\x82\xcd 2 \x82\xc5\x82\xb7\x81\x42\n");
    EXPECT_EQ(out.substr(0, out.find('\n') + 1), pick_line(2));
}

TEST(PickMapping, ThePointerGoesThroughTheSquareAsItIsDrawn)
{
    struct Case {
        int width, height, x, y;
        float px, py;
    };
    const Case cases[] = {
        // the start window: the square's corners are the box's corners
        {675, 500, 225, 50, -1, 9},
        {675, 500, 675, 500, 9, -1},
        {675, 500, 450, 275, 4, 4},
        // 800 by 400: a square of 350 at x 337, from row 50 down
        {800, 400, 337, 50, -1, 9},
        {800, 400, 687, 400, 9, -1},
        {800, 400, 512, 225, 4, 4},
        // 500 by 500: a square of 275 centred upright, from row 138
        {500, 500, 225, 138, -1, 9},
        {500, 500, 500, 413, 9, -1},
    };
    for (const Case& c : cases) {
        auto k = square_model();
        k->window_width = c.width;
        k->window_height = c.height;
        ModelPoint p{};
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " at " + std::to_string(c.x) + "," +
                     std::to_string(c.y));
        ASSERT_TRUE(model_point_at(*k, c.x, c.y, p));
        EXPECT_NEAR(p.x, c.px, 1e-5);
        EXPECT_NEAR(p.y, c.py, 1e-5);
    }
    // a window with no square has nothing to pick in
    auto k = square_model();
    k->window_width = 225;
    ModelPoint p{};
    EXPECT_FALSE(model_point_at(*k, 230, 100, p));
}

TEST(PickMapping, AfterAResizeTheNodeUnderThePointerIsPicked)
{
    // 800 by 400: node 3 at (8, 8) lies at pixel (337 + 9 * 35, 50 + 35) =
    // (652, 85); the start window's scale of 450 would put that pixel at
    // (5.05, 8.22), nearer node 4's side of the square
    auto k = square_model();
    k->window_width = 800;
    k->window_height = 400;
    ModelPoint p{};
    ASSERT_TRUE(model_point_at(*k, 652, 85, p));
    EXPECT_EQ(nearest_node(*k, p), 3);
}

TEST(NearestNode, TheFirstOfEquallyNearNodesAndNoneAsFarAsTheViewWidth)
{
    struct Case {
        const char* what;
        Points nodes;
        ModelPoint p;
        int node;
    };
    const Case cases[] = {
        {"the nearest", {{0, 0}, {2, 0}, {5, 5}}, {4.6f, 4.9f}, 3},
        {"a tie keeps the lower number", {{0, 0}, {2, 0}}, {1, 0}, 1},
        {"also when the lower number comes second in space", {{2, 0}, {0, 0}}, {1, 0}, 1},
        {"two nodes at one place: the first", {{3, 3}, {3, 3}}, {3, 3.5f}, 1},
        {"just inside the view width", {{0, 0}}, {9.5f, 0}, 1},
        {"exactly the view width away: none", {{0, 0}}, {10, 0}, 0},
        {"further: none", {{0, 0}}, {8, 8}, 0},
    };
    for (const Case& c : cases) {
        auto k = model(c.nodes, {}, 3);
        set_box(*k, 0, 10, 0, 10);
        EXPECT_EQ(nearest_node(*k, c.p), c.node) << c.what;
    }
}

TEST(Pick, FixModesToggleTheFlagsOfTheNodeFound)
{
    auto k = square_model();
    k->pick_fix_x = 1;
    // node 2 at (8, 0) is pixel (630, 455); a pixel beside it finds it too
    EXPECT_EQ(console_of([&] { pick_node(*k, 630, 455); }), pick_lines(2, "2.000000e+01"));
    EXPECT_EQ(k->fix_x[1], 1);
    console_of([&] { pick_node(*k, 627, 452); });
    EXPECT_EQ(k->fix_x[1], 0) << "a second pick clears the flag";
    EXPECT_EQ(k->fix_y[1], 0);

    k->pick_fix_x = 0;
    k->pick_fix_y = 1;
    k->fix_y[3] = 1;
    console_of([&] { pick_node(*k, 270, 95); });  // node 4 at (0, 8)
    EXPECT_EQ(k->fix_y[3], 0);
    EXPECT_EQ(k->fix_x[3], 0);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(k->node_force[i], 0) << "no force state, no force";
}

TEST(Pick, ForceStatesWriteThePickForceWhichFollowsTheZoom)
{
    struct Case {
        const char* what;
        int state_x, state_y;
        float box_width;
        const char* printed;
        float fx, fy;  // node 3's force after the pick, from (5, -7)
    };
    const Case cases[] = {
        {"plus in x", 1, 0, 10, "2.000000e+01", 20, -7},
        {"minus in x", -1, 0, 10, "2.000000e+01", -20, -7},
        {"zero in y", 0, 2, 10, "2.000000e+01", 5, 0},
        {"plus in y", 0, 1, 10, "2.000000e+01", 5, 20},
        {"off: unchanged, the force still printed", 0, 0, 10, "2.000000e+01", 5, -7},
        {"zoomed in to half the width: half the force", 1, 0, 5, "1.000000e+01", 10, -7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto k = square_model();
        // a box centred on node 3 puts it at the square's centre pixel (450, 275)
        const float h = c.box_width / 2;
        set_box(*k, 8 - h, 8 + h, 8 - h, 8 + h);
        const int x = 450, y = 275;
        k->force_state_x = c.state_x;
        k->force_state_y = c.state_y;
        k->node_force[4] = 5;
        k->node_force[5] = -7;
        EXPECT_EQ(console_of([&] { pick_node(*k, x, y); }), pick_lines(3, c.printed));
        EXPECT_EQ(k->node_force[4], c.fx);
        EXPECT_EQ(k->node_force[5], c.fy);
        for (int i : {0, 1, 2, 3, 6, 7}) EXPECT_EQ(k->node_force[i], 0) << "entry " << i;
    }
}

TEST(Pick, APickThatFindsNoNodeChangesNothing)
{
    // the box panned far from the model: no node within the view width
    auto k = square_model();
    set_box(*k, 100, 110, 100, 110);
    k->pick_fix_x = k->pick_fix_y = 1;
    k->force_state_x = 1;
    k->force_state_y = 2;
    for (int i = 0; i < 8; ++i) k->node_force[i] = 3;
    EXPECT_EQ(console_of([&] { pick_node(*k, 450, 275); }), pick_lines(0, "2.000000e+01"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(k->fix_x[i], 0);
        EXPECT_EQ(k->fix_y[i], 0);
    }
    for (int i = 0; i < 8; ++i) EXPECT_EQ(k->node_force[i], 3);
}

TEST(Pick, CtrlAlonePicksCtrlWithShiftPans)
{
    constexpr int left = 0, down = 0, ctrl = 2, ctrl_shift = 3;
    auto k = square_model();
    k->pick_fix_x = 1;
    const std::string out = console_of([&] { mouse_event(*k, left, down, 630, 455, ctrl); });
    EXPECT_EQ(out, "Mouse state : {630 455} button=0 state=0\n" + pick_lines(2, "2.000000e+01"));
    EXPECT_EQ(k->fix_x[1], 1);
    EXPECT_EQ(k->pan_drag, 0);

    EXPECT_EQ(console_of([&] { mouse_event(*k, left, down, 630, 455, ctrl_shift); }),
              "Mouse state : {630 455} button=0 state=0\n");
    EXPECT_EQ(k->fix_x[1], 1) << "no pick";
    EXPECT_EQ(k->pan_drag, 1);
}

TEST(PickModes, TheForceButtonsCycleAndPrintBothStates)
{
    for (int tab : {4, 5}) {
        SCOPED_TRACE("tab " + std::to_string(tab));
        auto k = fresh_state();
        std::string lines;
        for (int i = 0; i < 4; ++i)
            lines += console_of([&] { dispatch_button(*k, tab, 102); });
        const std::string go = tab == 4 ? "Go to tab4(10 2)\n" : "", go3 = tab == 4 ? "Go to tab4(10 3)\n" : "";
        EXPECT_EQ(lines, go + "BC F = 1 0\n" + go + "BC F = -1 0\n" + go + "BC F = 2 0\n" + go + "BC F = 0 0\n");
        EXPECT_EQ(k->show_loads, 1);

        // each axis's button turns the other axis off
        console_of([&] { dispatch_button(*k, tab, 102); });
        EXPECT_EQ(console_of([&] { dispatch_button(*k, tab, 103); }), go3 + "BC F = 0 1\n");
        EXPECT_EQ(console_of([&] { dispatch_button(*k, tab, 103); }), go3 + "BC F = 0 -1\n");
        EXPECT_EQ(console_of([&] { dispatch_button(*k, tab, 102); }), go + "BC F = 1 0\n");
    }
    EXPECT_EQ(next_force_state(7), 0) << "any other value turns the state off";
}

TEST(PickModes, TheFixButtonsShowTheMarkersAndEndTheForceStates)
{
    struct Case {
        int code;
        int fix_x, fix_y;  // after the click
    };
    const Case cases[] = {{92, 1, 0}, {93, 0, 1}};
    for (int tab : {4, 5})
        for (const Case& c : cases) {
            SCOPED_TRACE("tab " + std::to_string(tab) + " button " + std::to_string(c.code));
            auto k = fresh_state();
            k->show_loads = 1;
            k->force_state_x = 1;
            k->force_state_y = -1;
            k->pick_fix_x = k->pick_fix_y = 1;
            // twice: the tab's entry step ends the mode first, so it is on after either click
            for (int i = 0; i < 2; ++i) {
                EXPECT_EQ(console_of([&] { dispatch_button(*k, tab, c.code); }),
                          tab == 4 ? "Go to tab4(9 " + std::to_string(c.code % 10) + ")\n" : "");
                EXPECT_EQ(k->pick_fix_x, c.fix_x);
                EXPECT_EQ(k->pick_fix_y, c.fix_y);
                EXPECT_EQ(k->show_bc, 1);
                EXPECT_EQ(k->show_loads, 0);
                EXPECT_EQ(k->force_state_x, 0);
                EXPECT_EQ(k->force_state_y, 0);
            }
            // any other click in the tab ends the pick mode
            console_of([&] { dispatch_button(*k, tab, 0); });
            EXPECT_EQ(k->pick_fix_x + k->pick_fix_y, 0);
        }
}

}  // namespace
