// The velocity and pressure files of gresolt_tri, rewritten whole at every output.
#pragma once
#include "outfile.h"

constexpr const char* result_gresolt = "result_gresolt.txt";
constexpr const char* result_gresolt_pres = "result_gresolt_pres.txt";

// np rows "%d  %e %e": the node number (two blanks after it), U and V; then
// one more line end, so the file ends with an empty line.
void write_velocity(OutFile& f, const double* U, const double* V, int np);

// np rows "%d  %e %e %e": the node number, P and two columns that are always
// zero; then one more line end.
void write_pressure(OutFile& f, const double* P, int np);

// Output number `count`: writes result_gresolt.txt, prints "Count = <count>",
// then writes result_gresolt_pres.txt. Each file goes to a temporary name first,
// and the two replace the old ones whole once both are written, so that a run
// stopped at any moment leaves each file as one output wrote it, and a failure
// to write either leaves both of the output before.
void flow_output(int count, const double* U, const double* V, const double* P, int np);
