// The element-by-element kit on hand-made systems: the store, conjugate gradients,
// the conduction matrix and the checks of nodes in no element.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cg.h"
#include "failure.h"
#include "heat.h"

namespace {

constexpr int cap = 4;  // elements per store array in these tests

// A store of up to `cap` elements over the given node numbers (stride 4).
struct SmallStore {
    double ekmat[36 * cap] = {};
    int ndn[cap][4] = {};
    EbeStore store;
    SmallStore(int m, int ne, int np)
    {
        store.m = m;
        store.ekmat = ekmat;
        store.cap = cap;
        store.mesh = ElementNodes{&ndn[0][0], 4, 3, ne, np};
    }
};

// A system of n DOFs on a store, with its own held tables and vectors.
struct SmallSystem {
    std::vector<unsigned char> held;
    std::vector<double> g, r, p, y;
    EbeSystem sys;
    SmallSystem(const EbeStore& store, int n) : held(n, 0), g(n, 0.0), r(n), p(n), y(n)
    {
        sys.store = store;
        sys.n = n;
        sys.held = HeldDofs{held.data(), g.data()};
        sys.free_start = cg_start;
        sys.r = r.data();
        sys.p = p.data();
        sys.y = y.data();
        sys.file = "brundel.txt";
    }
    void hold(int dof, double value)
    {
        held[dof] = 1;
        g[dof] = value;
    }
};

// brundel_tri's model of a strip of nx unit cells, one cell high, as text:
// nodes (i, 0) are 1..nx+1, nodes (i, 1) follow; conductivity 1; every cell
// two counter-clockwise triangles.

std::string strip_text(int nx, const std::string& bounds, int nb, const std::string& loads, int nf)
{
    std::string t = std::to_string(2 * (nx + 1)) + " 1 " + std::to_string(2 * nx) + " " + std::to_string(nb) + " " +
                    std::to_string(nf) + "\n";
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i <= nx; ++i) t += "0 " + std::to_string(i) + " " + std::to_string(j) + "\n";
    t += "1 1 0 1\n";
    for (int i = 0; i < nx; ++i) {
        int a = i + 1, b = i + 2, c = nx + 3 + i, d = nx + 2 + i;
        t += "0 " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + " 1\n";
        t += "0 " + std::to_string(a) + " " + std::to_string(c) + " " + std::to_string(d) + " 1\n";
    }
    return t + bounds + loads;
}

// Reads a model text, fills the heat store and the held tables as brundel_tri does.
struct HeatStrip {
    std::unique_ptr<EbeModel> model{new EbeModel()};  // too large for the stack
    EbeModel& strip = *model;
    std::vector<double> ekmat;
    EbeStore store;
    std::unique_ptr<SmallSystem> s;
    explicit HeatStrip(const std::string& text)
    {
        Scanner sc("brundel.txt", text);
        FILE* null = std::fopen("/dev/null", "w");
        subinput(sc, strip, LoadKind::heat, null);
        std::fclose(null);
        ekmat.assign(9 * strip.ne, 0.0);
        store.m = 3;
        store.ekmat = ekmat.data();
        store.cap = strip.ne;
        store.mesh = ElementNodes{&strip.ndn[0][0], 4, 3, strip.ne, strip.np};
        assemble_heat(strip, store, "brundel.txt");
        s = std::make_unique<SmallSystem>(store, strip.np);
        heat_fixed(strip, s->held.data(), s->g.data());
    }
};

}  // namespace

TEST(EbeStore, ProductsFollowTheLayoutAndTheRowOrder)
{
    // two 3 by 3 elements sharing nodes 2 and 3: position (i, j) of element e
    // lies at ekmat[(3i + j) * cap + e]
    SmallStore a(3, 2, 4);
    int nodes[2][3] = {{1, 2, 3}, {3, 2, 4}};
    for (int e = 0; e < 2; ++e)
        for (int k = 0; k < 3; ++k) a.ndn[e][k] = nodes[e][k];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            a.ekmat[(3 * i + j) * cap + 0] = 10 * i + j;          // element 1: 10i + j
            a.ekmat[(3 * i + j) * cap + 1] = 100 + 10 * i + j;    // element 2: 100 + 10i + j
        }
    const double x[4] = {1, 2, 3, 4};
    double y[4];
    ebe_multiply(a.store, y, x, 4);
    // element 1 rows over (x1, x2, x3) = (1, 2, 3): 8, 68, 128 to nodes 1, 2, 3;
    // element 2 rows over (x3, x2, x4) = (3, 2, 4): 910, 1000, 1090 to nodes 3, 2, 4
    EXPECT_EQ(y[0], 8);
    EXPECT_EQ(y[1], 68 + 1000);
    EXPECT_EQ(y[2], 128 + 910);
    EXPECT_EQ(y[3], 1090);

    // a row is one sum, left to right, before it joins y: (1e16 + 1) - 1e16 = 0
    // where other orders give 1 or 2
    SmallStore o(3, 1, 3);
    o.ndn[0][0] = 1, o.ndn[0][1] = 2, o.ndn[0][2] = 3;
    o.ekmat[0] = 1e16, o.ekmat[cap] = 1, o.ekmat[2 * cap] = -1e16;
    const double ones[3] = {1, 1, 1};
    double yo[3] = {1, 0, 0};
    ebe_product3(o.store, yo, ones, 0);
    EXPECT_EQ(yo[0], 1.0);

    // 6 by 6: the local order is x, y of each node in record order
    SmallStore b(6, 1, 3);
    b.ndn[0][0] = 3, b.ndn[0][1] = 1, b.ndn[0][2] = 2;
    for (int i = 0; i < 6; ++i) b.ekmat[(6 * i + i) * cap] = i + 1;  // diag(1..6)
    const double u[6] = {10, 20, 30, 40, 50, 60};  // x1 y1 x2 y2 x3 y3
    double f[6] = {};
    ebe_product6(b.store, f, u, 0);
    // local DOFs (x3 y3 x1 y1 x2 y2) = (50 60 10 20 30 40) scaled by 1..6
    const double expect[6] = {3 * 10, 4 * 20, 5 * 30, 6 * 40, 1 * 50, 2 * 60};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f[i], expect[i]) << i;
}

TEST(ConjugateGradients, HeldValuesStayExactAndDriveTheFreeOnes)
{
    // strip 0..4: the left end held at 100 (flag ix), the right end at -3.25
    // (flag iy alone, then both flags): linear between
    HeatStrip h(strip_text(4, "1 1 0 100 0\n6 1 0 100 0\n5 0 1 0 -3.25\n10 1 1 -3.25 7\n", 4, "", 0));
    std::vector<double> x(10);
    CgReport rep = cg_solve(h.s->sys, h.strip.tf, x.data());
    EXPECT_GE(rep.loops, 1);
    EXPECT_LE(rep.eps, cg_tolerance);
    EXPECT_EQ(x[0], 100.0);
    EXPECT_EQ(x[5], 100.0);
    EXPECT_EQ(x[4], -3.25);
    EXPECT_EQ(x[9], -3.25);
    for (int i = 0; i <= 4; ++i) {
        double t = 100 + (-3.25 - 100) * i / 4;
        EXPECT_NEAR(x[i], t, 1e-5) << "node " << i + 1;
        EXPECT_NEAR(x[5 + i], t, 1e-5) << "node " << i + 6;
    }
}

TEST(ConjugateGradients, ResidualBelowToleranceStillIteratesOnce)
{
    // both ends held at 0, no load: the start value 1e-10 at the free nodes
    // leaves a residual near 1e-10, below the tolerance but not zero; the one
    // step taken moves them from the start value towards 0
    HeatStrip h(strip_text(3, "1 1 0 0 0\n5 1 0 0 0\n4 1 0 0 0\n8 1 0 0 0\n", 4, "", 0));
    std::vector<double> x(8);
    CgReport rep = cg_solve(h.s->sys, h.strip.tf, x.data());
    EXPECT_EQ(rep.loops, 1);
    EXPECT_LE(rep.eps, cg_tolerance);
    for (int n : {2, 3, 6, 7}) {
        EXPECT_NE(x[n - 1], 1e-10) << "node " << n;
        EXPECT_LT(std::fabs(x[n - 1]), 1e-10) << "node " << n;
    }
}

TEST(ConjugateGradients, ZeroSearchDirectionStopsWithTheStartVector)
{
    // every DOF held: the residual is exactly zero and the step would be 0/0
    HeatStrip h(strip_text(1, "1 1 0 5 0\n2 1 0 6 0\n3 1 0 7 0\n4 1 0 8 0\n", 4, "", 0));
    std::vector<double> x(4);
    CgReport rep = cg_solve(h.s->sys, h.strip.tf, x.data());
    EXPECT_EQ(rep.loops, 1);
    EXPECT_EQ(rep.eps, 0.0);
    const double expect[4] = {5, 6, 7, 8};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(x[i], expect[i]);
}

TEST(ConjugateGradients, BreakdownsAreNumericFailures)
{
    // the store of a strip of 200 cells whose second triangles enter with their
    // signed (negative) area: K is indefinite, and the iteration wanders until
    // the limit of 10 N + 1000 = 5020 iterations ends it
    HeatStrip mixed(strip_text(200, "1 1 0 0 0\n201 1 0 100 0\n", 2, "", 0));
    for (int e = 1; e < mixed.strip.ne; e += 2)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) mixed.store.at(i, j, e) = -mixed.store.at(i, j, e);
    // nothing fixed and heat put in: no steady state exists; the residual as
    // updated collapses while the temperatures drift off towards 1e15, and
    // only the residual of the temperatures themselves shows it
    HeatStrip free(strip_text(2, "", 0, "2 1 0\n", 1));
    // K = [[1, -1], [-1, 1]] on DOFs 0 and 1, DOF 2 held, F = (1, 0): no
    // solution. Iteration 1: alpha = 1, r = (0, 1, 0), mean residual 1/3,
    // p = (1, 1, 0); iteration 2: K p = 0 with p non-zero, alpha = 1/0
    SmallStore a(3, 1, 3);
    a.ndn[0][0] = 1, a.ndn[0][1] = 2, a.ndn[0][2] = 3;
    a.ekmat[0] = 1, a.ekmat[cap] = -1, a.ekmat[3 * cap] = -1, a.ekmat[4 * cap] = 1;
    SmallSystem step(a.store, 3);
    step.hold(2, 0.0);
    const double f[3] = {1, 0, 0};

    struct Case { const char* what; const EbeSystem& sys; const double* f; std::string message; };
    const std::string why = ": the model may not be held, or it mixes element orientations";
    const Case cases[] = {
        {"mixed orientations", mixed.s->sys, mixed.strip.tf, "no convergence after 5020 iterations (mean residual "},
        {"not held", free.s->sys, free.strip.tf, "no convergence after 8 iterations (mean residual 3.3e-1)" + why},
        {"step not finite", step.sys, f, "no convergence after 2 iterations (mean residual 3.3e-1)" + why},
    };
    for (const Case& c : cases) {
        std::vector<double> x(c.sys.n);
        try {
            cg_solve(c.sys, c.f, x.data());
            ADD_FAILURE() << c.what << ": solved";
        } catch (const Failure& e) {
            EXPECT_EQ(e.status(), Status::numeric) << c.what;
            EXPECT_EQ(e.file(), "brundel.txt") << c.what;
            std::string w = e.what();
            EXPECT_EQ(w.rfind(c.message, 0), 0u) << c.what << ": " << w;
            ASSERT_GE(w.size(), why.size());
            EXPECT_EQ(w.substr(w.size() - why.size()), why) << c.what << ": " << w;
        }
    }
}

TEST(HeatElement, ConductionMatrixOfTheRightTriangleInEitherOrientation)
{
    // (0,0) (1,0) (0,1), k = 2: K = k/2 [[2,-1,-1],[-1,1,0],[-1,0,1]]
    const double k123[3][3] = {{2, -1, -1}, {-1, 1, 0}, {-1, 0, 1}};
    for (bool clockwise : {false, true}) {
        std::string text = clockwise ? "3 1 1 0 0\n1 0 0\n2 1 0\n3 0 1\n1 2 0 1\n1 1 3 2 1\n"
                                     : "3 1 1 0 0\n1 0 0\n2 1 0\n3 0 1\n1 2 0 1\n1 1 2 3 1\n";
        HeatStrip h(text);
        // local order follows the record: clockwise swaps nodes 2 and 3
        const int local[3] = {0, clockwise ? 2 : 1, clockwise ? 1 : 2};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                EXPECT_EQ(h.store.at(i, j, 0), k123[local[i]][local[j]]) << clockwise << " " << i << "," << j;
    }
}

TEST(HeatElement, DegenerateTriangleIsRefused)
{
    try {
        HeatStrip h("3 1 1 0 0\n1 0 0\n2 1 1\n3 2 2\n1 2 0 1\n1 1 2 3 1\n");
        ADD_FAILURE() << "accepted";
    } catch (const Failure& f) {
        EXPECT_EQ(f.status(), Status::model);
        EXPECT_EQ(std::string(f.what()), "element 1: nodes 1 2 3 enclose no area");
    }
}

TEST(EbeModel, NodeInNoElementMustBeFixedEveryWay)
{
    // node 4 lies in no element; nothing but its fixed values can set it
    std::unique_ptr<EbeModel> m(new EbeModel());
    Scanner sc("nalvik.txt", "4 1 1 0 0\n1 0 0\n2 1 0\n3 0 1\n4 5 5\n1 1 0 1\n1 1 2 3 1\n");
    FILE* null = std::fopen("/dev/null", "w");
    subinput(sc, *m, LoadKind::force, null);
    std::fclose(null);
    struct Case { int dofs; unsigned char x, y; const char* message; };
    const Case cases[] = {
        {1, 1, 0, nullptr},
        {1, 0, 0, "node 4 is in no element and its temperature is not fixed"},
        {2, 1, 1, nullptr},
        {2, 1, 0, "node 4 is in no element and is not held in y"},
        {2, 0, 1, "node 4 is in no element and is not held in x"},
        {2, 0, 0, "node 4 is in no element and is not held in x and y"},
    };
    for (const Case& c : cases) {
        unsigned char held[8] = {1, 1, 1, 1, 1, 1, 1, 1};
        if (c.dofs == 1) held[3] = c.x;
        else held[6] = c.x, held[7] = c.y;
        try {
            check_unused_nodes(*m, held, c.dofs, "nalvik.txt");
            EXPECT_EQ(c.message, nullptr) << c.dofs << " " << int(c.x) << int(c.y) << ": accepted";
        } catch (const Failure& f) {
            ASSERT_NE(c.message, nullptr) << f.what();
            EXPECT_EQ(f.status(), Status::model);
            EXPECT_EQ(std::string(f.what()), c.message);
        }
    }
}
