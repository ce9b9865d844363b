// What every triangulation in hand must satisfy, checked from the tables alone.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "stop.h"
#include "tables.h"

// Counter-clockwise triangles of positive area, mirrored links, node lists that
// hold exactly the triangles of each node; one line per violation.
std::vector<std::string> invariants(const lindrove::Mesh& m, bool with_lists = true);

// Triangles of region 0 or of one region whose edge (not a constraint) has the far
// node of its neighbour inside its circumcircle; `constrained(a, b)` names kept edges.
int non_delaunay_edges(const lindrove::Mesh& m, bool (*constrained)(const lindrove::Mesh&, int, int) = nullptr);

// A fresh mesh holding only the super triangle, with nodes 1..n at the given places.
std::unique_ptr<lindrove::Mesh> super_mesh(const std::vector<std::pair<double, double>>& nodes);

struct BoundaryDescription;

// Silences standard output (the stages' trace) while it lives.
struct Quiet {
    Quiet();
    ~Quiet();
    int saved;
};

// Reads the description as the mesher does and builds its first triangulation in
// the unit box (points shifted and scaled as the mesher normalises them).
std::unique_ptr<lindrove::Mesh> first_triangulation(const BoundaryDescription& d, lindrove::Outline& in);

// The pair that f stops with, or Pair::count when it runs through.
lindrove::Pair stop_pair(const std::function<void()>& f);
