// Outline re-segmentation: the traced figure's element count, and its outline cut into
// pieces that each stay within one quadrant, listed on the console.
#pragma once
#include "drawing.h"

void zukei_newline(Drawing& d);
