// The operators of the fractional step on fields whose answer is known: the
// element geometry, the predictor's advection and viscous terms, the pressure
// matrix, the right-hand side of the pressure equation and the correction.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "flow.h"
#include "flow_cases.h"

namespace {

const double dt = flow_constants.dt;

// A model read as gresolt_tri reads it, with its geometry and a state.
struct Flow {
    std::unique_ptr<FlowModel> model{new FlowModel()};  // too large for the stack
    std::unique_ptr<FlowGeometry> geometry{new FlowGeometry()};
    std::unique_ptr<FlowState> state{new FlowState()};
    FlowModel& m = *model;
    FlowGeometry& g = *geometry;
    FlowState& s = *state;

    explicit Flow(const ModelText& text)
    {
        ModelText t = text;
        if (t.loads.empty()) t.loads.push_back({1, 0, 0});
        Scanner sc("gresolt.txt", t.text());
        FILE* null = std::fopen("/dev/null", "w");
        flow_read(sc, m, null);
        std::fclose(null);
        flow_geometry(m, g, "gresolt.txt");
    }
    // Sets U, V from functions of x and y at every node.
    void velocity(const std::function<double(double, double)>& u, const std::function<double(double, double)>& v)
    {
        for (int i = 0; i < m.np; ++i) {
            s.U[i] = u(m.xx[i], m.yy[i]);
            s.V[i] = v(m.xx[i], m.yy[i]);
        }
    }
};

}  // namespace

TEST(FlowGeometry, AreasDerivativesAndMassesInEitherOrientation)
{
    // the unit square as (0,0) (1,0) (1,1) and (0,0) (1,1) (0,1), the second
    // also clockwise as (0,0) (0,1) (1,1): the shape derivatives follow the
    // nodes, the area and the masses do not change sign
    for (bool mixed : {false, true}) {
        Flow f(flow_grid(1, 1, 1.0, 1.0, 1.0, mixed));
        const FlowGeometry& g = f.g;
        for (int e = 0; e < 2; ++e) {
            EXPECT_EQ(g.a[e], 0.5) << mixed;
            EXPECT_EQ(g.a3[e], 0.5 / 3) << mixed;
            EXPECT_EQ(g.a12[e], 0.5 / 12) << mixed;
        }
        // N = 1 - x, x - y, y on the first triangle
        const double b0[3] = {-1, 1, 0}, c0[3] = {0, -1, 1};
        // N = 1 - y, x, y - x on the second; clockwise 1 - y, y - x, x
        const double b1[3] = {0, mixed ? -1.0 : 1.0, mixed ? 1.0 : -1.0};
        const double c1[3] = {-1, mixed ? 1.0 : 0.0, mixed ? 0.0 : 1.0};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(g.b[k][0], b0[k]) << k;
            EXPECT_EQ(g.c[k][0], c0[k]) << k;
            EXPECT_EQ(g.b[k][1], b1[k]) << mixed << " " << k;
            EXPECT_EQ(g.c[k][1], c1[k]) << mixed << " " << k;
        }
        // nodes (0,0) and (1,1) lie in both triangles, (1,0) and (0,1) in one
        const double mass[4] = {1.0 / 3, 1.0 / 6, 1.0 / 6, 1.0 / 3};
        for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(1 / g.minv[i], mass[i]) << mixed << " node " << i + 1;
    }
}

TEST(FlowPredict, AdvectionAndViscousTermsOfLinearFields)
{
    // 4 by 4 cells of h = 1/4, Re = 4. The Galerkin Laplacian of a linear
    // field vanishes at inner nodes; at an edge node it is the flux through
    // the edge, h du/dn / Re over the lumped mass h^2 / 2 of its three
    // triangles. The advection integral of a linear field is exact, and over
    // the point-symmetric patch of an inner node divided by the lumped mass
    // it is the pointwise value.
    const int n = 4;
    const double h = 0.25, re = 4;
    struct Case {
        const char* what;
        std::function<double(double, double)> u, v;
        // us, vs expected at an inner node and at the nodes of the top and bottom edges (not corners)
        std::function<double(double, double)> inner_u, inner_v, edge_u;
    };
    const Case cases[] = {
        // u grad u = (x, y): the stagnation flow is pushed on along its streamlines
        {"u = x, v = -y", [](double x, double) { return x; }, [](double, double y) { return -y; },
         [](double x, double) { return x - dt * x; }, [](double, double y) { return -y - dt * y; }, nullptr},
        // shear flow: no advection; du/dn = 1 at the top, -1 at the bottom
        {"u = y, v = 0", [](double, double y) { return y; }, [](double, double) { return 0.0; },
         [](double, double y) { return y; }, [](double, double) { return 0.0; },
         [=](double, double y) { return y + (y == 0 ? 1 : -1) * dt * (h / re) / (h * h / 2); }},
    };
    for (const Case& c : cases) {
        Flow f(flow_grid(n, n, 1.0, 1.0, re));
        f.velocity(c.u, c.v);
        flow_predict(f.m, f.g, f.s);
        for (int j = 0; j <= n; ++j)
            for (int i = 0; i <= n; ++i) {
                int k = grid_node(n, i, j) - 1;
                double x = f.m.xx[k], y = f.m.yy[k];
                if (i > 0 && i < n && j > 0 && j < n) {
                    EXPECT_NEAR(f.s.us[k], c.inner_u(x, y), 1e-15) << c.what << ", node " << k + 1;
                    EXPECT_NEAR(f.s.vs[k], c.inner_v(x, y), 1e-15) << c.what << ", node " << k + 1;
                } else if (c.edge_u && i > 0 && i < n) {
                    EXPECT_NEAR(f.s.us[k], c.edge_u(x, y), 1e-15) << c.what << ", node " << k + 1;
                }
            }
    }
}

TEST(FlowPressure, MatrixRightHandSideAndCorrection)
{
    const int n = 4;
    Flow f(flow_grid(n, n, 1.0, 1.0, 1.0));

    // the pressure matrix of (0,0) (1/4,0) (1/4,1/4) is that of conduction
    // with k = 1, the same for every size: 1/2 [[1,-1,0],[-1,2,-1],[0,-1,1]]
    std::vector<double> ekmat(9 * flow_max_elements);
    EbeStore store{3, ekmat.data(), flow_max_elements, flow_elements(f.m)};
    pressure_laplacian(f.m, f.g, store);
    const double k[3][3] = {{0.5, -0.5, 0}, {-0.5, 1, -0.5}, {0, -0.5, 0.5}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(store.at(i, j, 0), k[i][j]) << i << "," << j;
    // it is its own transpose bit for bit, so the products may read half of it
    ebe_mark_symmetric(store);
    EXPECT_TRUE(store.symmetric);
    store.at(2, 0, 5) = 1e-300;
    ebe_mark_symmetric(store);
    EXPECT_FALSE(store.symmetric);

    // us = x, vs = y: div = 2 everywhere, so each node takes -2/dt times its
    // share A/3 of every triangle around it, its lumped mass
    for (int i = 0; i < f.m.np; ++i) {
        f.s.us[i] = f.m.xx[i];
        f.s.vs[i] = f.m.yy[i];
    }
    flow_pressure_rhs(f.m, f.g, f.s);
    for (int i = 0; i < f.m.np; ++i) EXPECT_NEAR(f.s.f[i], -2 / dt / f.g.minv[i], 1e-9) << "node " << i + 1;

    // P = 3x - 2y: the gradient (3, -2) gathered over the triangles and
    // divided by the lumped mass is exact at every node, edges included
    for (int i = 0; i < f.m.np; ++i) {
        f.s.us[i] = 0.25;
        f.s.vs[i] = -0.5;
        f.s.P[i] = 3 * f.m.xx[i] - 2 * f.m.yy[i];
    }
    flow_correct(f.m, f.g, f.s);
    for (int i = 0; i < f.m.np; ++i) {
        EXPECT_NEAR(f.s.U[i], 0.25 - 3 * dt, 1e-15) << "node " << i + 1;
        EXPECT_NEAR(f.s.V[i], -0.5 + 2 * dt, 1e-15) << "node " << i + 1;
    }
}

TEST(FlowPressure, DivergenceSumsTheTwoDerivativesApart)
{
    // div = (sum b_k us_k) + (sum c_k vs_k), each sum on its own: on
    // (0,0) (1,0) (1,1), b = (-1, 1, 0) and c = (0, -1, 1); us = (0, 1e16, 0)
    // and vs = (0, 1, 2) give 1e16 + 1 = 1e16, where one running sum would
    // reach (1e16 - 1) + 2 = 1e16 + 2
    Flow f(flow_grid(1, 1, 1.0, 1.0, 1.0));
    const int nodes[3] = {1, 2, 4};  // the first triangle's
    const double us[3] = {0, 1e16, 0}, vs[3] = {0, 1, 2};
    for (int k = 0; k < 3; ++k) {
        f.s.us[nodes[k] - 1] = us[k];
        f.s.vs[nodes[k] - 1] = vs[k];
    }
    f.m.ne = 1;
    flow_pressure_rhs(f.m, f.g, f.s);
    const double a3 = 0.5 / 3;
    const double grouped = -((1e16 / dt) * a3), running = -(((1e16 + 2) / dt) * a3);
    ASSERT_NE(grouped, running);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(f.s.f[nodes[k] - 1], grouped) << k;
}
