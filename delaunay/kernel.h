// The triangulation kernel: node lists, lookups, point location, Delaunay insertion
// and Lawson swapping.
#pragma once

#include "tables.h"

namespace lindrove {

// Node triangle lists. Nodes above MXN (the super vertices) have none and are ignored.
void incr(Mesh& m, int node, int tri);              // append; more than MXT: INCR
void decr(Mesh& m, int node, int tri);              // remove; an emptied list: DECR
int neibor(const Mesh& m, int node, int tri);       // position of tri in the list; none: NEIBOR
void relist(Mesh& m, int node, int from, int to);   // the entry `from` becomes `to`

int edge(const Mesh& m, int l, int k);              // the edge of l whose neighbour is k; none: EDGE
int ivert(const Mesh& m, int tri, int node);        // the position of node in tri; none: IVERT
int ipush(int item, int capacity, int top);         // item, or IPUSH when top exceeds capacity
void push(int* stack, int& top, int capacity, int item);  // stack[++top] = item, checked
double area(const Mesh& m, int tri);                // signed area, positive counter-clockwise
bool has_vertex(const Mesh& m, int tri, int node);
// The LAWSON stop of a mesh whose shape the swaps lost (`where`: "around" or
// "before" node p, as it shows in swapping or in splitting an edge): the swap
// test in double precision cannot tell apart points that lie far closer together
// than the box is wide, and a triangle waiting to be swapped or split no longer
// has the nodes its links promise.
[[noreturn]] void swaps_broke_down(const char* where, int p);
// The area-weighted mean of the centroids of node p's triangles.
void centroid_of_fan(const Mesh& m, int p, double& x, double& y);

// Is a-b a segment of the boundary in hand (positions differing by exactly 1)?
bool boundary_segment(const Mesh& m, int a, int b);

// The triangle that contains (xp, yp), walking from the newest triangle; a point on
// an edge counts as inside the first triangle reached. After NELEM steps the walk
// gives up and the triangles are scanned in order. Outside the super triangle: DELAUN.
int locate(const Mesh& m, double xp, double yp);

// Inserts the nodes i1 to i2 one by one into region r (each must fall in a triangle
// of r, else DELAUN), swapping to the Delaunay condition within the region and never
// across a segment of the boundary in hand. Keeps: counter-clockwise triangles,
// symmetric NEIB, node lists. `capacity` bounds the insertion stack.
void delaun(Mesh& m, int r, int i1, int i2, int capacity);

// The swap loop after inserting node i, with `top` triangles on ISTACK, each having
// i as vertex 0 and the edge to test at position 1. An edge is pushed when the
// triangle beyond it has the same region and it is no segment of the boundary in hand.
void swap_loop(Mesh& m, int i, int top, int capacity);

// Small triangulations of one polygon, numbered locally from 1.
constexpr int LOCAL_TRI = 100;     // triangles
constexpr int LOCAL_VERT = 102;    // polygon vertices
constexpr int LOCAL_EDGES = 201;   // distinct edges
struct Local {
    int n = 0;
    int lnods[LOCAL_TRI + 1][3] = {};
    int neib[LOCAL_TRI + 1][3] = {};
};

// Swaps diagonals of the n local triangles until none of the tested edges swaps;
// more than c iterations: LAWSON. Keeps counter-clockwise triangles and symmetric
// local links; node lists are the caller's.
void lawson(Local& t, int stack_capacity, const double* X, const double* Y, int c);

// Flips the diagonal shared by triangles l (its edge b) and k (its edge o): in each,
// the vertex at the end of the shared edge becomes the other's far vertex. Works on
// the mesh's tables and on local ones; keeps counter-clockwise triangles (when the
// two form a strictly convex quadrilateral) and mirrored links; node lists are the
// caller's.
void flip_diagonal(int (*lnods)[3], int (*neib)[3], int l, int b, int k, int o);

// The position b (0 to 2) with row[b] == k, or -1.
inline int find3(const int* row, int k)
{
    return row[0] == k ? 0 : row[1] == k ? 1 : row[2] == k ? 2 : -1;
}

}  // namespace lindrove
