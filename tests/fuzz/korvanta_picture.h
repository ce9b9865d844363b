// korvanta in memory: a fresh state with its start values, a model file taken
// into it as tab 4 takes one, and its picture composed on a surface that draws nothing.
#pragma once
#include "canvas.h"
#include "fuzz_input.h"
#include "model_file.h"
#include "picture.h"
#include "state.h"
#include "view_fit.h"

namespace fuzz {

class NoCanvas : public Canvas {
public:
    void clear() override {}
    void projection(const Box&) override {}
    void viewport(int, int, int, int) override {}
    void colour(float, float, float) override {}
    void line_width(float) override {}
    void begin(Shape) override {}
    void vertex(float, float, float) override {}
    void end() override {}
    void raster_pos(float, float, float) override {}
    void bitmap(const Label&) override {}
    void character(char, Font) override {}
    void flush() override {}
};

inline State& fresh_korvanta()
{
    static State& k = table<State>();
    fresh(k);
    init_state(k);
    k.window_width = 675;
    k.window_height = 500;
    return k;
}

// The element mode of a model file: 3, 4 or 8 by the byte.
inline int element_mode(uint8_t b) { return b % 3 == 0 ? 3 : b % 3 == 1 ? 4 : 8; }

// Reads the model text as tab 4's READ does; throws a Failure where the program refuses it.
inline void take_model(State& k, int mode, const std::string& text)
{
    k.element_mode = mode;
    Scanner sc(model_file_name(mode), text);
    read_model_text(k, sc, mode, console());
    fit_view(k);
    k.model_loaded = 1;
}

// The picture of the model with every marker, arrow and number shown.
inline void draw_everything(State& k)
{
    NoCanvas c;
    k.show_bc = k.show_loads = k.show_numbers = 1;
    draw_model(k, c, true);
}

}  // namespace fuzz
