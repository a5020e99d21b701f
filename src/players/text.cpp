// SPDX-License-Identifier: MIT
#include "players/text.h"

#include <algorithm>

#include "players/uppercase_table.h"

namespace tonvale {

namespace {
bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
void encode(std::string& text, std::uint32_t u);

// The code point of a well-formed UTF-8 sequence at `at` and its length; length 0
// for a byte that starts no such sequence.
std::pair<std::uint32_t, std::size_t> decodeAt(const std::string& text, std::size_t at) {
    const auto b0 = static_cast<unsigned char>(text[at]);
    std::size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || at + len > text.size()) return {0, 0};
    std::uint32_t cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < len; ++k) {
        if (!continuation(text[at + k])) return {0, 0};
        cp = (cp << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
    }
    static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kLeast[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
    return {cp, len};
}

std::uint32_t upperOf(std::uint32_t cp) {
    const auto& runs = uppercase::kRuns;
    auto it = std::upper_bound(runs.begin(), runs.end(), cp,
                               [](std::uint32_t c, const uppercase::Run& r) { return c < r.first; });
    if (it == runs.begin()) return cp;
    --it;
    if (cp > it->last || (cp - it->first) % it->step != 0) return cp;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(cp) + it->delta);
}
}  // namespace

std::string upperCase(std::string text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto [cp, len] = decodeAt(text, at);
        if (len == 0) {
            out += text[at++];  // a stray byte is kept as it is
            continue;
        }
        at += len;
        const auto& sp = uppercase::kSpecial;
        const auto s =
            std::find_if(sp.begin(), sp.end(), [c = cp](const uppercase::Special& e) { return e.code == c; });
        if (s != sp.end()) {
            out += s->upper;
            continue;
        }
        encode(out, upperOf(cp));
    }
    return out;
}

std::size_t characterCount(const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
        if (!continuation(c)) ++n;
    return n;
}

void appendCharacter(std::string& text, int code) {
    if (code < 32 || code == 127 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return;
    encode(text, static_cast<std::uint32_t>(code));
}

namespace {
void encode(std::string& text, std::uint32_t u) {
    if (u < 0x80) {
        text += static_cast<char>(u);
    } else if (u < 0x800) {
        text += static_cast<char>(0xC0 | (u >> 6));
        text += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        text += static_cast<char>(0xE0 | (u >> 12));
        text += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (u >> 18));
        text += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (u & 0x3F));
    }
}
}  // namespace

void dropLastCharacter(std::string& text) {
    while (!text.empty() && continuation(text.back())) text.pop_back();
    if (!text.empty()) text.pop_back();
}

}  // namespace tonvale
