// Tables of broken inputs for the end-to-end tests: each one refused with its
// message and exit status, and nothing on disk lost.
#pragma once
#include <string>
#include <utility>
#include <vector>

// One broken input: the text that replaces the good model file (empty: the file
// is removed), the exit status, and the message. A message that starts with a
// file name ("nalvik.txt: ...") must be the whole line after "program: "; any
// other must appear in it. `blocked` names a result file that a directory
// replaces before the broken run, so that it cannot be written.
struct Refusal {
    const char* what;
    std::string text;
    int status;
    std::string message;
    const char* blocked = nullptr;
    const char* file = nullptr;  // the input that the text replaces; the model file when null
};

// For every case, in a fresh directory: runs `program` on the good model (which
// must succeed), puts the broken one in its place, runs again, and expects the
// status, exactly one line on standard error, and every file byte-identical.
// The broken models keep the good one's node count (or fail before it matters).
// Both runs get `args` on the command line; `beside` holds further input files
// (name, text) that the good run needs.
void expect_refusals(const std::string& program, const std::string& model_file, const std::string& good,
                     const std::vector<Refusal>& cases, const std::vector<std::string>& args = {},
                     const std::vector<std::pair<std::string, std::string>>& beside = {});
