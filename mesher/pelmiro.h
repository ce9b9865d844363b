// The block mesher's run, shared by pelmiro_const, pelmiro_tri, pelmiro_hea and pelmiro_flu.
#pragma once
#include "config.h"

// Meshes data2d.txt in the current directory into the configuration's solver
// input; returns the exit status.
int pelmiro_main(const MeshConfig& cfg, int argc, const char* const* argv);
