// Running lindrove_tri02 on a boundary description in a fresh directory.
#pragma once
#include <string>

#include "mesh_check.h"
#include "sandbox.h"

// Writes INPUT01.TXT and runs the mesher with the answer on standard input.
inline RunResult mesh_it(const Sandbox& box, const BoundaryDescription& d, const std::string& answer,
                         double timeout = 60)
{
    box.write("INPUT01.TXT", d.text());
    return box.run("lindrove_tri02", {}, answer, timeout);
}

// The last two console lines: an error pair, or the end of a good run.
inline std::string last_two_lines(const std::string& out)
{
    size_t end = out.size();
    if (end && out[end - 1] == '\n') --end;
    size_t a = out.rfind('\n', end - 1);
    if (a == std::string::npos || a == 0) return out;
    size_t b = out.rfind('\n', a - 1);
    return out.substr(b == std::string::npos ? 0 : b + 1);
}

inline std::string joined(const std::vector<std::string>& lines)
{
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}
