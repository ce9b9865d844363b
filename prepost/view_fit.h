// Fitting the view box to the model in memory.
#pragma once

#include "state.h"

// Prints the ranges of the node coordinates and makes the view box the square
// that holds them with a margin of an eighth of the wider extent d on every
// side: the wider axis from its minimum - d/8 to its maximum + d/8, the other
// centred on its own range. Nodes all at one point count as d = 1 around it.
// The depth of the box is left as it is.
void fit_view(State& k);
