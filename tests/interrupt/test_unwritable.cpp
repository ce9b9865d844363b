// Outputs that cannot be written: every program in a read-only working directory,
// and each output of a run in turn with a directory in its way or a full disk
// under it. The run ends with status 5 and one line naming the file, and leaves
// every file it found as it was, the earlier outputs written before included.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "jobs.h"
#include "unwritable.h"

namespace {

class Unwritable : public testing::TestWithParam<JobPair> {};

// The earlier run's outputs beside the later run's inputs, as a user's directory
// holds them before the next run.
void after_earlier_run(const Sandbox& box, const JobPair& p)
{
    put_inputs(box, p.earlier);
    for (const auto& [name, bytes] : reference(p, false).outputs) box.write(name, bytes);
    put_inputs(box, p.later);
}

TEST_P(Unwritable, ReadOnlyDirectoryKeepsEveryFile)
{
    const JobPair& p = GetParam();
    for (bool earlier : {false, true}) {
        SCOPED_TRACE(earlier ? "over an earlier run's files" : "in a directory of inputs only");
        Sandbox box;
        if (earlier)
            after_earlier_run(box, p);
        else
            put_inputs(box, p.later);
        const Files before = box.snapshot();
        const std::string why = make_unwritable(box);
        if (!why.empty()) GTEST_SKIP() << why;
        RunResult r = run_job(box, p.later);
        EXPECT_EQ(r.status, 5);
        EXPECT_EQ(r.err, p.later.program + ": " + p.outputs[0] + ": cannot be written: Permission denied\n");
        EXPECT_EQ(differences(before, box.snapshot()), "");
    }
}

// An output is written beside its place and moved there once all are written.
bool disk_full_under(const Sandbox& box, const std::string& output)
{
    return symlink("/dev/full", box.path(output + ".tmp").c_str()) == 0;
}

bool directory_at(const Sandbox& box, const std::string& output)
{
    std::remove(box.path(output).c_str());
    return mkdir(box.path(output).c_str(), 0755) == 0;
}

TEST_P(Unwritable, ALaterOutputThatCannotBeWrittenKeepsTheEarlierOnes)
{
    const JobPair& p = GetParam();
    struct Case {
        std::string output;
        const char* what;
        bool (*block)(const Sandbox&, const std::string&);
        const char* reason;
    };
    // the disk fills while each output in turn is written; a directory stands where
    // the run's last output goes (the others have their place in each program's refusals)
    std::vector<Case> cases;
    for (const std::string& o : p.outputs) cases.push_back({o, "a full disk", disk_full_under, "No space left on device"});
    cases.push_back({p.outputs.back(), "a directory in the way", directory_at, "Is a directory"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output + ": " + c.what);
        Sandbox box;
        after_earlier_run(box, p);
        ASSERT_TRUE(c.block(box, c.output));
        Files expected = box.snapshot();
        if (p.removed_on_failure) expected.erase(p.removed_on_failure);
        RunResult r = run_job(box, p.later);
        EXPECT_EQ(r.status, 5);
        EXPECT_EQ(r.err, p.later.program + ": " + c.output + ": cannot be written: " + c.reason + "\n");
        EXPECT_EQ(differences(expected, box.snapshot()), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, Unwritable, testing::ValuesIn(writers()),
                         [](const testing::TestParamInfo<JobPair>& info) { return std::string(info.param.name); });

// print writes nothing, so a read-only directory does not stop it.
TEST(UnwritablePrint, RunsInAReadOnlyDirectory)
{
    Sandbox box;
    box.write("data2d.txt", "a file that print does not look at\n");
    const Files before = box.snapshot();
    const std::string why = make_unwritable(box);
    if (!why.empty()) GTEST_SKIP() << why;
    RunResult r = box.run("print");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Include Application Please!\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(differences(before, box.snapshot()), "");
}

}  // namespace
