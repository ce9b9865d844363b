// Whole-or-nothing output files and the shared result row form.
#include "outfile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "failure.h"

namespace {

[[noreturn]] void cannot_write(const std::string& name, int err)
{
    fail(Status::output, name, strf("cannot be written: %s", std::strerror(err)));
}

}  // namespace

OutFile::OutFile(std::string name) : name_(std::move(name)), temp_(name_ + ".tmp")
{
    // a directory in the way would only show at the rename, after other files moved
    struct stat st;
    if (stat(name_.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) cannot_write(name_, EISDIR);
    fp_ = std::fopen(temp_.c_str(), "w");
    if (!fp_) cannot_write(name_, errno);
}

OutFile::~OutFile()
{
    if (fp_) std::fclose(fp_);
    if (!committed_) std::remove(temp_.c_str());
}

void OutFile::finish()
{
    if (!fp_) return;
    bool broken = std::ferror(fp_) != 0;
    int err = broken ? EIO : 0;
    if (std::fflush(fp_) != 0 && !broken) {
        broken = true;
        err = errno;
    }
    if (std::fclose(fp_) != 0 && !broken) {
        broken = true;
        err = errno;
    }
    fp_ = nullptr;
    if (broken) cannot_write(name_, err);
}

void OutFile::commit()
{
    finish();
    if (committed_) return;
    if (std::rename(temp_.c_str(), name_.c_str()) != 0) cannot_write(name_, errno);
    committed_ = true;
}

void nwrite(const char* name)
{
    FILE* fp = std::fopen(name, "w");
    if (!fp) cannot_write(name, errno);
    std::fprintf(fp, "%s", "");
    if (std::fclose(fp) != 0) cannot_write(name, errno);
}

void put_row(FILE* fp, int number, const double* values, int n)
{
    std::fprintf(fp, "%d ", number);
    for (int i = 0; i < n; ++i) std::fprintf(fp, "%e ", values[i]);
    std::fprintf(fp, "\n");
}
