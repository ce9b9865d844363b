// Element areas and block models for the mesher's tests.
#include "mesh_text.h"

double twice_area(const ModelText& m, int e)
{
    const std::vector<int>& el = m.elements[e].nodes;
    const size_t k = el.size();
    double a = 0;
    for (size_t i = 0; i < k; ++i) {
        const ModelText::Node &p = m.nodes[el[i] - 1], &q = m.nodes[el[(i + 1) % k] - 1];
        a += p.x * q.y - q.x * p.y;
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
