// The drawing of the tab strip and the panel, with the colour legend of tab 3.
#pragma once

#include "canvas.h"
#include "state.h"

// Both draw in the coordinates of the view box that reached the projection,
// every position a fraction of it, so that they fill their viewports whatever
// the view of the model is.
void draw_tabs(Canvas& c, const State& k, const Box& box);
void draw_panel(Canvas& c, const State& k, const Box& box);
