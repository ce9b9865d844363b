// Good inputs for every batch program, large enough that a kill can fall while
// they write and small enough that a run takes a fraction of a second.
#include "jobs.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "mesh_check.h"
#include "model_text.h"
#include "result_rows.h"

namespace {

// nx by ny unit cells, node (i, j) numbered j (nx + 1) + i + 1; two triangles or one
// quadrilateral per cell, material 1.
ModelText grid(int nx, int ny, bool quads)
{
    ModelText m;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i) m.nodes.push_back({double(i), double(j)});
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            int a = j * (nx + 1) + i + 1, b = a + 1, c = a + nx + 2, d = a + nx + 1;
            if (quads) {
                m.elements.push_back({{a, b, c, d}, 1});
            } else {
                m.elements.push_back({{a, b, c}, 1});
                m.elements.push_back({{a, c, d}, 1});
            }
        }
    return m;
}

int node_at(int nx, int i, int j) { return j * (nx + 1) + i + 1; }

// A plate held on its left edge and pulled on its right.
std::string pulled_plate(int nx, int ny, bool quads, double load)
{
    ModelText m = grid(nx, ny, quads);
    m.materials.push_back({210000, 0.3, 1});
    for (int j = 0; j <= ny; ++j) {
        m.bounds.push_back({node_at(nx, 0, j), 1, 1, 0, 0});
        m.loads.push_back({node_at(nx, nx, j), load, 0});
    }
    return m.text();
}

// Conduction between a left edge at 0 and a right edge at `right`.
std::string heated_plate(int nx, int ny, double right)
{
    ModelText m = grid(nx, ny, false);
    m.materials.push_back({1.5, 0, 0});
    for (int j = 0; j <= ny; ++j) {
        m.bounds.push_back({node_at(nx, 0, j), 1, 0, 0, 0});
        m.bounds.push_back({node_at(nx, nx, j), 1, 0, right, 0});
    }
    return m.text();
}

// The structure for tombrel, held so that it can expand freely, and its temperatures
// as brundel_tri writes them.
Files thermal_inputs(int nx, int ny, double t0)
{
    ModelText m = grid(nx, ny, false);
    m.materials.push_back({210000, 0.3, 1});
    for (int j = 0; j <= ny; ++j) m.bounds.push_back({node_at(nx, 0, j), 1, j == 0 ? 1 : 0, 0, 0});
    std::string temps;
    char row[80];
    for (size_t n = 0; n < m.nodes.size(); ++n) {
        std::snprintf(row, sizeof row, "%d %e  0.0\n", int(n + 1), 20 + 2 * m.nodes[n].x);
        temps += row;
    }
    char init[80];
    std::snprintf(init, sizeof init, "%g 0 1.2e-5\n", t0);
    return {{"nalvik.txt", m.text()}, {"init_heat.txt", init}, {"result_brundel.txt", temps}};
}

// Flow with every velocity prescribed and every pressure fixed: each of the thousand
// outputs of a run holds the same values, those prescribed.
std::string held_flow(int n, double shift)
{
    ModelText m = grid(n, n, false);
    m.materials.push_back({0, 0, 10});
    for (size_t k = 0; k < m.nodes.size(); ++k) {
        const auto& p = m.nodes[k];
        m.bounds.push_back({int(k + 1), 1, 1, shift + p.x / n, p.y / n - shift});
        m.loads.push_back({int(k + 1), shift * (p.x + p.y), 0});
    }
    return m.text();
}

// A plate 100 by 50 with a round hole, for lindrove_tri02.
std::string plate_outline()
{
    std::vector<Point> outer, hole;
    for (int i = 0; i < 20; ++i) outer.push_back({5.0 * i, 0});
    for (int i = 0; i < 10; ++i) outer.push_back({100, 5.0 * i});
    for (int i = 0; i < 20; ++i) outer.push_back({100 - 5.0 * i, 50});
    for (int i = 0; i < 10; ++i) outer.push_back({0, 50 - 5.0 * i});
    for (int i = 0; i < 16; ++i) hole.push_back({50 + 10 * std::cos(M_PI * i / 8), 25 + 10 * std::sin(M_PI * i / 8)});
    return describe({outer}, {hole}).text();
}

std::string source_file(const std::string& rel) { return read_file(std::string(SUITE_SOURCE_DIR) + "/" + rel); }

std::vector<std::string> mesher_outputs(const char* solver_input)
{
    return {"node.txt", "element.txt", "bound.txt", "force.txt", "init.txt", solver_input};
}

std::vector<JobPair> make_writers()
{
    const std::vector<std::string> structural(result_files, result_files + 5);
    const std::string blocks = source_file("examples/plate/data2d.txt");
    const std::string outline = plate_outline();
    std::vector<JobPair> v;
    // a solver on one model file, each run on its own model
    auto solver = [&v](const char* program, const char* file, std::string earlier, std::string later,
                       std::vector<std::string> outputs) {
        v.push_back({program, {program, {}, "", {{file, earlier}}}, {program, {}, "", {{file, later}}}, outputs});
    };
    solver("nalvik_tri", "nalvik.txt", pulled_plate(40, 35, false, 10), pulled_plate(40, 35, false, 25), structural);
    solver("nalvik_quad", "nalvik.txt", pulled_plate(30, 30, true, 10), pulled_plate(30, 30, true, 25), structural);
    solver("brundel_tri", "brundel.txt", heated_plate(50, 40, 100), heated_plate(50, 40, 250), {"result_brundel.txt"});
    v.push_back({"tombrel", {"tombrel", {}, "", thermal_inputs(40, 30, 20)}, {"tombrel", {}, "", thermal_inputs(40, 30, 0)},
                 structural});
    solver("gresolt_tri", "gresolt.txt", held_flow(10, 0.5), held_flow(10, 0.25),
           {"result_gresolt.txt", "result_gresolt_pres.txt"});

    // the block meshers on one block model, each run with its own partition
    const struct {
        const char* program;
        std::vector<std::string> earlier, later;
        const char* solver_input;
    } meshers[] = {
        {"pelmiro_const", {"8", "1"}, {"14", "0"}, "nalvik.txt"},
        {"pelmiro_tri", {"8"}, {"14"}, "nalvik.txt"},
        {"pelmiro_hea", {"8"}, {"14"}, "brundel.txt"},
        {"pelmiro_flu", {"8"}, {"14"}, "gresolt.txt"},
    };
    for (const auto& m : meshers)
        v.push_back({m.program, {m.program, m.earlier, "", {{"data2d.txt", blocks}}},
                     {m.program, m.later, "", {{"data2d.txt", blocks}}}, mesher_outputs(m.solver_input)});

    v.push_back({"lindrove_tri01",
                 {"lindrove_tri01", {}, "", {{"model2d.dxf", read_file(fixture_path("outline/rect_lines_r2000.dxf"))}}},
                 {"lindrove_tri01", {}, "", {{"model2d.dxf", source_file("examples/drawing/model2d.dxf")}}},
                 {"out.txt", "facter.txt", "fig_non.txt", "INPUT01.TXT"},
                 "INPUT01.TXT"});
    v.push_back({"lindrove_tri02",
                 {"lindrove_tri02", {}, "1500\n", {{"INPUT01.TXT", outline}}},
                 {"lindrove_tri02", {}, "4000\n", {{"INPUT01.TXT", outline}}},
                 {"nalvik.txt"}});
    return v;
}

}  // namespace

const std::vector<JobPair>& writers()
{
    static const std::vector<JobPair> v = make_writers();
    return v;
}

void put_inputs(const Sandbox& box, const Job& job)
{
    for (const auto& [name, bytes] : job.inputs) box.write(name, bytes);
}

RunResult run_job(const Sandbox& box, const Job& job, double timeout)
{
    return box.run(job.program, job.args, job.input, timeout);
}

Files files_of(const Sandbox& box, const std::vector<std::string>& names)
{
    Files f;
    for (const std::string& n : names)
        if (box.exists(n)) f[n] = read_file(box.path(n));
    return f;
}

const Reference& reference(const JobPair& pair, bool later)
{
    static std::map<std::string, Reference> made;
    const std::string key = std::string(pair.name) + (later ? " later" : " earlier");
    auto found = made.find(key);
    if (found != made.end()) return found->second;
    const Job& job = later ? pair.later : pair.earlier;
    Sandbox box;
    put_inputs(box, job);
    auto start = std::chrono::steady_clock::now();
    RunResult r = run_job(box, job);
    Reference ref;
    ref.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(r.status, 0) << key << ": " << r.err;
    ref.outputs = files_of(box, pair.outputs);
    EXPECT_EQ(ref.outputs.size(), pair.outputs.size()) << key << ": not every output was written";
    ref.out = r.out;
    return made[key] = ref;
}

std::string differences(const Files& before, const Files& after)
{
    std::string d;
    for (const auto& [name, bytes] : before) {
        auto a = after.find(name);
        if (a == after.end())
            d += name + " lost; ";
        else if (a->second != bytes)
            d += name + " changed; ";
    }
    for (const auto& [name, bytes] : after)
        if (!before.count(name)) d += name + " appeared; ";
    return d;
}
