// Entry of the window tests: where no X server can be had at all they are
// skipped with CTest's skip status instead of failing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "window_harness.h"

int main(int argc, char** argv)
{
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    const std::string why = window_tests_unavailable();
    if (!listing && !why.empty()) {
        std::printf("SKIPPED: the korvanta window tests need an X server and xdotool: %s\n", why.c_str());
        return 77;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
