// Temporary directories and child processes for the end-to-end tests.
#include "sandbox.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

std::string bin_path(const std::string& program)
{
    return program.find('/') == std::string::npos ? std::string(SUITE_BIN_DIR) + "/" + program : program;
}

std::string fixture_path(const std::string& rel) { return std::string(SUITE_FIXTURES) + "/" + rel; }

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

namespace {

void write_file(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) ADD_FAILURE() << "cannot write " << path;
}

void remove_tree(const std::string& path)
{
    DIR* d = opendir(path.c_str());
    if (d) {
        while (dirent* ent = readdir(d)) {
            std::string name = ent->d_name;
            if (name == "." || name == "..") continue;
            std::string p = path + "/" + name;
            struct stat st;
            if (lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
                chmod(p.c_str(), 0700);
                remove_tree(p);
            } else {
                unlink(p.c_str());
            }
        }
        closedir(d);
    }
    rmdir(path.c_str());
}

}  // namespace

Sandbox::Sandbox()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/suite-test-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
    root_ = buf.data();
    work_ = root_ + "/work";
    mkdir(work_.c_str(), 0755);
}

Sandbox::~Sandbox()
{
    if (std::getenv("KEEP_SANDBOX")) {
        std::fprintf(stderr, "sandbox kept: %s\n", work_.c_str());
        return;
    }
    chmod(work_.c_str(), 0755);
    remove_tree(root_);
}

void Sandbox::write(const std::string& name, const std::string& text) const { write_file(path(name), text); }

std::string Sandbox::read(const std::string& name) const
{
    if (!exists(name)) ADD_FAILURE() << name << " is missing in " << work_;
    return read_file(path(name));
}

bool Sandbox::exists(const std::string& name) const
{
    struct stat st;
    return stat(path(name).c_str(), &st) == 0;
}

void Sandbox::copy_fixture(const std::string& rel, const std::string& as) const
{
    std::string src = fixture_path(rel);
    struct stat st;
    if (stat(src.c_str(), &st) != 0) ADD_FAILURE() << "no fixture " << src;
    std::string name = as.empty() ? rel.substr(rel.rfind('/') + 1) : as;
    write(name, read_file(src));
}

std::map<std::string, std::string> Sandbox::snapshot() const
{
    std::map<std::string, std::string> files;
    DIR* d = opendir(work_.c_str());
    if (!d) return files;
    while (dirent* ent = readdir(d)) {
        std::string p = path(ent->d_name);
        struct stat st;
        if (stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode)) files[ent->d_name] = read_file(p);
    }
    closedir(d);
    return files;
}

void Sandbox::run_as(uid_t uid, gid_t gid)
{
    as_other_ = true;
    uid_ = uid;
    gid_ = gid;
}

RunResult Sandbox::run(const std::string& program, const std::vector<std::string>& args,
                       const std::string& input, double timeout) const
{
    return launch(program, args, input, timeout, nullptr);
}

RunResult Sandbox::run_killed(const std::string& program, const std::vector<std::string>& args,
                              const std::string& input, const std::function<bool(pid_t)>& now,
                              double timeout) const
{
    return launch(program, args, input, timeout, &now);
}

namespace {

// In the child before exec: a line on its standard error and an end that no program of the suite gives.
[[noreturn]] void child_fails(const char* what)
{
    const char* why = std::strerror(errno);
    if (write(2, "sandbox: ", 9) < 0 || write(2, what, std::strlen(what)) < 0 || write(2, ": ", 2) < 0 ||
        write(2, why, std::strlen(why)) < 0 || write(2, "\n", 1) < 0)
        _exit(126);
    _exit(126);
}

}  // namespace

RunResult Sandbox::launch(const std::string& program, const std::vector<std::string>& args,
                          const std::string& input, double timeout, const std::function<bool(pid_t)>* now) const
{
    RunResult r;
    const std::string in_path = root_ + "/stdin", out_path = root_ + "/stdout", err_path = root_ + "/stderr";
    write_file(in_path, input);
    std::string exe = bin_path(program);
    std::vector<std::string> argv_s{exe};
    argv_s.insert(argv_s.end(), args.begin(), args.end());

    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(work_.c_str()) != 0) _exit(126);
        int in = open(in_path.c_str(), O_RDONLY);
        int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0) _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        for (auto& a : argv_s) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (as_other_) {
            int exe_fd = open(exe.c_str(), O_RDONLY | O_CLOEXEC);
            if (exe_fd < 0) child_fails(exe.c_str());
            if (setgroups(0, nullptr) != 0) child_fails("setgroups");
            if (setgid(gid_) != 0) child_fails("setgid");
            if (setuid(uid_) != 0) child_fails("setuid");
            fexecve(exe_fd, argv.data(), environ);
            _exit(127);
        }
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    auto start = std::chrono::steady_clock::now();
    const auto pause = now ? std::chrono::microseconds(20) : std::chrono::microseconds(2000);
    int st = 0;
    bool killed = false;
    for (;;) {
        pid_t w = waitpid(pid, &st, WNOHANG);
        if (w == pid) break;
        double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (now && (*now)(pid)) {
            kill(pid, SIGKILL);
            waitpid(pid, &st, 0);
            killed = true;
            break;
        }
        if (elapsed > timeout) {
            kill(pid, SIGKILL);
            waitpid(pid, &st, 0);
            r.timed_out = true;
            break;
        }
        std::this_thread::sleep_for(pause);
    }
    // a program that ended just before the signal came has its status
    r.killed = killed && WIFSIGNALED(st);
    if (!r.timed_out && WIFEXITED(st)) r.status = WEXITSTATUS(st);
    r.out = read_file(out_path);
    r.err = read_file(err_path);
    return r;
}
