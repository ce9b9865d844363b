// nalvik_tri and nalvik_quad up to their solution: the model read and checked,
// the elements assembled (which refuses a degenerate one) and, for a model
// small enough to solve thousands of times a second, the fixed rows and the
// band elimination (which refuse a structure that is not held).
#pragma once
#include <cstring>

#include "band.h"
#include "fuzz_input.h"
#include "quad_analysis.h"
#include "subinput.h"
#include "tri_analysis.h"

namespace fuzz {

constexpr int solved_equations = 200;

inline void structural(const uint8_t* data, size_t size, int k)
{
    static Structure& s = table<Structure>();
    static auto& tkmat = *reinterpret_cast<Stiffness*>(new Stiffness());
    fresh(s);
    int used = 0;
    try {
        Scanner sc("nalvik.txt", parts(data, size, 1)[0]);
        read_structure(sc, s, k, console());
        used = s.dimk;
        if (k == 3)
            assemble_tri(s, tkmat, "nalvik.txt");
        else
            quad::assemble_quad(s, tkmat, "nalvik.txt");
        if (s.dimk <= solved_equations) fix_and_solve(s, tkmat, "nalvik.txt");
    } catch (const Failure&) {
    }
    // the assembly touched only the equations of the model's nodes
    for (int r = 0; r < used; ++r) std::memset(tkmat[r], 0, sizeof(double) * used);
}

}  // namespace fuzz
