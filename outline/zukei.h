// The figure driver: entity records to figures, boundary points and INPUT01.TXT.
#pragma once
#include "drawing.h"

// Runs every pass of tracing: one figure per pass while a takeable entity is free.
void trace_figures(Drawing& d);

// The program's second step: reads out.txt and facter.txt back, traces the figures,
// writes fig_non.txt, places the boundary points and writes INPUT01.TXT.
void zukei(Drawing& d);
