// Runs killed with SIGKILL at random moments, over an earlier run's outputs or in a
// directory of inputs only: each output is then absent (only where there was none),
// the earlier run's whole or the later run's whole, never empty or cut short; the
// inputs are as they were; nothing else is left but temporary files beside the
// outputs, which the next run, finishing the work, clears away.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "../solvers/flow_cases.h"
#include "jobs.h"

namespace {

// The bytes a process has written so far, or -1 when the system does not say.
long written_by(pid_t pid)
{
    std::ifstream io("/proc/" + std::to_string(pid) + "/io");
    std::string key;
    long value;
    while (io >> key >> value)
        if (key == "wchar:") return value;
    return -1;
}

// Each test draws from its own generator, seeded by the base seed (SUITE_SEED, else a
// fixed one) and its name.
unsigned seed_for(const std::string& test)
{
    const char* env = std::getenv("SUITE_SEED");
    const unsigned base = env ? static_cast<unsigned>(std::strtoul(env, nullptr, 10)) : 20240917u;
    unsigned seed = base;
    for (char c : test) seed = seed * 31 + static_cast<unsigned char>(c);
    std::printf("%s: base seed %u, seed %u\n", test.c_str(), base, seed);
    return seed;
}

// A moment of a run: a share of the later run's time, or of all it writes (its
// console and its files), so that kills also fall while a short write goes on.
struct Moment {
    bool by_bytes;
    double seconds;
    long bytes;
    std::string text() const
    {
        return by_bytes ? "once " + std::to_string(bytes) + " bytes are written"
                        : "after " + std::to_string(seconds) + " s";
    }
};

std::function<bool(pid_t)> when(const Moment& m)
{
    auto start = std::chrono::steady_clock::now();
    return [m, start](pid_t pid) {
        if (m.by_bytes) {
            long w = written_by(pid);
            if (w >= 0) return w >= m.bytes;
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >= m.seconds;
    };
}

class Killed : public testing::TestWithParam<JobPair> {};

TEST_P(Killed, EveryOutputIsAbsentOrWhole)
{
    const JobPair& p = GetParam();
    const Reference& a = reference(p, false);
    const Reference& b = reference(p, true);
    long all_written = static_cast<long>(b.out.size());
    for (const auto& [name, bytes] : b.outputs) all_written += static_cast<long>(bytes.size());
    std::mt19937 gen(seed_for(std::string("Killed.") + p.name));
    auto share = [&gen] { return gen() / 4294967296.0; };

    const int kills = 10;
    int before_the_end = 0;
    for (int k = 0; k < kills; ++k) {
        const bool over_earlier = k % 3 != 0;
        const double u = share();
        const Moment m{k % 2 == 1, u * b.seconds, static_cast<long>(u * all_written)};
        SCOPED_TRACE("kill " + std::to_string(k + 1) + " " + m.text() +
                     (over_earlier ? ", over the earlier outputs" : ", in a directory of inputs only"));
        Sandbox box;
        if (over_earlier) {
            put_inputs(box, p.earlier);
            for (const auto& [name, bytes] : a.outputs) box.write(name, bytes);
        }
        put_inputs(box, p.later);
        RunResult r = box.run_killed(p.later.program, p.later.args, p.later.input, when(m));
        if (r.killed)
            ++before_the_end;
        else
            EXPECT_EQ(r.status, 0) << r.err;

        Files left = box.snapshot();
        for (const auto& [name, bytes] : p.later.inputs) {
            EXPECT_EQ(left.count(name) ? left[name] : "(lost)", bytes) << "input " << name;
            left.erase(name);
        }
        for (const std::string& o : p.outputs) {
            auto f = left.find(o);
            if (f == left.end()) {
                EXPECT_FALSE(over_earlier) << o << ": the earlier output is lost";
                continue;
            }
            const bool whole = f->second == b.outputs.at(o) || (over_earlier && f->second == a.outputs.at(o));
            EXPECT_TRUE(whole) << o << " holds " << f->second.size() << " bytes, neither run's whole output";
            left.erase(f);
        }
        for (const auto& [name, bytes] : left) {
            bool beside_an_output = false;
            for (const std::string& o : p.outputs) beside_an_output |= name.rfind(o + ".", 0) == 0;
            EXPECT_TRUE(beside_an_output) << name << " is left in the directory";
        }

        if (k == kills - 1) {
            RunResult again = box.run(p.later.program, p.later.args, p.later.input);
            EXPECT_EQ(again.status, 0) << again.err;
            Files expected = b.outputs;
            for (const auto& [name, bytes] : p.later.inputs) expected[name] = bytes;
            EXPECT_EQ(differences(expected, box.snapshot()), "") << "the run after the kill";
        }
    }
    EXPECT_GT(before_the_end, 0) << "every run ended before its kill";
}

INSTANTIATE_TEST_SUITE_P(Writers, Killed, testing::ValuesIn(writers()),
                         [](const testing::TestParamInfo<JobPair>& info) { return std::string(info.param.name); });

// A result file of gresolt_tri as one output writes it: rows 1..np in the row form
// (each row reads back and prints again as the same bytes), one empty line, nothing
// after. Returns what is wrong, "" when nothing is.
std::string not_one_output(const std::string& text, int np, bool pressure)
{
    size_t at = 0;
    for (int i = 1; i <= np; ++i) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) return "row " + std::to_string(i) + " is missing or cut short";
        const std::string row = text.substr(at, end + 1 - at);
        int n = 0;
        double a = 0, b = 0, c = 0;
        char again[120];
        if (pressure) {
            if (std::sscanf(row.c_str(), "%d %lf %lf %lf", &n, &a, &b, &c) != 4) return "row " + std::to_string(i) + " is " + row;
            std::snprintf(again, sizeof again, "%d  %e 0.000000e+00 0.000000e+00\n", n, a);
        } else {
            if (std::sscanf(row.c_str(), "%d %lf %lf", &n, &a, &b) != 3) return "row " + std::to_string(i) + " is " + row;
            std::snprintf(again, sizeof again, "%d  %e %e\n", n, a, b);
        }
        if (n != i || row != again) return "row " + std::to_string(i) + " is " + row;
        at = end + 1;
    }
    return text.compare(at, std::string::npos, "\n") == 0 ? "" : "the rows do not end with one empty line";
}

// The lid-driven cavity, whose every output differs: killed at random moments, each
// file is absent or holds the rows of one output whole.
TEST(KilledFlow, CavityFilesHoldOneOutputWhole)
{
    const int n = 16, np = (n + 1) * (n + 1);
    const std::string model = lid_driven_cavity(n).text();
    std::mt19937 gen(seed_for("KilledFlow.CavityFilesHoldOneOutputWhole"));
    auto share = [&gen] { return gen() / 4294967296.0; };
    const long output_bytes = 2 * 30L * np;  // the two files of one output, near enough
    int outputs_seen = 0;
    for (int k = 0; k < 10; ++k) {
        const double u = share();
        const Moment m{k % 2 == 1, 0.02 + 0.6 * u, static_cast<long>(u * 20 * output_bytes)};
        SCOPED_TRACE("kill " + std::to_string(k + 1) + " " + m.text());
        Sandbox box;
        box.write("gresolt.txt", model);
        RunResult r = box.run_killed("gresolt_tri", {}, "", when(m));
        ASSERT_TRUE(r.killed) << "the run ended: " << r.err;
        for (const auto& [file, pressure] : {std::pair<const char*, bool>{"result_gresolt.txt", false},
                                             std::pair<const char*, bool>{"result_gresolt_pres.txt", true}}) {
            if (!box.exists(file)) continue;
            ++outputs_seen;
            EXPECT_EQ(not_one_output(box.read(file), np, pressure), "") << file;
        }
        for (const auto& [name, bytes] : box.snapshot())
            EXPECT_TRUE(name == "gresolt.txt" || name.rfind("result_gresolt", 0) == 0) << name << " is left";
        EXPECT_EQ(box.read("gresolt.txt"), model);
    }
    EXPECT_GT(outputs_seen, 0) << "no kill came after the first output";
}

}  // namespace
