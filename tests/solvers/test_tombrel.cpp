// tombrel end to end: thermal stress states known from theory (no thermal
// load, free expansion, full restraint), the echo byte for byte, the layout of
// the five result files that korvanta reads, and refusals of broken input.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <utility>

#include "ebe_cases.h"
#include "refusals.h"

namespace {

// result_brundel.txt as brundel_tri writes it.
std::string brundel_rows(const std::vector<double>& t)
{
    std::string s;
    char buf[64];
    for (size_t i = 0; i < t.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%zu %e  0.0\n", i + 1, t[i]);
        s += buf;
    }
    return s;
}

// Two cells on [0, 2] x [0, 1], E = 1, nu = 0, t = 1, the left edge held,
// 0.5 pulling on each right node: uniaxial stress 1, so u = x, v = 0.
const char* const two_cells =
    "6 1 4 2 2\n"
    "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n"
    "1 1 0 1\n"
    "1 1 2 5 1\n2 1 5 4 1\n3 2 3 6 1\n4 2 6 5 1\n"
    "1 1 1 0 0\n4 1 1 0 0\n"
    "3 0.5 0\n6 0.5 0\n";

// A distorted grid of 4 by 3 cells on [0, 2] x [0, 1.5], E = 1000, nu = 0.25,
// t = 0.5, numbered boundary first; every second triangle turned clockwise
// when asked.
Grid plate(bool mixed)
{
    Grid g = boundary_first_grid(4, 3, 2.0, 1.5, false);
    for (int j = 1; j < 3; ++j)
        for (int i = 1; i < 4; ++i) {
            auto& n = g.model.nodes[g.at(i, j) - 1];
            n.x += 0.07 * ((i * 7 + j * 3) % 5 - 2);
            n.y += 0.05 * ((i * 3 + j * 5) % 5 - 2);
        }
    if (mixed)
        for (size_t e = 1; e < g.model.elements.size(); e += 2) std::swap(g.model.elements[e].nodes[1], g.model.elements[e].nodes[2]);
    g.model.materials.push_back({1000.0, 0.25, 0.5});
    return g;
}

// The number of a result row "%d " + "%e " per value, or -1 when the row has
// another form: a decimal number, a blank, and `values` times a value with
// six decimals and a two- or three-digit exponent, each followed by a blank.
long row_number(const std::string& row, int values)
{
    size_t i = 0;
    auto digits = [&](size_t lo, size_t hi) {
        size_t start = i;
        while (i < row.size() && std::isdigit(static_cast<unsigned char>(row[i]))) ++i;
        return i - start >= lo && i - start <= hi;
    };
    auto take = [&](char c) { return i < row.size() && row[i] == c ? (++i, true) : false; };
    if (row.empty() || row[0] == '0' || !digits(1, 9) || !take(' ')) return -1;
    long number = std::stol(row);
    for (int k = 0; k < values; ++k) {
        take('-');
        if (!digits(1, 1) || !take('.') || !digits(6, 6) || !take('e')) return -1;
        if (!take('+') && !take('-')) return -1;
        if (!digits(2, 3) || !take(' ')) return -1;
    }
    return i == row.size() ? number : -1;
}

struct ThermalRun {
    RunResult r;
    std::map<std::string, std::string> files;
};

// Runs tombrel in a fresh directory on a model, init_heat.txt and the node temperatures.
ThermalRun tombrel(const std::string& model, const std::string& init, const std::vector<double>& temps)
{
    Sandbox box;
    box.write("nalvik.txt", model);
    box.write("init_heat.txt", init);
    box.write("result_brundel.txt", brundel_rows(temps));
    ThermalRun run;
    run.r = box.run("tombrel");
    EXPECT_EQ(run.r.status, 0) << run.r.err;
    if (run.r.status == 0)
        for (const char* f : result_files) run.files[f] = box.read(f);
    return run;
}

}  // namespace

TEST(Tombrel, EchoByteForByte)
{
    // two cells on [0, 2] x [0, 1]; the temperatures show the "%3.2f" echo,
    // four nodes to a line and a line end after the last
    const char* const model =
        "6 2 4 3 1\n"
        "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n"
        "5 7 0.5 9\n6 1000 0.25 0.5\n"
        "1 1 2 5 1\n2 1 5 4 1\n3 2 3 6 1\n4 2 6 5 1\n"
        "1 1 1 0 0\n4 1 0 0 0\n4 1 -1 0 0\n"
        "3 2.5 -1\n";
    ThermalRun run = tombrel(model, "20 3 1e-5\n", {-5.5, 1234.567, 0.004, 7, 99.999, 3.14159});
    const std::string head =
        "6  2  4  3  1\n"
        "5     7.000000 0.500000 9.000000\n"
        "6     1000.000000 0.250000 0.500000\n"
        "0    1 1    0.000000 0.000000\n"
        "3    1 0    0.000000 0.000000\n"
        "3    1 -1    0.000000 0.000000\n"
        "3    2.500000 -1.000000\n"
        "Initial Heat = 2.000000e+01\n"
        "Heat Ratio = 1.000000e-05\n"
        "Result Node Temp. = \n"
        "1 : -5.50,\t2 : 1234.57,\t3 : 0.00,\t4 : 7.00,\t\n"
        "5 : 100.00,\t6 : 3.14,\t\n";
    const std::string tail =
        "Read <result_nalvik_strain_elm.txt>\n"
        "write_file_name = result_nalvik_strain.txt\n"
        "Read <result_nalvik_stress_elm.txt>\n"
        "write_file_name = result_nalvik_stress.txt\n";
    const std::string& out = run.r.out;
    ASSERT_EQ(out.rfind(head, 0), 0u) << out;
    ASSERT_GE(out.size(), head.size() + tail.size());
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail) << out;
    LoopLine l = loop_line(out);
    EXPECT_GE(l.loops, 1);
    EXPECT_LE(l.eps, 1e-5);
    char line[80];
    std::snprintf(line, sizeof line, "\nloop=%d, eps=%e\n", l.loops, l.eps);
    EXPECT_EQ(head.size() + std::string(line).size() + tail.size(), out.size()) << out;
    EXPECT_EQ(run.r.err, "");
}

TEST(Tombrel, EveryNodeAtTheReferenceTemperatureLeavesTheLoadsAlone)
{
    ThermalRun run = tombrel(two_cells, "37.5 0 1e-3\n", std::vector<double>(6, 37.5));
    Rows disp = rows(run.files["result_nalvik.txt"], 2);
    ASSERT_EQ(disp.value.size(), 6u);
    const double expect_u[6] = {0, 1, 2, 0, 1, 2};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(disp.value[i][0], expect_u[i], 1e-5) << "node " << i + 1;
        EXPECT_NEAR(disp.value[i][1], 0.0, 1e-5) << "node " << i + 1;
    }
    for (const char* f : {"result_nalvik_stress_elm.txt", "result_nalvik_stress.txt", "result_nalvik_strain_elm.txt"})
        for (const auto& v : rows(run.files[f], 3).value) {
            EXPECT_NEAR(v[0], 1.0, 1e-5) << f;
            EXPECT_NEAR(v[1], 0.0, 1e-5) << f;
            EXPECT_NEAR(v[2], 0.0, 1e-5) << f;
        }
}

TEST(Tombrel, UniformHeatingOfAPlateHeldOnlyAgainstRigidMotionIsFreeExpansion)
{
    // T - T0 = 50, alpha = 1e-3: ux = 0.05 x, uy = 0.05 y, and the written
    // (mechanical) strain and the stress vanish. Node (0, 0) is held both
    // ways, node (2, 0) in y only. A mesh mixing orientations gives the same.
    for (bool mixed : {false, true}) {
        Grid g = plate(mixed);
        g.model.bounds.push_back({g.at(0, 0), 1, 1, 0, 0});
        g.model.bounds.push_back({g.at(4, 0), 0, 1, 0, 0});
        std::vector<double> temps(g.model.nodes.size(), 70.0);
        ThermalRun run = tombrel(g.model.text(), "20 0 1e-3\n", temps);
        Rows disp = rows(run.files["result_nalvik.txt"], 2);
        ASSERT_EQ(disp.value.size(), g.model.nodes.size());
        for (size_t i = 0; i < disp.value.size(); ++i) {
            EXPECT_NEAR(disp.value[i][0], 0.05 * g.model.nodes[i].x, 1e-7) << mixed << " node " << i + 1;
            EXPECT_NEAR(disp.value[i][1], 0.05 * g.model.nodes[i].y, 1e-7) << mixed << " node " << i + 1;
        }
        for (const char* f : {"result_nalvik_strain_elm.txt", "result_nalvik_strain.txt"})
            for (const auto& v : rows(run.files[f], 3).value)
                for (double c : v) EXPECT_NEAR(c, 0.0, 1e-7) << mixed << " " << f;
        for (const char* f : {"result_nalvik_stress_elm.txt", "result_nalvik_stress.txt"})
            for (const auto& v : rows(run.files[f], 3).value)
                for (double c : v) EXPECT_NEAR(c, 0.0, 1e-4) << mixed << " " << f;
    }
}

TEST(Tombrel, FullyRestrainedPlateCarriesTheThermalStress)
{
    // every node held at 0: nothing is left to solve (the search direction is
    // zero from the start), the strain written is alpha (T0 - T) = -0.05 and
    // sx = sy = E alpha (T0 - T) / (1 - nu) = -66.6667, txy = 0: compression
    // when heated
    Grid g = plate(false);
    for (size_t n = 1; n <= g.model.nodes.size(); ++n) g.model.bounds.push_back({int(n), 1, 1, 0, 0});
    std::vector<double> temps(g.model.nodes.size(), 70.0);
    ThermalRun run = tombrel(g.model.text(), "20 0 1e-3\n", temps);
    EXPECT_NE(run.r.out.find("\nloop=1, eps=0.000000e+00\n"), std::string::npos) << run.r.out;
    // 20 nodes: a line end after the twentieth, as after every fourth, and one more after the last
    EXPECT_NE(run.r.out.find("20 : 70.00,\t\n\n\nloop="), std::string::npos) << run.r.out;
    const double s = 1000.0 * 1e-3 * (20.0 - 70.0) / (1 - 0.25);
    for (const auto& v : rows(run.files["result_nalvik.txt"], 2).value) {
        EXPECT_EQ(v[0], 0.0);
        EXPECT_EQ(v[1], 0.0);
    }
    for (const char* f : {"result_nalvik_strain_elm.txt", "result_nalvik_strain.txt"}) {
        Rows strain = rows(run.files[f], 3);
        EXPECT_FALSE(strain.value.empty());
        for (const auto& v : strain.value) {
            EXPECT_NEAR(v[0], -0.05, 1e-9) << f;
            EXPECT_NEAR(v[1], -0.05, 1e-9) << f;
            EXPECT_EQ(v[2], 0.0) << f;
        }
    }
    for (const char* f : {"result_nalvik_stress_elm.txt", "result_nalvik_stress.txt"})
        for (const auto& v : rows(run.files[f], 3).value) {
            EXPECT_NEAR(v[0], s, 1e-4) << f;
            EXPECT_NEAR(v[1], s, 1e-4) << f;
            EXPECT_EQ(v[2], 0.0) << f;
        }
    for (const auto& kv : run.files) EXPECT_EQ(kv.second.find("nan"), std::string::npos) << kv.first;
}

TEST(Tombrel, NodeInNoElementHeldBothWaysKeepsItsValuesAndZeroMeans)
{
    std::string model = two_cells;
    model.replace(0, 9, "7 1 4 3 2");
    model.insert(model.find("1 1 0 1\n"), "7 9 9\n");
    model.insert(model.find("3 0.5 0\n"), "7 1 1 0.25 -0.5\n");
    ThermalRun run = tombrel(model, "20 0 1e-3\n", {20, 30, 40, 50, 60, 70, 80});
    EXPECT_NE(run.files["result_nalvik.txt"].find("\n7 2.500000e-01 -5.000000e-01 \n"), std::string::npos);
    for (const char* f : {"result_nalvik_strain.txt", "result_nalvik_stress.txt"})
        EXPECT_NE(run.files[f].find("\n7 0.000000e+00 0.000000e+00 0.000000e+00 \n"), std::string::npos) << f;
}

TEST(Tombrel, TheIntegerOfInitHeatHasNoEffect)
{
    std::vector<double> temps = {20, 80, 140, 35, 90, 60};
    ThermalRun first = tombrel(two_cells, "20 0 1e-3\n", temps);
    for (const char* init : {"20 -7 1e-3", "20\n123456\n1.0E-3\n", "2.0e1\t99\t0.001"}) {
        ThermalRun other = tombrel(two_cells, init, temps);
        EXPECT_EQ(other.r.out, first.r.out) << init;
        EXPECT_TRUE(other.files == first.files) << init;
    }
}

TEST(Tombrel, ResultFilesHaveTheLayoutKorvantaReads)
{
    // a loaded and heated plate: displacement file np rows of two values,
    // element files ne rows, node files np rows of three, each row numbered
    // from 1 in order, "%d " then "%e " per value, then the line end
    Grid g = plate(false);
    g.model.bounds.push_back({g.at(0, 0), 1, 1, 0, 0});
    g.model.bounds.push_back({g.at(0, 3), 1, 0, 0, 0});
    g.model.loads.push_back({g.at(4, 3), 3.0, -2.0});
    std::vector<double> temps;
    for (const auto& n : g.model.nodes) temps.push_back(20 + 30 * n.x - 10 * n.y);
    ThermalRun run = tombrel(g.model.text(), "20 0 1.2e-5\n", temps);
    const size_t np = g.model.nodes.size(), ne = g.model.elements.size();
    struct Layout { const char* file; size_t rows; int values; };
    const Layout layouts[] = {
        {"result_nalvik.txt", np, 2},          {"result_nalvik_strain_elm.txt", ne, 3},
        {"result_nalvik_stress_elm.txt", ne, 3}, {"result_nalvik_strain.txt", np, 3},
        {"result_nalvik_stress.txt", np, 3},
    };
    for (const Layout& l : layouts) {
        const std::string& text = run.files[l.file];
        size_t at = 0, count = 0;
        while (at < text.size()) {
            size_t end = text.find('\n', at);
            ASSERT_NE(end, std::string::npos) << l.file << ": the last row has no line end";
            std::string line = text.substr(at, end - at);
            ASSERT_EQ(row_number(line, l.values), long(++count)) << l.file << ": '" << line << "'";
            at = end + 1;
        }
        EXPECT_EQ(count, l.rows) << l.file;
    }
}

TEST(Tombrel, BrokenInputIsRefusedAndEarlierResultsStay)
{
    const std::string tidy = two_cells;
    auto replaced = [&](const std::string& from, const std::string& to) { return replaced_in(tidy, from, to); };
    const std::string temps = brundel_rows({20, 30, 40, 50, 60, 70});
    // the right cell's two elements gone: nodes 3 and 6 are in no element, and nothing
    // but a boundary record could fix them
    const std::string left_cell_only =
        replaced_in(replaced("6 1 4 2 2\n", "6 1 2 2 2\n"), "3 2 3 6 1\n4 2 6 5 1\n", "");
    // (what, text, status, message, blocked, file): text replaces `file`, nalvik.txt when null
    const char* const init = "init_heat.txt";
    const char* const rb = "result_brundel.txt";
    const std::vector<Refusal> cases = {
        {"model missing", "", 2, "nalvik.txt: cannot be opened: No such file or directory"},
        {"too many nodes", "60001 1 2 2 2\n", 2,
         "nalvik.txt: header: the node count 60001 is over the limit of 60000"},
        {"element node out of range", replaced("2 1 5 4 1", "2 1 5 7 1"), 2,
         "nalvik.txt: element 2: node 7 is not in 1..6"},
        {"load record cut short", tidy.substr(0, tidy.size() - 3), 2,
         "nalvik.txt: load record 2: the file ends before fy"},
        {"degenerate triangle", replaced("5 1 1\n", "5 1 0\n"), 3,
         "nalvik.txt: element 1: nodes 1 2 5 enclose no area"},
        {"not held", replaced("1 1 1 0 0\n4 1 1 0 0\n", "1 0 0 0 0\n4 0 0 0 0\n"), 4,
         "no convergence after "},
        {"held by flags below 1", replaced("1 1 1 0 0\n4 1 1 0 0\n", "1 -1 -1 0 0\n4 -1 -1 0 0\n"), 4,
         "no convergence after "},
        {"free nodes in no element", left_cell_only, 3,
         "nalvik.txt: node 3 is in no element and is not held in x and y"},
        {"a node in no element held in x only",
         replaced_in(replaced_in(left_cell_only, "6 1 2 2 2\n", "6 1 2 4 2\n"), "4 1 1 0 0\n",
                     "4 1 1 0 0\n3 1 0 0 0\n6 1 1 0 0\n"),
         3, "nalvik.txt: node 3 is in no element and is not held in y"},
        {"init_heat.txt missing", "", 2, "init_heat.txt: cannot be opened: No such file or directory", nullptr, init},
        {"init_heat.txt short", "20 0\n", 2,
         "init_heat.txt: the file ends before the expansion coefficient", nullptr, init},
        {"init_heat.txt real for the integer", "20 1.5 1e-3\n", 2,
         "init_heat.txt: expected an integer for the integer after the reference temperature, found '1.5'", nullptr, init},
        {"init_heat.txt word for alpha", "20 0 abc\n", 2,
         "init_heat.txt: expected a real for the expansion coefficient, found 'abc'", nullptr, init},
        {"temperatures missing", "", 2,
         "result_brundel.txt: cannot be opened: No such file or directory", nullptr, rb},
        {"fewer rows than nodes", brundel_rows({20, 30, 40, 50, 60}), 2,
         "result_brundel.txt: has 5 rows for the 6 nodes of nalvik.txt: it belongs to another mesh", nullptr, rb},
        {"more rows than nodes", brundel_rows({20, 30, 40, 50, 60, 70, 80}), 2,
         "result_brundel.txt: has more rows than the 6 nodes of nalvik.txt: it belongs to another mesh", nullptr, rb},
        {"rows numbered otherwise", "1 20 0.0\n3 30 0.0\n2 40 0.0\n4 50 0.0\n5 5 0\n6 6 0\n", 2,
         "result_brundel.txt: row 2: is numbered 3: the file belongs to another mesh than nalvik.txt", nullptr, rb},
        {"word for a temperature", "1 20 0.0\n2 30 0.0\n3 hot 0.0\n4 50 0.0\n5 5 0\n6 6 0\n", 2,
         "result_brundel.txt: row 3: expected a real for the temperature, found 'hot'", nullptr, rb},
        {"last row cut short", temps.substr(0, temps.size() - 5), 2,
         "result_brundel.txt: row 6: the file ends before the second value", nullptr, rb},
    };
    expect_refusals("tombrel", "nalvik.txt", two_cells, cases, {}, {{init, "20 0 1e-3\n"}, {rb, temps}});
}
