// SPDX-License-Identifier: MIT
#pragma once
// Checks shared by the tools' inputs: which characters are blanks, how a bad piece
// of input is echoed, and what a number on the command line may look like.
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "core/textforms.h"

namespace tonvale {

// Every character that separates words, as the word split of a line sees them.
inline constexpr std::string_view kBlanks = " \t\n\v\f\r";

inline bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(kBlanks) == std::string::npos;
}

// The longest line a script or eval's standard input may have, in bytes (the line
// break not counted): a longer one is refused, never read into memory whole.
inline constexpr std::size_t kLongestLine = 65536;

enum class LineRead : std::uint8_t { line, end, tooLong, failed };

// Reads the next line of `in`, without its line break, holding no more than
// `limit` bytes of it: `line` (the last one may lack its break), `end` when
// nothing is left, `tooLong` at the first byte past the limit, `failed` when the
// input could not be read (a folder, an input/output error).
inline LineRead readLine(std::istream& in, std::string& line, std::size_t limit = kLongestLine) {
    line.clear();
    bool any = false;
    char c = 0;
    while (in.get(c)) {
        any = true;
        if (c == '\n') return LineRead::line;
        if (line.size() >= limit) return LineRead::tooLong;
        line.push_back(c);
    }
    // Standard input is read through C's stdio, which keeps its errors to itself.
    if (in.bad() || (&in == &std::cin && std::ferror(stdin))) return LineRead::failed;
    return any ? LineRead::line : LineRead::end;
}

// The error text of a line that could not be read.
inline std::string lineProblem(LineRead r, int number) {
    if (r == LineRead::tooLong)
        return "line " + std::to_string(number) + " is longer than " + std::to_string(kLongestLine) +
               " bytes";
    return number <= 1 ? "cannot read the input"
                       : "cannot read the input after line " + std::to_string(number - 1);
}

// A piece of bad input as an error message quotes it: whole when short, else its
// start and its length, so that a huge line never floods the terminal.
inline std::string excerpt(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) return "'" + std::string(text) + "'";
    return "'" + std::string(text.substr(0, kShown)) + "...' (" + std::to_string(text.size()) + " bytes)";
}

// Empty when `text` is a plain decimal number (digits only, at most 2^64 - 1);
// otherwise why not. Signs, hexadecimal and other spellings are refused rather
// than read as some other number.
inline std::string decimalProblem(const std::string& text) {
    if (text.empty()) return "a number is needed";
    std::uint64_t value = 0;
    const IntegerRead read = parseInteger(text, value);
    if (read.error == std::errc::result_out_of_range) return excerpt(text) + " is too large";
    if (!read) return excerpt(text) + " is not a decimal number of digits 0-9";
    return {};
}

}  // namespace tonvale
