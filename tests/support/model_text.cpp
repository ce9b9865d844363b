// Writing test models and the boundary-first grid.
#include "model_text.h"

#include <cstdio>
#include <sstream>

#include <gtest/gtest.h>

namespace {

std::string g(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

}  // namespace

std::string ModelText::text() const
{
    std::string s = std::to_string(nodes.size()) + " " + std::to_string(materials.size()) + " " +
                    std::to_string(elements.size()) + " " + std::to_string(bounds.size()) + " " +
                    std::to_string(loads.size()) + "\n";
    for (size_t i = 0; i < nodes.size(); ++i)
        s += std::to_string(i + 1) + " " + g(nodes[i].x) + " " + g(nodes[i].y) + "\n";
    for (size_t i = 0; i < materials.size(); ++i)
        s += std::to_string(i + 1) + " " + g(materials[i].e) + " " + g(materials[i].nu) + " " + g(materials[i].t) + "\n";
    for (size_t i = 0; i < elements.size(); ++i) {
        s += std::to_string(i + 1);
        for (int n : elements[i].nodes) s += " " + std::to_string(n);
        s += " " + std::to_string(elements[i].material) + "\n";
    }
    for (const Bound& b : bounds)
        s += std::to_string(b.node) + " " + std::to_string(b.ix) + " " + std::to_string(b.iy) + " " + g(b.u) + " " +
             g(b.v) + "\n";
    for (const Load& l : loads) s += std::to_string(l.node) + " " + g(l.fx) + " " + g(l.fy) + "\n";
    return s;
}

ModelText parse_model_text(const std::string& text, int k)
{
    ModelText m;
    std::istringstream in(text);
    size_t np = 0, nm = 0, ne = 0, nb = 0, nf = 0;
    int number;
    in >> np >> nm >> ne >> nb >> nf;
    m.nodes.resize(np);
    for (auto& n : m.nodes) in >> number >> n.x >> n.y;
    m.materials.resize(nm);
    for (auto& mat : m.materials) in >> number >> mat.e >> mat.nu >> mat.t;
    m.elements.resize(ne);
    for (auto& e : m.elements) {
        e.nodes.resize(k);
        in >> number;
        for (int& n : e.nodes) in >> n;
        in >> e.material;
    }
    m.bounds.resize(nb);
    for (auto& b : m.bounds) in >> b.node >> b.ix >> b.iy >> b.u >> b.v;
    m.loads.resize(nf);
    for (auto& l : m.loads) in >> l.node >> l.fx >> l.fy;
    if (!in) ADD_FAILURE() << "model text is short or malformed";
    return m;
}

Grid boundary_first_grid(int nx, int ny, double w, double h, bool quads)
{
    Grid g;
    g.nx = nx;
    g.ny = ny;
    g.node_of.assign((nx + 1) * (ny + 1), 0);
    int next = 1;
    auto take = [&](int i, int j) {
        int& n = g.node_of[j * (nx + 1) + i];
        if (n == 0) n = next++;
    };
    for (int i = 0; i <= nx; ++i) take(i, 0);
    for (int j = 0; j <= ny; ++j) take(nx, j);
    for (int i = nx; i >= 0; --i) take(i, ny);
    for (int j = ny; j >= 0; --j) take(0, j);
    for (int j = 1; j < ny; ++j)
        for (int i = 1; i < nx; ++i) take(i, j);
    g.model.nodes.resize(next - 1);
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            g.model.nodes[g.at(i, j) - 1] = {w * i / nx, h * j / ny};
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            int a = g.at(i, j), b = g.at(i + 1, j), c = g.at(i + 1, j + 1), d = g.at(i, j + 1);
            if (quads) {
                g.model.elements.push_back({{a, b, c, d}, 1});
            } else {
                g.model.elements.push_back({{a, b, c}, 1});
                g.model.elements.push_back({{a, c, d}, 1});
            }
        }
    return g;
}
