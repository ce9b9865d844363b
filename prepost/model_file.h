// korvanta's model file: data2d.txt for block models, nalvik.txt for meshes.
#pragma once
#include <cstdio>

#include "scan.h"
#include "state.h"

// The model file of the element mode: data2d.txt for 8, otherwise nalvik.txt.
const char* model_file_name(int element_mode);

// Reads the model file of nodes_per_element (8: data2d.txt, 3 or 4:
// nalvik.txt) into the model in memory, echoing its header, materials,
// boundary and load records. A file that is missing, short or malformed, over
// a table limit, or that names a node it does not hold is refused with one
// line on standard error, and the model in memory stays as it was. Returns
// whether the model was taken.
bool read_model(State& k, int nodes_per_element);

// The reading itself, from a scanner over the file's text: m takes the model
// only once the whole text is good; a bad text throws a Failure naming the
// record and leaves m as it was.
void read_model_text(Model& m, Scanner& sc, int nodes_per_element, FILE* echo);

// Saves the model in memory to the model file of element_mode (key s, menu
// "Save BC"), with its fixed nodes recounted and a load record for every node.
// A save is refused on standard error, the file left as it was, before any
// read, after the element mode cycle has cleared the nodes, and while the
// element mode is not the one the model was read with: each would write a
// file that reads back as another model. The file is written beside its own
// name and moved into place, so a failed write keeps the old one.
void write_model(State& k);

// The rows of a saved model file, k nodes per element.
void put_model(const Model& m, int k, FILE* fp);
