// Running a program on broken inputs over earlier results.
#include "refusals.h"

#include <algorithm>
#include <cstdio>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "sandbox.h"

void expect_refusals(const std::string& program, const std::string& model_file, const std::string& good,
                     const std::vector<Refusal>& cases, const std::vector<std::string>& args,
                     const std::vector<std::pair<std::string, std::string>>& beside)
{
    for (const Refusal& c : cases) {
        Sandbox box;
        box.write(model_file, good);
        for (const auto& f : beside) box.write(f.first, f.second);
        ASSERT_EQ(box.run(program, args).status, 0) << c.what << ": the good model must run";
        if (c.blocked) {
            std::remove(box.path(c.blocked).c_str());
            ASSERT_EQ(mkdir(box.path(c.blocked).c_str(), 0755), 0) << c.what;
        }
        const std::string broken = c.file ? c.file : model_file;
        if (c.text.empty())
            std::remove(box.path(broken).c_str());
        else
            box.write(broken, c.text);
        auto before = box.snapshot();
        RunResult r = box.run(program, args);
        EXPECT_EQ(r.status, c.status) << c.what;
        std::string first = c.message.substr(0, c.message.find(' '));
        if (first.size() > 5 && first.compare(first.size() - 5, 5, ".txt:") == 0)
            EXPECT_EQ(r.err, program + ": " + c.message + "\n") << c.what;
        else
            EXPECT_NE(r.err.find(c.message), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.what;
        EXPECT_TRUE(box.snapshot() == before) << c.what << ": files on disk changed";
    }
}
