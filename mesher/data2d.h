// The reader of data2d.txt, the block model, with its console echo.
#pragma once
#include <cstdio>

#include "config.h"
#include "scan.h"
#include "tables.h"

// Reads the block model into m, echoing every value to `echo` right after it
// is read. Refuses, naming the record, a negative count or one over a table
// limit, a model point number outside 1..np, an area material number outside
// 1..nm (not looked at when the configuration keeps a single material) and any
// token that does not convert; the echo so far stays.
void read_data2d(Scanner& sc, BlockModel& m, const MeshConfig& cfg, FILE* echo);
