// The label images of the tabs and buttons: 64 by 8 one-bit pictures of short captions.
#pragma once

#include "pixel_font.h"

constexpr int label_width = 64, label_height = 8;
constexpr int label_row_bytes = label_width / 8;

// Rows from the bottom, the most significant bit of each byte leftmost: the
// layout glBitmap takes, so two labels drawn at one raster position overlay.
struct Label {
    unsigned char bits[label_height][label_row_bytes];
};

enum class LabelId : int {
    none = -1,
    tab_mesh, tab_spare, tab_legend, tab_pre, tab_solve, tab_post,
    meshers, delaunay, tessan, tri, quad,
    model, file, data2d, nalvik, read, edit,
    view, shrink, number, markers, fixed, loads,
    x, y, fx, fy, mark_plus, mark_minus, mark_zero,
    element, mesh5, mesh10, solver, run,
    disp, deform, stress, strain, sx, sy, txy, ex, ey, gxy,
    count
};
constexpr int label_count = static_cast<int>(LabelId::count);

// The captions; a force-state mark stands after the "FX " or "FY " it overlays.
static constexpr const char* label_caption[] = {
    "MESH", "SPARE", "LEGEND", "PRE", "SOLVE", "POST",
    "MESHERS", "DT MESH", "TESSAN", "TRI", "QUAD",
    "MODEL", "FILE", "DATA2D", "NALVIK", "READ", "EDIT",
    "VIEW", "SHRINK", "NUMBER", "MARKERS", "FIXED", "LOADS",
    "X", "Y", "FX", "FY", "   +", "   -", "   0",
    "ELEMENT", "MESH 5", "MESH 10", "SOLVER", "RUN",
    "DISP", "DEFORM", "STRESS", "STRAIN", "SX", "SY", "TXY", "EX", "EY", "GXY",
};
static_assert(sizeof label_caption / sizeof label_caption[0] == label_count);

constexpr int caption_length(const char* s)
{
    int n = 0;
    while (s[n]) ++n;
    return n;
}

// Blank columns before the first glyph, so that a label set close to the left
// edge of its button does not touch it.
constexpr int label_margin = 2;

// Columns of the image up to the last one a caption of n characters inks.
constexpr int caption_width(int n) { return n > 0 ? label_margin + n * glyph_pitch - 1 : 0; }

// The picture of a caption: glyphs side by side after the margin, their bottom
// row one above the image's bottom row.
constexpr Label make_label(const char* s)
{
    Label l{};
    for (int i = 0; s[i]; ++i) {
        const Glyph g = glyph(s[i]);
        for (int gy = 0; gy < glyph_height; ++gy)
            for (int gx = 0; gx < glyph_width; ++gx) {
                if (!(g.row[gy] & (0x10 >> gx))) continue;
                const int x = label_margin + i * glyph_pitch + gx;
                l.bits[label_height - 1 - gy][x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
            }
    }
    return l;
}

constexpr bool captions_fit()
{
    for (const char* s : label_caption)
        if (caption_width(caption_length(s)) > label_width) return false;
    return true;
}
static_assert(captions_fit(), "a caption is wider than its 64-pixel label");

struct LabelTable {
    Label image[label_count];
};

constexpr LabelTable make_label_table()
{
    LabelTable t{};
    for (int i = 0; i < label_count; ++i) t.image[i] = make_label(label_caption[i]);
    return t;
}

inline constexpr LabelTable label_table = make_label_table();

inline const Label& label_image(LabelId id) { return label_table.image[static_cast<int>(id)]; }
inline const char* label_text(LabelId id) { return label_caption[static_cast<int>(id)]; }
