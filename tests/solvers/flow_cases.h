// What the tests of the flow solver share: grids of channels and cavities, runs of gresolt_tri and their result rows.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_text.h"
#include "result_rows.h"
#include "sandbox.h"

// nx by ny cells on [0, w] x [0, h]; node (i, j) is number j (nx + 1) + i + 1.
// Each cell is two counter-clockwise triangles sharing the diagonal from its
// lower left corner, or, when `mixed`, the second of them clockwise. One
// material whose third value is the Reynolds number.
inline ModelText flow_grid(int nx, int ny, double w, double h, double re, bool mixed = false)
{
    ModelText m;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i) m.nodes.push_back({w * i / nx, h * j / ny});
    m.materials.push_back({0, 0, re});
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            int a = j * (nx + 1) + i + 1, b = a + 1, c = a + nx + 2, d = a + nx + 1;
            m.elements.push_back({{a, b, c}, 1});
            m.elements.push_back({mixed ? std::vector<int>{a, d, c} : std::vector<int>{a, c, d}, 1});
        }
    return m;
}

inline int grid_node(int nx, int i, int j) { return j * (nx + 1) + i + 1; }

// The lid-driven cavity: the unit square in n by n cells at Re = 10, the lid
// (y = 1, between the walls: its end nodes belong to the walls) moving at
// u = `lid`, every other edge node at rest, the pressure held at 0 at the
// middle of the floor.
inline ModelText lid_driven_cavity(int n, double lid = 1.0)
{
    ModelText m = flow_grid(n, n, 1.0, 1.0, 10.0);
    for (int j = 0; j <= n; ++j)
        for (int i = 0; i <= n; ++i)
            if (i == 0 || i == n || j == 0 || j == n)
                m.bounds.push_back({grid_node(n, i, j), 1, 1, j == n && i > 0 && i < n ? lid : 0.0, 0});
    m.loads.push_back({grid_node(n, n / 2, 0), 0, 0});
    return m;
}

// One finished run: its console, the "Count = " lines it printed, and the
// velocities and pressures of the two result files by node (0-based).
struct FlowRun {
    RunResult run;
    int counts = 0;
    std::vector<double> u, v, p;
};

// The values of a result file of np rows numbered 1..np and `values` values
// each, which ends with an empty line; the test fails on another form.
inline std::vector<std::vector<double>> flow_rows(const std::string& text, int np, int values)
{
    EXPECT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() < 2 ? 0 : text.size() - 2), "\n\n") << "the file ends with an empty line";
    Rows r = rows(text, values);
    EXPECT_EQ(r.number.size(), static_cast<size_t>(np));
    for (size_t i = 0; i < r.number.size(); ++i) EXPECT_EQ(r.number[i], static_cast<int>(i + 1));
    return r.value;
}

inline int count_lines(const std::string& console)
{
    int n = 0;
    for (size_t at = console.find("Count = "); at != std::string::npos; at = console.find("Count = ", at + 1)) ++n;
    return n;
}

// Runs gresolt_tri on a model in a fresh directory; it must end with status 0.
inline FlowRun run_flow(const std::string& model, double timeout = 120)
{
    Sandbox box;
    box.write("gresolt.txt", model);
    FlowRun f;
    f.run = box.run("gresolt_tri", {}, "", timeout);
    EXPECT_EQ(f.run.status, 0) << f.run.err;
    EXPECT_EQ(f.run.err, "");
    f.counts = count_lines(f.run.out);
    int np = static_cast<int>(parse_model_text(model, 3).nodes.size());
    for (const auto& row : flow_rows(box.read("result_gresolt.txt"), np, 2)) {
        f.u.push_back(row[0]);
        f.v.push_back(row[1]);
    }
    for (const auto& row : flow_rows(box.read("result_gresolt_pres.txt"), np, 3)) {
        f.p.push_back(row[0]);
        EXPECT_EQ(row[1], 0.0);
        EXPECT_EQ(row[2], 0.0);
    }
    return f;
}
