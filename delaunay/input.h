// The reader of INPUT01.TXT, the boundary description, and its checks.
#pragma once

#include "scan.h"
#include "tables.h"

namespace lindrove {

constexpr const char* outline_file = "INPUT01.TXT";

// Opens INPUT01.TXT; a missing or unreadable file: the INPUT pair.
Scanner open_outline();

// Reads the boundary description (list-directed reads: each starts on a new line,
// commas separate like blanks) and refuses, with the INPUT pair, what cannot be
// meshed: counts out of range, list entries out of range, repeated or numbered out of
// turn, coincident points, a box of no size, a node or inner point on a boundary segment
// of which it is no end, an exterior boundary that starts inside another.
void input(Scanner& sc, Outline& in);

// The geometric part of the checks, on the points as read.
void check_outline(const Outline& in, const Scanner& sc);

}  // namespace lindrove
