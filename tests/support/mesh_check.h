// Property checks of a triangle mesh in nalvik.txt against the boundary description
// it was made from, written without the mesher's code.
#pragma once
#include <array>
#include <string>
#include <vector>

struct Point {
    double x, y;
};

// A boundary description as INPUT01.TXT holds it.
struct BoundaryDescription {
    std::vector<std::vector<int>> exteriors;  // node numbers, each list clockwise around its region
    std::vector<int> holes;                   // node counts of the holes (their points run counter-clockwise)
    std::vector<Point> points;                // exterior nodes, hole nodes, inner points
    int inner = 0;                            // how many of the points are inner points

    // Line by line, as lindrove_tri01 writes it (commas between list entries).
    std::string text() const;
    int boundary_points() const { return static_cast<int>(points.size()) - inner; }
    // Every boundary segment as a pair of node numbers (exteriors, then holes).
    std::vector<std::array<int, 2>> segments() const;
    double area() const;  // exteriors less holes
};

// The description of outlines whose points all run counter-clockwise, in the form
// lindrove_tri01 writes: the points of each exterior in order, its list 1, n, ..., 2
// (offset by the nodes before it); then the holes' points; then the inner points.
BoundaryDescription describe(const std::vector<std::vector<Point>>& exteriors_ccw,
                             const std::vector<std::vector<Point>>& holes_ccw = {},
                             const std::vector<Point>& inner = {});

// The records of a nalvik.txt as lindrove_tri02 writes it.
struct MeshFile {
    std::vector<Point> nodes;              // node i + 1
    std::vector<std::array<int, 3>> tris;  // 1-based node numbers
};
// Parses and checks the layout (header, record numbers, the one material, no
// boundary or load records, nothing after); appends what is wrong to `problems`.
MeshFile parse_mesh(const std::string& text, std::vector<std::string>& problems);

// Every violation found, empty for a good mesh:
// - the layout (above) and a node count equal to `target`;
// - the described nodes keep their coordinates; no two nodes at one place;
// - every triangle counter-clockwise with positive area, and their total area is
//   the domain's (1e-9 relative);
// - no directed edge twice; edges of one triangle only lie on the described
//   segments and cover them; Euler's count V - E + T = exteriors - holes (for
//   exteriors that share no node; nodes of no triangle are not counted);
// - when target equals the described point count: every edge off the segments is
//   locally Delaunay (the far node outside the other triangle's circumcircle).
std::vector<std::string> check_mesh(const std::string& nalvik, const BoundaryDescription& in, int target);
