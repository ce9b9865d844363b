// Exit statuses of every program of the suite: the one table callers and scripts rely on.
#pragma once

enum class Status : int {
    done = 0,     // finished; every output written
    usage = 1,    // bad command line
    input = 2,    // an input file missing, malformed or over a table limit
    model = 3,    // the model cannot be analysed: a degenerate element, a structure not held
    numeric = 4,  // the numbers broke down: no convergence, an unstable step
    output = 5,   // an output file cannot be written
};

inline int exit_code(Status s) { return static_cast<int>(s); }
