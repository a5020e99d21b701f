// SPDX-License-Identifier: MIT
#pragma once
// The text forms the game reads and writes beside its pictures: whole numbers as the
// store, the scenarios, the tools and the pictures' names write them, and text with
// its control characters escaped so that it stays on one line.
#include <charconv>
#include <concepts>
#include <string>
#include <string_view>
#include <system_error>

namespace tonvale {

// What a reader of numbers takes beyond decimal digits 0-9 with a "-" first (for a
// signed type): no reader takes hexadecimal, exponents, a decimal point or a
// thousands mark; leading zeros are fine everywhere.
struct IntegerForm {
    bool plus = false;    // a "+" may stand first
    bool blanks = false;  // spaces and tabs may stand before and after the number
};

// Why a text was not read: std::errc::invalid_argument when it is no number of the
// form (empty included), std::errc::result_out_of_range when it is one but does not
// fit T. On either the value is left as it was.
struct IntegerRead {
    std::errc error{};
    explicit operator bool() const { return error == std::errc(); }
};

// The whole of `text` as a number of type T.
template <std::integral T>
IntegerRead parseInteger(std::string_view text, T& out, IntegerForm form = {}) {
    if (form.blanks) {
        const auto blank = [](char c) { return c == ' ' || c == '\t'; };
        while (!text.empty() && blank(text.front())) text.remove_prefix(1);
        while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    }
    if (form.plus && !text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        // One sign at the most.
        if (!text.empty() && text.front() == '-') return {std::errc::invalid_argument};
    }
    const char* end = text.data() + text.size();
    T value{};
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    // A number followed by anything is no number, however large its digits.
    if (stop != end || error == std::errc::invalid_argument) return {std::errc::invalid_argument};
    if (error != std::errc()) return {error};
    out = value;
    return {};
}

// `text` with each character of `special` written as its escape: tab as \t, line
// feed as \n, carriage return as \r, backslash as \\; every other byte as it is.
inline std::string escaped(std::string_view text, std::string_view special) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (special.find(c) == std::string_view::npos) {
            out += c;
            continue;
        }
        out += '\\';
        out += c == '\t' ? 't' : c == '\n' ? 'n' : c == '\r' ? 'r' : c;
    }
    return out;
}

// `text` kept on one line and whole, whatever bytes it holds: tab, line feed,
// carriage return and backslash written as \t, \n, \r and \\, every other control
// character (NUL included) and DEL as \xHH with two hexadecimal digits; every other
// byte as it is.
inline std::string escapedControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f && c != '\\') {
            out += c;
            continue;
        }
        out += '\\';
        switch (c) {
            case '\t':
                out += 't';
                break;
            case '\n':
                out += 'n';
                break;
            case '\r':
                out += 'r';
                break;
            case '\\':
                out += '\\';
                break;
            default: {
                constexpr char kDigits[] = "0123456789abcdef";
                out += 'x';
                out += kDigits[byte >> 4];
                out += kDigits[byte & 0xf];
            }
        }
    }
    return out;
}

}  // namespace tonvale
