// Reading result rows back in the tests of the iterating solvers, and the strip models they share.
#pragma once
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "model_text.h"

// Rows of a result file: the leading integers and `per_row` values each.
struct ResultRows {
    std::vector<int> number;
    std::vector<std::vector<double>> value;
};

inline ResultRows result_rows(const std::string& text, int per_row)
{
    ResultRows r;
    std::istringstream in(text);
    int n;
    while (in >> n) {
        std::vector<double> v(per_row);
        for (double& x : v) in >> x;
        r.number.push_back(n);
        r.value.push_back(v);
    }
    return r;
}

// The solver's report line "\nloop=%d, eps=%e\n"; loops -1 when it is absent.
struct LoopLine {
    int loops = -1;
    double eps = -1;
};

inline LoopLine loop_line(const std::string& console)
{
    static const std::regex line("\nloop=([1-9][0-9]*), eps=([0-9]\\.[0-9]{6}e[-+][0-9]{2,3})\n");
    std::smatch m;
    LoopLine l;
    if (std::regex_search(console, m, line)) {
        l.loops = std::stoi(m[1]);
        l.eps = std::stod(m[2]);
    }
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
