// The figure driver: entity records to figures, boundary points and INPUT01.TXT.
#pragma once
#include "drawing.h"
#include "outfile.h"

// The four files of a run. Each is written under its temporary name and all four
// take their places once INPUT01.TXT is written, so that a run that fails or is
// stopped leaves the earlier ones as they were.
struct OutlineFiles {
    OutFile out{"out.txt"};
    OutFile facter{"facter.txt"};
    OutFile figures{"fig_non.txt"};
    OutFile input{"INPUT01.TXT"};

    void commit();
};

// Runs every pass of tracing: one figure per pass while a takeable entity is free.
void trace_figures(Drawing& d);

// The program's second step: reads out.txt and facter.txt back, traces the figures,
// writes fig_non.txt, places the boundary points and writes INPUT01.TXT.
void zukei(Drawing& d, OutlineFiles& files);
