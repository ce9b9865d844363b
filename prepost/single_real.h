// Reals of the files korvanta reads, held in single precision as its tables are.
#pragma once

#include "scan.h"

// The next real of the file as a float; one beyond the float range would
// turn into an infinity in the tables, so it is refused like a bad token.
float single(Scanner& sc, const char* field);
