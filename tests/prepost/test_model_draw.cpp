// The model picture: mesh loops, shrunken elements, fixed-node markers, force
// arrows and node numbers, recorded instead of drawn. Expected vertices are
// worked out by hand from the node positions and the view width.
#include <gtest/gtest.h>

#include <cmath>

#include "model_draw.h"
#include "model_state.h"
#include "picture.h"
#include "recording_canvas.h"

namespace {

const Rgb white{1, 1, 1}, yellow{1, 1, 0}, cyan{0, 1, 1}, red{1, 0, 0};

void expect_points(const Recorded::Shape_& s, const Points& want, const std::string& what)
{
    ASSERT_EQ(s.v.size(), want.size()) << what;
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(s.v[i][0], want[i][0], 1e-5) << what << " vertex " << i;
        EXPECT_NEAR(s.v[i][1], want[i][1], 1e-5) << what << " vertex " << i;
        EXPECT_EQ(s.v[i][2], 0) << what << " vertex " << i;
    }
}

void expect_colour(const Rgb& got, const Rgb& want, const std::string& what)
{
    EXPECT_TRUE(same_colour(got, want)) << what << ": (" << got.r << ", " << got.g << ", " << got.b << ")";
}

// The shapes of the model square of one whole picture.
std::vector<Recorded::Shape_> square_shapes(State& k, Recorded* all = nullptr)
{
    RecordingCanvas c;
    console_of([&] { compose_picture(k, c); });
    if (all) *all = c.r;
    return Recorded::in(c.r.shapes, 2);
}

TEST(Mesh, EveryElementIsAWhiteLoopThroughItsNodesInFileOrder)
{
    // a triangle and a quadrilateral drawn as 4-node elements, the triangle's last node repeated
    auto k = model({{0, 0}, {2, 0}, {2, 2}, {0, 2}, {4, 1}}, {1, 2, 3, 4, 2, 5, 3, 3}, 4);
    Recorded r;
    const auto shapes = square_shapes(*k, &r);
    ASSERT_EQ(shapes.size(), 2u);
    for (const auto& s : shapes) {
        EXPECT_EQ(s.shape, Shape::line_loop);
        expect_colour(s.colour, white, "mesh");
        EXPECT_EQ(s.width, 2);
    }
    expect_points(shapes[0], {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, "element 1");
    expect_points(shapes[1], {{2, 0}, {4, 1}, {2, 2}, {2, 2}}, "element 2");
    EXPECT_EQ(r.line_width, 1) << "the width is put back";
}

TEST(Mesh, ShrinkDrawsEachElementAt70PercentAboutItsCentreWithThinLines)
{
    // the square's centre is (1, 1), the triangle's (3, 1): pulled in by 0.3 of the way
    auto k = model({{0, 0}, {2, 0}, {2, 2}, {0, 2}, {5, 1}}, {1, 2, 3, 1, 3, 4, 2, 5, 3}, 3);
    k->shrink_on = 1;
    const auto shapes = square_shapes(*k);
    ASSERT_EQ(shapes.size(), 3u);
    // (0, 0), (2, 0), (2, 2) meet at (4/3, 2/3)
    const float cx = 4 / 3.f, cy = 2 / 3.f;
    auto in = [](float c, float p) { return c + 0.7f * (p - c); };
    expect_points(shapes[0], {{in(cx, 0), in(cy, 0)}, {in(cx, 2), in(cy, 0)}, {in(cx, 2), in(cy, 2)}}, "element 1");
    // (2, 0), (5, 1), (2, 2) meet at (3, 1)
    expect_points(shapes[2], {{2.3f, 0.3f}, {4.4f, 1}, {2.3f, 1.7f}}, "element 3");
    EXPECT_EQ(shapes[0].width, 1);
    // the two elements along the side x = 2 now stand apart: a gap of 0.6 between them
    EXPECT_NEAR(shapes[0].v[1][0], 1.8f, 1e-5);
    EXPECT_NEAR(shapes[2].v[0][0], 2.3f, 1e-5);
}

TEST(Mesh, ElementsNamingNodesOutsideTheModelAreLeftOut)
{
    auto k = model({{0, 0}, {1, 0}, {0, 1}}, {1, 2, 3, 0, 1, 2, 1, 4, 2, 3, 2, 1}, 3);
    const auto shapes = square_shapes(*k);
    ASSERT_EQ(shapes.size(), 2u);
    expect_points(shapes[0], {{0, 0}, {1, 0}, {0, 1}}, "element 1");
    expect_points(shapes[1], {{0, 1}, {1, 0}, {0, 0}}, "element 4");
}

TEST(Mesh, AnotherModeNeverReadsBeyondTheElementTable)
{
    // 60000 quadrilaterals read, then the mode cycle to 8 points per area: only
    // the 30000 areas the table holds can be drawn, each a collapsed point
    auto k = model({{0, 0}}, {}, 4);
    k->element_count = 60000;
    for (int i = 0; i < max_element_entries; ++i) k->element_nodes[i] = 1;
    k->element_mode = 8;
    RecordingCanvas c;
    draw_mesh(c, *k, 8, 2);
    EXPECT_EQ(c.r.shapes.size(), 30000u);
}

TEST(Markers, XFixedBelowYFixedLeftSizedByTheViewWidth)
{
    auto k = model({{2, 1}, {5, 5}, {6, 6}, {7, 7}}, {}, 3);
    k->view_xmin = -2, k->view_xmax = 6;  // W = 8: s = 0.1
    k->fix_x[0] = 1, k->fix_y[0] = 1;
    k->fix_y[1] = 2;   // any flag above 0 fixes
    k->fix_x[2] = -1;  // not above 0: no marker
    k->show_bc = 1;
    const auto shapes = square_shapes(*k);
    ASSERT_EQ(shapes.size(), 3u);
    for (const auto& s : shapes) EXPECT_EQ(s.shape, Shape::line_loop);
    expect_colour(shapes[0].colour, yellow, "x marker");
    expect_points(shapes[0], {{2, 1}, {1.9f, 0.8f}, {2.1f, 0.8f}}, "x marker");
    expect_colour(shapes[1].colour, cyan, "y marker");
    expect_points(shapes[1], {{2, 1}, {1.8f, 1.1f}, {1.8f, 0.9f}}, "y marker");
    expect_points(shapes[2], {{5, 5}, {4.8f, 5.1f}, {4.8f, 4.9f}}, "node 2");

    // zoomed in to half the width, the markers are half as big in the model
    k->view_xmax = 2;
    expect_points(square_shapes(*k)[0], {{2, 1}, {1.95f, 0.9f}, {2.05f, 0.9f}}, "x marker zoomed");
}

TEST(Arrows, OneLengthInTheForceDirectionWithANarrowingHead)
{
    auto k = model({{1, 1}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}, {}, 3);
    k->view_xmin = 0, k->view_xmax = 15;  // W = 15: a = 0.1, the arrow 1.5 long
    k->node_force[0] = 3, k->node_force[1] = 4;  // node 1: magnitude 5
    k->node_force[2] = 0, k->node_force[3] = -5e-8f;   // 1e-8 of the largest: none
    k->node_force[7] = 1e-6f;                          // 2e-7: an arrow as long as the others
    k->show_loads = 1;
    Recorded r;
    const auto shapes = square_shapes(*k, &r);
    ASSERT_EQ(shapes.size(), 8u);
    // node 1: (0.6, 0.8) per unit of 0.1
    const float p[5][2] = {{1, 1}, {1.72f, 1.96f}, {1.78f, 2.04f}, {1.84f, 2.12f}, {1.9f, 2.2f}};
    const float width[4] = {1, 5, 3, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(shapes[i].shape, Shape::lines);
        expect_colour(shapes[i].colour, red, "arrow");
        EXPECT_EQ(shapes[i].width, width[i]) << "piece " << i;
        expect_points(shapes[i], {{p[i][0], p[i][1]}, {p[i + 1][0], p[i + 1][1]}}, "piece " + std::to_string(i));
    }
    // node 4 pulled up by a tiny force: its arrow is 1.5 long all the same
    expect_points(shapes[4], {{6, 6}, {6, 7.2f}}, "node 4 shaft");
    expect_points(shapes[7], {{6, 7.4f}, {6, 7.5f}}, "node 4 tip");
    EXPECT_EQ(r.line_width, 1);
}

TEST(Arrows, NoForceAnywhereDrawsNothing)
{
    auto k = model({{1, 1}, {2, 2}}, {}, 3);
    k->show_loads = 1;
    EXPECT_TRUE(square_shapes(*k).empty());
}

TEST(Numbers, EveryNodeInRedFromItsPositionInFrontOfTheMesh)
{
    Points nodes;
    for (int i = 0; i < 12; ++i) nodes.push_back({static_cast<float>(i), 0.5f * i});
    auto k = model(nodes, {}, 3);
    k->show_numbers = 1;
    RecordingCanvas c;
    console_of([&] { compose_picture(*k, c); });
    const auto texts = Recorded::in(c.r.texts, 2);
    ASSERT_EQ(texts.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(texts[i].s, std::to_string(i + 1));
        expect_colour(texts[i].colour, red, "number");
        EXPECT_EQ(texts[i].x, static_cast<float>(i));
        EXPECT_EQ(texts[i].y, 0.5f * i);
        EXPECT_FLOAT_EQ(texts[i].z, -0.2f);
    }
}

// What the model square shows for the display switches and the modes: the
// mesh first, then markers, arrows and numbers, each drawn after the last.
TEST(ModelPicture, TheSwitchesChooseWhatIsDrawnInOrder)
{
    struct Case {
        const char* what;
        int loaded, show_bc, show_loads, show_numbers, pick_fix_x, force_state_y;
        const char* shapes;  // m mesh, f marker, a arrow piece
        int numbers;
    };
    const Case cases[] = {
        {"not read through tab 4", 0, 1, 1, 1, 0, 0, "", 0},
        {"mesh only", 1, 0, 0, 0, 0, 0, "m", 0},
        {"everything", 1, 1, 1, 1, 0, 0, "mfaaaa", 2},
        {"an x-fix pick mode shows the markers", 1, 0, 0, 0, 1, 0, "mf", 0},
        {"a force state shows the arrows", 1, 0, 0, 0, 0, 1, "maaaa", 0},
        {"markers twice while picking", 1, 1, 0, 0, 1, 0, "mff", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto k = model({{0, 0}, {1, 0}}, {1, 2, 2}, 3);
        k->model_loaded = c.loaded;
        k->fix_x[0] = 1;
        k->node_force[3] = 10;
        k->show_bc = c.show_bc, k->show_loads = c.show_loads, k->show_numbers = c.show_numbers;
        k->pick_fix_x = c.pick_fix_x, k->force_state_y = c.force_state_y;
        Recorded r;
        std::string kinds;
        for (const auto& s : square_shapes(*k, &r))
            kinds += s.shape == Shape::lines ? 'a' : same_colour(s.colour, white) ? 'm' : 'f';
        EXPECT_EQ(kinds, c.shapes);
        EXPECT_EQ(Recorded::in(r.texts, 2).size(), static_cast<size_t>(c.numbers));
    }
}

}  // namespace
