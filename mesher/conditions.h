// Boundary conditions and forces carried from model points to mesh nodes, and
// the counts of the solver input.
#pragma once
#include <cstdio>

#include "config.h"
#include "tables.h"

// Writes bound.txt and force.txt: a record on a keypoint gives one row for its
// node, one on a mid-side point a row for each of its line's n - 1 interior
// nodes (loads undivided; none without spread_line_forces). A record on a
// model point that is neither gives no row; it is warned about on `warn` when
// the record carries a non-zero flag or value.
void write_conditions(const BlockModel& m, const Topology& t, const MeshGrid& g, const MeshConfig& cfg,
                      ConditionCounts& c, FILE* out, FILE* warn);

// init.txt: nodes, materials, elements, boundary rows and force rows.
void write_counts(const BlockModel& m, const Topology& t, const MeshGrid& g, const MeshConfig& cfg,
                  const ConditionCounts& c);
