// Output files that appear whole or not at all.
#pragma once
#include <cstdio>
#include <initializer_list>
#include <string>

// A result file is written under a temporary name beside its own and moved into
// place by commit(), so that a failed or interrupted run leaves the previous file
// as it was. Any failure to create, write or move it is an output Failure.
class OutFile {
public:
    explicit OutFile(std::string name);
    ~OutFile();  // an uncommitted file is removed
    OutFile(const OutFile&) = delete;
    OutFile& operator=(const OutFile&) = delete;

    FILE* fp() { return fp_; }
    const std::string& name() const { return name_; }
    const std::string& temp_path() const { return temp_; }

    void finish();  // flushes and closes; the rows can then be read back from temp_path()
    void commit();  // finishes and moves the file into place under its name

private:
    std::string name_, temp_;
    FILE* fp_ = nullptr;
    bool committed_ = false;
};

// Finishes every file, then moves them all into place: a failure to write any
// one leaves the earlier versions of all of them.
void commit_together(std::initializer_list<OutFile*> files);

// The output Failure of a file that cannot be created, written or moved.
[[noreturn]] void cannot_write(const std::string& name, int err);

// Refuses a file whose place a directory takes: its temporary file would be
// written in full and only its move fail, after other files had moved.
void refuse_directory_in_the_way(const std::string& name);

// The temporary name beside a file under which its new text is written.
std::string temp_name(const std::string& name);

// Flushes and closes a stream that was written; returns 0, or the errno of what
// went wrong with any of its writes (EIO when nothing tells).
int close_checked(FILE* fp);

// One result row: "%d " with the number, "%e " for each of n values, then "\n".
void put_row(FILE* fp, int number, const double* values, int n);
