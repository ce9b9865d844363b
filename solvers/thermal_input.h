// tombrel's own inputs: the reference temperature and expansion coefficient, and brundel_tri's node temperatures.
#pragma once
#include <cstdio>

#include "scan.h"

constexpr const char* init_heat_file = "init_heat.txt";

struct InitHeat {
    double t0 = 0.0;     // the reference temperature: no thermal strain at it
    double alpha = 0.0;  // the linear expansion coefficient
};

// init_heat.txt: T0, an integer that is read and ignored, alpha; echoes
// "Initial Heat = %e" after T0 and "Heat Ratio = %e" after alpha.
void read_init_heat(Scanner& sc, InitHeat& h, FILE* echo);

// result_brundel.txt as brundel_tri writes it: exactly np rows numbered 1..np
// in order, each the row number, the temperature and a second value that is
// dropped; t[i] is the temperature of node i + 1. Rows of another count or
// numbering belong to another mesh than mesh_file's and are refused. Echoes
// "%d : %3.2f,\t" per node, four nodes to a line, and a line end after the last.
void read_node_temp(Scanner& sc, double* t, int np, const char* mesh_file, FILE* echo);
