// korvanta's number format and its digit routines.
#include "number_format.h"

#include <cassert>
#include <cmath>
#include <cstdio>

int digit_count(int n)
{
    assert(n >= 0);
    int count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

void split_digits(int n, int count, int* out)
{
    assert(n >= 0 && count == digit_count(n));
    for (int j = count - 1; j >= 0; --j) {
        out[j] = n % 10;
        n /= 10;
    }
}

void split_digits_after_first(int n, int count, int* out)
{
    int all[10];
    split_digits(n, count, all);
    for (int j = 1; j < count; ++j) out[j - 1] = all[j];
    out[count - 1] = 0;
}

namespace {

constexpr int max_exponent = 14;
constexpr double plain_limit = 1e15;

void append_digits(std::string& s, int n)
{
    int d[10];
    const int count = digit_count(n);
    split_digits(n, count, d);
    for (int j = 0; j < count; ++j) s += static_cast<char>('0' + d[j]);
}

std::string plain(float value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4e", value);
    return buf;
}

}  // namespace

std::string number_text(float value)
{
    const double v = std::fabs(static_cast<double>(value));
    if (!std::isfinite(v) || v >= plain_limit) return plain(value);

    // leading part d, fraction code f (d's digit and four decimals) and exponent e
    int e = 0;
    double scaled = v;
    char sign = 0;
    if (v >= 10) {
        for (e = 1; e < max_exponent && std::floor(v / std::pow(10.0, e)) >= 10; ++e) {}
        scaled = v / std::pow(10.0, e);
        sign = '+';
    } else if (v < 1) {
        for (e = 1; e <= max_exponent && std::floor(v * std::pow(10.0, e)) < 1; ++e) {}
        if (e > max_exponent) {
            // below every exponent: zero keeps its short form, anything else is plain
            if (v != 0) return plain(value);
            e = 0;
        }
        scaled = v * std::pow(10.0, e);
        sign = '-';
    }
    const int d = static_cast<int>(std::floor(scaled));
    const int f = static_cast<int>(std::floor(scaled * 10000));

    std::string s;
    if (value < 0) s += '-';
    append_digits(s, d);
    s += '.';
    int after[10];
    const int count = digit_count(f);
    split_digits_after_first(f, count, after);
    for (int j = 0; j < count; ++j) s += static_cast<char>('0' + after[j]);
    if (sign) {
        s += " E";
        s += sign;
        append_digits(s, e);
    }
    return s;
}
