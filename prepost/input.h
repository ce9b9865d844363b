// What the keys, the menu and the mouse do to korvanta's state.
#pragma once

#include "state.h"
#include "tables.h"

// Esc, q and Q quit, s and S save the model; every other key does nothing.
Action key_action(unsigned char key);
// The "Save BC" entry saves; any other value does nothing.
Action menu_action(int value);

// Routes one button event (the windowing library's button, state and
// modifier numbers, window pixels from the top left): right presses in the
// model area start a zoom, left presses in the panel click it, left presses in
// the model area start a pan, or pick a node when Ctrl alone is held in a pick
// mode. Prints the event; the picture is to be redrawn afterwards.
void mouse_event(State& k, int button, int state, int x, int y, int modifiers);

// One pointer step with a button held: moves the view box while a drag is
// under way. Returns whether the picture is to be redrawn.
bool motion_event(State& k, int x, int y);
