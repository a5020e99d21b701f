#include "players/text.h"

namespace tonvale {

namespace {
bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::string upperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::size_t characterCount(const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
        if (!continuation(c)) ++n;
    return n;
}

void appendCharacter(std::string& text, int code) {
    if (code < 32 || code == 127 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return;
    const auto u = static_cast<unsigned>(code);
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

void dropLastCharacter(std::string& text) {
    while (!text.empty() && continuation(text.back())) text.pop_back();
    if (!text.empty()) text.pop_back();
}

}  // namespace tonvale
