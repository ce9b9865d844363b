// The composition of the picture: viewports, the tab strip, the buttons, their
// labels, the colour legend and the axes, recorded instead of drawn.
#include <gtest/gtest.h>

#include <cmath>

#include "fresh_state.h"
#include "labels.h"
#include "panel_labels.h"
#include "picture.h"
#include "recording_canvas.h"

namespace {

constexpr int tabs_vp = 0, panel_vp = 1, square_vp = 2;

Recorded draw(State& k, std::string* console = nullptr)
{
    RecordingCanvas c;
    const std::string out = console_of([&] { compose_picture(k, c); });
    if (console) *console = out;
    return c.r;
}

void expect_rgb(const Rgb& got, const Rgb& want, const std::string& what)
{
    EXPECT_TRUE(same_colour(got, want)) << what << ": got (" << got.r << ", " << got.g << ", " << got.b
                                        << ") want (" << want.r << ", " << want.g << ", " << want.b << ")";
}

TEST(Layout, ViewportsFollowTheWindow)
{
    struct Case { int w, h; Viewport tabs, panel, square; };
    const Case cases[] = {
        {675, 500, {10, 450, 205, 45}, {10, 5, 205, 445}, {225, 0, 450, 450}},
        {800, 400, {10, 350, 205, 45}, {10, 5, 205, 345}, {337, 0, 350, 350}},  // 225 + 225 / 2
        {500, 500, {10, 450, 205, 45}, {10, 5, 205, 445}, {225, 87, 275, 275}}, // narrow: centred upright
        {200, 40, {10, -10, 205, 45}, {10, 5, 205, -15}, {225, 7, -25, -25}},  // (-10 + 25) / 2
    };
    for (const Case& c : cases) {
        const Layout l = layout_for(c.w, c.h);
        for (auto [got, want] : {std::pair{l.tabs, c.tabs}, {l.panel, c.panel}, {l.square, c.square}}) {
            EXPECT_EQ(got.x, want.x) << c.w << "x" << c.h;
            EXPECT_EQ(got.y, want.y) << c.w << "x" << c.h;
            EXPECT_EQ(got.width, want.width) << c.w << "x" << c.h;
            EXPECT_EQ(got.height, want.height) << c.w << "x" << c.h;
        }
    }
}

TEST(Picture, AtStartTabsButtonsAndTheAxesTripod)
{
    auto k = fresh_state();
    std::string console;
    const Recorded r = draw(*k, &console);
    EXPECT_EQ(console, "");  // no tab chosen: nothing printed
    EXPECT_EQ(r.clears, 1);
    EXPECT_EQ(r.flushes, 1);
    ASSERT_EQ(r.projections.size(), 1u);
    EXPECT_EQ(r.projections[0].xmin, 0);
    EXPECT_EQ(r.projections[0].xmax, 1);
    ASSERT_EQ(r.viewports.size(), 3u);
    EXPECT_EQ(r.viewports[square_vp], (std::array<int, 4>{225, 0, 450, 450}));

    // tabs 1-3 below, 4-6 above, in their own colours
    const Rgb tab_colour[6] = {{0, 0.752941f, 0.752941f}, {0, 0.878431f, 0.50196f}, {0, 1, 0},
                               {1, 1, 0}, {0.878431f, 0.752941f, 0}, {0.878431f, 0.50196f, 0}};
    const auto tabs = Recorded::in(r.shapes, tabs_vp);
    ASSERT_EQ(tabs.size(), 6u);
    for (int t = 1; t <= 6; ++t) {
        const auto& s = tabs[t - 1];
        expect_rgb(s.colour, tab_colour[t - 1], "tab " + std::to_string(t));
        ASSERT_EQ(s.v.size(), 4u);
        EXPECT_NEAR(s.v[0][0], (t - 1) % 3 / 3.0, 1e-6) << t;
        EXPECT_NEAR(s.v[0][1], t <= 3 ? 0 : 0.5, 1e-6) << t;
        EXPECT_NEAR(s.v[2][0], (t - 1) % 3 / 3.0 + 1 / 3.0, 1e-6) << t;
        EXPECT_NEAR(s.v[2][1], t <= 3 ? 0.5 : 1, 1e-6) << t;
    }

    // 36 octagons, row 1 at the top, inset by a tenth of the cell
    const auto buttons = Recorded::in(r.shapes, panel_vp);
    ASSERT_EQ(buttons.size(), 36u);
    for (int row = 1; row <= 12; ++row)
        for (int col = 1; col <= 3; ++col) {
            const auto& s = buttons[(row - 1) * 3 + col - 1];
            expect_rgb(s.colour, col == 1 ? Rgb{1, 1, 1} : Rgb{0.5f, 0.5f, 0.5f},
                       "button " + std::to_string(row) + " " + std::to_string(col));
            ASSERT_EQ(s.v.size(), 8u);
            const double x = (col - 1) / 3.0, y = (12 - row) / 12.0, w = 1 / 3.0, h = 1 / 12.0;
            EXPECT_NEAR(s.v[0][0], x + 0.15 * w, 1e-6);
            EXPECT_NEAR(s.v[0][1], y + 0.1 * h, 1e-6);
            EXPECT_NEAR(s.v[3][0], x + 0.9 * w, 1e-6);
            EXPECT_NEAR(s.v[3][1], y + 0.85 * h, 1e-6);
        }
    EXPECT_TRUE(Recorded::in(r.images, panel_vp).empty());
    EXPECT_EQ(Recorded::in(r.images, tabs_vp).size(), 6u);

    // the tripod: x red, y green, z blue, 0.2 long
    const auto square = Recorded::in(r.shapes, square_vp);
    ASSERT_EQ(square.size(), 1u);
    EXPECT_EQ(square[0].shape, Shape::lines);
    const float tips[3][3] = {{0.2f, 0, 0}, {0, 0.2f, 0}, {0, 0, 0.2f}};
    const Rgb axis[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    ASSERT_EQ(square[0].v.size(), 6u);
    for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(square[0].v[2 * a], (std::array<float, 3>{0, 0, 0}));
        EXPECT_EQ(square[0].v[2 * a + 1], (std::array<float, 3>{tips[a][0], tips[a][1], tips[a][2]}));
        expect_rgb(square[0].vc[2 * a], axis[a], "axis start");
        expect_rgb(square[0].vc[2 * a + 1], axis[a], "axis end");
    }
}

TEST(Picture, SelectedTabIsRedAndTheChosenButtonBlue)
{
    auto k = fresh_state();
    k->current_tab = 5;
    k->tab_state[4] = 1;
    k->button_state[6][2] = button_blue;
    const Recorded r = draw(*k);
    const auto tabs = Recorded::in(r.shapes, tabs_vp);
    for (int t = 1; t <= 6; ++t)
        if (t == 5) expect_rgb(tabs[t - 1].colour, {1, 0, 0}, "tab 5");
    const auto buttons = Recorded::in(r.shapes, panel_vp);
    expect_rgb(buttons[6 * 3 + 2].colour, {0, 0, 1}, "button 7 3");
    EXPECT_TRUE(Recorded::in(r.shapes, square_vp).empty());  // no model: nothing in the square
}

TEST(Picture, ThePushedButtonIsPrintedOnceThenCleared)
{
    auto k = fresh_state();
    k->current_tab = 4;
    k->pushed_row = 3;
    k->pushed_col = 2;
    std::string console;
    draw(*k, &console);
    EXPECT_EQ(console, "Pushed Button 3 2\n");
    draw(*k, &console);
    EXPECT_EQ(console, "Pushed Button 0 0\n");
}

TEST(Picture, PartsWithoutPixelsAreLeftOut)
{
    auto k = fresh_state(200, 40);
    k->current_tab = 4;
    k->pushed_row = 5;
    std::string console;
    const Recorded r = draw(*k, &console);
    ASSERT_EQ(r.viewports.size(), 1u);  // only the tab strip keeps its size
    EXPECT_EQ(r.viewports[0], (std::array<int, 4>{10, -10, 205, 45}));
    EXPECT_EQ(r.shapes.size(), 6u);
    EXPECT_EQ(console, "Pushed Button 5 0\n");
    EXPECT_EQ(k->pushed_row, 0);

    k->current_tab = 0;  // nor is the tripod drawn into a square of no size
    EXPECT_EQ(draw(*k).shapes.size(), 6u);
}

TEST(Picture, AnEmptyOrInvertedViewBoxNeverReachesTheProjection)
{
    struct Case { float xmin, xmax, ymin, ymax; bool kept; };
    const Case cases[] = {
        {-2, 3, -2, 3, true},
        {0.5f, 0.5f, 0, 1, false},
        {1, 0, 1, 0, false},
        {0, 1, 0, 1e-30f, true},
        {0, NAN, 0, 1, false},
        {-INFINITY, 1, 0, 1, false},
    };
    for (const Case& c : cases) {
        auto k = fresh_state();
        k->view_xmin = c.xmin, k->view_xmax = c.xmax, k->view_ymin = c.ymin, k->view_ymax = c.ymax;
        const Recorded r = draw(*k);
        ASSERT_EQ(r.projections.size(), 1u);
        const Box& b = r.projections[0];
        SCOPED_TRACE(std::to_string(c.xmin) + " " + std::to_string(c.xmax));
        if (c.kept) {
            EXPECT_EQ(b.xmin, c.xmin);
            EXPECT_EQ(b.ymax, c.ymax);
        } else {
            EXPECT_EQ(b.xmin, 0);
            EXPECT_EQ(b.xmax, 1);
            EXPECT_EQ(b.ymin, 0);
            EXPECT_EQ(b.ymax, 1);
        }
        // the tabs fill the box that reached the projection
        const auto tabs = Recorded::in(r.shapes, tabs_vp);
        EXPECT_EQ(tabs[0].v[0][0], b.xmin);
        EXPECT_NEAR(tabs[5].v[2][1], b.ymax, 1e-6 * (b.ymax - b.ymin));
    }
}

TEST(Picture, TabThreeShowsTheLegend)
{
    auto k = fresh_state();
    k->current_tab = 3;
    for (int d = 0; d < 9; ++d) k->contour_level[d] = static_cast<float>(d);
    const Recorded r = draw(*k);
    const double cw = 1 / 3.0, rh = 1 / 12.0, u = cw / 9;

    // the eight band colours, blue lowest, as fills of 0.8 of a row
    const Rgb band[8] = {{0, 0, 1}, {0, 0.752941f, 0.752941f}, {0, 0.878431f, 0.50196f}, {0, 1, 0},
                         {1, 1, 0}, {0.878431f, 0.752941f, 0}, {0.878431f, 0.50196f, 0}, {1, 0, 0}};
    std::vector<Recorded::Shape_> bands;
    for (const auto& s : Recorded::in(r.shapes, panel_vp))
        if (s.v.size() == 4 && std::fabs(s.v[0][0] - 2 * u) < 1e-6) bands.push_back(s);
    ASSERT_EQ(bands.size(), 8u);
    for (int b = 0; b < 8; ++b) {
        expect_rgb(bands[b].colour, band[b], "band " + std::to_string(b));
        EXPECT_NEAR(bands[b].v[0][1], (b + 1) * rh + 0.4 * rh, 1e-6);
        EXPECT_NEAR(bands[b].v[2][0], 2 * u + cw, 1e-6);
        EXPECT_NEAR(bands[b].v[2][1], (b + 1) * rh + 1.2 * rh, 1e-6);
    }

    struct Text { const char* s; double x, y; };
    const Text expected[] = {
        {"Max=", 2 * u, 11.4 * rh}, {"8.00000", cw + 2 * u, 11.4 * rh},
        {"Min=", 2 * u, 10.4 * rh}, {"0.0 E-0", cw + 2 * u, 10.4 * rh},
        {"0.0 E-0", cw + 4 * u, 1.2 * rh}, {"1.00000", cw + 4 * u, 2.2 * rh},
        {"2.00000", cw + 4 * u, 3.2 * rh}, {"3.00000", cw + 4 * u, 4.2 * rh},
        {"4.00000", cw + 4 * u, 5.2 * rh}, {"5.00000", cw + 4 * u, 6.2 * rh},
        {"6.00000", cw + 4 * u, 7.2 * rh}, {"7.00000", cw + 4 * u, 8.2 * rh},
        {"8.00000", cw + 4 * u, 9.2 * rh},
    };
    const auto texts = Recorded::in(r.texts, panel_vp);
    ASSERT_EQ(texts.size(), sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].s, expected[i].s);
        EXPECT_NEAR(texts[i].x, expected[i].x, 1e-6) << expected[i].s;
        EXPECT_NEAR(texts[i].y, expected[i].y, 1e-6) << expected[i].s;
        EXPECT_FLOAT_EQ(texts[i].z, -0.2f);
        expect_rgb(texts[i].colour, {0, 0, 0}, expected[i].s);
    }
    EXPECT_TRUE(Recorded::in(r.images, panel_vp).empty());  // the legend replaces the labels
}

// The images drawn at (x, y) of the panel viewport.
std::vector<const Label*> images_at(const Recorded& r, double x, double y)
{
    std::vector<const Label*> out;
    for (const auto& i : Recorded::in(r.images, panel_vp))
        if (std::fabs(i.x - x) < 1e-6 && std::fabs(i.y - y) < 1e-6) out.push_back(i.label);
    return out;
}

TEST(PanelLabels, LabelsFollowTheModesAndForceStates)
{
    const double cw = 1 / 3.0, rh = 1 / 12.0, u = cw / 9;
    auto bottom = [&](int row) { return (12 - row) * rh; };
    const Label* data2d = &label_image(LabelId::data2d);
    const Label* nalvik = &label_image(LabelId::nalvik);
    const Label* tri = &label_image(LabelId::tri);
    const Label* quad = &label_image(LabelId::quad);
    const Label* element = &label_image(LabelId::element);
    using V = std::vector<const Label*>;

    auto k = fresh_state();
    k->current_tab = 4;
    // tab 4 r3 c1: the model file of the element mode, one line or two
    EXPECT_EQ(images_at(draw(*k), u, bottom(3) + 0.4 * rh), V{data2d});
    k->element_mode = 3;
    EXPECT_EQ(images_at(draw(*k), u, bottom(3) + 0.6 * rh), V{nalvik});
    EXPECT_EQ(images_at(draw(*k), u, bottom(3) + 0.2 * rh), V{tri});
    k->element_mode = 4;
    EXPECT_EQ(images_at(draw(*k), u, bottom(3) + 0.2 * rh), V{quad});

    // r10: FX and FY carry the mark of their force state
    const double fx_x = cw + 3 * u, fy_x = 2 * cw + 3 * u, y10 = bottom(10) + 0.4 * rh;
    EXPECT_EQ(images_at(draw(*k), fx_x, y10), V{&label_image(LabelId::fx)});
    k->force_state_x = -1;
    k->force_state_y = 2;
    EXPECT_EQ(images_at(draw(*k), fx_x, y10), (V{&label_image(LabelId::fx), &label_image(LabelId::mark_minus)}));
    EXPECT_EQ(images_at(draw(*k), fy_x, y10), (V{&label_image(LabelId::fy), &label_image(LabelId::mark_zero)}));
    k->force_state_x = 1;
    EXPECT_EQ(images_at(draw(*k), fx_x, y10), (V{&label_image(LabelId::fx), &label_image(LabelId::mark_plus)}));

    // tab 5 r1 c1: the element kind of the mesher and solver commands
    k->current_tab = 5;
    k->element_type = 3;
    EXPECT_EQ(images_at(draw(*k), u, bottom(1) + 0.6 * rh), V{element});
    EXPECT_EQ(images_at(draw(*k), u, bottom(1) + 0.2 * rh), V{tri});
    k->element_type = 4;
    EXPECT_EQ(images_at(draw(*k), u, bottom(1) + 0.2 * rh), V{quad});

    k->current_tab = 2;  // the spare tab shows no labels
    EXPECT_TRUE(Recorded::in(draw(*k).images, panel_vp).empty());
}

// Ink columns and rows of a label image: [first, last], -1 when blank.
struct Ink { int x0 = -1, x1 = -1, y0 = -1, y1 = -1; };

Ink ink(const Label& l)
{
    Ink i;
    for (int y = 0; y < label_height; ++y)
        for (int x = 0; x < label_width; ++x)
            if (l.bits[y][x / 8] & (0x80 >> (x % 8))) {
                if (i.x0 < 0 || x < i.x0) i.x0 = x;
                if (x > i.x1) i.x1 = x;
                if (i.y0 < 0 || y < i.y0) i.y0 = y;
                if (y > i.y1) i.y1 = y;
            }
    return i;
}

TEST(PanelLabels, EveryLabelStaysInsideItsButtonInTheStartWindow)
{
    // panel 205 x 445 pixels, tab strip 205 x 45: a label's ink must lie inside
    // the straight sides of its octagon with a pixel and a half to spare, or
    // inside its tab cell
    const double cw_px = 205 / 3.0, rh_px = 445 / 12.0, ch_px = 22.5, spare = 1.5;
    for (int tab = 1; tab <= 6; ++tab)
        for (int mode : {8, 3, 4})
            for (int fs : {0, 1, -1, 2}) {
                auto k = fresh_state();
                k->current_tab = tab;
                k->element_mode = mode;
                k->element_type = mode == 4 ? 4 : 3;
                k->force_state_x = k->force_state_y = fs;
                const Recorded r = draw(*k);
                for (const auto& im : Recorded::in(r.images, panel_vp)) {
                    const Ink i = ink(*im.label);
                    if (i.x0 < 0) continue;
                    const double x = im.x * 205, y = im.y * 445;
                    const int col = static_cast<int>(im.x * 3), row_from_bottom = static_cast<int>(im.y * 12);
                    SCOPED_TRACE("tab " + std::to_string(tab) + " at " + std::to_string(x) + "," +
                                 std::to_string(y));
                    EXPECT_GE(x + i.x0, (col + 0.1) * cw_px + spare);
                    EXPECT_LE(x + i.x1 + 1, (col + 0.9) * cw_px - spare);
                    EXPECT_GE(y + i.y0, (row_from_bottom + 0.15) * rh_px);
                    EXPECT_LE(y + i.y1 + 1, (row_from_bottom + 0.85) * rh_px);
                }
                for (const auto& im : Recorded::in(r.images, tabs_vp)) {
                    const Ink i = ink(*im.label);
                    const double x = im.x * 205, y = im.y * 45;
                    const int col = static_cast<int>(im.x * 3), row = static_cast<int>(im.y * 2);
                    EXPECT_LE(x + i.x1 + 1, (col + 1) * cw_px);
                    EXPECT_LE(y + i.y1 + 1, (row + 1) * ch_px);
                }
            }
}

}  // namespace
