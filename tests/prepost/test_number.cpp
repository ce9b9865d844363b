// korvanta's number format and its digit routines.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "number_format.h"

namespace {

TEST(NumberText, TheFormatOfLegendValues)
{
    struct Case { float value; const char* text; };
    const Case cases[] = {
        {250, "2.50000 E+2"},
        {3, "3.00000"},
        {0.5f, "5.00000 E-1"},
        {-2, "-2.00000"},
        {0, "0.0 E-0"},
        {-0.0f, "0.0 E-0"},
        {1, "1.00000"},
        {9.5f, "9.50000"},
        {12.5f, "1.25000 E+1"},
        {1250, "1.25000 E+3"},              // four digits before the point: exponent 3
        {-0.0078125f, "-7.81250 E-3"},      // between -0.01 and -0.001
        {0.125f, "1.25000 E-1"},
        {1.234375f, "1.23430"},             // the fifth character after the point is always 0
        {562949953421312.0f, "5.62940 E+14"},       // 2^49: the largest exponent is drawn as it is
        {5.684341886080801e-14f, "5.68430 E-14"},  // 2^-44
    };
    for (const Case& c : cases) EXPECT_EQ(number_text(c.value), c.text) << c.value;
}

TEST(NumberText, ValuesBeyondTheExponentsArePlain)
{
    struct Case { float value; const char* text; };
    const Case cases[] = {
        {2e15f, "2.0000e+15"},
        {-3e20f, "-3.0000e+20"},
        {std::numeric_limits<float>::max(), "3.4028e+38"},
        {std::numeric_limits<float>::infinity(), "inf"},
        {-std::numeric_limits<float>::infinity(), "-inf"},
        {std::numeric_limits<float>::quiet_NaN(), "nan"},
        {8.881784197001252e-16f, "8.8818e-16"},  // 2^-50: no exponent up to 14 reaches it
        {-3.5e-17f, "-3.5000e-17"},
    };
    for (const Case& c : cases) EXPECT_EQ(number_text(c.value), c.text) << c.value;
}

TEST(DigitRoutines, CountAndSplit)
{
    struct Count { int n, digits; };
    for (Count c : {Count{0, 1}, {9, 1}, {10, 2}, {99, 2}, {100, 3}, {99999, 5}, {100000, 6}, {INT_MAX, 10}})
        EXPECT_EQ(digit_count(c.n), c.digits) << c.n;

    struct Split { int n, count; std::vector<int> all, after_first; };
    const Split cases[] = {
        {0, 1, {0}, {0}},
        {7, 1, {7}, {0}},
        {25000, 5, {2, 5, 0, 0, 0}, {5, 0, 0, 0, 0}},
        {12345, 5, {1, 2, 3, 4, 5}, {2, 3, 4, 5, 0}},
        {1000, 4, {1, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Split& c : cases) {
        std::vector<int> all(c.count, -1), after(c.count, -1);
        split_digits(c.n, c.count, all.data());
        split_digits_after_first(c.n, c.count, after.data());
        EXPECT_EQ(all, c.all) << c.n;
        EXPECT_EQ(after, c.after_first) << c.n;
    }
}

}  // namespace
