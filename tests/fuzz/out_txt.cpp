// Fuzz target: facter.txt and out.txt (cut apart at the first NUL byte) read
// back by lindrove_tri01, traced and turned into boundary points.
#include "outline_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto files = fuzz::parts(data, size, 2);
    try {
        fuzz::figures(files[0], files[1]);
    } catch (const Failure&) {
    }
    return 0;
}
