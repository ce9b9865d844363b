// Conversion and checks of the mesher's arguments.
#include "args.h"

#include <climits>

#include "failure.h"
#include "tables.h"

int convert_argument(const char* text, bool* digits)
{
    const char* s = text;
    while (*s == ' ' || *s == '\t' || *s == '\n' || *s == '\v' || *s == '\f' || *s == '\r') ++s;
    bool negative = *s == '-';
    if (*s == '+' || *s == '-') ++s;
    *digits = *s >= '0' && *s <= '9';
    long long v = 0;
    for (; *s >= '0' && *s <= '9'; ++s) {
        v = v * 10 + (*s - '0');
        if (v > INT_MAX) v = static_cast<long long>(INT_MAX) + 1;  // keeps the sum bounded
    }
    if (negative) return v > INT_MAX ? INT_MIN : static_cast<int>(-v);
    return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

namespace {

[[noreturn]] void refuse(const MeshConfig& cfg, FILE* out, const std::string& why)
{
    std::fputs(cfg.usage, out);
    fail(Status::usage, "", why);
}

}  // namespace

MeshArgs read_arguments(const MeshConfig& cfg, int argc, const char* const* argv, FILE* out)
{
    MeshArgs a;
    if (argc < 2) refuse(cfg, out, "the partition_number is missing");
    if (cfg.takes_mesh_type && argc < 3) refuse(cfg, out, "the mesh_type is missing");

    bool digits;
    a.n = convert_argument(argv[1], &digits);
    if (!digits) refuse(cfg, out, strf("the partition_number '%s' is not a number", argv[1]));
    if (a.n < 1) refuse(cfg, out, strf("the partition_number %d is below 1", a.n));
    if (a.n > max_partition) {
        std::fputs(cfg.usage, out);
        a.usage_only = true;
        return a;
    }
    if (cfg.takes_mesh_type) {
        a.mesh_type = convert_argument(argv[2], &digits);
        if (!digits || (a.mesh_type != 0 && a.mesh_type != 1))
            refuse(cfg, out, strf("the mesh_type '%s' is neither 0 (triangles) nor 1 (quadrilaterals)", argv[2]));
    }
    return a;
}
