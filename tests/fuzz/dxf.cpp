// Fuzz target: model2d.dxf through the whole of lindrove_tri01, in memory: the
// entity scan, and its records read back, traced and turned into boundary points.
#include <cstdlib>

#include "dxf_reader.h"
#include "outline_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    char* records = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&records, &length);
    if (!out) return 0;
    try {
        const std::string drawing = fuzz::parts(data, size, 1)[0];
        const int n = zahyo_yomi(drawing.data(), drawing.size(), out, fuzz::console(), "model2d.dxf");
        std::fclose(out);
        out = nullptr;
        fuzz::figures(std::to_string(n), std::string(records, length));
    } catch (const Failure&) {
    }
    if (out) std::fclose(out);
    std::free(records);
    return 0;
}
