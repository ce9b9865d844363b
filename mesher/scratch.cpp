// The scratch rows, appended one call at a time.
#include "scratch.h"

#include <cerrno>
#include <cstdio>

#include "failure.h"
#include "outfile.h"
#include "texts.h"

namespace {

constexpr const char* scratch_files[] = {files::node, files::element, files::bound, files::force, files::init};
static_assert(sizeof scratch_files / sizeof scratch_files[0] == ScratchFiles::count);

// A scratch file's rows of this run, open for one call; closing checks that every byte got out.
class Scratch {
public:
    Scratch(const char* file, const char* mode) : file_(file), fp_(std::fopen(temp_name(file).c_str(), mode))
    {
        if (!fp_) cannot_write(file_, errno);
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
        int err = close_checked(fp_);
        fp_ = nullptr;
        if (err) cannot_write(file_, err);
    }

private:
    const char* file_;
    FILE* fp_;
};

}  // namespace

ScratchFiles::ScratchFiles()
{
    // a directory in the way would only show when the files move, after the solver input
    for (const char* f : scratch_files) refuse_directory_in_the_way(f);
}

ScratchFiles::~ScratchFiles()
{
    for (int i = 0; i < count; ++i)
        if (!committed_[i]) std::remove(temp_name(scratch_files[i]).c_str());
}

void ScratchFiles::commit()
{
    for (int i = 0; i < count; ++i) {
        if (committed_[i]) continue;
        const char* f = scratch_files[i];
        if (std::rename(temp_name(f).c_str(), f) != 0) cannot_write(f, errno);
        committed_[i] = true;
    }
}

void nwrite(const char* file)
{
    Scratch f(file, "w");
    f.close();
}

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
