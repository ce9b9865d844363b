// Rows of the velocity and pressure files.
#include "flow_results.h"

void write_velocity(OutFile& f, const double* U, const double* V, int np)
{
    for (int i = 0; i < np; ++i) std::fprintf(f.fp(), "%d  %e %e\n", i + 1, U[i], V[i]);
    std::fprintf(f.fp(), "\n");
}

void write_pressure(OutFile& f, const double* P, int np)
{
    // the two zero columns are the text "%e" makes of 0.0, written as such:
    // a thousand rewrites of a large mesh need not format them every time
    for (int i = 0; i < np; ++i) std::fprintf(f.fp(), "%d  %e 0.000000e+00 0.000000e+00\n", i + 1, P[i]);
    std::fprintf(f.fp(), "\n");
}

void flow_output(int count, const double* U, const double* V, const double* P, int np)
{
    // both files of an output are written before either replaces the one before,
    // so that a failure on the second leaves the pair of the last output
    OutFile vel(result_gresolt);
    write_velocity(vel, U, V, np);
    vel.finish();  // the velocities are whole before the count is printed
    std::printf("Count = %d\n", count);
    OutFile pres(result_gresolt_pres);
    write_pressure(pres, P, np);
    commit_together({&vel, &pres});
}
