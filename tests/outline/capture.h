// A Drawing whose console and warnings go to memory, for the unit tests of lindrove_tri01.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "drawing.h"
#include "records.h"
#include "scan.h"

class Captured {
public:
    Captured() : d_(std::make_unique<Drawing>())
    {
        d_->con = open_memstream(&out_, &out_size_);
        d_->err = open_memstream(&err_, &err_size_);
    }
    ~Captured()
    {
        std::fclose(d_->con);
        std::fclose(d_->err);
        std::free(out_);
        std::free(err_);
    }
    Captured(const Captured&) = delete;
    Captured& operator=(const Captured&) = delete;

    Drawing& d() { return *d_; }
    std::string out()
    {
        std::fflush(d_->con);
        return std::string(out_, out_size_);
    }
    std::string err()
    {
        std::fflush(d_->err);
        return std::string(err_, err_size_);
    }

private:
    std::unique_ptr<Drawing> d_;
    char* out_ = nullptr;
    size_t out_size_ = 0;
    char* err_ = nullptr;
    size_t err_size_ = 0;
};

// Console text written to a memory stream by f(FILE*); the stream is closed also when
// f throws.
template <class F>
std::string written(F f)
{
    struct Stream {
        char* buf = nullptr;
        size_t size = 0;
        FILE* fp = open_memstream(&buf, &size);
        ~Stream()
        {
            if (fp) std::fclose(fp);
            std::free(buf);
        }
    } s;
    f(s.fp);
    std::fclose(s.fp);
    s.fp = nullptr;
    return std::string(s.buf, s.size);
}

// Reads entity records, one per line, as out.txt would hold them.
inline void load_records(Drawing& d, const std::string& records)
{
    int count = 0;
    for (char c : records) count += c == '\n';
    Scanner out("out.txt", records);
    read_records(d, out, count);
}
