// The assembler reads all five scratch files before it writes the solver input:
// this run's rows of each, beside it under its temporary name.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "assemble.h"
#include "outfile.h"
#include "sandbox.h"

namespace {

// A one-triangle mesh as the mesher writes it.
const char* const scratch[5][2] = {
    {"init.txt", "3 1 1 1 1\n"},
    {"node.txt", "1 0.000000e+00 0.000000e+00 \n2 1.000000e+00 0.000000e+00 \n3 0.000000e+00 1.000000e+00 \n"},
    {"element.txt", "1 2.100000e+05 0.300000 1.000000\n1 1 2 3 1 \n"},
    {"bound.txt", "1   1 1   0.000000 0.000000\n"},
    {"force.txt", "2   0.000000 -10.000000\n"},
};

const char* const assembled =
    "3\t1\t1\t1\t1\n"
    "1\t0.000000e+00\t0.000000e+00\n2\t1.000000e+00\t0.000000e+00\n3\t0.000000e+00\t1.000000e+00\n"
    "1\t2.100000e+05\t0.300000\t1.000000\n"
    "1\t1\t2\t3\t1\n"
    "1\t1\t1\t0.000000\t0.000000\n"
    "2\t0.000000\t-10.000000\n";

// Runs the assembler in the sandbox's directory; returns the console and the refusal, if any.
std::string assemble_in(const Sandbox& box, std::string* refusal)
{
    char here[4096];
    EXPECT_NE(getcwd(here, sizeof here), nullptr);
    EXPECT_EQ(chdir(box.dir().c_str()), 0);
    char* buf = nullptr;
    size_t len = 0;
    FILE* out = open_memstream(&buf, &len);
    try {
        assemble_solver_input(pelmiro_const_config, 0, out);
    } catch (const Failure& f) {
        EXPECT_EQ(f.status(), Status::input);
        *refusal = f.file() + ": " + f.what();
    }
    std::fclose(out);
    std::string console(buf, len);
    std::free(buf);
    EXPECT_EQ(chdir(here), 0);
    return console;
}

}  // namespace

TEST(Assembler, CopiesTheScratchRowsIntoTheSolverInput)
{
    Sandbox box;
    for (const auto& f : scratch) box.write(temp_name(f[0]), f[1]);
    std::string refusal;
    std::string console = assemble_in(box, &refusal);
    EXPECT_EQ(refusal, "");
    EXPECT_EQ(console, "End ... init.txt\nEnd ... node.txt\nEnd ... element.txt\nEnd ... bound.txt\nEnd ... force.txt\n");
    EXPECT_EQ(box.read("nalvik.txt"), assembled);
}

TEST(Assembler, ABrokenScratchFileLeavesTheSolverInputAsItWas)
{
    struct Case { int file; const char* text; const char* message; const char* console; };
    const Case cases[] = {
        {0, nullptr, "init.txt: cannot be opened: No such file or directory", ""},
        {0, "3 1 1 1", "init.txt: counts: the file ends before the force row count", ""},
        {0, "3 1 -1 1 1", "init.txt: counts: the element count is negative (-1)", ""},
        {1, "1 0 0 \n2 1 0 \n", "node.txt: node row 3: the file ends before the node number", "End ... init.txt\n"},
        {2, "1 2.1e5 0.3 1\n1 1 2 x 1\n", "element.txt: element row 1: expected an integer for node 3, found 'x'",
         "End ... init.txt\nEnd ... node.txt\n"},
        {3, "", "bound.txt: row 1: the file ends before the node",
         "End ... init.txt\nEnd ... node.txt\nEnd ... element.txt\n"},
        {4, "2   0.0\n", "force.txt: row 1: the file ends before the y load",
         "End ... init.txt\nEnd ... node.txt\nEnd ... element.txt\nEnd ... bound.txt\n"},
    };
    for (const Case& c : cases) {
        Sandbox box;
        for (const auto& f : scratch) box.write(temp_name(f[0]), f[1]);
        box.write("nalvik.txt", "an earlier solver input\n");
        if (c.text)
            box.write(temp_name(scratch[c.file][0]), c.text);
        else
            std::remove(box.path(temp_name(scratch[c.file][0])).c_str());
        auto before = box.snapshot();
        std::string refusal;
        std::string console = assemble_in(box, &refusal);
        EXPECT_EQ(refusal, c.message);
        EXPECT_EQ(console, c.console) << c.message;
        EXPECT_TRUE(box.snapshot() == before) << c.message;
    }
}
