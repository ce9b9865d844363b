// What the tests of the iterating solvers share: the report line, strip models, edited model texts.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "model_text.h"
#include "result_rows.h"

// The solver's report line "\nloop=%d, eps=%e\n"; loops -1 when it is absent.
struct LoopLine {
    int loops = -1;
    double eps = -1;
};

inline LoopLine loop_line(const std::string& console)
{
    LoopLine l;
    size_t at = console.find("\nloop=");
    if (at == std::string::npos) return l;
    int loops;
    double eps;
    if (std::sscanf(console.c_str() + at, "\nloop=%d, eps=%lf", &loops, &eps) != 2) return l;
    // the line must read back exactly as "%d" and "%e" write it
    char line[80];
    std::snprintf(line, sizeof line, "\nloop=%d, eps=%e\n", loops, eps);
    if (console.compare(at, std::strlen(line), line) != 0) return l;
    l.loops = loops;
    l.eps = eps;
    return l;
}

enum class Turn { ccw, cw, mixed };  // every triangle counter-clockwise, clockwise, or every second one clockwise

// A strip of nx cells on [0, w] x [0, h], one cell high: node (i, j) is number
// j * (nx + 1) + i + 1; each cell two triangles, material 1.
inline ModelText strip_model(int nx, double w, double h, Turn turn)
{
    ModelText m;
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i <= nx; ++i) m.nodes.push_back({w * i / nx, h * j});
    for (int i = 0; i < nx; ++i) {
        int a = i + 1, b = i + 2, c = nx + 3 + i, d = nx + 2 + i;
        bool cw1 = turn == Turn::cw, cw2 = turn != Turn::ccw;
        m.elements.push_back({cw1 ? std::vector<int>{a, c, b} : std::vector<int>{a, b, c}, 1});
        m.elements.push_back({cw2 ? std::vector<int>{a, d, c} : std::vector<int>{a, c, d}, 1});
    }
    return m;
}

// text with the first `from` replaced by `to`; a `from` that is not there fails the test.
inline std::string replaced_in(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}
