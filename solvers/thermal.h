// Thermal stress of plane-stress triangles: initial strains from temperatures, their forces, and the strain and stress rows.
#pragma once
#include "cg.h"
#include "ebe_model.h"
#include "results.h"
#include "thermal_input.h"

// The initial strain of element e (3 x 1 work matrix of row length 6):
// (T0 - Tm) * alpha in x and y and no shear, Tm the mean of its three node temperatures.
void thermal_strain(const EbeModel& m, const double* temp, const InitHeat& h, int e, double* eps0);

// The stiffness matrix |A| * t * Bt D B of element e into the 6 x 6 store, with
// the single material set; a degenerate element is refused against `file`.
void stiff_element(const EbeModel& m, const EbeStore& store, int e, const char* file);
void assemble_stiffness(const EbeModel& m, const EbeStore& store, const char* file);

// Takes the equivalent nodal forces |A| * t * Bt D eps0 of element e's initial
// strain off the load vector tf.
void thermal_load(const EbeModel& m, const double* temp, const InitHeat& h, int e, double* tf);
void thermal_loads(const EbeModel& m, const double* temp, const InitHeat& h, double* tf);

// x of a node is held when its first flag is at least 1 (at u), y when its
// second is (at v); flags of 0 or below leave the direction free.
void thermal_fixed(const EbeModel& m, unsigned char* held, double* g);

// The element rows of the mechanical strain B ue + eps0 and of the stress D
// times it, nothing rounded to zero, then both nodal means; `table` (np rows
// of 4) is the averaging scratch.
void write_thermal_stress_strain(const EbeModel& m, const double* solve, const double* temp, const InitHeat& h,
                                 StructuralFiles& out, double* table);
