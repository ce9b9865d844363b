// Picking a node in the model square with Ctrl and the left button.
#pragma once

#include "state.h"

// The pick at window pixel (x, y) in the current pick mode or force state.
void pick_node(State& k, int x, int y);
