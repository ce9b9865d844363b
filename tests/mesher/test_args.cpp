// The conversion of the mesher's arguments.
#include <gtest/gtest.h>

#include <climits>

#include "args.h"

TEST(Arguments, ConvertLikeADecimalPrefixAndSaturate)
{
    const struct { const char* text; int value; bool digits; } cases[] = {
        {"5", 5, true},
        {"  \t12", 12, true},
        {"+7", 7, true},
        {"-3", -3, true},
        {"20abc", 20, true},
        {"0", 0, true},
        {"abc", 0, false},
        {"", 0, false},
        {"- 4", 0, false},
        {"2147483647", INT_MAX, true},
        {"99999999999999999999999", INT_MAX, true},
        {"-99999999999999999999999", INT_MIN, true},
    };
    for (const auto& c : cases) {
        bool digits = !c.digits;
        EXPECT_EQ(convert_argument(c.text, &digits), c.value) << "'" << c.text << "'";
        EXPECT_EQ(digits, c.digits) << "'" << c.text << "'";
    }
}
