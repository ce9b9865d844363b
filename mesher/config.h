// The mesh configuration that tells the four block-mesher programs apart.
#pragma once
#include "texts.h"

struct MeshConfig {
    const char* program;      // name in refusals and warnings
    bool takes_mesh_type;     // argument 2 chooses triangles or quadrilaterals
    const char* usage;
    bool single_material;     // one material set (the last record), every element material 1
    bool spread_line_forces;  // a load on a mid-side point reaches its line's nodes
    const char* output_file;
};

static constexpr MeshConfig pelmiro_const_config{"pelmiro_const", true, texts::usage_with_type, false, true,
                                                 "nalvik.txt"};
static constexpr MeshConfig pelmiro_tri_config{"pelmiro_tri", false, texts::usage_plain, false, true, "nalvik.txt"};
// heat: a load on a mid-side point is dropped without a word
static constexpr MeshConfig pelmiro_hea_config{"pelmiro_hea", false, texts::usage_plain, true, false, "brundel.txt"};
static constexpr MeshConfig pelmiro_flu_config{"pelmiro_flu", false, texts::usage_plain, true, true, "gresolt.txt"};
