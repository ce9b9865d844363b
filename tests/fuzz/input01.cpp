// Fuzz target: lindrove_tri02 on INPUT01.TXT and the answers typed on its
// console (the part after the first NUL byte): the description read and
// checked, triangulated, refined to the node count answered, smoothed,
// cleaned up and checked.
#include "fuzz_input.h"
#include "input.h"
#include "model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lindrove;
    static Outline& outline = fuzz::table<Outline>();
    static Mesh& mesh = fuzz::table<Mesh>();
    fuzz::fresh(outline);
    fuzz::console();
    const auto files = fuzz::parts(data, size, 2);
    std::string answers = files[1];
    FILE* typed = answers.empty() ? std::fopen("/dev/null", "r") : fmemopen(&answers[0], answers.size(), "r");
    if (!typed) return 0;
    try {
        Scanner sc(outline_file, files[0]);
        input(sc, outline);
        model(outline, mesh, typed);
    } catch (const Failure&) {
    }
    std::fclose(typed);
    return 0;
}
