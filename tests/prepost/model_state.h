// A korvanta state holding a small model, as the tests of the model picture,
// the picks and the contours build it.
#pragma once
#include <array>
#include <memory>
#include <vector>

#include "fresh_state.h"

using Points = std::vector<std::array<float, 2>>;

// The given nodes and elements of k nodes each, read with element mode k,
// loaded and on tab 4.
inline std::unique_ptr<State> model(const Points& nodes, const std::vector<int>& element_nodes, int k)
{
    auto s = fresh_state();
    s->node_count = static_cast<int>(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        s->node_x[i] = nodes[i][0];
        s->node_y[i] = nodes[i][1];
    }
    s->element_mode = k;
    s->read_element_mode = k;
    s->element_count = static_cast<int>(element_nodes.size()) / k;
    for (size_t i = 0; i < element_nodes.size(); ++i) s->element_nodes[i] = element_nodes[i];
    s->model_loaded = 1;
    s->current_tab = 4;
    return s;
}

// The view box (the same extent both ways).
inline void set_box(State& k, float xmin, float xmax, float ymin, float ymax)
{
    k.view_xmin = xmin, k.view_xmax = xmax, k.view_ymin = ymin, k.view_ymax = ymax;
}
