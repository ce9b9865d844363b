// Figure tracing: one closed figure per pass, from the lower-left end of the free
// entities along the branch a turning-angle rule picks at every junction.
#pragma once
#include "drawing.h"

// Can a trace still take entity i? Lines, arcs and elliptical arcs that no figure owns
// and that have length: an entity whose two ends coincide is never a branch.
bool takeable(const Drawing& d, int i);

// The two console lines of figure f's extents.
void print_extents(Drawing& d, int f);

// Lower-left corner of the takeable entities, and the end nearest to it (d.o, d.p).
void zukei_min_max(Drawing& d);
// Traces figure d.f_non from that end; sets d.f_closed when the outline came back to it.
void zukei_outline(Drawing& d);
// Extents of the traced figure.
void zukei_max(Drawing& d);
