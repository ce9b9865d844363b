// The fractional step of incompressible flow on linear triangles: predictor, pressure equation, correction.
#pragma once
#include "cg.h"
#include "flow_model.h"

// The time step, the number of steps and the output interval of every run.
struct FlowConstants {
    double dt;
    int steps;
    int every;
};
constexpr FlowConstants flow_constants{0.0001, 20000, 20};

// Why a pressure solve of a sound mesh fails to converge: the absolute
// tolerance cannot be met by pressures of that size, or the steps went astray.
constexpr const char* flow_cg_hint =
    "the pressures are too large for the solver's tolerance, or the steps have become unstable";

// Per element its area A (the magnitude, whichever way its nodes run), A/3,
// A/12 and the derivatives b_k = dN_k/dx, c_k = dN_k/dy of its three shape
// functions; per node the inverse of its lumped mass.
struct FlowGeometry {
    double a[flow_max_elements], a3[flow_max_elements], a12[flow_max_elements];
    double b[3][flow_max_elements], c[3][flow_max_elements];
    double minv[flow_max_nodes];
};

// What the steps carry and recompute: the velocity U, V (carried from step to
// step), the predicted velocity us, vs, the pressure P and the right-hand
// side f of the pressure equation.
struct FlowState {
    double U[flow_max_nodes], V[flow_max_nodes];
    double us[flow_max_nodes], vs[flow_max_nodes];
    double P[flow_max_nodes];
    double f[flow_max_nodes];
};

// Areas, shape derivatives and inverse lumped masses, once. Refuses against
// `file` an element without area and a node in no element (it has no mass).
void flow_geometry(const FlowModel& m, FlowGeometry& g, const char* file);

// U = u where ix is at least 1, V = v where iy is at least 1; other entries stay.
void prescribe_velocity(const FlowModel& m, double* U, double* V);

// us, vs from U, V: advection (the exact Galerkin integral over the linear
// triangle) and viscous terms (A/Re) (b_k ux + c_k uy), (A/Re) (b_k vx + c_k vy)
// per element node, then us = U - dt (1/M) Ru per node, and likewise vs.
void flow_predict(const FlowModel& m, const FlowGeometry& g, FlowState& s);

// The pressure matrix of every element, A (b_i b_j + c_i c_j): the mesh alone
// decides it, so it is filled once for all steps.
void pressure_laplacian(const FlowModel& m, const FlowGeometry& g, const EbeStore& store);

// f = -(div / dt) (A/3) summed over the elements of each node, with
// div = (sum b_k us_k) + (sum c_k vs_k).
void flow_pressure_rhs(const FlowModel& m, const FlowGeometry& g, FlowState& s);

// U, V = us, vs less dt (1/M) times the pressure gradient (A/3) (sum b_k P_k),
// (A/3) (sum c_k P_k) summed over the elements of each node.
void flow_correct(const FlowModel& m, const FlowGeometry& g, FlowState& s);

// One whole step from U, V to the next U, V, with P solved on `pressure`
// (the store of pressure_laplacian, fixed pressures held). A step whose
// values are not finite, or whose pressure solve breaks down, is a numeric
// Failure against `file` that names the step.
void flow_step(const FlowModel& m, const FlowGeometry& g, const EbeSystem& pressure, FlowState& s, int step,
               const char* file);
