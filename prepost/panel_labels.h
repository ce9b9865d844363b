// Which labels the tabs and the buttons of each tab carry, and where in their cells.
#pragma once

#include "labels.h"
#include "state.h"

// A label of one button: its row and column, its inset from the cell's left
// edge in ninths of the column width, and one or two images. A second image
// makes a two-line label; an overlay is drawn at the same place as the first.
struct ButtonLabel {
    int row, col, inset;
    LabelId upper, lower, overlay;
};

constexpr int max_button_labels = panel_rows * panel_cols;

// The labels of the buttons of the current tab, as the state shows them (the
// element mode, the element kind and the force states choose some of them).
// Returns how many were written to out.
int button_labels(const State& k, ButtonLabel out[max_button_labels]);

// The label of tab t (1..6) and its inset in ninths of a cell width.
LabelId tab_label(int t);
int tab_label_inset(int t);
