// Reading back the boundary descriptions that lindrove_tri01 writes.
#include "boundary_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

Rings parse_rings(const std::string& text)
{
    std::vector<std::string> l;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) l.push_back(line);
    size_t i = 0;
    auto next = [&]() { return i < l.size() ? l[i++] : std::string("<end>"); };
    auto count = [&]() {
        std::string s = next();
        return s.find_first_not_of("0123456789") == std::string::npos && !s.empty() ? std::stoi(s) : -1;
    };

    Rings r;
    EXPECT_EQ(next(), "1");
    int holes = count();
    r.counts.push_back(count());
    for (int h = 0; h < holes; ++h) r.counts.push_back(count());
    if (holes == 0) {
        EXPECT_EQ(next(), "0");
    }
    std::string order = "1";
    for (int k = r.counts[0]; k >= 2; --k) order += "," + std::to_string(k);
    EXPECT_EQ(next(), order);
    int total = 0;
    for (int c : r.counts) total += c;
    EXPECT_EQ(next(), std::to_string(total));
    EXPECT_EQ(next(), "0");
    for (int c : r.counts) {
        std::vector<Point> ring;
        for (int k = 0; k < c; ++k) {
            std::istringstream row(next());
            Point p{NAN, NAN};
            row >> p.x >> p.y;
            ring.push_back(p);
        }
        r.rings.push_back(ring);
    }
    EXPECT_EQ(i, l.size()) << "rows after the last point";
    return r;
}

BoundaryDescription description_of(const Rings& r)
{
    std::vector<std::vector<Point>> holes(r.rings.begin() + 1, r.rings.end());
    return describe({r.rings[0]}, holes);
}

double signed_area(const std::vector<Point>& ring)
{
    double s = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Point& a = ring[i];
        const Point& b = ring[(i + 1) % ring.size()];
        s += a.x * b.y - b.x * a.y;
    }
    return s / 2;
}
