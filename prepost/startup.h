// What korvanta takes from its command line and its environment at start.
#pragma once
#include <string>

// The program path korvanta was started by, or "korvanta" when there is none.
const char* window_title(int argc, char** argv);

// The search path with dir in front. An unset or empty path, which the shell
// would take as the current directory, becomes dir and the system's own.
std::string path_with_first(const std::string& dir, const char* path);

// The absolute directory of the running program, "" when it cannot be told;
// argv0 serves where the system cannot say.
std::string own_directory(const char* argv0);

// Puts korvanta's own directory in front of PATH, so that the commands of the
// buttons find the suite's programs beside it from any data directory (and
// never a program of the same name in that directory).
void put_own_directory_on_path(const char* argv0);
