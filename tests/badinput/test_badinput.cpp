// Every batch program on systematically broken inputs: each input of one small good
// run cut short at every record boundary, each number turned into a word, NaN, a huge
// or a negative value, each node and material number pushed out of range, and the
// file empty, missing or a directory. Whatever the break, the program ends by
// itself with a documented status; a refusal prints one line "program: what is
// wrong" and leaves every file as the good run left it. A broken input that still
// reads as a model (a coordinate turned negative) may run to its end, but what it
// writes holds no inf or nan.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "dxf_text.h"
#include "mutations.h"
#include "sandbox.h"

namespace {

constexpr double time_limit = 20;  // seconds for one run; the good runs take milliseconds

// One program with its good inputs, and which of them the table breaks.
struct Subject {
    std::string program;
    std::vector<std::string> args;
    std::vector<std::pair<std::string, std::string>> files;  // name and good text
    std::string answer;                                       // standard input of the good run
    std::string broken;                                       // the input broken: a file, or "" for standard input
    std::function<std::vector<Token>(const std::string&)> layout;
    bool token_cuts = false;  // cut at every token end too, not only at line ends (a file of one line)
    // What the program documents beyond the plain rule. lindrove_tri01 warns on
    // standard error before a refusal and removes the boundary description of
    // an earlier drawing on every refusal; gresolt_tri leaves the last complete
    // output of a run whose step breaks down.
    bool warns = false;
    std::string removed_on_refusal;
    std::vector<std::string> kept_on_breakdown;

    const std::string& good() const
    {
        for (const auto& f : files)
            if (f.first == broken) return f.second;
        return answer;
    }
    std::string input_name() const { return broken.empty() ? "standard input" : broken; }
};

// Unit square of two triangles in two materials, the left edge held, pulled on the right.
const char* const square_model =
    "4 2 2 2 2\n"
    "1 0 0\n2 1 0\n3 1 1\n4 0 1\n"
    "1 1 0 1\n2 2 0.25 1\n"
    "1 1 2 3 1\n2 1 3 4 2\n"
    "1 1 1 0 0\n4 1 1 0 0\n"
    "2 0.5 0\n3 0.5 0\n";

// One quadrilateral held on the left, pulled at one right corner.
const char* const quad_model =
    "4 1 1 2 1\n"
    "1 0 0\n2 2 0\n3 2 1\n4 0 1\n"
    "1 1000 0.3 1\n"
    "1 1 2 3 4 1\n"
    "1 1 1 0 0\n4 1 1 0 0\n"
    "3 0.5 0\n";

// The square as a heat model: one corner held by the first flag, the opposite
// one by the second, heat put in at a third.
const char* const heat_model =
    "4 1 2 2 1\n"
    "1 0 0\n2 1 0\n3 1 1\n4 0 1\n"
    "1 2 0 1\n"
    "1 1 2 3 1\n2 1 3 4 1\n"
    "1 1 0 0 9\n3 0 1 9 100\n"
    "2 5 0\n";

// tombrel reads the square of nalvik_tri, with each node at its own temperature.
const char* const init_heat = "20 0 1e-3\n";
const char* const temperatures =
    "1 2.000000e+01  0.0\n2 3.000000e+01  0.0\n3 4.000000e+01  0.0\n4 5.000000e+01  0.0\n";

// A cavity of four triangles about a free centre node, the lid moving, the
// pressure held at one corner: 20000 steps on five nodes take a moment.
const char* const cavity_model =
    "5 1 4 4 1\n"
    "1 0 0\n2 1 0\n3 1 1\n4 0 1\n5 0.5 0.5\n"
    "1 0 0 10\n"
    "1 1 2 5 1\n2 2 3 5 1\n3 3 4 5 1\n4 4 1 5 1\n"
    "1 1 1 0 0\n2 1 1 0 0\n3 1 1 1 0\n4 1 1 1 0\n"
    "1 0 0\n";

// Two blocks of two materials, one on the other: the upper one runs along their
// common side against the lower one and bulges on its right.
const char* const two_blocks =
    "13 2 2 2 1\n"
    "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n"
    "9 2.2 3\n10 2 4\n11 1 4\n12 0 4\n13 0 3\n"
    "1 1000 0.25 1\n2 500 0.3 0.5\n"
    "1 1 2 3 4 5 6 7 8 1\n"
    "2 7 6 5 9 10 11 12 13 2\n"
    "1 1 1 0 0\n3 0 1 0 0\n"
    "10 0 -5\n";

// One block with a held corner and a load on a mid-side point.
const char* const one_block =
    "8 1 1 1 1\n"
    "1 0 0\n2 1 0\n3 2 0\n4 2 1\n5 2 2\n6 1 2\n7 0 2\n8 0 1\n"
    "1 1000 0.25 1\n"
    "1 1 2 3 4 5 6 7 8 1\n"
    "1 1 1 0 0\n"
    "4 5 0\n";

// A square with a square hole and an inner point, as lindrove_tri01 writes it.
const char* const holed_square =
    "1\n1\n4\n4\n1,4,3,2\n8\n1\n"
    "0 0\n10 0\n10 10\n0 10\n"
    "4 4\n6 4\n6 6\n4 6\n"
    "2 8\n";

// A closed polyline around a circle and an ellipse, and a half disc of an arc
// and two lines: every kind of entity that makes a figure, in a few lines each.
std::string holed_drawing()
{
    return drawing(entity("LWPOLYLINE", lwpolyline_groups({{0, 0}, {100, 0}, {100, 50}, {0, 50}}, true)) +
                   dxf_circle(20, 25, 5) + entity("ELLIPSE", ellipse_groups(45, 25, 8, 0, 0.5, 0, 6.283185307179586)) +
                   dxf_line(65, 15, 75, 15) + dxf_line(75, 15, 85, 15) + dxf_arc(75, 15, 10, 0, 180));
}

std::vector<Token> whitespace(const std::string& t) { return tokens_of(t); }

std::vector<Subject> subjects()
{
    auto model = [](int corners) { return [corners](const std::string& t) { return model_layout(t, corners); }; };
    auto one = [](const char* program, std::vector<std::string> args, const char* file, const std::string& good,
                  std::function<std::vector<Token>(const std::string&)> layout) {
        Subject s;
        s.program = program;
        s.args = std::move(args);
        s.files = {{file, good}};
        s.broken = file;
        s.layout = std::move(layout);
        return s;
    };
    std::vector<Subject> s = {
        one("nalvik_tri", {}, "nalvik.txt", square_model, model(3)),
        one("nalvik_quad", {}, "nalvik.txt", quad_model, model(4)),
        one("brundel_tri", {}, "brundel.txt", heat_model, model(3)),
        one("gresolt_tri", {}, "gresolt.txt", cavity_model, model(3)),
        one("pelmiro_const", {"2", "0"}, "data2d.txt", two_blocks, model(8)),
        one("pelmiro_tri", {"2"}, "data2d.txt", one_block, model(8)),
        one("pelmiro_hea", {"2"}, "data2d.txt", one_block, model(8)),
        one("pelmiro_flu", {"2"}, "data2d.txt", one_block, model(8)),
    };
    s[3].kept_on_breakdown = {"result_gresolt.txt", "result_gresolt_pres.txt"};

    // tombrel: each of its three inputs broken in turn, the others good
    const std::vector<std::pair<std::string, std::string>> tombrel_files = {
        {"nalvik.txt", square_model}, {"init_heat.txt", init_heat}, {"result_brundel.txt", temperatures}};
    for (const auto& [file, layout] :
         std::vector<std::pair<std::string, std::function<std::vector<Token>(const std::string&)>>>{
             {"nalvik.txt", model(3)},
             {"init_heat.txt", whitespace},
             {"result_brundel.txt", [](const std::string& t) { return temperature_rows(t, 4); }}}) {
        Subject t = one("tombrel", {}, "", "", layout);
        t.files = tombrel_files;
        t.broken = file;
        t.token_cuts = file == "init_heat.txt";
        s.push_back(t);
    }

    Subject outline = one("lindrove_tri01", {}, "model2d.dxf", holed_drawing(), drawing_layout);
    outline.warns = true;
    outline.removed_on_refusal = "INPUT01.TXT";
    s.push_back(outline);

    // lindrove_tri02: the boundary description, then the node count on its console
    Subject mesher = one("lindrove_tri02", {}, "INPUT01.TXT", holed_square, boundary_description);
    mesher.answer = "11\n";
    s.push_back(mesher);
    mesher.broken = "";
    mesher.token_cuts = true;
    mesher.layout = [](const std::string& t) {
        // the count is asked again while it is below the nodes read or over the table
        std::vector<Token> toks = tokens_of(t);
        toks[0].role = Role::node;
        toks[0].range = 4000;
        return toks;
    };
    s.push_back(mesher);

    // print reads nothing: whatever stands on its console must not matter
    Subject print = one("print", {}, "", "", whitespace);
    print.files.clear();
    print.broken = "";
    print.answer = "1\n";
    print.token_cuts = true;
    s.push_back(print);
    return s;
}

const std::vector<Subject>& all_subjects()
{
    static const std::vector<Subject> s = subjects();
    return s;
}

const char* family_name(Family f)
{
    switch (f) {
    case Family::cut: return "Cut";
    case Family::numbers: return "Numbers";
    case Family::references: return "References";
    default: return "Files";
    }
}

struct Case {
    size_t subject;
    Family family;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.subject << " " << family_name(c.family); }

std::vector<Mutant> mutants_of(const Subject& s, Family f)
{
    if (f == Family::files && s.broken.empty()) return {};  // an empty answer is a cut
    return mutants(s.input_name(), s.good(), s.layout(s.good()), f, !s.token_cuts);
}

std::vector<Case> cases()
{
    std::vector<Case> c;
    for (size_t i = 0; i < all_subjects().size(); ++i)
        for (Family f : {Family::cut, Family::numbers, Family::references, Family::files})
            if (!mutants_of(all_subjects()[i], f).empty()) c.push_back({i, f});
    return c;
}

std::string case_name(const testing::TestParamInfo<Case>& info)
{
    const Subject& s = all_subjects()[info.param.subject];
    std::string name = s.program;
    for (const auto& a : s.args) name += "_" + a;
    std::string input = s.broken.empty() ? "stdin" : s.broken;
    for (char& ch : input)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name + "_" + input + "_" + family_name(info.param.family);
}

bool has(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

// What is wrong with one run on a broken input; empty when nothing is.
std::string judge(const Subject& s, const RunResult& r, std::map<std::string, std::string> before,
                  std::map<std::string, std::string> after)
{
    if (r.timed_out) return "does not end within " + std::to_string(int(time_limit)) + " s";
    if (r.status < 0) return "ended by a signal";
    if (has(r.err, "runtime error:") || has(r.err, "Sanitizer")) return "a sanitizer report:\n" + r.err;
    if (r.status > 5) return "ends with the undocumented status " + std::to_string(r.status);
    if (r.status == 0) {
        // a run that ends well has written numbers that its readers take
        for (const auto& [name, bytes] : after) {
            auto was = before.find(name);
            if (was != before.end() && was->second == bytes) continue;
            for (const Token& t : tokens_of(bytes)) {
                std::string w = bytes.substr(t.begin, t.end - t.begin);
                if (w[0] == '-') w.erase(0, 1);
                if (w == "inf" || w == "nan") return "ends well but writes '" + w + "' into " + name;
            }
        }
        return "";
    }

    const std::string prefix = s.program + ": ";
    const std::string status = "status " + std::to_string(r.status) + ": ";
    std::string err = r.err;
    if (s.warns) {
        // the run's warnings come first, each a line of its own
        const std::string warning = prefix + "warning: ";
        while (err.rfind(warning, 0) == 0 && err.find('\n') != std::string::npos) err.erase(0, err.find('\n') + 1);
    }
    if (err.empty() || std::count(err.begin(), err.end(), '\n') != 1 || err.back() != '\n')
        return status + "standard error is not one line:\n" + r.err;
    if (err.rfind(prefix, 0) != 0 || err.size() <= prefix.size() + 1)
        return status + "standard error does not say the program and what is wrong: " + err;
    if (r.status == 2) {
        // an input refusal names the input
        bool named = err.rfind(prefix + "standard input: ", 0) == 0;
        for (const auto& f : s.files) named = named || err.rfind(prefix + f.first + ": ", 0) == 0;
        if (!named) return status + "the refusal names no input: " + err;
    }
    if (r.status == 4) {
        for (const auto& f : s.kept_on_breakdown) {
            // replaced, if at all, by the last complete output, which ends in an empty line
            auto it = after.find(f);
            if (it == after.end()) return status + f + " is lost";
            if (it->second.size() < 2 || it->second.compare(it->second.size() - 2, 2, "\n\n") != 0)
                return status + f + " is left incomplete";
            before.erase(f);
            after.erase(f);
        }
    }

    if (!s.removed_on_refusal.empty()) {
        if (after.count(s.removed_on_refusal)) return status + s.removed_on_refusal + " is left after the refusal";
        before.erase(s.removed_on_refusal);
    }
    for (const auto& [name, bytes] : before) {
        auto it = after.find(name);
        if (it == after.end()) return status + name + " is lost";
        if (it->second != bytes) return status + name + " is changed";
    }
    for (const auto& f : after) {
        if (!before.count(f.first)) return status + f.first + " is new";
    }
    return "";
}

std::string shown(const std::string& text)
{
    return text.size() <= 600 ? text : text.substr(0, 600) + "...";
}

// In the sanitizer build every broken run is checked for memory errors and
// undefined behaviour, but not for leaks: the leak scan of the solvers' large
// static tables costs up to half a second a run, and a refused run has ended
// anyway. The good run of each test keeps the scan the environment asks for.
class WithoutLeakScan {
public:
    WithoutLeakScan()
    {
#if defined(__SANITIZE_ADDRESS__)
        const char* old = std::getenv("ASAN_OPTIONS");
        had_ = old != nullptr;
        if (had_) old_ = old;
        std::string options = had_ && *old ? old_ + ":detect_leaks=0" : "detect_leaks=0";
        setenv("ASAN_OPTIONS", options.c_str(), 1);
#endif
    }
    ~WithoutLeakScan()
    {
#if defined(__SANITIZE_ADDRESS__)
        if (had_)
            setenv("ASAN_OPTIONS", old_.c_str(), 1);
        else
            unsetenv("ASAN_OPTIONS");
#endif
    }

private:
    bool had_ = false;
    std::string old_;
};

class BadInput : public testing::TestWithParam<Case> {};

TEST_P(BadInput, EndsWithADocumentedStatusAndLosesNothing)
{
    const Subject& s = all_subjects()[GetParam().subject];
    const auto start = std::chrono::steady_clock::now();

    // the good run, whose files every broken run starts from
    std::map<std::string, std::string> left;
    {
        Sandbox box;
        for (const auto& f : s.files) box.write(f.first, f.second);
        RunResult r = box.run(s.program, s.args, s.answer, time_limit);
        ASSERT_EQ(r.status, 0) << "the good run must succeed: " << r.err;
        left = box.snapshot();
    }

    const std::vector<Mutant> broken = mutants_of(s, GetParam().family);
    WithoutLeakScan cheaper;
    int faults = 0;
    for (const Mutant& m : broken) {
        Sandbox box;
        for (const auto& f : left) box.write(f.first, f.second);
        std::string answer = s.answer;
        if (s.broken.empty()) {
            answer = m.text;
        } else {
            std::remove(box.path(s.broken).c_str());
            if (m.form == Form::text) box.write(s.broken, m.text);
            if (m.form == Form::directory) {
                ASSERT_EQ(mkdir(box.path(s.broken).c_str(), 0755), 0);
            }
        }
        const auto before = box.snapshot();
        RunResult r = box.run(s.program, s.args, answer, time_limit);
        std::string fault = judge(s, r, before, box.snapshot());
        if (!fault.empty()) {
            ADD_FAILURE() << m.what << ": " << fault << "\n--- broken input:\n" << shown(m.text);
            if (++faults == 20) break;  // the rest would say the same
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu broken inputs in %.2f s\n", broken.size(), seconds);
}

INSTANTIATE_TEST_SUITE_P(Programs, BadInput, testing::ValuesIn(cases()), case_name);

}  // namespace
