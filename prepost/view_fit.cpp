// Fitting the view box to the model in memory.
#include "view_fit.h"

#include <cassert>
#include <cstdio>

#include "tables.h"

namespace {

struct Range {
    float min, max;
};

Range range_of(const float* v, int n)
{
    Range r{v[0], v[0]};
    for (int i = 1; i < n; ++i) {
        if (v[i] < r.min) r.min = v[i];
        if (v[i] > r.max) r.max = v[i];
    }
    return r;
}

}  // namespace

void fit_view(State& k)
{
    assert(k.node_count >= 1);  // the reader takes no model without nodes
    const Range x = range_of(k.node_x, k.node_count);
    const Range y = range_of(k.node_y, k.node_count);
    const Range z = range_of(k.node_z, k.node_count);
    std::printf(text::fit_range, x.min, x.max, y.min, y.max, z.min, z.max);

    float d = x.max - x.min;
    bool x_wider = true;
    if (y.max - y.min > d) {
        d = y.max - y.min;
        x_wider = false;
    }
    // a single point would give an empty box; a unit around it shows the point
    const bool one_point = d == 0;
    if (one_point) d = 1;
    const float m = d / 8;
    const float half = (d + 2 * m) / 2;

    auto place = [&](const Range& r, bool wider, float& lo, float& hi) {
        if (wider && !one_point) {
            lo = r.min - m;
            hi = r.max + m;
        } else {
            const float centre = (r.min + r.max) / 2;
            lo = centre - half;
            hi = centre + half;
        }
    };
    place(x, x_wider, k.view_xmin, k.view_xmax);
    place(y, !x_wider, k.view_ymin, k.view_ymax);
}
