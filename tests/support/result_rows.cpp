// Result rows as the tests read them: by position, leading number kept apart.
#include "result_rows.h"

#include <sstream>

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
