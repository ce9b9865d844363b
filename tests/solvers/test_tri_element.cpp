// Constant-strain triangle matrices against hand-computed values.
#include <gtest/gtest.h>

#include <cstring>

#include "failure.h"
#include "tri_analysis.h"
#include "tri_element.h"

namespace {

Stiffness k1, k2;

// Unit square (0,0) (1,0) (1,1) (0,1), E = 1, nu = 0, t = 1: area 0.5 and B
// entries of +-1, so every stiffness entry is a multiple of 0.25.
void unit_square(Structure& s)
{
    s = Structure{};
    s.np = 4;
    s.nm = 1;
    s.dimk = 8;
    const double x[] = {0, 1, 1, 0}, y[] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) s.xx[i] = x[i], s.yy[i] = y[i];
    s.ee[0] = 1;
    s.pp[0] = 0;
    s.hh[0] = 1;
}

// Element (1 2 3) of the unit square, by hand: K = A t B^T D B.
const double ke123[6][6] = {
    {0.5, 0, -0.5, 0, 0, 0},
    {0, 0.25, 0.25, -0.25, -0.25, 0},
    {-0.5, 0.25, 0.75, -0.25, -0.25, 0},
    {0, -0.25, -0.25, 0.75, 0.25, -0.5},
    {0, -0.25, -0.25, 0.25, 0.25, 0},
    {0, 0, 0, -0.5, 0, 0.5},
};

}  // namespace

TEST(TriangleElement, StrainMatrixAndAreaOfTheUnitSquareHalf)
{
    Structure s;
    unit_square(s);
    s.ne = 1;
    s.ndn[0][0] = 1, s.ndn[0][1] = 2, s.ndn[0][2] = 3;
    double b[3 * tri_w];
    bmatrix(s.xx, s.yy, s.ndn, 0, b);
    const double expect[3][6] = {{-1, 0, 1, 0, 0, 0}, {0, 0, 0, -1, 0, 1}, {0, -1, -1, 1, 1, 0}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 6; ++j) EXPECT_EQ(b[tri_w * i + j], expect[i][j]) << i << "," << j;
    EXPECT_EQ(culcsfunc1(s.xx, s.yy, s.ndn, 0), 0.5);
    s.ndn[0][1] = 3, s.ndn[0][2] = 2;
    EXPECT_EQ(culcsfunc1(s.xx, s.yy, s.ndn, 0), -0.5);
}

TEST(TriangleElement, PlaneStressMatrix)
{
    double d[3 * tri_w];
    plane_stress_d<tri_w>(2.0, 0.0, d);  // nu = 0: shear term is E / 2
    EXPECT_EQ(d[0], 2.0);
    EXPECT_EQ(d[1], 0.0);
    EXPECT_EQ(d[2 * tri_w + 2], 1.0);
    plane_stress_d<tri_w>(0.75, 0.5, d);  // c = 0.75 / 0.75 = 1
    EXPECT_EQ(d[0], 1.0);
    EXPECT_EQ(d[1], 0.5);
    EXPECT_EQ(d[tri_w], 0.5);
    EXPECT_EQ(d[tri_w + 1], 1.0);
    EXPECT_EQ(d[2 * tri_w + 2], 0.25);
}

TEST(TriangleElement, AssemblyAddsBothTrianglesIntoSharedEntries)
{
    Structure s;
    unit_square(s);
    s.ne = 1;
    s.ndn[0][0] = 1, s.ndn[0][1] = 2, s.ndn[0][2] = 3;
    s.im[0] = 1;
    std::memset(k1, 0, sizeof k1);
    assemble_tri(s, k1, "nalvik.txt");
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 6; ++b) EXPECT_EQ(k1[a][b], ke123[a][b]) << a << "," << b;

    // element (1 3 4) mirrors (1 2 3) across the diagonal: with nu = 0 its
    // contribution to node 1's x diagonal is again 0.5, so the sum is 1.0
    s.ne = 2;
    s.ndn[1][0] = 1, s.ndn[1][1] = 3, s.ndn[1][2] = 4;
    s.im[1] = 1;
    std::memset(k1, 0, sizeof k1);
    assemble_tri(s, k1, "nalvik.txt");
    EXPECT_EQ(k1[0][0], 0.5 + 0.25);   // node 1 x: 0.5 from (1 2 3), 0.25 (shear) from (1 3 4)
    EXPECT_EQ(k1[1][1], 0.25 + 0.5);
    EXPECT_EQ(k1[4][4], 0.25 + 0.5);   // node 3 x, both elements
    for (int r = 0; r < 8; ++r) {
        double row = 0;
        for (int c = 0; c < 8; c += 2) row += k1[r][c];
        EXPECT_EQ(row, 0.0) << "rigid translation in x must cost nothing, row " << r;
    }
}

TEST(TriangleElement, ClockwiseTriangleGivesTheSameStiffness)
{
    Structure s;
    unit_square(s);
    s.ne = 1;
    s.im[0] = 1;
    s.ndn[0][0] = 1, s.ndn[0][1] = 2, s.ndn[0][2] = 3;
    std::memset(k1, 0, sizeof k1);
    assemble_tri(s, k1, "nalvik.txt");
    s.ndn[0][1] = 3, s.ndn[0][2] = 2;
    std::memset(k2, 0, sizeof k2);
    assemble_tri(s, k2, "nalvik.txt");
    for (int a = 0; a < 8; ++a)
        for (int b = 0; b < 8; ++b) EXPECT_EQ(k1[a][b], k2[a][b]) << a << "," << b;
}

TEST(TriangleElement, DegenerateTriangleIsRefusedByNumber)
{
    Structure s;
    unit_square(s);
    s.xx[2] = 2, s.yy[2] = 0;  // nodes 1 2 3 on the x axis
    s.ne = 2;
    s.im[0] = s.im[1] = 1;
    s.ndn[0][0] = 1, s.ndn[0][1] = 3, s.ndn[0][2] = 4;
    s.ndn[1][0] = 1, s.ndn[1][1] = 2, s.ndn[1][2] = 3;
    std::memset(k1, 0, sizeof k1);
    try {
        assemble_tri(s, k1, "nalvik.txt");
        FAIL() << "a triangle without area was assembled";
    } catch (const Failure& f) {
        EXPECT_EQ(f.status(), Status::model);
        EXPECT_EQ(f.file(), "nalvik.txt");
        EXPECT_STREQ(f.what(), "element 2: nodes 1 2 3 enclose no area");
    }
}
