// The element-by-element matrix store and its products: no global matrix is ever formed.
#pragma once
#include <cassert>

#include "results.h"

// The element matrices of one program, organised by matrix position: m*m arrays
// (m = 3 with one DOF per node, 6 with two), each `cap` doubles long and indexed
// by the 0-based element, so that ekmat[(m*i + j)*cap + e] is position (i, j) of
// element e. The local order is the element's nodes as in its record; with two
// DOFs per node, x then y of each node. The program owns the storage (a fixed
// table as long as its element limit) and fills every position of an element
// once before the first product.
struct EbeStore {
    int m = 3;
    double* ekmat = nullptr;
    long cap = 0;
    ElementNodes mesh{};  // element e has nodes mesh.ndn[e * mesh.stride + 0..2], 1-based
    // Every element matrix equals its transpose bit for bit (set by
    // ebe_mark_symmetric): the products then read position (j, i) below the
    // diagonal from the array of (i, j), the same values from a third less memory.
    bool symmetric = false;

    double* pos(int i, int j) const
    {
        assert(i >= 0 && i < m && j >= 0 && j < m);
        return ekmat + static_cast<long>(m * i + j) * cap;
    }
    double& at(int i, int j, int e) const { return pos(i, j)[e]; }
};

// Sets s.symmetric when every stored element matrix is its own transpose bit
// for bit (call once the store is filled); leaves it unset otherwise.
void ebe_mark_symmetric(EbeStore& s);

// Stores the m x m matrix of element e, given as a work matrix of row length w.
void ebe_put(const EbeStore& s, int e, const double* ke, int w);

// Adds element e's part of y = K x, one DOF per node: every row is one sum,
// y[a] = y[a] + ((k00*xa + k01*xb) + k02*xc), rows added in local order.
void ebe_product3(const EbeStore& s, double* y, const double* x, int e);
// The same with two DOFs per node over 2a, 2a+1, 2b, 2b+1, 2c, 2c+1.
void ebe_product6(const EbeStore& s, double* y, const double* x, int e);

// y = K x over n DOFs: y cleared, then every element's product in element order.
// The bytes of y are those of calling ebe_product3/6 element by element.
void ebe_multiply(const EbeStore& s, double* y, const double* x, int n);
// The same without clearing y: y = y + K x, for a y cleared in an earlier pass.
void ebe_accumulate(const EbeStore& s, double* y, const double* x);
