// The composition of one picture: the tab strip, the panel and the model square
// in their viewports, under one projection of the view box.
#pragma once

#include "canvas.h"
#include "state.h"

struct Viewport {
    int x, y, width, height;  // window pixels from the bottom left
    bool shown() const { return width > 0 && height > 0; }
};

// Where the three parts of the picture go in a window of the given size: the
// tab strip and the panel keep x 10 and width 205, the model square is the
// largest square right of the panel and below the top 50 rows, centred in it.
struct Layout {
    Viewport tabs, panel, square;
};
Layout layout_for(int window_width, int window_height);

// The box the projection gets: the view box when it is a proper box (finite,
// every extent positive), otherwise the unit box, so that an empty or inverted
// view never reaches the projection.
Box projection_box(const State& k);

// Draws the whole window. While a tab is chosen it prints the pushed button
// ("Pushed Button 3 2") and clears it; a part whose viewport would have no
// pixels is left out.
void compose_picture(State& k, Canvas& c);

// The model square's picture while a tab is chosen. The console line and the
// reset of the pushed button belong to every picture, the drawing only to a
// square that has pixels (visible).
void draw_model(State& k, Canvas& c, bool visible);
