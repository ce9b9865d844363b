// The command line of the block mesher: partition_number and, for pelmiro_const, mesh_type.
#pragma once
#include <cstdio>

#include "config.h"

struct MeshArgs {
    int n = 0;               // cells along every area side
    int mesh_type = 0;       // 0 triangles, 1 quadrilaterals
    bool usage_only = false; // more cells than the mesher holds: usage text, nothing else
};

// A decimal integer as the mesher has always read its arguments: leading white
// space and a sign, digits up to the first other character; without leading
// digits it is 0 and *digits is false. Too large a value saturates.
int convert_argument(const char* text, bool* digits);

// Converts the arguments. A missing argument, a partition_number below 1 or
// without digits, or a mesh_type other than 0 and 1 prints the usage text on
// `out` and throws a usage Failure with the reason. A partition_number over 20
// prints the usage text and returns usage_only.
MeshArgs read_arguments(const MeshConfig& cfg, int argc, const char* const* argv, FILE* out);
