// A sandbox that is the current directory while a test runs, for the code that
// opens the model files by their fixed names, and the console of a step.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "sandbox.h"

class WorkDir {
public:
    WorkDir()
    {
        char here[PATH_MAX];
        if (getcwd(here, sizeof here)) old_ = here;
        if (chdir(box_.dir().c_str()) != 0) ADD_FAILURE() << "cannot enter " << box_.dir();
    }
    ~WorkDir()
    {
        if (!old_.empty() && chdir(old_.c_str()) != 0) ADD_FAILURE() << "cannot return to " << old_;
    }
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;
    const Sandbox& box() const { return box_; }

private:
    Sandbox box_;
    std::string old_;
};

// Standard output and standard error of a step, the programs it starts included.
struct Console {
    std::string out, err;
};

template <class F>
Console console_and_errors_of(F&& step)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    step();
    Console c;
    c.out = testing::internal::GetCapturedStdout();
    c.err = testing::internal::GetCapturedStderr();
    return c;
}
