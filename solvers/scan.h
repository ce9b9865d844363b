// The shared scanner of the suite's input files: whitespace-separated tokens,
// line structure carries no meaning.
#pragma once
#include <string>

#include "failure.h"

// Walks the tokens of one file held in memory. It knows the file name and the
// record it is in, so that a refusal reads
//   "nalvik.txt: node record 12: expected a real for y, found 'abc'".
class Scanner {
public:
    // Reads the whole file; one that cannot be opened or read is refused.
    static Scanner open(const std::string& file);
    // Reads the file at `path` (the temporary file of an output being made, say)
    // and names it `file` in refusals.
    static Scanner open(const std::string& file, const std::string& path);
    Scanner(std::string file, std::string text) : file_(std::move(file)), text_(std::move(text)) {}

    // Names the record now being read: at("node record", 12), at("header").
    void at(const char* record, long number = 0);

    int integer(const char* field);   // decimal integer, optional sign
    double real(const char* field);   // decimal fixed or exponent form, finite
    std::string word(const char* field);  // any token, unread
    bool more();                      // is another token left?

    // For files written by list-directed reads (INPUT01.TXT): commas separate
    // tokens as blanks do, and end_read() drops the rest of the line of the
    // last token, so that the next read starts on a new line.
    void commas_separate() { commas_ = true; }
    void end_read();

    // Refuses the input at the current record: "file: record: what".
    [[noreturn]] void refuse(const std::string& what, Status status = Status::input) const;

    const std::string& file() const { return file_; }
    const std::string& text() const { return text_; }  // the whole file, for readers of other grammars
    std::string where() const;        // "node record 12", or "" before any record

private:
    // Next token as [begin, end) of text_; refuses at end of file.
    void next(const char* field, size_t& b, size_t& e);
    [[noreturn]] void bad(const char* kind, const char* field, size_t b, size_t e) const;
    bool separator(char c) const;

    std::string file_;
    std::string text_;
    size_t pos_ = 0;
    const char* record_ = nullptr;
    long number_ = 0;
    bool commas_ = false;
};

// Token grammar, shared with writers' tests: does s[b, e) spell an integer / a real?
bool is_integer_token(const char* s, size_t n);
bool is_real_token(const char* s, size_t n);
