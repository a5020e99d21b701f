// SPDX-License-Identifier: MIT
#pragma once
// Checks shared by the tools' inputs: which characters are blanks, how a bad piece
// of input is echoed, and what a number on the command line may look like.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/textforms.h"

namespace tonvale {

// Every character that separates words, as the word split of a line sees them.
inline constexpr std::string_view kBlanks = " \t\n\v\f\r";

inline bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(kBlanks) == std::string::npos;
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
