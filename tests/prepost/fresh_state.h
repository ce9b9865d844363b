// A korvanta state with its start values, and the console lines a step prints.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "state.h"

inline std::unique_ptr<State> fresh_state(int width = 675, int height = 500)
{
    auto k = std::make_unique<State>();
    init_state(*k);
    k->window_width = width;
    k->window_height = height;
    return k;
}

template <class F>
std::string console_of(F&& step)
{
    testing::internal::CaptureStdout();
    step();
    return testing::internal::GetCapturedStdout();
}
