// Model files for tests, written in the layout every solver reads.
#pragma once
#include <string>
#include <vector>

struct ModelText {
    struct Node { double x, y; };
    struct Material { double e, nu, t; };
    struct Element { std::vector<int> nodes; int material; };
    struct Bound { int node, ix, iy; double u, v; };
    struct Load { int node; double fx, fy; };

    std::vector<Node> nodes;
    std::vector<Material> materials;
    std::vector<Element> elements;
    std::vector<Bound> bounds;
    std::vector<Load> loads;

    // One record per line, reals with 17 significant digits so that they read back exactly.
    std::string text() const;
};

// Reads a model file's text back with k nodes per element, by position as the
// solvers do; the test fails on a text that is short or does not convert.
ModelText parse_model_text(const std::string& text, int k);

// A structured grid of nx by ny cells on [0, w] x [0, h], nodes numbered
// boundary first (counter-clockwise from the origin), then interior row by row,
// so that a fixed boundary couples with rows far below it. Each cell becomes two
// counter-clockwise triangles (or one quadrilateral), material 1.
// node_of[j * (nx + 1) + i] gives the node number at grid point (i, j).
struct Grid {
    ModelText model;
    std::vector<int> node_of;
    int at(int i, int j) const { return node_of[j * (nx + 1) + i]; }
    int nx = 0, ny = 0;
};
Grid boundary_first_grid(int nx, int ny, double w, double h, bool quads);
