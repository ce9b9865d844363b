// End-to-end runs of the suite's programs, each in a fresh temporary directory.
#pragma once
#include <map>
#include <string>
#include <vector>

struct RunResult {
    int status = -1;         // exit status; -1 when killed or timed out
    bool timed_out = false;
    std::string out, err;    // standard output and standard error, bytes as written
};

// A fresh working directory, removed again at the end (kept when the environment
// sets KEEP_SANDBOX, for looking at a failure).
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::string& dir() const { return work_; }
    std::string path(const std::string& name) const { return work_ + "/" + name; }
    void write(const std::string& name, const std::string& text) const;
    std::string read(const std::string& name) const;  // fails the test when absent
    bool exists(const std::string& name) const;
    void copy_fixture(const std::string& rel, const std::string& as = "") const;

    // Every regular file of the directory with its bytes: equal snapshots before
    // and after a refused run prove that nothing on disk was lost.
    std::map<std::string, std::string> snapshot() const;

    // Runs a program of the suite (a bare name is looked up in the build's bin/)
    // with the given arguments and standard input; killed after timeout seconds.
    RunResult run(const std::string& program, const std::vector<std::string>& args = {},
                  const std::string& input = "", double timeout = 60) const;

private:
    std::string root_, work_;
};

std::string bin_path(const std::string& program);
std::string fixture_path(const std::string& rel);
std::string read_file(const std::string& path);  // "" when absent
