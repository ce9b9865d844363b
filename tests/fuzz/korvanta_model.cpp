// Fuzz target: korvanta's model reader (the first byte picks nalvik.txt of
// triangles or quadrilaterals, or data2d.txt), its view fit and the picture of
// the model with its markers, arrows and node numbers.
#include "korvanta_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    State& k = fuzz::fresh_korvanta();
    try {
        fuzz::take_model(k, fuzz::element_mode(data[0]), fuzz::parts(data + 1, size - 1, 1)[0]);
        fuzz::draw_everything(k);
    } catch (const Failure&) {
    }
    return 0;
}
