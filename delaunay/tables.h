// The fixed-size tables of lindrove_tri02: the boundary description and the mesh.
#pragma once

namespace lindrove {

constexpr int MXB = 10;           // most boundaries of one kind (exterior, interior)
constexpr int MXN = 4000;         // most nodes: boundary nodes, inner points, refinement nodes
constexpr int MXE = 2 * MXN + 1;  // most triangles: a full mesh still holds the super triangle
constexpr int MXT = 40;           // most triangles around one node

// The super triangle's vertices follow the last possible node; they have no
// triangle list and leave the mesh at clean-up.
constexpr int SUPER1 = MXN + 1;
inline bool is_super(int node) { return node > MXN; }

// What INPUT01.TXT describes, with the points as read (before normalisation).
// Tables are 1-based as the node numbers are; entry 0 is unused.
struct Outline {
    int n_exterior = 0, n_interior = 0;
    int exterior_count[MXB + 1] = {};
    int interior_count[MXB + 1] = {};
    int exterior_order[MXB + 1][MXN + 1] = {};  // (i, k): k-th node of exterior boundary i
    int n_boundary_point = 0, n_inner_point = 0;
    double x[MXN + 1] = {}, y[MXN + 1] = {};

    int points() const { return n_boundary_point + n_inner_point; }
    // First node of interior boundary j: holes follow the exterior nodes in order.
    int first_hole_node(int j) const;
    int exterior_nodes() const;  // M: the nodes that the exterior lists name
};

// The triangulation in hand. Nodes and triangles are numbered from 1 (0 means
// "none" in NEIB); vertex and edge positions inside a triangle run 0, 1, 2, and
// edge b runs from vertex b to vertex b + 1 (mod 3).
//
// Invariants while meshing: every triangle is counter-clockwise; NEIB is
// symmetric (the neighbour across an edge has that edge the other way round and
// points back); the super-triangle vertices have no triangle list; the mesh
// holds exactly the nodes 1 to NNODE besides the super vertices.
struct Mesh {
    int NNODE = 0;
    int NELEM = 0;
    double X[MXN + 4] = {}, Y[MXN + 4] = {};  // normalised into the unit square while meshing
    int LNODS[MXE + 1][3] = {};
    int NEIB[MXE + 1][3] = {};
    int REGION[MXE + 1] = {};  // 0 outside every exterior boundary or in a hole; i inside exterior i
    int NTCOUNT[MXN + 1] = {};
    int NTLIST[MXN + 1][MXT] = {};
    int IFIX[MXN + 1] = {};     // 1: smoothing leaves the node where it is
    int IPOS[MXN + 4] = {};     // position in the boundary in hand, 0 off it
    int ISTACK[MXN + 1] = {};   // insertion stack; ring of the search queue
    int IFLAG[MXE + 1] = {};
    int IPTR[MXB + 2] = {};     // first triangle of each region after clean-up

    // work tables of boundary recovery
    int NODES[MXN + 1] = {};    // the boundary in hand, in boundary order
    int IMARK[MXE + 1] = {};    // search order of each triangle, 0 = not reached
    int IPATH[MXE + 1] = {};    // chain from the target's end back to the start's
    int NPATH = 0;

    // work tables of refinement
    double DIST[MXE + 1] = {};  // distortion of each ranked triangle
    int IWORST[MXE + 1] = {};   // its edge to split
    int LCAND[MXE + 1] = {};    // candidates, most distorted first
    int NCAND = 0;
};

inline int nx(int b) { return b == 2 ? 0 : b + 1; }   // the next position, cyclically
inline int pv(int b) { return b == 0 ? 2 : b - 1; }   // the previous position

}  // namespace lindrove
