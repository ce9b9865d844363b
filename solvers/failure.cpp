// Formatting and reporting of Failures.
#include "failure.h"

#include <cstdarg>
#include <cstdio>

std::string strf(const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, format, ap);
    va_end(ap);
    std::string s(n > 0 ? n : 0, '\0');
    if (n > 0) std::vsnprintf(&s[0], n + 1, format, ap2);
    va_end(ap2);
    return s;
}

std::string short_e(double v, int decimals)
{
    std::string s = strf("%.*e", decimals, v);
    size_t e = s.find('e');
    if (e == std::string::npos) return s;  // nan, inf
    size_t d = e + 1;
    if (d < s.size() && (s[d] == '+' || s[d] == '-')) {
        if (s[d] == '+') s.erase(d, 1);
        else ++d;
    }
    while (d + 1 < s.size() && s[d] == '0') s.erase(d, 1);
    return s;
}

void fail(Status status, const std::string& file, const std::string& what)
{
    throw Failure(status, file, what);
}

int report_failure(const char* program, const Failure& f)
{
    // the echo on standard output comes first, as a user reading the console expects
    std::fflush(stdout);
    if (f.file().empty())
        std::fprintf(stderr, "%s: %s\n", program, f.what());
    else
        std::fprintf(stderr, "%s: %s: %s\n", program, f.file().c_str(), f.what());
    return exit_code(f.status());
}
