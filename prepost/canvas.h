// The drawing surface korvanta's pictures are composed on: immediate-mode
// shapes, colours, raster text and label images, in view-box coordinates.
#pragma once

#include "labels.h"

enum class Shape { polygon, line_loop, lines };
enum class Font { f8x13, f9x15 };

// The orthographic view box that maps onto every viewport.
struct Box {
    float xmin, xmax, ymin, ymax, zmin, zmax;
};

// The window program draws through the OpenGL surface; the tests record the
// calls instead. Viewport corners are window pixels from the bottom left.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void clear() = 0;  // the whole window to black
    virtual void projection(const Box& box) = 0;
    virtual void viewport(int x, int y, int width, int height) = 0;
    virtual void colour(float r, float g, float b) = 0;
    virtual void line_width(float width) = 0;
    virtual void begin(Shape shape) = 0;
    virtual void vertex(float x, float y, float z) = 0;
    virtual void end() = 0;
    // Text and labels take the colour current when the raster position is set.
    virtual void raster_pos(float x, float y, float z) = 0;
    virtual void bitmap(const Label& image) = 0;  // no raster advance
    virtual void character(char c, Font font) = 0;
    virtual void flush() = 0;
};
