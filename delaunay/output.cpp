// Writing the mesh to nalvik.txt in the model-file layout.
#include "output.h"

#include <cstdio>
#include <cstdlib>

#include "outfile.h"
#include "stop.h"

namespace lindrove {

namespace {

// Fifteen significant digits: the boundary nodes come back as they were read,
// without the last bits of the normalisation's rounding.
constexpr const char* coordinate = "%.15g";

}  // namespace

double as_written(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, coordinate, v);
    return std::strtod(buf, nullptr);
}

void data(const Mesh& m)
{
    try {
        OutFile out(mesh_file);
        FILE* fp = out.fp();
        std::fprintf(fp, "%d 1 %d 0 0\n", m.NNODE, m.NELEM);
        char x[40], y[40];
        for (int i = 1; i <= m.NNODE; ++i) {
            std::snprintf(x, sizeof x, coordinate, m.X[i]);
            std::snprintf(y, sizeof y, coordinate, m.Y[i]);
            std::fprintf(fp, "%d %s %s\n", i, x, y);
        }
        std::fputs("1 2.1e+5 0.3 1.0\n", fp);
        for (int j = 1; j <= m.NELEM; ++j)
            std::fprintf(fp, "%d %d %d %d 1\n", j, m.LNODS[j][0], m.LNODS[j][1], m.LNODS[j][2]);
        out.commit();
    } catch (const Stop&) {
        throw;
    } catch (const Failure& f) {
        throw Stop(Pair::data_write, f.file(), f.what());
    }
}

}  // namespace lindrove
