// korvanta's model file.
#include "model_file.h"

#include <cassert>

#include "failure.h"

const char* model_file_name(int element_mode) { return element_mode == 8 ? "data2d.txt" : "nalvik.txt"; }

void write_model(State& k)
{
    const char* file = model_file_name(k.element_mode);
    if (k.node_count == 0) {
        report_failure("korvanta", Failure(Status::input, file, "no model has been read; the file is left as it was"));
        return;
    }
    // korvanta reads no model yet, so nothing else can be in memory; the rows of
    // a model read are written here once it does
    assert(k.node_count == 0);
}
