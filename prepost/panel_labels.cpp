// Which labels the tabs and buttons carry.
#include "panel_labels.h"

#include <cassert>

namespace {

constexpr int on_tab(int t) { return 1 << t; }

// Labels that do not depend on the state; tabs is a set of on_tab bits.
struct FixedLabel {
    int tabs, row, col, inset;
    LabelId upper, lower;
};

using L = LabelId;
constexpr int tab45 = on_tab(4) | on_tab(5);

static constexpr FixedLabel fixed_labels[] = {
    {on_tab(1), 1, 1, 1, L::meshers, L::none},
    {on_tab(1), 1, 2, 2, L::delaunay, L::tri},
    {on_tab(1), 1, 3, 2, L::tessan, L::tri},
    {on_tab(1), 2, 2, 2, L::delaunay, L::quad},

    {on_tab(4), 1, 1, 1, L::tab_pre, L::none},
    {on_tab(4), 1, 2, 3, L::model, L::none},
    {on_tab(4), 1, 3, 2, L::file, L::none},
    {on_tab(4), 3, 2, 2, L::read, L::none},
    {on_tab(4), 3, 3, 3, L::edit, L::none},

    {tab45, 5, 1, 1, L::view, L::none},
    {tab45, 5, 2, 3, L::shrink, L::none},
    {tab45, 5, 3, 3, L::number, L::none},
    {tab45, 7, 1, 1, L::markers, L::none},
    {tab45, 7, 2, 3, L::fixed, L::none},
    {tab45, 7, 3, 3, L::loads, L::none},
    {tab45, 9, 1, 1, L::edit, L::none},
    {tab45, 9, 2, 3, L::x, L::none},
    {tab45, 9, 3, 3, L::y, L::none},

    {on_tab(5), 1, 2, 2, L::mesh5, L::none},
    {on_tab(5), 1, 3, 2, L::mesh10, L::none},
    {on_tab(5), 3, 1, 1, L::solver, L::none},
    {on_tab(5), 3, 2, 3, L::run, L::none},
    {on_tab(5), 11, 2, 3, L::edit, L::none},

    {on_tab(6), 1, 1, 1, L::tab_post, L::none},
    {on_tab(6), 1, 2, 3, L::disp, L::none},
    {on_tab(6), 1, 3, 2, L::deform, L::none},
    {on_tab(6), 2, 2, 3, L::stress, L::none},
    {on_tab(6), 2, 3, 2, L::strain, L::none},
    {on_tab(6), 4, 1, 1, L::markers, L::none},
    {on_tab(6), 4, 2, 3, L::fixed, L::none},
    {on_tab(6), 4, 3, 3, L::loads, L::none},
    {on_tab(6), 6, 1, 1, L::disp, L::none},
    {on_tab(6), 6, 2, 3, L::x, L::none},
    {on_tab(6), 6, 3, 3, L::y, L::none},
    {on_tab(6), 7, 2, 3, L::sx, L::none},
    {on_tab(6), 7, 3, 3, L::sy, L::none},
    {on_tab(6), 8, 2, 3, L::txy, L::none},
    {on_tab(6), 9, 2, 3, L::ex, L::none},
    {on_tab(6), 9, 3, 3, L::ey, L::none},
    {on_tab(6), 10, 2, 3, L::gxy, L::none},
};

static constexpr LabelId tab_labels[tab_count] = {
    L::tab_mesh, L::tab_spare, L::tab_legend, L::tab_pre, L::tab_solve, L::tab_post,
};
static_assert(sizeof tab_labels / sizeof tab_labels[0] == tab_count);

LabelId kind_label(int nodes_per_element) { return nodes_per_element == 3 ? L::tri : L::quad; }

// The mark of a force state beside its "FX" or "FY": plus, minus, zero, or none when off.
LabelId force_mark(int state)
{
    switch (state) {
    case 1: return L::mark_plus;
    case -1: return L::mark_minus;
    case 2: return L::mark_zero;
    default: return L::none;
    }
}

}  // namespace

int button_labels(const State& k, ButtonLabel out[max_button_labels])
{
    const int t = k.current_tab;
    int n = 0;
    auto put = [&](ButtonLabel b) {
        assert(n < max_button_labels);
        out[n++] = b;
    };
    if (t < 1 || t > tab_count) return 0;

    for (const FixedLabel& f : fixed_labels)
        if (f.tabs & on_tab(t)) put({f.row, f.col, f.inset, f.upper, f.lower, L::none});

    if (t == 4) {
        // the model file the reader and the editor take: data2d.txt, or nalvik.txt with its kind
        if (k.element_mode == 3 || k.element_mode == 4)
            put({3, 1, 1, L::nalvik, kind_label(k.element_mode), L::none});
        else
            put({3, 1, 1, L::data2d, L::none, L::none});
    }
    if (t == 5) put({1, 1, 1, L::element, kind_label(k.element_type), L::none});
    if (t == 4 || t == 5) {
        put({10, 2, 3, L::fx, L::none, force_mark(k.force_state_x)});
        put({10, 3, 3, L::fy, L::none, force_mark(k.force_state_y)});
    }
    return n;
}

LabelId tab_label(int t)
{
    assert(t >= 1 && t <= tab_count);
    return tab_labels[t - 1];
}

int tab_label_inset(int t) { return t == 2 || t == 3 ? 3 : 2; }
