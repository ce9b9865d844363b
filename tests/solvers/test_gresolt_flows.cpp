// gresolt_tri on flows whose answer is known: a fluid at rest, fully developed
// channel flow, and the lid-driven cavity against a peer's steady solution.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "flow_cases.h"

namespace {

// Every node on the edge of an n by n box held at rest, node `free_node` given
// a boundary record whose flags (0 and -1) leave it free, and the pressure
// fixed at c at two corners.
ModelText box_at_rest(int n, double c, int free_node)
{
    ModelText m = flow_grid(n, n, 1.0, 1.0, 10.0);
    for (int j = 0; j <= n; ++j)
        for (int i = 0; i <= n; ++i)
            if (i == 0 || i == n || j == 0 || j == n) m.bounds.push_back({grid_node(n, i, j), 1, 1, 0, 0});
    m.bounds.push_back({free_node, 0, -1, 5, 5});
    m.loads.push_back({grid_node(n, 0, 0), c, 0});
    m.loads.push_back({grid_node(n, n, n), c, 0});
    return m;
}

// A channel 2 by 1 in 20 by 10 cells: the parabola u = 4 y (1 - y) flowing in
// at x = 0, walls at rest at y = 0 and y = 1, the pressure held at 0 along the
// outlet x = 2, where the velocity is free.
ModelText channel(double re, bool mixed)
{
    const int nx = 20, ny = 10;
    ModelText m = flow_grid(nx, ny, 2.0, 1.0, re, mixed);
    for (int j = 0; j <= ny; ++j) {
        double y = 1.0 * j / ny;
        m.bounds.push_back({grid_node(nx, 0, j), 1, 1, 4 * y * (1 - y), 0});
    }
    for (int i = 1; i <= nx; ++i) {
        m.bounds.push_back({grid_node(nx, i, 0), 1, 1, 0, 0});
        m.bounds.push_back({grid_node(nx, i, ny), 1, 1, 0, 0});
    }
    for (int j = 0; j <= ny; ++j) m.loads.push_back({grid_node(nx, nx, j), 0, 0});
    return m;
}

// Least-squares slope of p over x.
double slope(const std::vector<double>& x, const std::vector<double>& p)
{
    double n = x.size(), sx = 0, sp = 0, sxx = 0, sxp = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sp += p[i];
        sxx += x[i] * x[i];
        sxp += x[i] * p[i];
    }
    return (n * sxp - sx * sp) / (n * sxx - sx * sx);
}

}  // namespace

TEST(GresoltFlow, FluidAtRestStaysAtRest)
{
    // no velocity anywhere and one pressure c everywhere is the exact state;
    // the solver may leave a residual of its tolerance (a mean of 1e-5)
    const int n = 6;
    const int free_node = grid_node(n, 3, 3);
    FlowRun f = run_flow(box_at_rest(n, 3.5, free_node).text());
    ASSERT_EQ(f.p.size(), 49u);
    EXPECT_EQ(f.counts, 1000);
    for (size_t i = 0; i < f.p.size(); ++i) {
        EXPECT_NEAR(f.u[i], 0.0, 1e-6) << "node " << i + 1;
        EXPECT_NEAR(f.v[i], 0.0, 1e-6) << "node " << i + 1;
        EXPECT_NEAR(f.p[i], 3.5, 1e-4) << "node " << i + 1;
    }

    // with c = 0 nothing is ever non-zero: the pressure solve meets a zero
    // residual and a zero search direction at once and must keep P at 0, not
    // divide 0 by 0; every value is written as an exact zero
    Sandbox box;
    box.write("gresolt.txt", box_at_rest(n, 0.0, free_node).text());
    RunResult r = box.run("gresolt_tri", {}, "", 120);
    ASSERT_EQ(r.status, 0) << r.err;
    std::string vel, pres;
    char row[80];
    for (int i = 1; i <= 49; ++i) {
        std::snprintf(row, sizeof row, "%d  0.000000e+00 0.000000e+00\n", i);
        vel += row;
        std::snprintf(row, sizeof row, "%d  0.000000e+00 0.000000e+00 0.000000e+00\n", i);
        pres += row;
    }
    EXPECT_EQ(box.read("result_gresolt.txt"), vel + "\n");
    EXPECT_EQ(box.read("result_gresolt_pres.txt"), pres + "\n");
}

TEST(GresoltFlow, ChannelKeepsThePoiseuilleProfile)
{
    // fully developed flow between plates 1 apart with u = 4 y (1 - y): the
    // viscous terms balance a pressure gradient dp/dx = u''/Re = -8/Re, so p
    // falls linearly to 0 at the outlet and v = 0. The Galerkin form of the
    // viscous terms keeps the parabola up to the outlet held at pressure 0.
    // A mesh whose every second triangle runs clockwise must flow alike.
    struct Case { double re; bool mixed; };
    for (const Case c : {Case{1.0, false}, Case{2.0, true}}) {
        ModelText m = channel(c.re, c.mixed);
        FlowRun f = run_flow(m.text());
        ASSERT_EQ(f.u.size(), m.nodes.size());
        std::vector<double> x;
        for (size_t i = 0; i < m.nodes.size(); ++i) {
            double y = m.nodes[i].y;
            EXPECT_NEAR(f.u[i], 4 * y * (1 - y), 2e-3) << "Re " << c.re << ", node " << i + 1;
            EXPECT_NEAR(f.v[i], 0.0, 2e-3) << "Re " << c.re << ", node " << i + 1;
            // along the inlet, where the velocity is prescribed, the pressure
            // of equal-order triangles strays by a few per cent at the corners
            if (m.nodes[i].x > 0) {
                EXPECT_NEAR(f.p[i], 8 / c.re * (2 - m.nodes[i].x), 0.01 * 16 / c.re) << "Re " << c.re << ", node " << i + 1;
            }
            x.push_back(m.nodes[i].x);
        }
        EXPECT_NEAR(slope(x, f.p), -8 / c.re, 0.01 * 8 / c.re) << "Re " << c.re;
    }
}

TEST(GresoltFlow, LidDrivenCavityMatchesTheSteadySolution)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "20000 steps on 1089 nodes take minutes under the sanitizers; the normal build runs this test";
#endif
    // 32 by 32 cells at Re = 10, the lid moving at u = 1. At t = 2 the flow
    // has settled: the slowest Stokes mode of the square decays like
    // exp(-52 t / Re).
    const int n = 32;
    const ModelText m = lid_driven_cavity(n);

    // The steady solution by FreeFem++ 4.11 (Debian 12's freefem++), Taylor-Hood
    // P2/P1 on square(256, 256), Newton from the Stokes flow, the lid's end
    // points at rest: tests/fixtures/gresolt/cavity_re10.edp -n 256 -corner 0.
    // On square(128, 128) the values differ by at most 1e-6. u on the vertical
    // centre line x = 0.5 and v on the horizontal one y = 0.5, at k / 32.
    static constexpr double u_ref[33] = {
        0, -0.0205189, -0.0385426, -0.0547372, -0.0696239, -0.0836051, -0.096984, -0.109977,
        -0.122722, -0.13528, -0.147636, -0.159692, -0.171261, -0.182055, -0.191677, -0.199602,
        -0.205165, -0.207549, -0.20577, -0.198673, -0.184928, -0.163043, -0.131389, -0.088247,
        -0.0318793, 0.0393651, 0.126912, 0.23179, 0.35443, 0.494461, 0.650529, 0.820201, 1};
    static constexpr double v_ref[33] = {
        0, 0.0504025, 0.0929701, 0.127074, 0.152548, 0.169611, 0.178781, 0.180775,
        0.176415, 0.166562, 0.152056, 0.13368, 0.112148, 0.0880982, 0.0621048, 0.0346926,
        0.00636037, -0.0223932, -0.0510417, -0.0790035, -0.105616, -0.130114, -0.151622, -0.169153,
        -0.181634, -0.18795, -0.187022, -0.177903, -0.159898, -0.132684, -0.09641, -0.0517684, 0};

    FlowRun f = run_flow(m.text(), 300);
    ASSERT_EQ(f.u.size(), 1089u);
    for (int k = 0; k <= n; ++k) {
        EXPECT_NEAR(f.u[grid_node(n, n / 2, k) - 1], u_ref[k], 0.005) << "u at y = " << k << "/32";
        EXPECT_NEAR(f.v[grid_node(n, k, n / 2) - 1], v_ref[k], 0.005) << "v at x = " << k << "/32";
    }
}
