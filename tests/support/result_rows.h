// Reading back the structural result files in the end-to-end tests.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "sandbox.h"

// The five files every structural solver writes, in the order of their writing.
extern const char* const result_files[5];

// Rows of a result file: the leading integers and the values.
struct Rows {
    std::vector<int> number;
    std::vector<std::vector<double>> value;
};
Rows rows(const std::string& text, int per_row);

// The five result files of a sandbox by name, bytes as written.
std::map<std::string, std::string> results_of(const Sandbox& box);

// Runs `program` twice on the model in nalvik.txt: each run must end with status
// 0, print exactly `echo`, and leave exactly `files` (in the order of
// result_files) beside the model, the second run's rows replacing the first's.
void expect_exact_results(const std::string& program, const std::string& model, const std::string& echo,
                          const std::vector<std::string>& files);
