// Refusals of the block mesher: bad command lines and broken block models end
// with one message and their status, and leave every file as it was.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "refusals.h"
#include "sandbox.h"

namespace {

const char* const usage_with_type = "You have to exec ./pelmiro <partition_number> <mesh_type 0:tri 1:quad>\n";
const char* const usage_plain = "You have to exec ./pelmiro <partition_number>\n";

// Two squares side by side sharing model points 3, 4 and 5.
const std::string good =
    "13 1 2 2 1\n"
    "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n"
    "9 3 0\n10 4 0\n11 4 1\n12 4 2\n13 3 2\n"
    "1 1000 0.25 1\n"
    "1 1 2 3 4 5 6 7 8 1\n"
    "2 3 9 10 11 12 13 5 4 1\n"
    "1 1 1 0 0\n8 1 0 0 0\n"
    "11 5 0\n";

std::string replaced(const std::string& from, const std::string& to)
{
    std::string t = good;
    size_t at = t.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    t.replace(at, from.size(), to);
    return t;
}

// A directory that has run the mesher once: scratch files and nalvik.txt exist.
void mesh_once(const Sandbox& box)
{
    box.write("data2d.txt", good);
    ASSERT_EQ(box.run("pelmiro_const", {"2", "0"}).status, 0);
}

}  // namespace

TEST(Refusals, BadCommandLinesPrintTheUsageAndTouchNothing)
{
    struct Case { const char* program; std::vector<std::string> args; int status; const char* reason; };
    const Case cases[] = {
        {"pelmiro_const", {}, 1, "the partition_number is missing"},
        {"pelmiro_const", {"5"}, 1, "the mesh_type is missing"},
        {"pelmiro_const", {"abc", "0"}, 1, "the partition_number 'abc' is not a number"},
        {"pelmiro_const", {"", "0"}, 1, "the partition_number '' is not a number"},
        {"pelmiro_const", {"0", "0"}, 1, "the partition_number 0 is below 1"},
        {"pelmiro_const", {"-4", "1"}, 1, "the partition_number -4 is below 1"},
        {"pelmiro_const", {"-99999999999", "0"}, 1, "the partition_number -2147483648 is below 1"},
        {"pelmiro_const", {"5", "2"}, 1, "the mesh_type '2' is neither 0 (triangles) nor 1 (quadrilaterals)"},
        {"pelmiro_const", {"5", "-1"}, 1, "the mesh_type '-1' is neither 0 (triangles) nor 1 (quadrilaterals)"},
        {"pelmiro_const", {"5", "quad"}, 1, "the mesh_type 'quad' is neither 0 (triangles) nor 1 (quadrilaterals)"},
        {"pelmiro_tri", {}, 1, "the partition_number is missing"},
        {"pelmiro_hea", {"x"}, 1, "the partition_number 'x' is not a number"},
        {"pelmiro_flu", {"0", "3"}, 1, "the partition_number 0 is below 1"},
        // more cells than the mesher holds: the usage text and a clean end
        {"pelmiro_const", {"21", "0"}, 0, nullptr},
        {"pelmiro_const", {"21", "7"}, 0, nullptr},
        {"pelmiro_const", {"99999999999", "0"}, 0, nullptr},
        {"pelmiro_tri", {"21"}, 0, nullptr},
        {"pelmiro_hea", {"30", "1"}, 0, nullptr},
        {"pelmiro_flu", {"100"}, 0, nullptr},
    };
    for (const Case& c : cases) {
        std::string what = c.program;
        for (const auto& a : c.args) what += " '" + a + "'";
        Sandbox box;
        mesh_once(box);
        // even without a block model: nothing is read
        std::remove(box.path("data2d.txt").c_str());
        auto before = box.snapshot();
        RunResult r = box.run(c.program, c.args);
        EXPECT_EQ(r.status, c.status) << what;
        EXPECT_EQ(r.out, std::string(c.program) == "pelmiro_const" ? usage_with_type : usage_plain) << what;
        EXPECT_EQ(r.err, c.reason ? std::string(c.program) + ": " + c.reason + "\n" : "") << what;
        EXPECT_TRUE(box.snapshot() == before) << what << ": files on disk changed";
    }
}

TEST(Refusals, ArgumentsConvertAsDecimalPrefixes)
{
    // leading blanks, a sign and trailing letters, as the mesher always read them;
    // 20 cells is the most it holds
    const struct { const char* program; std::vector<std::string> args; const char* header; } cases[] = {
        {"pelmiro_const", {" 2", "+1"}, "15\t1\t8\t"},
        {"pelmiro_const", {"2abc", "0x"}, "15\t1\t16\t"},
        {"pelmiro_tri", {"+2", "1"}, "15\t1\t16\t"},
        {"pelmiro_const", {"20", "1"}, "861\t1\t800\t"},
    };
    for (const auto& c : cases) {
        Sandbox box;
        box.write("data2d.txt", good);
        RunResult r = box.run(c.program, c.args);
        ASSERT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
        EXPECT_EQ(box.read("nalvik.txt").rfind(c.header, 0), 0u) << c.args[0];
    }
}

TEST(Refusals, BrokenBlockModelsAreRefusedBeforeAnyFileIsTouched)
{
    // the good model has run first, so scratch files and nalvik.txt are on disk
    const std::vector<Refusal> cases = {
        {"missing file", "", 2, "data2d.txt: cannot be opened: No such file or directory"},
        {"empty file", "\n", 2, "data2d.txt: header: the file ends before the model point count"},
        {"word for a number", replaced("3 2 0\n", "3 2 abc\n"), 2,
         "data2d.txt: model point record 3: expected a real for y, found 'abc'"},
        {"truncated in an area", good.substr(0, good.find("12 13 5 4 1")), 2,
         "data2d.txt: area record 2: the file ends before point 5"},
        {"too many model points", "1001 1 1 0 0\n", 2,
         "data2d.txt: header: the model point count 1001 is over the limit of 1000"},
        {"too many materials", "13 10 2 0 0\n", 2, "data2d.txt: header: the material count 10 is over the limit of 9"},
        {"too many areas", "13 1 501 0 0\n", 2, "data2d.txt: header: the area count 501 is over the limit of 500"},
        {"too many boundary records", "13 1 2 1001 0\n", 2,
         "data2d.txt: header: the boundary record count 1001 is over the limit of 1000"},
        {"too many load records", "13 1 2 0 1001\n", 2,
         "data2d.txt: header: the load record count 1001 is over the limit of 1000"},
        {"negative count", "13 1 -2 0 0\n", 2, "data2d.txt: header: the area count is negative (-2)"},
        {"area point past the last", replaced("12 13 5 4 1", "12 14 5 4 1"), 2,
         "data2d.txt: area record 2: model point 14 is not in 1..13"},
        {"area point zero", replaced("1 1 2 3", "1 0 2 3"), 2, "data2d.txt: area record 1: model point 0 is not in 1..13"},
        {"area material past the last", replaced("13 5 4 1\n", "13 5 4 2\n"), 2,
         "data2d.txt: area record 2: material 2 is not in 1..1"},
        {"area material zero", replaced("7 8 1\n", "7 8 0\n"), 2, "data2d.txt: area record 1: material 0 is not in 1..1"},
        {"boundary point zero", replaced("8 1 0 0 0\n", "0 1 0 0 0\n"), 2,
         "data2d.txt: boundary record 2: model point 0 is not in 1..13"},
        {"load point past the last", replaced("11 5 0\n", "99 5 0\n"), 2,
         "data2d.txt: load record 1: model point 99 is not in 1..13"},
        {"shared mid-side point, other corners", replaced("12 13 5 4 1", "12 13 1 4 1"), 2,
         "data2d.txt: area record 2: side 4 shares the mid-side model point 4 with side 2 of area record 1 but not "
         "its end corners"},
        {"one mid-side point on two sides of one area", replaced("6 7 8 1\n", "6 7 4 1\n"), 2,
         "data2d.txt: area record 1: sides 2 and 4 share the mid-side model point 4"},
        {"one mid-side point on three sides",
         replaced("13 1 2 2 1\n", "13 1 3 2 1\n").insert(good.find("1 1 1 0 0\n"), "3 3 9 10 11 12 13 5 4 1\n"), 2,
         "data2d.txt: area record 3: model point 4 is the mid-side point of a third area side, after area records 1 "
         "and 2: the areas overlap"},
    };
    expect_refusals("pelmiro_const", "data2d.txt", good, cases, {"2", "0"});
}

TEST(Refusals, EchoSoFarStaysBeforeTheRefusal)
{
    Sandbox box;
    box.write("data2d.txt", replaced("12 13 5 4 1", "12 14 5 4 1"));
    RunResult r = box.run("pelmiro_const", {"2", "0"});
    EXPECT_EQ(r.status, 2);
    // the echo stops right after the number that is refused
    const std::string tail = "1\t1\t2\t3\t4\t5\t6\t7\t8\t1\n2\t3\t9\t10\t11\t12\t14\t";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail) << r.out;
}

TEST(Refusals, UnwritableFilesAreOutputFailures)
{
    const struct { const char* in_the_way; const char* message; } cases[] = {
        {"node.txt", "pelmiro_const: node.txt: cannot be written: Is a directory\n"},
        {"force.txt", "pelmiro_const: force.txt: cannot be written: Is a directory\n"},
        {"nalvik.txt", "pelmiro_const: nalvik.txt: cannot be written: Is a directory\n"},
    };
    for (const auto& c : cases) {
        Sandbox box;
        mesh_once(box);
        const std::string earlier = box.read("nalvik.txt");
        std::remove(box.path(c.in_the_way).c_str());
        ASSERT_EQ(mkdir(box.path(c.in_the_way).c_str(), 0755), 0);
        RunResult r = box.run("pelmiro_const", {"3", "0"});
        EXPECT_EQ(r.status, 5) << c.in_the_way;
        EXPECT_EQ(r.err, c.message);
        if (std::string(c.in_the_way) != "nalvik.txt") {
            EXPECT_EQ(box.read("nalvik.txt"), earlier) << c.in_the_way << ": the earlier solver input was lost";
        }
    }
}
