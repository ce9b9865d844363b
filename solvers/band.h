// Prescribed displacements by row replacement, and Gaussian elimination in the band.
#pragma once
#include "structure.h"

// Replaces the row of every fixed equation (flag non-zero, negative included) by
// an identity row with the prescribed value on the right. The columns keep their
// entries, so elimination carries the prescribed values into the free equations.
void fix(const Structure& s, Stiffness& tkmat, double* tf);

// Half bandwidth, diagonal included, never below 2: the farthest entry of any row
// whose ratio to the row's diagonal exceeds 1e-10 in magnitude, on either side.
// The side below the diagonal matters in the columns of fixed equations, whose
// entries carry a prescribed displacement into rows far below.
int band_check(const Stiffness& tkmat, int dimk);

// Solves in place without pivoting within the band: tkmat and tf are consumed,
// solve receives the solution. Rows with a zero multiplier are skipped and each
// pivot row's update stops at its last non-zero entry; the bytes of the solution
// are those of the plain loops. Returns -1, or the 0-based equation whose pivot
// is 0, not finite, or below 1e-12 of its diagonal before elimination.
int gauss_symb(Stiffness& tkmat, double* tf, double* solve, int dimk);

// fix, then gauss_symb into s.solve. A weak pivot is refused with status 3,
// naming its node and direction, before any result file is touched.
void fix_and_solve(Structure& s, Stiffness& tkmat, const char* file);

// The plain band loops, kept as the reference the fast elimination must match.
void gauss_symb_plain(Stiffness& tkmat, double* tf, double* solve, int dimk);
