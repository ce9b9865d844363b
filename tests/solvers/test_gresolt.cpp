// gresolt_tri end to end: the echo, the two result files and the count lines
// byte for byte, inputs that must not change the flow, refusals of broken or
// unsolvable models, unstable steps and interrupted runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "ebe_cases.h"
#include "flow_cases.h"
#include "refusals.h"

namespace {

// The unit square as two triangles, every velocity prescribed (flags of 1 and
// more) and every pressure fixed, so that each step ends exactly where it
// started. Node numbers 10..40, material numbers 7 and 8 and element numbers
// 5 and 9 are not used; the first material's Reynolds number of 0 is replaced
// by the second's; node 1's first boundary record and node 2's first load
// record are replaced by later ones; the loads' second values do nothing.
const char* const square =
    "4 2 2 5 5\n"
    "10 0 0\n20 1 0\n30 1 1\n40 0 1\n"
    "7 1000 0.3 0\n8 2.5e3 0.25 5\n"
    "5 1 2 3 3\n9 1 3 4 3\n"
    "1 1 1 9 9\n1 1 1 0.5 -0.25\n2 2 1 1.5 0\n3 1 5 -2 1e-3\n4 1 1 0 0.75\n"
    "2 1 77\n1 2 5\n3 -3.5 0\n4 0.25 -1\n2 1.25 0\n";

const char* const square_echo =
    "4\t2\t2\t5\t5\n"
    "10\t0.000000\t0.000000\n20\t1.000000\t0.000000\n30\t1.000000\t1.000000\n40\t0.000000\t1.000000\n"
    "7\t1.000000e+03\t0.300000\t0.000000\n8\t2.500000e+03\t0.250000\t5.000000\n"
    "1\t1\t2\t3\t3\n2\t1\t3\t4\t3\n"
    "1\t1\t1\t9.000000\t9.000000\n1\t1\t1\t0.500000\t-0.250000\n2\t2\t1\t1.500000\t0.000000\n"
    "3\t1\t5\t-2.000000\t0.001000\n4\t1\t1\t0.000000\t0.750000\n"
    "2\t1.000000\n1\t2.000000\n3\t-3.500000\n4\t0.250000\n2\t1.250000\n";

const char* const square_velocity =
    "1  5.000000e-01 -2.500000e-01\n"
    "2  1.500000e+00 0.000000e+00\n"
    "3  -2.000000e+00 1.000000e-03\n"
    "4  0.000000e+00 7.500000e-01\n"
    "\n";

const char* const square_pressure =
    "1  2.000000e+00 0.000000e+00 0.000000e+00\n"
    "2  1.250000e+00 0.000000e+00 0.000000e+00\n"
    "3  -3.500000e+00 0.000000e+00 0.000000e+00\n"
    "4  2.500000e-01 0.000000e+00 0.000000e+00\n"
    "\n";

std::string count_lines_1_to(int n)
{
    std::string s;
    for (int i = 1; i <= n; ++i) s += "Count = " + std::to_string(i) + "\n";
    return s;
}

// A cavity of 4 by 4 cells, a second pressure held on its floor: small, but
// every term of the step at work.
ModelText small_cavity(double lid = 1.0)
{
    ModelText m = lid_driven_cavity(4, lid);
    m.loads.push_back({grid_node(4, 3, 0), 0.5, 0});
    return m;
}

// The unit square of `square` with the lid at u = `lid` (nodes 1 and 2),
// nodes 3 and 4 free and every pressure held at 0, at Re = 1e-4: the
// viscous part of a step multiplies the free velocities by 1 - dt M^-1 K / Re,
// whose eigenvalue there is 1 - 7.1 (K the Laplacian, M the lumped mass), so
// they grow some six times a step until the advection makes them overflow.
std::string unstable_square(const char* lid)
{
    return std::string("4 1 2 2 4\n1 0 0\n2 1 0\n3 1 1\n4 0 1\n1 0 0 1e-4\n1 1 2 3 1\n2 1 3 4 1\n") + "1 1 1 " + lid +
           " 0\n2 1 1 " + lid + " 0\n1 0 0\n2 0 0\n3 0 0\n4 0 0\n";
}

// The step that an instability message names, or -1.
int unstable_step(const std::string& err)
{
    const std::string head = "gresolt_tri: gresolt.txt: the explicit step is unstable at step ";
    const std::string tail = ": dt 1e-4 is too large for this mesh and Reynolds number\n";
    if (err.compare(0, head.size(), head) != 0 || err.size() < head.size() + tail.size() ||
        err.compare(err.size() - tail.size(), tail.size(), tail) != 0)
        return -1;
    return std::stoi(err.substr(head.size()));
}

}  // namespace

TEST(GresoltTri, EchoRowsAndCountsByteForByte)
{
    Sandbox box;
    box.write("gresolt.txt", square);
    for (int run = 0; run < 2; ++run) {
        RunResult r = box.run("gresolt_tri");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        // every output prints its count between the velocity and the pressure
        // file: 1000 of them, the last after step 20000
        EXPECT_EQ(r.out, square_echo + count_lines_1_to(1000)) << "run " << run;
        EXPECT_EQ(box.read("result_gresolt.txt"), square_velocity);
        EXPECT_EQ(box.read("result_gresolt_pres.txt"), square_pressure);
        // the second run replaced the files whole; no temporary file is left
        EXPECT_EQ(box.snapshot().size(), 3u);
    }
}

TEST(GresoltTri, ChangesThatLeaveTheFlowAlone)
{
    // the leading numbers, the element's material number, the loads' second
    // values, an earlier material and earlier records for the same node, and
    // the line structure all leave the flow alone
    const ModelText base = small_cavity();
    FlowRun ref = run_flow(base.text());
    ASSERT_EQ(ref.counts, 1000);
    ASSERT_EQ(ref.u.size(), 25u);

    auto renumbered = [&] {
        std::string t = base.text();
        std::string out;
        // every record's leading number becomes 99, for nodes, materials and elements
        size_t line = 0, at = 0;
        const size_t np = base.nodes.size(), first = 1, last = np + 1 + base.elements.size();
        while (at < t.size()) {
            size_t end = t.find('\n', at);
            std::string row = t.substr(at, end - at);
            if (line >= first && line <= last) row = "99" + row.substr(row.find(' '));
            out += row + "\n";
            at = end + 1;
            ++line;
        }
        return out;
    };
    ModelText other = base;
    for (auto& l : other.loads) l.fy = -123.5;
    for (auto& e : other.elements) e.material = 7;
    other.materials.insert(other.materials.begin(), {5, 5, 0.5});
    other.bounds.insert(other.bounds.begin(), {base.bounds.back().node, 0, 0, 3, 3});
    other.loads.insert(other.loads.begin(), {base.loads.front().node, 9, 9});
    std::string one_per_line = base.text();
    for (char& c : one_per_line)
        if (c == ' ') c = '\n';

    struct Case { const char* what; std::string text; };
    const Case cases[] = {
        {"leading numbers", renumbered()},
        {"material numbers, second values, replaced records", other.text()},
        {"every token on its own line", one_per_line},
    };
    for (const Case& c : cases) {
        FlowRun f = run_flow(c.text);
        EXPECT_EQ(f.counts, 1000) << c.what;
        EXPECT_EQ(f.u, ref.u) << c.what;
        EXPECT_EQ(f.v, ref.v) << c.what;
        EXPECT_EQ(f.p, ref.p) << c.what;
    }
}

TEST(GresoltTri, BrokenOrUnsolvableModelsAreRefusedAndTheResultsStay)
{
    const std::string tidy = square;
    auto replaced = [&](const std::string& from, const std::string& to) { return replaced_in(tidy, from, to); };
    const std::string header = "gresolt.txt: header: ";
    const std::vector<Refusal> cases = {
        {"missing file", "", 2, "gresolt.txt: cannot be opened: No such file or directory"},
        {"empty file", "\n", 2, "gresolt.txt: header: the file ends before the node count"},
        {"load record without its second value", tidy.substr(0, tidy.size() - 3), 2,
         "gresolt.txt: load record 5: the file ends before the second value"},
        {"word for a coordinate", replaced("20 1 0\n", "20 1 abc\n"), 2,
         "gresolt.txt: node record 2: expected a real for y, found 'abc'"},
        {"real for a flag", replaced("2 2 1 1.5 0", "2 2.0 1 1.5 0"), 2,
         "gresolt.txt: boundary record 3: expected an integer for the u flag, found '2.0'"},
        {"too many nodes", "20001 1 0 0 1\n", 2, header + "the node count 20001 is over the limit of 20000"},
        {"too many elements", "4 1 20001 0 1\n", 2, header + "the element count 20001 is over the limit of 20000"},
        {"negative count", "4 1 2 -1 1\n", 2, header + "the boundary record count is negative (-1)"},
        {"no nodes", "0 1 0 0 1\n", 2, header + "the model has no nodes"},
        {"no material", "4 0 2 5 5\n", 2, header + "the model has no material record, so no Reynolds number"},
        {"no load record", "4 1 2 5 0\n", 3, header + "the model has no load record, so no pressure is fixed"},
        {"last Reynolds number zero", replaced("0.25 5\n", "0.25 0\n"), 2,
         "gresolt.txt: material record 2: the Reynolds number must be above zero, found 0"},
        {"Reynolds number negative", replaced("0.25 5\n", "0.25 -2.5\n"), 2,
         "gresolt.txt: material record 2: the Reynolds number must be above zero, found -2.5"},
        {"element node out of range", replaced("9 1 3 4 3", "9 1 3 5 3"), 2,
         "gresolt.txt: element 2: node 5 is not in 1..4"},
        {"boundary node out of range", replaced("4 1 1 0 0.75", "0 1 1 0 0.75"), 2,
         "gresolt.txt: boundary record 5: node 0 is not in 1..4"},
        {"load node out of range", replaced("4 0.25 -1", "-4 0.25 -1"), 2,
         "gresolt.txt: load record 4: node -4 is not in 1..4"},
        {"degenerate triangle", replaced("30 1 1\n", "30 2 0\n"), 3,
         "gresolt.txt: element 1: nodes 1 2 3 enclose no area"},
        {"node in no element", replaced("4 2 2 5 5\n", "5 2 2 5 5\n").insert(tidy.find("7 1000"), "50 3 3\n"), 3,
         "gresolt.txt: node 5 is in no element, so it has no mass"},
        {"a part of the mesh without a fixed pressure",
         "6 1 2 0 1\n1 0 0\n2 1 0\n3 0 1\n4 5 5\n5 6 5\n6 5 6\n1 0 0 1\n1 1 2 3 1\n2 4 5 6 1\n2 0 0\n", 3,
         "gresolt.txt: no pressure is fixed in the part of the mesh that holds node 4: its pressure equation has no "
         "solution"},
        // pressures of some 1e11 cannot meet an absolute tolerance of 1e-5: the
        // pressure solve gives up, and the message names the step
        {"pressures too large for the tolerance", small_cavity(1e7).text(), 4, "step 1: no convergence after "},
        {"velocity file cannot be written", tidy, 5, "result_gresolt.txt: cannot be written: Is a directory",
         "result_gresolt.txt"},
        {"pressure file cannot be written", tidy, 5, "result_gresolt_pres.txt: cannot be written: Is a directory",
         "result_gresolt_pres.txt"},
    };
    expect_refusals("gresolt_tri", "gresolt.txt", square, cases);
}

TEST(GresoltTri, UnstableStepsStopAndKeepTheLastOutput)
{
    // growing from 1e-40, the free velocities overflow only after a few outputs
    {
        Sandbox box;
        box.write("gresolt.txt", unstable_square("1e-40"));
        RunResult r = box.run("gresolt_tri");
        EXPECT_EQ(r.status, 4);
        int step = unstable_step(r.err);
        ASSERT_GT(step, 20) << r.err;
        // the failing step writes nothing; the outputs before it stay
        int outputs = (step - 1) / 20;
        EXPECT_EQ(count_lines(r.out), outputs);
        const std::string last = "Count = " + std::to_string(outputs) + "\n";
        EXPECT_EQ(r.out.substr(r.out.size() - last.size()), last);
        auto vel = flow_rows(box.read("result_gresolt.txt"), 4, 2);
        auto pres = flow_rows(box.read("result_gresolt_pres.txt"), 4, 3);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(std::isfinite(vel[i][0]) && std::isfinite(vel[i][1])) << "node " << i + 1;
            EXPECT_EQ(pres[i][0], 0.0) << "node " << i + 1;
        }
        EXPECT_EQ(vel[0][0], 1e-40);
        EXPECT_NE(vel[2][0], 0.0) << "the free nodes have moved";
        EXPECT_EQ(box.snapshot().size(), 3u) << "no temporary file is left";
    }
    // growing from 1, they overflow before the first output: the results of
    // an earlier run stay as they were
    {
        Sandbox box;
        box.write("gresolt.txt", square);
        ASSERT_EQ(box.run("gresolt_tri").status, 0);
        box.write("gresolt.txt", unstable_square("1"));
        auto before = box.snapshot();
        RunResult r = box.run("gresolt_tri");
        EXPECT_EQ(r.status, 4);
        int step = unstable_step(r.err);
        EXPECT_GT(step, 0) << r.err;
        EXPECT_LE(step, 20) << r.err;
        EXPECT_EQ(count_lines(r.out), 0);
        EXPECT_TRUE(box.snapshot() == before);
    }
}

TEST(GresoltTri, InterruptedRunLeavesWholeFiles)
{
    // killed at any moment, a run leaves each result file as one output wrote
    // it whole (or not yet written), never empty or cut short
    const ModelText m = lid_driven_cavity(20);
    for (double after : {0.3, 0.7, 1.1}) {
        Sandbox box;
        box.write("gresolt.txt", m.text());
        RunResult r = box.run("gresolt_tri", {}, "", after);
        ASSERT_TRUE(r.timed_out) << "the run ended within " << after << " s";
        struct File { const char* name; int values; };
        for (const File f : {File{"result_gresolt.txt", 2}, File{"result_gresolt_pres.txt", 3}})
            if (box.exists(f.name)) flow_rows(box.read(f.name), 441, f.values);
    }
}
