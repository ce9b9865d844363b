// Work matrices: small dense matrices stored by rows with a fixed row length W
// (6 for triangles, 8 for quadrilaterals), whatever their used size; entry (i, j)
// lies at W*i + j. The operation orders are part of the result files' bytes.
#pragma once

template <int W>
void setw1(double* a, int l, int m)
{
    for (int i = 0; i < l; ++i)
        for (int j = 0; j < m; ++j) a[W * i + j] = 0.0;
}

// R (l x n) = A (l x m) * B (m x n), each entry accumulated from 0 in the order k = 0..m-1.
template <int W>
void seki(const double* a, const double* b, double* r, int l, int m, int n)
{
    for (int i = 0; i < l; ++i)
        for (int j = 0; j < n; ++j) {
            r[W * i + j] = 0.0;
            for (int k = 0; k < m; ++k) r[W * i + j] = a[W * i + k] * b[W * k + j] + r[W * i + j];
        }
}

// T (l x m) = transpose of A.
template <int W>
void transpose(const double* a, double* t, int l, int m)
{
    for (int i = 0; i < l; ++i)
        for (int j = 0; j < m; ++j) t[W * i + j] = a[W * j + i];
}

template <int W>
void sclar(double* a, double s, int l, int m)
{
    for (int i = 0; i < l; ++i)
        for (int j = 0; j < m; ++j) a[W * i + j] *= s;
}

// Clears the first m entries of the first l rows of a table whose rows are `stride` long.
inline void setw2(double* table, int stride, int l, int m)
{
    for (int i = 0; i < l; ++i)
        for (int j = 0; j < m; ++j) table[static_cast<long>(stride) * i + j] = 0.0;
}
