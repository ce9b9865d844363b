// print says its one line whatever it is given.
#include <gtest/gtest.h>

#include "sandbox.h"

TEST(Print, SaysItsOneLineWithOrWithoutArguments)
{
    Sandbox box;
    for (const auto& args : {std::vector<std::string>{}, std::vector<std::string>{"a", "b c"}}) {
        RunResult r = box.run("print", args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "Include Application Please!\n");
        EXPECT_EQ(r.err, "");
    }
    EXPECT_TRUE(box.snapshot().empty());
}
