// gresolt_tri's model tables and their reader: nodes, the Reynolds number, triangles, prescribed velocities, fixed pressures.
#pragma once
#include <cstdio>

#include "results.h"
#include "scan.h"

constexpr int flow_max_nodes = 20000;
constexpr int flow_max_elements = 20000;

// One flow model as read from gresolt.txt; indices are 0-based inside, node
// numbers in ndn 1-based. One material set: every material record overwrites
// it, only hh (the Reynolds number) is used, and the element's material
// number is read and ignored.
struct FlowModel {
    int np = 0, nm = 0, ne = 0, nb = 0, nf = 0;
    double xx[flow_max_nodes], yy[flow_max_nodes];
    double ee = 0.0, pp = 0.0, hh = 0.0;
    int ndn[flow_max_elements][3];
    int ix[flow_max_nodes], iy[flow_max_nodes];  // u resp. v prescribed when at least 1
    double u[flow_max_nodes], v[flow_max_nodes];  // the prescribed velocities
    unsigned char pflag[flow_max_nodes];          // 1 for every node a load record names
    double pfix[flow_max_nodes];                  // the pressure of that record
};

// Reads a flow model into m, echoing every value right after it is read:
// tab-separated, the element's position in place of its number, the load
// record's second value neither echoed nor kept. Refuses, naming the record,
// a count over a capacity or negative, a model without nodes, without a
// material record or without a load record (no pressure fixed), a Reynolds
// number of zero or below, a node number outside 1..np (after echoing it)
// and any token that does not convert. m must hold zeros in its conditions on
// entry, as absent records leave them; a later record for a node replaces an
// earlier one.
void flow_read(Scanner& sc, FlowModel& m, FILE* echo);

// Refuses against `file` a part of the mesh (nodes joined through elements)
// in which no pressure is fixed, naming its lowest node: its pressures would
// be set only up to a constant, and the pressure equation has no solution.
void check_pressure_held(const FlowModel& m, const char* file);

// The elements as the pressure store walks them.
inline ElementNodes flow_elements(const FlowModel& m) { return ElementNodes{&m.ndn[0][0], 3, 3, m.ne, m.np}; }
