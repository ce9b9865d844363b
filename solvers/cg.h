// Conjugate gradients on the element-by-element store, with fixed DOFs held at their values.
#pragma once
#include "ebe_store.h"

constexpr double cg_tolerance = 1e-5;  // on the mean absolute residual, whatever the size of F
constexpr double cg_start = 1e-10;     // start value of the free DOFs in the heat and thermal-stress solvers

// The DOFs that the boundary data fix, with their prescribed values: DOF i is
// held at g[i] when held[i] is non-zero (both tables n long). Each program
// decides which DOFs these are.
struct HeldDofs {
    const unsigned char* held = nullptr;
    const double* g = nullptr;
};

// K x = F as cg_solve sees it: the store, n DOFs, the held ones, the start value
// of the free ones, the solver's own vectors r, p, y (n each, owned by the
// program), the model file that a breakdown is reported against and the hint
// its message gives.
struct EbeSystem {
    EbeStore store;
    int n = 0;
    HeldDofs held;
    double free_start = 0.0;  // 1e-10 in the heat and thermal-stress solvers, 0 in the flow solver
    double *r = nullptr, *p = nullptr, *y = nullptr;
    const char* file = "";
    // what a message of no convergence tells the user to look at
    const char* hint = "the model may not be held, or it mixes element orientations";
};

struct CgReport {
    int loops = 0;     // iterations done, at least 1
    double eps = 0.0;  // the last mean absolute residual
};

// The start vector: g at every held DOF, free_start at every other.
void fix_init(const EbeSystem& sys, double* x);
// Zeroes v at every held DOF.
void fix_last(const EbeSystem& sys, double* v);

// Solves K x = F (x's incoming contents are not used). The loop body runs at
// least once; it stops as soon as the mean absolute residual is at most
// cg_tolerance. A zero search direction (the start residual is exactly zero)
// stops with x as it is. A numeric Failure against sys.file, with x undefined:
// no convergence within 10*n + 1000 iterations; a step or residual that is not
// finite; or, once stopped, a residual F - K x of x itself above ten times the
// tolerance (the updated residual can vanish while x drifts along a motion
// that nothing holds).
CgReport cg_solve(const EbeSystem& sys, const double* f, double* x);

// The iteration limit for n DOFs.
inline long cg_limit(int n) { return 10L * n + 1000; }
