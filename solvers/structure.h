// The tables of one plane-stress run (nalvik_tri, nalvik_quad): the model as read
// from nalvik.txt, the load vector and the solution. Indices are 0-based inside,
// node and material numbers 1-based as in the file.
#pragma once

constexpr int max_nodes = 1500;
constexpr int max_equations = 2 * max_nodes;
constexpr int max_elements = 3000;
constexpr int max_materials = 9;

struct Structure {
    int np = 0, nm = 0, ne = 0, nb = 0, nf = 0;
    int dimk = 0;           // number of equations, 2 * np
    int k = 3;              // nodes per element: 3 triangles, 4 quadrilaterals
    double xx[max_nodes], yy[max_nodes];
    double ee[max_materials], pp[max_materials], hh[max_materials];
    int ndn[max_elements][4];   // element node numbers, 1-based, first k used
    int im[max_elements];       // element material number, 1-based
    int ix[max_nodes], iy[max_nodes];
    double u[max_nodes], v[max_nodes];
    double tf[max_equations];   // load vector, then right-hand side
    double solve[max_equations];
};

// The global stiffness matrix in full square storage: row r, column c couple
// equation r with equation c. Dense, as the band solver expects.
using Stiffness = double[max_equations][max_equations];
