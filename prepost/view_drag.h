// Pan and zoom of the view box by mouse drags in the model square.
#pragma once

#include "state.h"

// Both steps keep drag_x, drag_y at the pointer and are not taken while the
// window has no model area (not wider than 225 pixels, or for a pan not
// higher than 50), nor when the box would leave the floats.

// One motion step of a left drag: the box follows the pointer, scaled by the
// box width over the model area's width and height (the box is square).
void pan_step(State& k, int x, int y);

// One motion step of a right drag: a step to the right shrinks the box about
// its centre by the step's share of the model area's width on every side (zoom
// in), a step to the left grows it. A step that would leave the box inverted
// or narrower than a thousandth of its width before the step is not taken.
void zoom_step(State& k, int x, int y);
