// What korvanta takes from its command line and its environment at start.
#include "startup.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "tables.h"

namespace {

constexpr const char* system_path = "/usr/local/bin:/usr/bin:/bin";

std::string directory_of(const std::string& file)
{
    const size_t slash = file.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : file.substr(0, slash);
}

}  // namespace

const char* window_title(int argc, char** argv)
{
    if (argc < 1 || !argv || !argv[0] || !argv[0][0]) return text::default_title;
    return argv[0];
}

std::string path_with_first(const std::string& dir, const char* path)
{
    return dir + ":" + (path && *path ? path : system_path);
}

std::string own_directory(const char* argv0)
{
    char exe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) return directory_of(std::string(exe, static_cast<size_t>(n)));
    // a bare name was found on the path, where the system would look again
    if (!argv0 || !std::strchr(argv0, '/')) return "";
    char real[PATH_MAX];
    if (!realpath(argv0, real)) return "";
    return directory_of(real);
}

void put_own_directory_on_path(const char* argv0)
{
    const std::string dir = own_directory(argv0);
    if (dir.empty()) return;
    setenv("PATH", path_with_first(dir, std::getenv("PATH")).c_str(), 1);
}
