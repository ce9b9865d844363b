// Result rows as the tests read them: by position, leading number kept apart.
#include "result_rows.h"

#include <sstream>

#include <gtest/gtest.h>

const char* const result_files[5] = {"result_nalvik.txt", "result_nalvik_strain_elm.txt",
                                     "result_nalvik_stress_elm.txt", "result_nalvik_strain.txt",
                                     "result_nalvik_stress.txt"};

Rows rows(const std::string& text, int per_row)
{
    Rows r;
    std::istringstream in(text);
    int n;
    while (in >> n) {
        std::vector<double> v(per_row);
        for (double& x : v) in >> x;
        r.number.push_back(n);
        r.value.push_back(v);
    }
    return r;
}

std::map<std::string, std::string> results_of(const Sandbox& box)
{
    std::map<std::string, std::string> files;
    for (const char* f : result_files) files[f] = box.read(f);
    return files;
}

void expect_exact_results(const std::string& program, const std::string& model, const std::string& echo,
                          const std::vector<std::string>& files)
{
    ASSERT_EQ(files.size(), 5u);
    Sandbox box;
    box.write("nalvik.txt", model);
    for (int run = 1; run <= 2; ++run) {
        RunResult r = box.run(program);
        ASSERT_EQ(r.status, 0) << "run " << run << ": " << r.err;
        EXPECT_EQ(r.out, echo) << "run " << run;
        EXPECT_EQ(r.err, "") << "run " << run;
        for (int i = 0; i < 5; ++i) EXPECT_EQ(box.read(result_files[i]), files[i]) << "run " << run << ": " << result_files[i];
        // no temporary file is left behind
        EXPECT_EQ(box.snapshot().size(), 6u) << "run " << run;
    }
}
