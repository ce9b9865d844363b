// Token rules of the model-file family, with refusals that name file and record.
#include "scan.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Runs of digits from i; returns how many.
size_t digits(const char* s, size_t n, size_t i)
{
    size_t k = i;
    while (k < n && is_digit(s[k])) ++k;
    return k - i;
}

}  // namespace

bool is_integer_token(const char* s, size_t n)
{
    size_t i = (n > 0 && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    size_t d = digits(s, n, i);
    return d > 0 && i + d == n;
}

bool is_real_token(const char* s, size_t n)
{
    size_t i = (n > 0 && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    size_t whole = digits(s, n, i);
    i += whole;
    size_t frac = 0;
    if (i < n && s[i] == '.') {
        frac = digits(s, n, i + 1);
        i += 1 + frac;
    }
    if (whole == 0 && frac == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        size_t ex = digits(s, n, i);
        if (ex == 0) return false;
        i += ex;
    }
    return i == n;
}

Scanner Scanner::open(const std::string& file) { return open(file, file); }

Scanner Scanner::open(const std::string& file, const std::string& path)
{
    FILE* fp = std::fopen(path.c_str(), "rb");
    if (!fp) fail(Status::input, file, strf("cannot be opened: %s", std::strerror(errno)));
    std::string text;
    char buf[65536];
    size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, fp)) > 0) text.append(buf, got);
    bool broken = std::ferror(fp);
    int err = errno;
    std::fclose(fp);
    if (broken) fail(Status::input, file, strf("cannot be read: %s", std::strerror(err)));
    return Scanner(file, std::move(text));
}

void Scanner::at(const char* record, long number)
{
    record_ = record;
    number_ = number;
}

std::string Scanner::where() const
{
    if (!record_) return "";
    return number_ > 0 ? strf("%s %ld", record_, number_) : std::string(record_);
}

void Scanner::refuse(const std::string& what, Status status) const
{
    std::string w = where();
    fail(status, file_, w.empty() ? what : w + ": " + what);
}

bool Scanner::separator(char c) const { return is_space(c) || (commas_ && c == ','); }

void Scanner::next(const char* field, size_t& b, size_t& e)
{
    size_t n = text_.size();
    while (pos_ < n && separator(text_[pos_])) ++pos_;
    if (pos_ == n) refuse(strf("the file ends before %s", field));
    b = pos_;
    while (pos_ < n && !separator(text_[pos_])) ++pos_;
    e = pos_;
}

void Scanner::bad(const char* kind, const char* field, size_t b, size_t e) const
{
    // show the token as a user would see it, cut short and without control bytes
    std::string shown;
    for (size_t i = b; i < e && shown.size() < 40; ++i) {
        unsigned char c = static_cast<unsigned char>(text_[i]);
        shown += (c < 32 || c == 127) ? '?' : static_cast<char>(c);
    }
    if (e - b > 40) shown += "...";
    refuse(strf("expected %s for %s, found '%s'", kind, field, shown.c_str()));
}

int Scanner::integer(const char* field)
{
    size_t b, e;
    next(field, b, e);
    const char* s = text_.data() + b;
    if (!is_integer_token(s, e - b)) bad("an integer", field, b, e);
    errno = 0;
    char* end;
    long long v = std::strtoll(s, &end, 10);
    if (errno == ERANGE || v < INT_MIN || v > INT_MAX) bad("an integer in range", field, b, e);
    return static_cast<int>(v);
}

double Scanner::real(const char* field)
{
    size_t b, e;
    next(field, b, e);
    const char* s = text_.data() + b;
    if (!is_real_token(s, e - b)) bad("a real", field, b, e);
    // the token ends at white space or at the end of text_, which std::string keeps NUL-terminated
    double v = std::strtod(s, nullptr);
    if (!std::isfinite(v)) bad("a finite real", field, b, e);
    return v;
}

std::string Scanner::word(const char* field)
{
    size_t b, e;
    next(field, b, e);
    return text_.substr(b, e - b);
}

bool Scanner::more()
{
    size_t n = text_.size();
    while (pos_ < n && separator(text_[pos_])) ++pos_;
    return pos_ < n;
}

void Scanner::end_read()
{
    size_t n = text_.size();
    while (pos_ < n && text_[pos_] != '\n') ++pos_;
    if (pos_ < n) ++pos_;
}
