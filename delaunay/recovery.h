// Boundary recovery: the first constrained triangulation of boundaries and inner points.
#pragma once

#include "kernel.h"
#include "tables.h"

namespace lindrove {

// Inserts every exterior boundary, every hole and the inner points, forces every
// boundary segment into the triangulation and marks the regions: triangles inside
// exterior i get region i, those inside a hole region 0 again. Afterwards NNODE is
// the number of points read (else ROUGH).
void rough(Mesh& m, const Outline& in);

// Inserts the `count` nodes of NODES in region r and enforces every segment between
// consecutive nodes. Keeps the kernel's invariants; afterwards every segment is an edge.
void bougen(Mesh& m, int r, int count, int capacity);

// The chain of triangles of region r that the missing segment start-target crosses,
// into IPATH (IPATH(1) touches the target, IPATH(NPATH) the start). Unreachable
// target: SEARCH "ISTACK IS EMPTY"; a segment through a node or no way back:
// SEARCH "BRANCH IS CLOSED".
void search(Mesh& m, int r, int target, int start);

// Replaces the chain by triangles that contain the edge start-target. Keeps the
// kernel's invariants (checked on the rewritten triangles).
void poly(Mesh& m, int start, int target);

// The two polygons on either side of the segment, counter-clockwise, from the chain.
void pick(const Mesh& m, int start, int target, int* list1, int& n1, int* list2, int& n2);

// Triangulates one counter-clockwise polygon of n nodes by ear clipping, links the
// triangles and improves them by Lawson swapping. A sweep without a cut: SUBDIV.
void subdiv(int n, const int* list, const double* X, const double* Y, Local& out);
void clip_ears(int n, const int* list, const double* X, const double* Y, Local& out);

// Is every neighbour link of the given triangles mirrored by the triangle across it
// (an edge without neighbour joins two super vertices)?
bool links_hold(const Mesh& m, const int* tris, int count);

}  // namespace lindrove
