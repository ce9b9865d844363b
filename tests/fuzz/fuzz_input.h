// What every fuzz target shares: the input split into the files of one run,
// the console sent nowhere, and tables reset between runs.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace fuzz {

// The parts of one input, cut at NUL bytes: a program that reads several files
// (or a file and its console answers) takes them in order; missing parts are empty.
inline std::vector<std::string> parts(const uint8_t* data, size_t size, size_t count)
{
    std::vector<std::string> out(count);
    size_t i = 0;
    for (size_t p = 0; p < count && i <= size; ++p) {
        size_t j = i;
        while (j < size && (data[j] != 0 || p + 1 == count)) ++j;
        out[p].assign(reinterpret_cast<const char*>(data) + i, j - i);
        i = j + 1;
    }
    return out;
}

// The echo of a run goes to the console; thousands of runs a second must not.
inline FILE* console()
{
    static FILE* sink = [] {
        FILE* f = std::freopen("/dev/null", "w", stdout);
        return f ? f : stdout;
    }();
    return sink;
}

// A program's tables start at zero; between two runs they must again.
template <class T>
void fresh(T& t)
{
    t.~T();
    new (&t) T();
}

// A table too large for the stack, zero at the first run.
template <class T>
T& table()
{
    static T* t = new T();
    return *t;
}

}  // namespace fuzz
