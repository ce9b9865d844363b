// A working directory that the programs under test cannot add a file to.
#pragma once
#include <string>

#include "sandbox.h"

// Makes the sandbox's working directory read-only for the programs it runs, while
// they can still read and write the files already in it, as a user can in a
// directory of her own that she made read-only. Root writes into any directory,
// so a test run by root runs the programs as the unprivileged user 65534, who
// then owns those files. Returns "" when done, else why it cannot be done on this
// machine (the test is then skipped with that reason).
std::string make_unwritable(Sandbox& box);
