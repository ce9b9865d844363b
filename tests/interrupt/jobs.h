// The batch programs' runs that the interruption tests stop or refuse room to:
// each program twice on good inputs of one kind, an earlier run and a later one.
#pragma once
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "sandbox.h"

using Files = std::map<std::string, std::string>;  // name -> bytes

struct Job {
    std::string program;
    std::vector<std::string> args;
    std::string input;     // standard input
    Files inputs;          // written into the directory before the run
};

struct JobPair {
    const char* name;  // the test's parameter name
    Job earlier, later;
    // Every file a run writes, in the order it starts them.
    std::vector<std::string> outputs;
    // A failed run removes this earlier output on purpose (where the directory lets it).
    const char* removed_on_failure = nullptr;
};

// One pair for every program of the suite that writes files.
const std::vector<JobPair>& writers();

void put_inputs(const Sandbox& box, const Job& job);
RunResult run_job(const Sandbox& box, const Job& job, double timeout = 60);

// The bytes of each of the named files in the directory; absent ones are left out.
Files files_of(const Sandbox& box, const std::vector<std::string>& names);

// A run of the pair's earlier or later job, to its end, in a fresh directory: its
// outputs, its console, and how long it took (each made once per test program).
struct Reference {
    Files outputs;
    std::string out;
    double seconds = 0;
};
const Reference& reference(const JobPair& pair, bool later);

// What differs between two snapshots of a directory, by name ("" when nothing).
std::string differences(const Files& before, const Files& after);

// gtest names a parameter by its test name rather than by its bytes.
inline void PrintTo(const JobPair& p, std::ostream* os) { *os << p.name; }
