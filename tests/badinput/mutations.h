// Broken inputs made systematically from one good input: cut short, a number
// swapped for a word, NaN, a huge or a negative value, a node or material
// number pushed out of range, and the file empty, missing or a directory.
#pragma once
#include <string>
#include <vector>

// What a number of a good input stands for: a count or value of its own, a
// reference into a table of `range` entries (numbered 1..range), or a number
// that a good input repeats only for its layout and that is broken once only.
enum class Role { value, node, material, repeat };

struct Token {
    size_t begin, end;  // [begin, end) in the text
    Role role = Role::value;
    int range = 0;      // the table size a reference points into
};

// The whitespace-separated tokens (and commas too, for list-directed files).
std::vector<Token> tokens_of(const std::string& text, bool commas = false);

// Roles by layout. Each walks a good text that it knows to be complete.
// The model file: header, nodes, materials, elements of `corners` nodes, boundary
// and load records (the solvers' files and the mesher's block model alike).
std::vector<Token> model_layout(const std::string& text, int corners);
// Rows "node T 0.0" of a temperature file for a mesh of `nodes` nodes.
std::vector<Token> temperature_rows(const std::string& text, int nodes);
// The boundary description of the Delaunay mesher: counts, node lists, points.
std::vector<Token> boundary_description(const std::string& text);
// A drawing of one group code or value a line. Every entity starts with the
// same header groups (handle, owner, layer, subclass markers): those of the
// first entity are broken, the others are repeats.
std::vector<Token> drawing_layout(const std::string& text);

// How a broken input stands in for the good one.
enum class Form { text, missing, directory };

struct Mutant {
    std::string what;  // "nalvik.txt: token 7 '1' (node 4) -> '0'"
    Form form = Form::text;
    std::string text;
};

// Families of broken inputs, each in the order a reader meets them.
enum class Family { cut, numbers, references, files };

// `lines_only`: cut at line ends only (a file of one record a line), else at
// every token end as well.
std::vector<Mutant> mutants(const std::string& name, const std::string& good, const std::vector<Token>& toks,
                            Family family, bool lines_only = false);
