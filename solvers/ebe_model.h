// The model tables of the triangle solvers that iterate (brundel_tri, tombrel), and their reader.
#pragma once
#include <cstdio>

#include "results.h"
#include "scan.h"

constexpr int ebe_max_nodes = 60000;
constexpr int ebe_max_elements = 110000;
constexpr int ebe_max_dofs = 2 * ebe_max_nodes;

// One model as read from brundel.txt or nalvik.txt. There is a single material
// set: every material record overwrites it and every element uses it, so the
// element's material number is read and ignored. Indices are 0-based inside.
struct EbeModel {
    int np = 0, nm = 0, ne = 0, nb = 0, nf = 0;
    double xx[ebe_max_nodes], yy[ebe_max_nodes];
    double ee = 0.0, pp = 0.0, hh = 0.0;
    int ndn[ebe_max_elements][4];  // node numbers, 1-based; three used, rows as the triangle kit reads them
    int ix[ebe_max_nodes], iy[ebe_max_nodes];
    double u[ebe_max_nodes], v[ebe_max_nodes];
    double tf[ebe_max_dofs];  // heat input q at n-1, or forces fx, fy at 2n-2, 2n-1
};

// What a load record carries: the heat input of a node (its second value read
// and dropped), or the two forces of a node.
enum class LoadKind { heat, force };

// Reads a three-node model into m, echoing as the iterating solvers do: the
// header, the materials, the boundary records with the node number less one,
// the load records (heat: the node and q; force: the node, fx and fy); nodes
// and elements are not echoed. Refuses, naming the record, a count over a
// capacity or negative, a model without nodes or without a material, a node
// number outside 1..np and any token that does not convert. m must hold zeros
// in its conditions and loads on entry, as absent records leave them.
void subinput(Scanner& sc, EbeModel& m, LoadKind loads, FILE* echo);

// The elements as the store and the nodal averaging walk them.
inline ElementNodes element_nodes(const EbeModel& m) { return ElementNodes{&m.ndn[0][0], 4, 3, m.ne, m.np}; }

// Signed area of element e (positive when its nodes run counter-clockwise);
// an element whose area is 0 or not finite is refused, naming it.
double element_area(const EbeModel& m, int e, const char* file);

// Refuses a node that lies in no element and is free in some direction
// (held[2 * i] / held[2 * i + 1]: x / y of node i; with one DOF per node only
// held[i]): nothing would hold its value. dofs is 1 or 2.
void check_unused_nodes(const EbeModel& m, const unsigned char* held, int dofs, const char* file);
