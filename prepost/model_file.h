// korvanta's model file: data2d.txt for block models, nalvik.txt for meshes.
#pragma once

#include "state.h"

// The model file of the element mode: data2d.txt for 8, otherwise nalvik.txt.
const char* model_file_name(int element_mode);

// Saves the model in memory to its model file (key s, menu "Save BC"). With
// no model in memory nothing is written, so that a save before any read
// cannot empty the file on disk; the refusal goes to standard error.
void write_model(State& k);
