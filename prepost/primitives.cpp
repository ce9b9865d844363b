// Drawing primitives of the panel and the model square.
#include "primitives.h"

#include <string>

#include "number_format.h"
#include "tables.h"

namespace {

// Text and numbers sit in front of the shapes at z = 0, inside the view volume.
constexpr float text_z = -0.2f;

}  // namespace

void fill_rect(Canvas& c, float x, float y, float z, float w, float h)
{
    c.begin(Shape::polygon);
    c.vertex(x, y, z);
    c.vertex(x + w, y, z);
    c.vertex(x + w, y + h, z);
    c.vertex(x, y + h, z);
    c.end();
}

void fill_octagon(Canvas& c, float x, float y, float z, float w, float h)
{
    const float dx = 0.1f * w, dy = 0.1f * h;
    c.begin(Shape::polygon);
    c.vertex(x + 1.5f * dx, y + dy, z);
    c.vertex(x + w - 1.5f * dx, y + dy, z);
    c.vertex(x + w - dx, y + 1.5f * dy, z);
    c.vertex(x + w - dx, y + h - 1.5f * dy, z);
    c.vertex(x + w - 1.5f * dx, y + h - dy, z);
    c.vertex(x + 1.5f * dx, y + h - dy, z);
    c.vertex(x + dx, y + h - 1.5f * dy, z);
    c.vertex(x + dx, y + 1.5f * dy, z);
    c.end();
}

void draw_text(Canvas& c, float x, float y, const char* text, int length, int font)
{
    c.raster_pos(x, y, text_z);
    const Font f = font == 9 ? Font::f9x15 : Font::f8x13;
    for (int i = 0; i < length && text[i]; ++i) c.character(text[i], f);
}

void draw_number(Canvas& c, float value, float x, float y)
{
    set_colour(c, label_colour);
    c.raster_pos(x, y, text_z);
    for (char ch : number_text(value)) c.character(ch, Font::f8x13);
}

void draw_axes(Canvas& c, double length)
{
    const float l = static_cast<float>(length);
    const float tip[3][3] = {{l, 0, 0}, {0, l, 0}, {0, 0, l}};
    c.begin(Shape::lines);
    for (int a = 0; a < 3; ++a) {
        set_colour(c, axis_colour[a]);
        c.vertex(0, 0, 0);
        c.vertex(tip[a][0], tip[a][1], tip[a][2]);
    }
    c.end();
}
