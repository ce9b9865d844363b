// End-to-end runs of the suite's programs, each in a fresh temporary directory.
#pragma once
#include <sys/types.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

struct RunResult {
    int status = -1;         // exit status; -1 when killed or timed out
    bool timed_out = false;
    bool killed = false;     // stopped by run_killed's SIGKILL
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

    // Like run(), but the program is killed with SIGKILL as soon as `now` (asked
    // with its process id about every 20 microseconds) says so.
    RunResult run_killed(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, const std::function<bool(pid_t)>& now,
                         double timeout = 60) const;

    // Later runs start their program as this user and group, without supplementary
    // groups (a test run by root can only see refusals to write that way). The
    // child enters the working directory and opens the program before the change,
    // so neither the build tree nor the directories above the sandbox need be
    // reachable for that user: only the working directory and its files.
    void run_as(uid_t uid, gid_t gid);

private:
    RunResult launch(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                     double timeout, const std::function<bool(pid_t)>* now) const;

    std::string root_, work_;
    bool as_other_ = false;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

std::string bin_path(const std::string& program);
std::string fixture_path(const std::string& rel);
std::string read_file(const std::string& path);  // "" when absent
