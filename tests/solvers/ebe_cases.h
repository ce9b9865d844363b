// What the tests of the iterating solvers share: the report line, strip models, refusal runs.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "model_text.h"
#include "result_rows.h"
#include "sandbox.h"

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

// text with the first `from` replaced by `to`; a `from` that is not there fails the test.
inline std::string replaced_in(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Runs `program` in a box whose inputs have been broken: it must end with
// `status`, one line on standard error starting "program: " + message, and
// every file of the box as it was.
inline void expect_refusal(const Sandbox& box, const std::string& program, const std::string& what, int status,
                           const std::string& message)
{
    auto before = box.snapshot();
    RunResult r = box.run(program);
    EXPECT_EQ(r.status, status) << what;
    EXPECT_EQ(r.err.rfind(program + ": " + message, 0), 0u) << what << ": " << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << what;
    EXPECT_TRUE(box.snapshot() == before) << what << ": files on disk changed";
}
