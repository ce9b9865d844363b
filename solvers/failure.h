// The one error path of the suite: code below main throws a Failure, only main reports it.
#pragma once
#include <stdexcept>
#include <string>

#include "status.h"

// A refusal or breakdown that ends the run: which file it concerns (empty when
// none does), what is wrong, and the exit status it earns.
class Failure : public std::runtime_error {
public:
    Failure(Status status, std::string file, const std::string& what)
        : std::runtime_error(what), status_(status), file_(std::move(file)) {}
    Status status() const { return status_; }
    const std::string& file() const { return file_; }

private:
    Status status_;
    std::string file_;
};

// printf into a std::string, for the messages of Failures.
std::string strf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A number as a reader of a message wants it: `decimals` digits after the
// point and a short exponent (3.2e-2 with one, 1e-4 with none).
std::string short_e(double v, int decimals = 1);

[[noreturn]] void fail(Status status, const std::string& file, const std::string& what);

// Prints "program: file: what is wrong" on standard error, after the console
// echo so far, and returns the exit status of the failure's kind.
int report_failure(const char* program, const Failure& f);

// Runs a program's steps; a Failure ends them and is reported as above.
template <class F>
int guarded_main(const char* program, F&& steps)
{
    try {
        steps();
    } catch (const Failure& f) {
        return report_failure(program, f);
    }
    return exit_code(Status::done);
}
