// The contour bands, recorded instead of drawn: the band fill of one
// triangle against the areas a linear field gives by hand, the flat rule of
// small spreads, quadrilaterals split on their 1-3 diagonal, the deformed
// positions, and the bands left out while the view is dragged.
#include <gtest/gtest.h>

#include <cmath>

#include "contour.h"
#include "model_state.h"
#include "picture.h"
#include "recording_canvas.h"

namespace {

// The band of a recorded polygon by its colour; -1 when it has none of theirs.
int band_of(const Recorded::Shape_& s)
{
    for (int b = 0; b < band_count; ++b)
        if (same_colour(s.colour, band_colour[b])) return b;
    return -1;
}

// The area of a polygon (repeated vertices allowed).
double area_of(const Recorded::Shape_& s)
{
    double a = 0;
    for (size_t i = 0; i < s.v.size(); ++i) {
        const auto& p = s.v[i];
        const auto& q = s.v[(i + 1) % s.v.size()];
        a += double(p[0]) * q[1] - double(q[0]) * p[1];
    }
    return std::fabs(a) / 2;
}

std::vector<double> band_areas(const Recorded& r)
{
    std::vector<double> a(band_count, 0);
    for (const auto& s : r.shapes) {
        EXPECT_EQ(s.shape, Shape::polygon);
        EXPECT_EQ(s.v.size(), 4u);
        const int b = band_of(s);
        EXPECT_GE(b, 0) << "a polygon in no band's colour";
        if (b >= 0) a[b] += area_of(s);
    }
    return a;
}

// The triangle (0, 0), (8, 0), (0, 8) of area 32, as nodes 1 to 3.
std::unique_ptr<State> one_triangle()
{
    auto k = model({{0, 0}, {8, 0}, {0, 8}}, {1, 2, 3}, 3);
    set_box(*k, -1, 9, -1, 9);
    return k;
}

Recorded fill_one(const State& k, const float vals[3], float vmin = 0, float vmax = 8, float step = 1)
{
    RecordingCanvas c;
    const int nodes[3] = {0, 1, 2};
    fill_triangle_bands(c, k, vmin, vmax, step, nodes, vals);
    return c.r;
}

TEST(BandFill, ATriangleSpanningTheRangeShowsAllEightBandsInTheirAreas)
{
    // f = x/2 + y from 0 at (0, 0) to 4 at (8, 0) and 8 at (0, 8): the area
    // where f <= c is c^2 up to c = 4 and 32 - (8 - c)^2 above, so the bands
    // hold 1, 3, 5, 7, 7, 5, 3, 1. f = x + y (0, 8, 8) grows the region f <= c
    // as (c/8)^2 of the triangle: band b holds (2b + 1) / 2. f = y (0, 0, 8)
    // shrinks the region f >= c as ((8 - c)/8)^2: band b holds (15 - 2b) / 2.
    // The middle value is the highest, the lowest and neither.
    struct Case {
        float vals[3];
        std::vector<double> areas;
    };
    const Case cases[] = {
        {{0, 4, 8}, {1, 3, 5, 7, 7, 5, 3, 1}},
        {{0, 8, 8}, {0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5}},
        {{0, 0, 8}, {7.5, 6.5, 5.5, 4.5, 3.5, 2.5, 1.5, 0.5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.vals[0]) + " " + std::to_string(c.vals[1]) + " " + std::to_string(c.vals[2]));
        auto k = one_triangle();
        const Recorded r = fill_one(*k, c.vals);
        const std::vector<double> a = band_areas(r);
        for (int b = 0; b < 8; ++b) EXPECT_NEAR(a[b], c.areas[b], 1e-4) << "band " << b;
        // the part above the last line is band 7 and holds the highest vertex
        const auto& last = r.shapes.back();
        EXPECT_EQ(band_of(last), 7);
        const int top = c.vals[0] >= c.vals[1] && c.vals[0] >= c.vals[2] ? 0 : c.vals[1] >= c.vals[2] ? 1 : 2;
        EXPECT_EQ(last.v[2][0], k->node_x[top]);
        EXPECT_EQ(last.v[2][1], k->node_y[top]);
    }
}

TEST(BandFill, TheLevelLinesLieWhereTheFieldTakesTheirLevels)
{
    // f = x/2 + y: band 0 is the polygon (P2, P2, B, A) with A = (0, 1) on the
    // edge to the highest vertex and B = (2, 0) on the edge to the middle one
    auto k = one_triangle();
    const float vals[3] = {0, 4, 8};
    const Recorded r = fill_one(*k, vals);
    ASSERT_FALSE(r.shapes.empty());
    const auto& first = r.shapes.front();
    EXPECT_EQ(band_of(first), 0);
    const float want[4][2] = {{0, 0}, {0, 0}, {2, 0}, {0, 1}};
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(first.v[j][0], want[j][0], 1e-6) << j;
        EXPECT_NEAR(first.v[j][1], want[j][1], 1e-6) << j;
        EXPECT_EQ(first.v[j][2], 0);
    }
    // every polygon of a band lies between its two levels: f at each vertex
    for (const auto& s : r.shapes) {
        const int b = band_of(s);
        for (const auto& v : s.v) {
            const double f = v[0] / 2 + v[1];
            EXPECT_GE(f, b - 1e-5) << "band " << b;
            EXPECT_LE(f, b + 1 + 1e-5) << "band " << b;
        }
    }
}

TEST(BandFill, EqualValuesFillOneBand)
{
    struct Case {
        float v;
        int band;
    };
    const Case cases[] = {{3, 3}, {3.5f, 3}, {0, 0}, {8, 7}, {7.999f, 7}};
    for (const Case& c : cases) {
        auto k = one_triangle();
        const float vals[3] = {c.v, c.v, c.v};
        const Recorded r = fill_one(*k, vals);
        ASSERT_EQ(r.shapes.size(), 1u) << c.v;
        EXPECT_EQ(band_of(r.shapes[0]), c.band) << c.v;
        EXPECT_NEAR(area_of(r.shapes[0]), 32, 1e-9);
    }
}

TEST(BandFill, RoundingNeverTakesABandBeyondTheEight)
{
    // a range whose steps do not add up in floats: the last band is still red
    // and every polygon one of the eight colours
    auto k = one_triangle();
    const float vmin = 0.1f, vmax = 0.7f, step = (vmax - vmin) * 0.125f;
    const float vals[3] = {vmin, 0.3f, vmax};
    const Recorded r = fill_one(*k, vals, vmin, vmax, step);
    double total = 0;
    for (double a : band_areas(r)) total += a;
    EXPECT_NEAR(total, 32, 1e-4);
    EXPECT_EQ(band_of(r.shapes.back()), 7);

    RecordingCanvas c;
    const float qx[4] = {0, 1, 1, 0}, qy[4] = {0, 0, 1, 1};
    fill_band_quad(c, qx, qy, 8);
    fill_band_quad(c, qx, qy, -1);
    EXPECT_EQ(band_of(c.r.shapes[0]), 7);
    EXPECT_EQ(band_of(c.r.shapes[1]), 0);
}

TEST(BandFill, TheLowestBandAgreesWithTheLineCountNextToALevel)
{
    // 0.549999952 lies one rounding below the sixth level of 0.1..0.7 when the
    // level is built up (0.1 + 6 step) but on it when divided out ((v - 0.1) /
    // step = 6): the line count then sees no line crossing the triangle, which
    // rises by 0.4 step above it, and the triangle must be filled in band 6, the
    // band all of it but a sliver of rounding lies in
    auto k = one_triangle();
    const float vmin = 0.1f, vmax = 0.7f, step = (vmax - vmin) * 0.125f;
    const float v = 0.549999952f;
    const float vals[3] = {v, v + 0.4f * step, v};
    const std::vector<double> a = band_areas(fill_one(*k, vals, vmin, vmax, step));
    EXPECT_NEAR(a[6], 32, 1e-3);
    EXPECT_NEAR(a[5], 0, 1e-3);
}

TEST(BandFill, SortHighestFirstEqualValuesKeepTheirOrder)
{
    struct Case {
        float vals[3];
        int order[3];
    };
    const Case cases[] = {
        {{1, 2, 3}, {2, 1, 0}}, {{3, 2, 1}, {0, 1, 2}}, {{2, 3, 1}, {1, 0, 2}},
        {{3, 3, 1}, {0, 1, 2}}, {{1, 3, 3}, {1, 2, 0}}, {{2, 2, 2}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        int o[3];
        sort_by_value(c.vals, o);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(o[j], c.order[j]) << c.vals[0] << c.vals[1] << c.vals[2];
    }
}

// A strip of two triangles over (0, 0) .. (8, 8) with the given node values.
std::unique_ptr<State> square(const std::vector<float>& values)
{
    auto k = model({{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {1, 2, 3, 1, 3, 4}, 3);
    set_box(*k, -1, 9, -1, 9);
    for (size_t i = 0; i < values.size(); ++i) k->node_scalar[i] = values[i];
    return k;
}

Recorded contours(const State& k)
{
    RecordingCanvas c;
    if (k.element_mode == 3)
        draw_contours_tri(c, k, k.node_scalar);
    else
        draw_contours_quad(c, k, k.node_scalar);
    return c.r;
}

TEST(Contours, SmallSpreadsAreDrawnFlatInRed)
{
    struct Case {
        const char* what;
        std::vector<float> values;
        bool banded;
    };
    const float inf = INFINITY;
    const Case cases[] = {
        {"every value equal", {2, 2, 2, 2}, false},
        {"every value 0", {0, 0, 0, 0}, false},
        {"100 to 105: a spread of 5/105", {100, 105, 102, 101}, false},
        {"91 to 100: a spread of 0.09", {91, 100, 95, 93}, false},
        {"90 to 100: a spread of 0.1", {90, 100, 95, 93}, true},
        {"0 to 1", {0, 1, 0.5f, 0.2f}, true},
        {"-5 to 0: the spread from the smallest", {-5, 0, -1, -2}, true},
        {"a value beyond the floats", {0, inf, 1, 2}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Recorded r = contours(*square(c.values));
        if (c.banded) {
            EXPECT_GT(r.shapes.size(), 2u);
            EXPECT_EQ(band_of(r.shapes.front()), 0) << "the smallest value's corner is blue";
        } else {
            // one red polygon (P2, P2, P1, P0) per triangle
            ASSERT_EQ(r.shapes.size(), 2u);
            for (const auto& s : r.shapes) {
                EXPECT_EQ(band_of(s), 7);
                EXPECT_NEAR(area_of(s), 32, 1e-9);
            }
        }
        double total = 0;
        for (double a : band_areas(r)) total += a;
        EXPECT_NEAR(total, 64, 1e-3);
    }
}

TEST(Contours, ATriangleWithAValueThatIsNoNumberIsFilledFlatTheOthersKeepTheirBands)
{
    // The square (0, 0) .. (8, 8) cut on either diagonal, one node without a value
    // (NaN, as a broken result row gives), the other three 4 at one corner of the other
    // triangle, 0 at its right angle and 8 at its third corner: the range stays 0..8 and
    // that triangle is the one of the first band test, bands 1, 3, 5, 7, 7, 5, 3, 1; the
    // triangle touching the unknown node is one red polygon of area 32.
    const float nan = NAN;
    struct Case {
        const char* what;
        std::vector<int> elements;
        std::vector<float> values;
        int flat;  // the triangle filled flat, 0 or 1
    };
    const Case cases[] = {
        {"the last node", {1, 2, 3, 1, 3, 4}, {4, 0, 8, nan}, 1},
        {"the first node, which the range starts from", {2, 3, 4, 2, 4, 1}, {nan, 4, 0, 8}, 1},
        {"the first node, in the first triangle", {2, 4, 1, 2, 3, 4}, {nan, 4, 0, 8}, 0},
    };
    const double bands[8] = {1, 3, 5, 7, 7, 5, 3, 1};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto k = model({{0, 0}, {8, 0}, {8, 8}, {0, 8}}, c.elements, 3);
        set_box(*k, -1, 9, -1, 9);
        for (int i = 0; i < 4; ++i) k->node_scalar[i] = c.values[i];
        Recorded r = contours(*k);
        ASSERT_GT(r.shapes.size(), 2u);
        const size_t flat_at = c.flat == 0 ? 0 : r.shapes.size() - 1;
        const Recorded::Shape_ flat = r.shapes[flat_at];
        r.shapes.erase(r.shapes.begin() + flat_at);
        EXPECT_EQ(band_of(flat), 7);
        EXPECT_NEAR(area_of(flat), 32, 1e-9);
        const std::vector<double> a = band_areas(r);  // every polygon in one of the eight colours
        for (int b = 0; b < 8; ++b) EXPECT_NEAR(a[b], bands[b], 1e-4) << "band " << b;
        for (const auto& s : r.shapes)
            for (const auto& v : s.v) EXPECT_TRUE(std::isfinite(v[0]) && std::isfinite(v[1]));
    }
}

TEST(Contours, QuadrilateralsAreSplitOnTheDiagonalFromCorner1To3)
{
    // values 0, 8, 0, 8 at the corners: split on 1-3 the halves run 0-8-0 and
    // 0-0-8 and no band crosses the diagonal y = x; on 2-4 they would
    auto k = model({{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {1, 2, 3, 4}, 4);
    set_box(*k, -1, 9, -1, 9);
    const float values[4] = {0, 8, 0, 8};
    for (int i = 0; i < 4; ++i) k->node_scalar[i] = values[i];
    const Recorded r = contours(*k);
    std::vector<double> below(8, 0), above(8, 0);
    for (const auto& s : r.shapes) {
        bool lower = true, upper = true;
        for (const auto& v : s.v) {
            lower = lower && v[1] <= v[0] + 1e-5;
            upper = upper && v[1] >= v[0] - 1e-5;
        }
        EXPECT_TRUE(lower || upper) << "a polygon across the diagonal";
        (lower ? below : above)[band_of(s)] += area_of(s);
    }
    // each half a triangle of area 32 with its peak at one corner: band b holds
    // the strip between the lines f = b and f = b + 1, (2 (7 - b) + 1) / 2
    for (int b = 0; b < 8; ++b) {
        EXPECT_NEAR(below[b], (2 * (7 - b) + 1) / 2.0, 1e-4) << b;
        EXPECT_NEAR(above[b], (2 * (7 - b) + 1) / 2.0, 1e-4) << b;
    }
}

TEST(Contours, TheDeformedShapeMovesTheLargestDisplacementATenthOfTheViewWidth)
{
    struct Case {
        const char* what;
        float max_disp, scalar;  // scalar: 0 banded from the node values, else every node that value
        float right;             // the rightmost x of the fill
    };
    const Case cases[] = {
        {"banded", 4, 0, 9},          // node 2 (8, 0) moved by (4, 0) / 4 * 1
        {"flat", 4, 1, 9},
        {"max_disp 0: undeformed", 0, 0, 8},
        {"max_disp beyond the floats: undeformed", INFINITY, 0, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto k = square({0, 4, 8, 2});
        if (c.scalar != 0)
            for (int i = 0; i < 4; ++i) k->node_scalar[i] = c.scalar;
        k->deform_on = 1;
        k->max_disp = c.max_disp;
        k->result_values[2] = 4;   // node 2: ux 4
        k->result_values[7] = -2;  // node 4: uy -2, drawn 0.5 down
        float right = -1e9f, top = -1e9f;
        for (const auto& s : contours(*k).shapes)
            for (const auto& v : s.v) {
                right = std::fmax(right, v[0]);
                if (v[0] < 0.1f) top = std::fmax(top, v[1]);
            }
        EXPECT_FLOAT_EQ(right, c.right);
        EXPECT_FLOAT_EQ(top, c.right == 9 ? 7.5f : 8.0f);
    }
    // zoomed in to a view of width 5: the same displacement drawn half as far
    auto k = square({0, 4, 8, 2});
    set_box(*k, 1.5f, 6.5f, 1.5f, 6.5f);
    k->deform_on = 1;
    k->max_disp = 4;
    k->result_values[2] = 4;
    float right = -1e9f;
    for (const auto& s : contours(*k).shapes)
        for (const auto& v : s.v) right = std::fmax(right, v[0]);
    EXPECT_FLOAT_EQ(right, 8.5f);
}

TEST(Contours, DrawnOverTheMeshUnderTheMarkersAndNotWhileTheViewIsDragged)
{
    struct Case {
        const char* what;
        int shown, pan, zoom;
        bool bands;
    };
    const Case cases[] = {
        {"shown", 1, 0, 0, true},
        {"not shown", 0, 0, 0, false},
        {"during a pan", 1, 1, 0, false},
        {"during a zoom", 1, 0, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto k = square({0, 4, 8, 2});
        k->results_shown = c.shown;
        k->pan_drag = c.pan;
        k->zoom_drag = c.zoom;
        k->show_bc = 1;
        k->fix_x[0] = 1;
        RecordingCanvas canvas;
        console_of([&] { compose_picture(*k, canvas); });
        std::string kinds;  // m mesh, b band, f marker
        for (const auto& s : Recorded::in(canvas.r.shapes, 2))
            kinds += s.shape == Shape::line_loop ? (same_colour(s.colour, {1, 1, 1}) ? 'm' : 'f') : 'b';
        const std::string bands = kinds.substr(2, kinds.size() - 3);
        EXPECT_EQ(kinds.substr(0, 2), "mm");
        EXPECT_EQ(kinds.back(), 'f');
        EXPECT_EQ(bands.empty(), !c.bands) << kinds;
        EXPECT_EQ(bands.find_first_not_of('b'), std::string::npos) << kinds;
    }
}

TEST(Contours, ElementsNamingNodesOutsideTheModelAreLeftOut)
{
    auto k = square({0, 4, 8, 2});
    k->element_nodes[4] = 9;  // the second triangle names node 9 of 4
    const Recorded r = contours(*k);
    double total = 0;
    for (double a : band_areas(r)) total += a;
    EXPECT_NEAR(total, 32, 1e-4) << "only the first triangle";
}

}  // namespace
