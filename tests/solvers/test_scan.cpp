// The shared scanner: token rules of the model files and the wording of refusals.
#include <gtest/gtest.h>

#include "sandbox.h"
#include "scan.h"

namespace {

std::string refusal(const std::string& text, void (*read)(Scanner&))
{
    Scanner sc("nalvik.txt", text);
    try {
        read(sc);
    } catch (const Failure& f) {
        EXPECT_EQ(f.status(), Status::input);
        return f.file() + ": " + f.what();
    }
    return "accepted";
}

}  // namespace

TEST(Scanner, AnyRunOfBlanksTabsAndLineEndsSeparates)
{
    Scanner sc("f", " 1\t\t-2\n\n+3\r\n4.5e+000\v\f 7 ");
    EXPECT_EQ(sc.integer("a"), 1);
    EXPECT_EQ(sc.integer("b"), -2);
    EXPECT_EQ(sc.integer("c"), 3);
    EXPECT_EQ(sc.real("d"), 4.5);
    EXPECT_EQ(sc.integer("e"), 7);
    EXPECT_FALSE(sc.more());
}

TEST(Scanner, RealsInFixedAndExponentFormReadAlike)
{
    const struct { const char* token; double value; } cases[] = {
        {"0.5", 0.5}, {"5e-1", 0.5}, {"5E-1", 0.5}, {"5.000000e-001", 0.5}, {"+.5", 0.5},
        {"5.", 5.0}, {"-2.5e+03", -2500.0}, {"-2.5E3", -2500.0}, {"2", 2.0}, {"1e-400", 0.0},
    };
    for (const auto& c : cases) {
        Scanner sc("f", c.token);
        EXPECT_EQ(sc.real("x"), c.value) << c.token;
    }
}

TEST(Scanner, RefusalsNameFileRecordFieldAndToken)
{
    struct Case { const char* text; void (*read)(Scanner&); const char* message; };
    const Case cases[] = {
        {"1 2 abc", [](Scanner& s) { s.at("node record", 12); s.integer("n"); s.real("x"); s.real("y"); },
         "nalvik.txt: node record 12: expected a real for y, found 'abc'"},
        {"1 2", [](Scanner& s) { s.at("node record", 3); s.integer("n"); s.real("x"); s.real("y"); },
         "nalvik.txt: node record 3: the file ends before y"},
        {"", [](Scanner& s) { s.at("header"); s.integer("the node count"); },
         "nalvik.txt: header: the file ends before the node count"},
        {"1.5", [](Scanner& s) { s.at("element", 2); s.integer("node 1"); },
         "nalvik.txt: element 2: expected an integer for node 1, found '1.5'"},
        {"99999999999", [](Scanner& s) { s.at("header"); s.integer("the node count"); },
         "nalvik.txt: header: expected an integer in range for the node count, found '99999999999'"},
        {"1e999", [](Scanner& s) { s.real("x"); }, "nalvik.txt: expected a finite real for x, found '1e999'"},
        {"nan", [](Scanner& s) { s.real("x"); }, "nalvik.txt: expected a real for x, found 'nan'"},
        {"inf", [](Scanner& s) { s.real("x"); }, "nalvik.txt: expected a real for x, found 'inf'"},
        {"0x10", [](Scanner& s) { s.real("x"); }, "nalvik.txt: expected a real for x, found '0x10'"},
        {"1e", [](Scanner& s) { s.real("x"); }, "nalvik.txt: expected a real for x, found '1e'"},
        {".", [](Scanner& s) { s.real("x"); }, "nalvik.txt: expected a real for x, found '.'"},
        {"1,5", [](Scanner& s) { s.real("x"); }, "nalvik.txt: expected a real for x, found '1,5'"},
        {"-", [](Scanner& s) { s.integer("n"); }, "nalvik.txt: expected an integer for n, found '-'"},
        {"a\x01" "b", [](Scanner& s) { s.integer("n"); }, "nalvik.txt: expected an integer for n, found 'a?b'"},
    };
    for (const Case& c : cases) EXPECT_EQ(refusal(c.text, c.read), c.message);
}

TEST(Scanner, MissingFileIsAnInputRefusal)
{
    Sandbox box;
    try {
        Scanner::open(box.path("nalvik.txt"));
        FAIL() << "opened a missing file";
    } catch (const Failure& f) {
        EXPECT_EQ(f.status(), Status::input);
        EXPECT_STREQ(f.what(), "cannot be opened: No such file or directory");
    }
}

TEST(Scanner, ListDirectedReadsSplitAtCommasAndDropTheRestOfTheLine)
{
    Scanner sc("INPUT01.TXT", "1 extra\n1,4,3\n,2 more\n0.5 1e1\n");
    sc.commas_separate();
    EXPECT_EQ(sc.integer("a"), 1);
    sc.end_read();  // "extra" is dropped
    for (int want : {1, 4, 3, 2}) EXPECT_EQ(sc.integer("node"), want);
    sc.end_read();
    EXPECT_EQ(sc.real("x"), 0.5);
    EXPECT_EQ(sc.real("y"), 10.0);
    sc.end_read();  // at the end of the text: nothing to drop
    EXPECT_FALSE(sc.more());

    Scanner plain("f", "1,2");  // without list-directed reads a comma is part of the token
    EXPECT_EQ(plain.word("w"), "1,2");
}
