// The OpenGL drawing surface: the one place besides the callbacks that calls OpenGL.
#pragma once

#include "canvas.h"

class GlCanvas : public Canvas {
public:
    void clear() override;
    void projection(const Box& box) override;
    void viewport(int x, int y, int width, int height) override;
    void colour(float r, float g, float b) override;
    void line_width(float width) override;
    void begin(Shape shape) override;
    void vertex(float x, float y, float z) override;
    void end() override;
    void raster_pos(float x, float y, float z) override;
    void bitmap(const Label& image) override;
    void character(char c, Font font) override;
    void flush() override;
};
