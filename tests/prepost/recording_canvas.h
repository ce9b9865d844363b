// A drawing surface that records korvanta's pictures instead of drawing them.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "canvas.h"
#include "tables.h"

struct Recorded {
    struct Shape_ {
        Shape shape;
        Rgb colour;  // the colour current at the first vertex
        std::vector<std::array<float, 3>> v;
        int viewport;
        std::vector<Rgb> vc;  // the colour of each vertex  // index into viewports, -1 before the first
        float width;          // the line width current at the start of the shape
    };
    struct Text {
        Rgb colour;  // latched with the raster position
        float x, y, z;
        std::string s;
        int viewport;
    };
    struct Image {
        Rgb colour;
        float x, y, z;
        const Label* label;
        int viewport;
    };
    std::vector<std::array<int, 4>> viewports;
    std::vector<Box> projections;
    std::vector<Shape_> shapes;
    std::vector<Text> texts;
    std::vector<Image> images;
    int clears = 0, flushes = 0;
    float line_width = 1;  // the line width left at the end

    // shapes / texts / images drawn in viewport i
    template <class T>
    static std::vector<T> in(const std::vector<T>& all, int i)
    {
        std::vector<T> out;
        for (const T& t : all)
            if (t.viewport == i) out.push_back(t);
        return out;
    }
};

class RecordingCanvas : public Canvas {
public:
    Recorded r;

    void clear() override { ++r.clears; }
    void projection(const Box& box) override { r.projections.push_back(box); }
    void viewport(int x, int y, int w, int h) override { r.viewports.push_back({x, y, w, h}); }
    void colour(float red, float green, float blue) override { colour_ = {red, green, blue}; }
    void line_width(float width) override { r.line_width = width; }
    void begin(Shape shape) override
    {
        r.shapes.push_back({shape, colour_, {}, int(r.viewports.size()) - 1, {}, r.line_width});
        in_shape_ = true;
    }
    void vertex(float x, float y, float z) override
    {
        if (!in_shape_) return;
        r.shapes.back().v.push_back({x, y, z});
        r.shapes.back().vc.push_back(colour_);
    }
    void end() override { in_shape_ = false; }
    void raster_pos(float x, float y, float z) override
    {
        raster_ = {colour_, x, y, z, "", int(r.viewports.size()) - 1};
        text_open_ = false;
    }
    void bitmap(const Label& image) override
    {
        r.images.push_back({raster_.colour, raster_.x, raster_.y, raster_.z, &image, raster_.viewport});
    }
    void character(char c, Font) override
    {
        if (!text_open_) {
            r.texts.push_back(raster_);
            text_open_ = true;
        }
        r.texts.back().s += c;
    }
    void flush() override { ++r.flushes; }

private:
    Rgb colour_{1, 1, 1};
    Recorded::Text raster_{{1, 1, 1}, 0, 0, 0, "", -1};
    bool in_shape_ = false, text_open_ = false;
};

inline bool same_colour(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
