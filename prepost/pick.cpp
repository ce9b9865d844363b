// Picking a node in the model square.
#include "pick.h"

// No panel button sets a pick mode or a force state yet, so no pick reaches
// here; finding the nearest node and changing its fixings and forces comes
// with the pick-mode buttons.
void pick_node(State&, int, int) {}

// The pick modes and force states come with the picking of nodes; until then
// these buttons only take the blue.
void pick_mode_button(State&) {}
