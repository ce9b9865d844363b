// Read-only working directories, for root as for anyone else.
#include "unwritable.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {

constexpr uid_t nobody = 65534;

enum Probe { read_only = 0, writable = 1, no_drop = 2, no_dir = 3, unreadable = 4, other_error = 5 };

std::vector<std::string> regular_files(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            struct stat st;
            std::string p = dir + "/" + e->d_name;
            if (stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(e->d_name);
        }
        closedir(d);
    }
    return names;
}

// Tries, in a child started the way Sandbox::run starts a program, to read every
// file of the directory and to add one.
Probe probe(const std::string& dir, bool drop)
{
    const std::vector<std::string> names = regular_files(dir);
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(no_dir);
        if (drop && (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)) _exit(no_drop);
        for (const std::string& n : names) {
            int fd = open(n.c_str(), O_RDWR);
            if (fd < 0) _exit(unreadable);
            close(fd);
        }
        int fd = open(".probe", O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            close(fd);
            unlink(".probe");
            _exit(writable);
        }
        _exit(errno == EACCES || errno == EROFS ? read_only : other_error);
    }
    int st = 0;
    if (pid < 0 || waitpid(pid, &st, 0) != pid || !WIFEXITED(st)) return other_error;
    return static_cast<Probe>(WEXITSTATUS(st));
}

}  // namespace

std::string make_unwritable(Sandbox& box)
{
    const std::string& dir = box.dir();
    if (chmod(dir.c_str(), 0555) != 0) return "cannot make " + dir + " read-only";
    Probe self = probe(dir, false);
    if (self == read_only) return "";
    if (self != writable) return "the test cannot read the files of " + dir;

    // mode 0555 does not stop this process (root, or a holder of CAP_DAC_OVERRIDE)
    for (const std::string& n : regular_files(dir))
        if (chown(box.path(n).c_str(), nobody, nobody) != 0)
            return "cannot hand " + n + " to uid 65534, who would run the programs";
    switch (probe(dir, true)) {
    case read_only:
        box.run_as(nobody, nobody);
        return "";
    case no_drop:
        return "the test writes into any directory and cannot run the programs as uid 65534 (setuid refused)";
    case writable:
        return "even uid 65534 writes into a directory of mode 0555 here";
    case unreadable:
        return "uid 65534 cannot read and write the files of " + dir;
    default:
        return "uid 65534 cannot look into " + dir;
    }
}
