// Japanese console texts as a cp932 console shows them, converted by the C
// library rather than written out by hand.
#pragma once
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

inline std::string cp932(const std::string& utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << "no UTF-8 to CP932 converter";
    if (cd == reinterpret_cast<iconv_t>(-1)) return "";
    std::string in = utf8, out(4 * utf8.size() + 4, '\0');
    char* ip = &in[0];
    char* op = &out[0];
    size_t il = in.size(), ol = out.size();
    const size_t done = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    EXPECT_NE(done, static_cast<size_t>(-1)) << utf8;
    out.resize(out.size() - ol);
    return out;
}

// The line of a pick that found node n.
inline std::string pick_line(int n) { return cp932("該当する節点は " + std::to_string(n) + " です。\n"); }
