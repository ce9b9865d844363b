// What the keys, the menu and the mouse do to korvanta's state.
#include "input.h"

#include <cstdio>

#include "panel.h"
#include "pick.h"
#include "view_drag.h"

Action key_action(unsigned char key)
{
    for (const KeyBinding& b : key_bindings)
        if (b.key == key) return b.action;
    return Action::none;
}

Action menu_action(int value) { return value == menu_save_bc ? Action::save : Action::none; }

void mouse_event(State& k, int button, int state, int x, int y, int modifiers)
{
    using namespace mouse_code;
    const bool ctrl = modifiers == active_ctrl;  // with Shift or Alt also held it pans
    const bool left_press = button == left_button && state == down;

    // a zoom lasts from a right press in the model area to the next other event;
    // x = 225 itself starts none, while a left press there pans or picks
    if (button == right_button && state == down) {
        if (x > layout::model_left) {
            k.drag_x = x;
            k.drag_y = y;
            k.zoom_drag = 1;
        }
    } else {
        k.zoom_drag = 0;
    }

    std::printf(text::mouse_state, x, y, button, state);

    if (!left_press) k.pan_drag = 0;
    if (left_press && x < layout::model_left) {
        panel_click(k, x, y);
    } else if (left_press) {
        const bool picking = k.pick_fix_x == 1 || k.pick_fix_y == 1 || k.force_state_x != 0 ||
                             k.force_state_y != 0;
        if (ctrl && picking) {
            k.pan_drag = 0;
            pick_node(k, x, y);
        } else {
            k.drag_x = x;
            k.drag_y = y;
            k.pan_drag = 1;
        }
    }
}

bool motion_event(State& k, int x, int y)
{
    if (!k.pan_drag && !k.zoom_drag) return false;
    if (k.pan_drag) pan_step(k, x, y);
    if (k.zoom_drag) zoom_step(k, x, y);
    return true;
}
