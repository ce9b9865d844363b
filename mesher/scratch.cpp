// The scratch rows, appended one call at a time.
#include "scratch.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "failure.h"
#include "texts.h"

namespace {

// A scratch file open for one call; closing checks that every byte got out.
class Scratch {
public:
    Scratch(const char* file, const char* mode) : file_(file), fp_(std::fopen(file, mode))
    {
        if (!fp_) cannot_write(errno);
    }
    ~Scratch()
    {
        if (fp_) std::fclose(fp_);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    FILE* fp() { return fp_; }

    void close()
    {
        bool broken = std::ferror(fp_) != 0;
        int err = broken ? EIO : 0;
        if (std::fclose(fp_) != 0 && !broken) err = errno, broken = true;
        fp_ = nullptr;
        if (broken) cannot_write(err);
    }

private:
    [[noreturn]] void cannot_write(int err)
    {
        fail(Status::output, file_, strf("cannot be written: %s", std::strerror(err)));
    }

    const char* file_;
    FILE* fp_;
};

}  // namespace

void write_init(const char* file, int nodes, int materials, int elements, int bc_rows, int force_rows)
{
    Scratch f(file, "w");
    std::fprintf(f.fp(), rows::init, nodes, materials, elements, bc_rows, force_rows);
    f.close();
}

void write_materials(const char* file, int count, const double* ee, const double* pp, const double* hh)
{
    Scratch f(file, "w");
    for (int i = 0; i < count; ++i) std::fprintf(f.fp(), rows::material, i + 1, ee[i], pp[i], hh[i]);
    f.close();
}

void append_element(const char* file, const int* values, int nrows, int cols)
{
    Scratch f(file, "a");
    for (int r = 0; r < nrows; ++r) {
        std::fprintf(f.fp(), rows::element_value, r + 1);
        for (int c = 0; c < cols; ++c) std::fprintf(f.fp(), rows::element_value, values[r * cols + c]);
        std::fprintf(f.fp(), "\n");
    }
    f.close();
}

void append_node(int number, const char* file, const double* values, int nrows, int cols)
{
    Scratch f(file, "a");
    for (int r = 0; r < nrows; ++r) {
        std::fprintf(f.fp(), rows::node_number, number);
        for (int c = 0; c < cols; ++c) std::fprintf(f.fp(), rows::node_value, values[r * cols + c]);
        std::fprintf(f.fp(), "\n");
    }
    f.close();
}

void append_bound(int node, const char* file, int ix, int iy, double u, double v)
{
    Scratch f(file, "a");
    std::fprintf(f.fp(), rows::bound, node, ix, iy, u, v);
    f.close();
}

void append_force(int node, const char* file, double fx, double fy)
{
    Scratch f(file, "a");
    std::fprintf(f.fp(), rows::force, node, fx, fy);
    f.close();
}
