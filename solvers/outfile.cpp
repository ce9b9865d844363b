// Whole-or-nothing output files and the shared result row form.
#include "outfile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "failure.h"

void cannot_write(const std::string& name, int err)
{
    fail(Status::output, name, strf("cannot be written: %s", std::strerror(err)));
}

void refuse_directory_in_the_way(const std::string& name)
{
    struct stat st;
    if (stat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) cannot_write(name, EISDIR);
}

OutFile::OutFile(std::string name) : name_(std::move(name)), temp_(temp_name(name_))
{
    // a directory in the way would only show at the rename, after other files moved
    refuse_directory_in_the_way(name_);
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
    int err = close_checked(fp_);
    fp_ = nullptr;
    if (err) cannot_write(name_, err);
}

void OutFile::commit()
{
    finish();
    if (committed_) return;
    if (std::rename(temp_.c_str(), name_.c_str()) != 0) cannot_write(name_, errno);
    committed_ = true;
}

void commit_together(std::initializer_list<OutFile*> files)
{
    // every file is known whole before the first one replaces its earlier version
    for (OutFile* f : files) f->finish();
    for (OutFile* f : files) f->commit();
}

std::string temp_name(const std::string& name) { return name + ".tmp"; }

int close_checked(FILE* fp)
{
    // a row that failed to go out left the stream's error mark and its bytes in the
    // buffer: the flush tries them again and says why (a full disk, say)
    bool broken = std::ferror(fp) != 0;
    int err = 0;
    if (std::fflush(fp) != 0) {
        broken = true;
        err = errno;
    }
    if (std::fclose(fp) != 0 && !err) {
        broken = true;
        err = errno;
    }
    return broken ? (err ? err : EIO) : 0;
}

void put_row(FILE* fp, int number, const double* values, int n)
{
    std::fprintf(fp, "%d ", number);
    for (int i = 0; i < n; ++i) std::fprintf(fp, "%e ", values[i]);
    std::fprintf(fp, "\n");
}
