// Reading solver inputs back and building block models for the mesher's tests.
#include "mesh_text.h"

#include <gtest/gtest.h>

#include <sstream>

SolverInput parse_solver_input(const std::string& text, int k)
{
    SolverInput s;
    std::istringstream in(text);
    in >> s.np >> s.nm >> s.ne >> s.nb >> s.nf;
    int num;
    for (int i = 0; i < s.np; ++i) {
        double x, y;
        in >> num >> x >> y;
        s.x.push_back(x);
        s.y.push_back(y);
    }
    for (int i = 0; i < s.nm; ++i) {
        std::vector<double> m(3);
        in >> num >> m[0] >> m[1] >> m[2];
        s.materials.push_back(m);
    }
    for (int i = 0; i < s.ne; ++i) {
        std::vector<int> e(k + 2);
        for (int& v : e) in >> v;
        s.elements.push_back(e);
    }
    for (int i = 0; i < s.nb; ++i) {
        ModelText::Bound b;
        in >> b.node >> b.ix >> b.iy >> b.u >> b.v;
        s.bounds.push_back(b);
    }
    for (int i = 0; i < s.nf; ++i) {
        ModelText::Load l;
        in >> l.node >> l.fx >> l.fy;
        s.loads.push_back(l);
    }
    EXPECT_FALSE(in.fail()) << "malformed solver input:\n" << text;
    return s;
}

double twice_area(const SolverInput& s, int e)
{
    const std::vector<int>& el = s.elements[e];
    const int k = static_cast<int>(el.size()) - 2;
    double a = 0;
    for (int i = 0; i < k; ++i) {
        int p = el[1 + i] - 1, q = el[1 + (i + 1) % k] - 1;
        a += s.x[p] * s.y[q] - s.x[q] * s.y[p];
    }
    return a;
}

BlockGrid block_grid(int nx, int ny, double size)
{
    BlockGrid g;
    g.nx = nx;
    g.ny = ny;
    auto& pts = g.model.nodes;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i) pts.push_back({i * size, j * size});
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i < nx; ++i) pts.push_back({(i + 0.5) * size, j * size});
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i <= nx; ++i) pts.push_back({i * size, (j + 0.5) * size});
    g.model.materials.push_back({1000, 0.25, 1});
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i)
            g.model.elements.push_back({{g.corner(i, j), g.bottom_mid(i, j), g.corner(i + 1, j), g.left_mid(i + 1, j),
                                         g.corner(i + 1, j + 1), g.bottom_mid(i, j + 1), g.corner(i, j + 1),
                                         g.left_mid(i, j)},
                                        1});
    return g;
}
