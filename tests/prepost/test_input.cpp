// Keys, the menu, the routing of mouse events and the pan and zoom steps.
#include <gtest/gtest.h>

#include <cmath>

#include "fresh_state.h"
#include "input.h"
#include "startup.h"
#include "view_drag.h"

namespace {

TEST(Keys, EscAndQuitKeysEndSaveKeysSaveOthersDoNothing)
{
    for (int key = 0; key < 256; ++key) {
        Action expected = Action::none;
        if (key == 27 || key == 'q' || key == 'Q') expected = Action::quit;
        if (key == 's' || key == 'S') expected = Action::save;
        EXPECT_EQ(key_action(static_cast<unsigned char>(key)), expected) << "key " << key;
    }
}

TEST(Keys, TheMenuEntryAndKeySReachTheSameSave)
{
    EXPECT_EQ(menu_action(1), key_action('s'));
    EXPECT_EQ(menu_action(0), Action::none);
    EXPECT_EQ(menu_action(2), Action::none);
}

TEST(WindowTitle, TheProgramPathOrKorvanta)
{
    char path[] = "/opt/suite/korvanta", empty[] = "";
    char* with_path[] = {path, nullptr};
    char* with_empty[] = {empty, nullptr};
    char* with_none[] = {nullptr};
    EXPECT_STREQ(window_title(1, with_path), "/opt/suite/korvanta");
    EXPECT_STREQ(window_title(1, with_empty), "korvanta");
    EXPECT_STREQ(window_title(0, with_none), "korvanta");
    EXPECT_STREQ(window_title(0, nullptr), "korvanta");
}

constexpr int left = 0, right = 2, middle_wheel = 3, down = 0, up = 1, ctrl = 2, ctrl_shift = 3;

TEST(MouseRouting, ThresholdsAtColumn225)
{
    struct Case {
        int button, state, x, modifiers;
        int zoom_before, pick_mode;
        int zoom, pan;        // after the event
        bool drag_moved;      // drag_x, drag_y taken from the event
        bool panel_clicked;
    };
    const Case cases[] = {
        {right, down, 226, 0, 0, 0, 1, 0, true, false},
        {right, down, 225, 0, 0, 0, 0, 0, false, false},   // x = 225 starts no zoom
        {right, down, 225, 0, 1, 0, 1, 0, false, false},   // ... and leaves one under way
        {right, up, 400, 0, 1, 0, 0, 0, false, false},
        {left, down, 225, 0, 1, 0, 0, 1, true, false},     // a left press at 225 pans
        {left, down, 224, 0, 0, 0, 0, 1, false, true},     // left of it the panel, which leaves the pan flag
        {left, down, 300, ctrl, 0, 1, 0, 0, false, false}, // Ctrl in a pick mode picks
        {left, down, 300, ctrl_shift, 0, 1, 0, 1, true, false},
        {left, down, 300, ctrl, 0, 0, 0, 1, true, false},  // Ctrl without a pick mode pans
        {left, up, 300, 0, 0, 0, 0, 0, false, false},
        {middle_wheel, down, 300, 0, 1, 0, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        auto k = fresh_state();
        k->zoom_drag = c.zoom_before;
        k->pan_drag = 1;
        k->pick_fix_x = c.pick_mode;
        k->drag_x = k->drag_y = 7;
        const std::string out = console_of([&] { mouse_event(*k, c.button, c.state, c.x, 40, c.modifiers); });
        const std::string line = "Mouse state : {" + std::to_string(c.x) + " 40} button=" +
                                 std::to_string(c.button) + " state=" + std::to_string(c.state) + "\n";
        SCOPED_TRACE(line);
        EXPECT_EQ(out.substr(0, line.size()), line);
        EXPECT_EQ(out.find("Click Button") != std::string::npos, c.panel_clicked);
        EXPECT_EQ(k->zoom_drag, c.zoom);
        EXPECT_EQ(k->pan_drag, c.pan);
        EXPECT_EQ(k->drag_x, c.drag_moved ? c.x : 7);
        EXPECT_EQ(k->drag_y, c.drag_moved ? 40 : 7);
    }
}

TEST(MouseRouting, MotionMovesTheBoxOnlyDuringADrag)
{
    auto k = fresh_state();
    EXPECT_FALSE(motion_event(*k, 400, 300));
    EXPECT_EQ(k->view_xmin, 0);
    EXPECT_EQ(k->view_xmax, 1);

    console_of([&] { mouse_event(*k, right, down, 500, 300, 0); });
    EXPECT_TRUE(motion_event(*k, 455, 300));
    EXPECT_FLOAT_EQ(k->view_xmin, -0.1f);
    console_of([&] { mouse_event(*k, right, up, 455, 300, 0); });
    EXPECT_FALSE(motion_event(*k, 400, 300));
    EXPECT_FLOAT_EQ(k->view_xmin, -0.1f);
}

struct BoxValues {
    float xmin, xmax, ymin, ymax;
};


void expect_box(const State& k, BoxValues b)
{
    EXPECT_FLOAT_EQ(k.view_xmin, b.xmin);
    EXPECT_FLOAT_EQ(k.view_xmax, b.xmax);
    EXPECT_FLOAT_EQ(k.view_ymin, b.ymin);
    EXPECT_FLOAT_EQ(k.view_ymax, b.ymax);
}

TEST(ViewDrag, ZoomStepsAboutTheCentre)
{
    // the 675 x 500 window: the model area is 450 pixels wide
    struct Case { int dx; BoxValues box; };
    const Case cases[] = {
        {-45, {-0.1f, 1.1f, -0.1f, 1.1f}},  // left: s = -45 / 450 = -0.1, out
        {45, {0.1f, 0.9f, 0.1f, 0.9f}},     // right: in
        {0, {0, 1, 0, 1}},
        {224, {224 / 450.f, 1 - 224 / 450.f, 224 / 450.f, 1 - 224 / 450.f}},
        {225, {0, 1, 0, 1}},  // half the area would leave an empty box: not taken
        {300, {0, 1, 0, 1}},  // more would invert it
    };
    for (const Case& c : cases) {
        auto k = fresh_state();
        k->drag_x = 400;
        k->drag_y = 200;
        zoom_step(*k, 400 + c.dx, 250);
        SCOPED_TRACE(c.dx);
        expect_box(*k, c.box);
        EXPECT_EQ(k->drag_x, 400 + c.dx);
        EXPECT_EQ(k->drag_y, 250);
    }
}

TEST(ViewDrag, AStepIsNotTakenWhereItWouldLeaveAUsableBox)
{
    // a model area of 4000 columns: a step of 1997 leaves 0.0015 of the width,
    // one of 1999 only 0.0005, less than the thousandth a step may leave
    struct Case {
        const char* what;
        int width;
        float xmax;  // of the box 0 .. xmax both ways
        int dx;
        bool zoom;
        BoxValues box;
    };
    const float big = 1e38f;
    const Case cases[] = {
        {"in to 0.0015", 4225, 1, 1997, true, {1997 / 4000.f, 1 - 1997 / 4000.f, 1997 / 4000.f, 1 - 1997 / 4000.f}},
        {"in to 0.0005: not taken", 4225, 1, 1999, true, {0, 1, 0, 1}},
        {"out to three times 1e38", 675, big, -450, true, {-big, 2 * big, -big, 2 * big}},
        {"out past the floats: not taken", 675, big, -900, true, {0, big, 0, big}},
        {"a pan past the floats: not taken", 675, 3 * big, -450, false, {0, 3 * big, 0, 3 * big}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto k = fresh_state(c.width, 500);
        k->view_xmax = k->view_ymax = c.xmax;
        k->drag_x = 2000;
        k->drag_y = 200;
        if (c.zoom)
            zoom_step(*k, 2000 + c.dx, 200);
        else
            pan_step(*k, 2000 + c.dx, 200);
        expect_box(*k, c.box);
        EXPECT_EQ(k->drag_x, 2000 + c.dx) << "the drag follows the pointer all the same";
    }
}

TEST(ViewDrag, PanFollowsThePointerWithTheBoxWidth)
{
    auto k = fresh_state();
    k->view_xmax = 2;  // width 2 scales both directions
    k->view_ymax = 2;
    k->drag_x = 300;
    k->drag_y = 100;
    pan_step(*k, 345, 190);  // 45 of 450 columns, 90 of 450 rows
    expect_box(*k, {-0.2f, 1.8f, 0.4f, 2.4f});
    EXPECT_EQ(k->drag_x, 345);
    EXPECT_EQ(k->drag_y, 190);
    pan_step(*k, 345, 190);  // no movement, no step
    expect_box(*k, {-0.2f, 1.8f, 0.4f, 2.4f});
}

TEST(ViewDrag, AWindowWithoutAModelAreaTakesNoStep)
{
    for (int width : {225, 100}) {
        auto k = fresh_state(width, 40);
        k->drag_x = 10;
        pan_step(*k, 50, 60);
        zoom_step(*k, 90, 60);
        expect_box(*k, {0, 1, 0, 1});
        EXPECT_EQ(k->drag_x, 90);
    }
}

}  // namespace
