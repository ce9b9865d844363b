// What the window tests share: korvanta started in a fresh X server per test,
// the colours it draws with, and where the tabs and buttons lie. Positions
// come from the panel geometry: tab strip 205 x 45 at (10, h - 50), panel
// 205 x (h - 55) at (10, 5), model square right of x 225 below the top 50 rows.
#pragma once
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>

#include "window_harness.h"

inline const Pixel black{0, 0, 0}, white{255, 255, 255}, grey{128, 128, 128}, blue{0, 0, 255}, red{255, 0, 0},
    green{0, 255, 0};

// The eight contour bands, lowest first: 0.752941 -> 192, 0.878431 -> 224, 0.50196 -> 128.
inline const Pixel band_pixel[8] = {{0, 0, 255},   {0, 192, 192}, {0, 224, 128}, {0, 255, 0},
                                    {255, 255, 0}, {224, 192, 0}, {224, 128, 0}, {255, 0, 0}};

inline constexpr double cw = 205 / 3.0;

struct Point {
    int x, y;
};

// Window row of a height above the window's bottom edge.
inline int row_of(double gl_y, int height) { return height - 1 - static_cast<int>(std::floor(gl_y)); }

// A point of tab t's cell above its label.
inline Point tab_point(int t, int height = 500)
{
    const double bottom = height - 50 + (t <= 3 ? 0 : 22.5);
    return {static_cast<int>(10 + ((t - 1) % 3 + 0.5) * cw), row_of(bottom + 18, height)};
}

// A point of button (r, c)'s octagon below its label.
inline Point button_point(int r, int c, int height = 500)
{
    const double rh = (height - 55) / 12.0;
    return {static_cast<int>(10 + (c - 0.5) * cw), row_of(5 + (12 - r) * rh + 0.15 * rh, height)};
}

// Colours inside the rectangle [x0, x1) x [y0, y1) of the window.
inline std::set<Pixel> colours_in(const Shot& s, int x0, int y0, int x1, int y1)
{
    std::set<Pixel> c;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) c.insert(s.at(x, y));
    return c;
}

// The bounding box of the pixels of one colour in a rectangle; count 0 when none.
struct Extent {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1, count = 0;
};
inline Extent extent_of(const Shot& s, Pixel colour, int x0, int y0, int x1, int y1)
{
    Extent e;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (s.at(x, y) == colour) {
                e.x0 = std::min(e.x0, x), e.x1 = std::max(e.x1, x);
                e.y0 = std::min(e.y0, y), e.y1 = std::max(e.y1, y);
                ++e.count;
            }
    return e;
}

// Pixels of one colour in a rectangle of the window, its edges included.
inline int count_in(const Shot& s, Pixel colour, double x0, double y0, double x1, double y1)
{
    const Extent e = extent_of(s, colour, static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1) + 1,
                               static_cast<int>(y1) + 1);
    return e.count;
}

class Window : public testing::Test {
protected:
    virtual bool without_path() const { return false; }
    void SetUp() override
    {
        ASSERT_TRUE(x.ok()) << "the X server did not start";
        k = std::make_unique<Korvanta>(x, without_path());
        ASSERT_TRUE(k->ready()) << "korvanta's window did not show its first picture\n" << k->err();
    }
    void TearDown() override
    {
        if (HasFailure() && k) {
            const Shot s = k->shot();
            if (!s.empty()) s.save_ppm(k->box().path("failed.ppm"));
            std::printf("screenshot: %s (kept with KEEP_SANDBOX=1)\n", k->box().path("failed.ppm").c_str());
            std::printf("console:\n%s\nerrors:\n%s\n", k->log().c_str(), k->err().c_str());
        }
    }
    // Ends korvanta with q and checks that it ends with status 0.
    void quit()
    {
        k->key("q");
        int status = -1;
        ASSERT_TRUE(k->wait_exit(10, &status)) << "korvanta did not end on q";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    bool wait_colour(Point p, Pixel want) { return wait_until([&] { return k->pixel(p.x, p.y) == want; }); }
    // The settled picture after a click at b on button (row r, column c) of
    // the current tab has been drawn.
    Shot after(Point b, int r, int c)
    {
        const std::string drawn = "Pushed Button " + std::to_string(r) + " " + std::to_string(c) + "\n";
        const int before = count_of(k->log(), drawn);
        k->click(b.x, b.y);
        EXPECT_TRUE(wait_until([&] { return count_of(k->log(), drawn) > before; })) << drawn;
        return k->settled_shot();
    }
    Shot after(int r, int c) { return after(button_point(r, c), r, c); }
    // A left click at (x, y) with the keys held (xdotool's names, "ctrl" or
    // "ctrl+shift"), once korvanta has seen the release.
    void ctrl_click(int x, int y, const char* keys = "ctrl")
    {
        const std::string p = std::to_string(x) + " " + std::to_string(y);
        const std::string release = "Mouse state : {" + p + "} button=0 state=1\n";
        const int before = count_of(k->log(), release);
        k->xdo(std::string("mousemove --window %W ") + p + " keydown " + keys + " click 1 keyup " + keys);
        EXPECT_TRUE(wait_until([&] { return count_of(k->log(), release) > before; })) << release;
    }
    // Key s, and nalvik.txt as it was written.
    std::string save_mesh()
    {
        const std::string written = "Write <nalvik.txt>  \n";
        const int before = count_of(k->log(), written);
        k->key("s");
        EXPECT_TRUE(wait_until([&] { return count_of(k->log(), written) > before; })) << k->err();
        return k->box().read("nalvik.txt");
    }

    XServer x;
    std::unique_ptr<Korvanta> k;
};

