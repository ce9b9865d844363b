// Fuzz target: korvanta's result reader. The first byte picks the element
// mode, the second the result file and the quantity, the deformed shape and the
// shrunk elements; then comes the model file and, after a NUL byte, the result
// file. The levels are worked out and the bands drawn over the model.
#include "korvanta_picture.h"
#include "result_file.h"
#include "tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    State& k = fuzz::fresh_korvanta();
    const int mode = fuzz::element_mode(data[0]) == 4 ? 4 : 3;
    const int choice = data[1] % (result_type_count * result_kind_count);
    int type = choice / result_kind_count, kind = choice % result_kind_count;
    if (type == 0 && kind == 3) kind = 0;  // a displacement row holds two values
    const auto files = fuzz::parts(data + 2, size - 2, 2);
    try {
        fuzz::take_model(k, mode, files[0]);
        Scanner sc(result_file[type].file, files[1]);
        read_results_text(k, sc, type, kind, k.node_count, fuzz::console());
        compute_contour_levels(k);
        k.result_source = 1;
        k.results_shown = 1;
        k.deform_on = data[1] / 12 % 2;
        k.shrink_on = data[1] / 24 % 2;
        fuzz::draw_everything(k);
    } catch (const Failure&) {
    }
    return 0;
}
