// Fuzz target: nalvik.txt as nalvik_tri reads, checks and solves it.
#include "structural.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::structural(data, size, 3);
    return 0;
}
