// Broken inputs made from good ones, token by token.
#include "mutations.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>
#include <stdexcept>

namespace {

bool separator(char c, bool commas) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || (commas && c == ','); }

bool is_number(const std::string& s)
{
    if (s.empty()) return false;
    char* end = nullptr;
    std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size();
}

// Walks the tokens of a good text in order; running out means the layout
// walker and the text disagree, a fault of the test itself.
struct Walk {
    const std::string& text;
    std::vector<Token> toks;
    size_t at = 0;

    Token& next()
    {
        if (at >= toks.size()) throw std::logic_error("the good input is shorter than its layout");
        return toks[at++];
    }
    int count()
    {
        const Token& t = next();
        return std::atoi(text.substr(t.begin, t.end - t.begin).c_str());
    }
    void ref(Role role, int range)
    {
        Token& t = next();
        t.role = role;
        t.range = range;
    }
    void skip(int n)
    {
        for (int i = 0; i < n; ++i) next();
    }
};

const char* role_name(Role r)
{
    switch (r) {
    case Role::node: return "node";
    case Role::material: return "material";
    default: return "value";
    }
}

}  // namespace

std::vector<Token> tokens_of(const std::string& text, bool commas)
{
    std::vector<Token> toks;
    size_t i = 0;
    while (i < text.size()) {
        if (separator(text[i], commas)) {
            ++i;
            continue;
        }
        size_t b = i;
        while (i < text.size() && !separator(text[i], commas)) ++i;
        toks.push_back({b, i});
    }
    return toks;
}

std::vector<Token> model_layout(const std::string& text, int corners)
{
    Walk w{text, tokens_of(text)};
    int np = w.count(), nm = w.count(), ne = w.count(), nb = w.count(), nf = w.count();
    // a record's own number is read and passed over: only the numbers that
    // point into a table are references
    w.skip(3 * np + 4 * nm);
    for (int i = 0; i < ne; ++i) {
        w.skip(1);
        for (int k = 0; k < corners; ++k) w.ref(Role::node, np);
        w.ref(Role::material, nm);
    }
    for (int i = 0; i < nb; ++i) {
        w.ref(Role::node, np);
        w.skip(4);
    }
    for (int i = 0; i < nf; ++i) {
        w.ref(Role::node, np);
        w.skip(2);
    }
    if (w.at != w.toks.size()) throw std::logic_error("the good model has tokens after its last record");
    return w.toks;
}

std::vector<Token> temperature_rows(const std::string& text, int nodes)
{
    Walk w{text, tokens_of(text)};
    for (int i = 0; i < nodes; ++i) {
        w.ref(Role::node, nodes);
        w.skip(2);
    }
    return w.toks;
}

std::vector<Token> boundary_description(const std::string& text)
{
    Walk w{text, tokens_of(text, true)};
    int exterior = w.count(), interior = w.count();
    std::vector<int> exterior_nodes;
    for (int i = 0; i < exterior; ++i) exterior_nodes.push_back(w.count());
    w.skip(interior > 0 ? interior : 1);  // one placeholder 0 without holes
    // the node lists come before the point count they index: look ahead
    size_t lists = w.at;
    int listed = 0;
    for (int n : exterior_nodes) listed += n;
    w.at = lists + listed;
    int boundary = w.count(), inner = w.count();
    w.at = lists;
    for (int i = 0; i < listed; ++i) w.ref(Role::node, boundary);
    w.skip(2 + 2 * (boundary + inner));
    return w.toks;
}

std::vector<Token> drawing_layout(const std::string& text)
{
    std::vector<Token> toks = tokens_of(text);
    auto word = [&](size_t k) { return text.substr(toks[k].begin, toks[k].end - toks[k].begin); };
    const int header_lines = 10;  // 5, 330, 100, 8 and 100 with their values
    int entities = 0;
    for (size_t k = 0; k + 1 < toks.size(); ++k) {
        if (word(k) != "0") continue;
        const std::string keyword = word(k + 1);
        if (keyword == "SECTION" || keyword == "ENDSEC" || keyword == "EOF" || !std::isalpha(keyword[0])) continue;
        if (++entities == 1) continue;
        for (size_t h = k + 2; h < k + 2 + header_lines && h < toks.size(); ++h) toks[h].role = Role::repeat;
    }
    return toks;
}

std::vector<Mutant> mutants(const std::string& name, const std::string& good, const std::vector<Token>& toks,
                            Family family, bool lines_only)
{
    std::vector<Mutant> out;
    std::set<std::string> seen{good};
    auto line_of = [&](size_t at) { return 1 + std::count(good.begin(), good.begin() + at, '\n'); };
    auto add = [&](const std::string& what, const std::string& text) {
        if (seen.insert(text).second) out.push_back({name + ": " + what, Form::text, text});
    };
    switch (family) {
    case Family::cut: {
        // the cut points in file order: every line end (a record ends there),
        // and every token end too in a file of few lines
        std::set<size_t> cuts;
        for (size_t i = 0; i < good.size(); ++i)
            if (good[i] == '\n') cuts.insert(i + 1);
        if (!lines_only)
            for (const Token& t : toks) cuts.insert(t.end);
        cuts.insert(0);
        for (size_t c : cuts) {
            if (c >= good.size()) continue;
            std::string where = c == 0                ? "nothing"
                                : good[c - 1] == '\n' ? "line " + std::to_string(line_of(c - 1))
                                                      : "byte " + std::to_string(c) + " in line " +
                                                            std::to_string(line_of(c));
            add("cut after " + where, good.substr(0, c));
        }
        break;
    }
    case Family::numbers:
    case Family::references:
        for (size_t k = 0; k < toks.size(); ++k) {
            const Token& t = toks[k];
            const std::string old = good.substr(t.begin, t.end - t.begin);
            if (!is_number(old) || t.role == Role::repeat) continue;
            std::vector<std::string> news;
            if (family == Family::numbers) {
                news = {"abc", "nan", "1e308", "99999999999"};
                if (std::strtod(old.c_str(), nullptr) == 0)
                    news.push_back("-1");
                else if (old[0] != '-')
                    news.push_back("-" + old);
            } else {
                if (t.role != Role::node && t.role != Role::material) continue;
                news = {"0", std::to_string(t.range + 1), "1000000"};
            }
            for (const std::string& v : news) {
                if (v == old) continue;
                std::string what = "token " + std::to_string(k + 1) + " (line " + std::to_string(line_of(t.begin)) +
                                   ") '" + old + "'";
                if (t.role == Role::node || t.role == Role::material) what += std::string(" (") + role_name(t.role) + ")";
                add(what + " -> '" + v + "'", good.substr(0, t.begin) + v + good.substr(t.end));
            }
        }
        break;
    case Family::files:
        out.push_back({name + ": empty", Form::text, ""});
        out.push_back({name + ": blanks only", Form::text, " \n\t\n"});
        out.push_back({name + ": missing", Form::missing, ""});
        out.push_back({name + ": a directory", Form::directory, ""});
        break;
    }
    return out;
}
