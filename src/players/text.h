// SPDX-License-Identifier: MIT
#pragma once
// Player names as the options window handles them: kept as typed (UTF-8),
// counted in characters, shown in upper case.
#include <cstddef>
#include <string>

namespace tonvale {

// Full Unicode upper case ("josé" -> "JOSÉ", "straße" -> "STRASSE"); bytes
// that are not UTF-8 are kept as they are.
std::string upperCase(std::string text);
// Characters (UTF-8 code points), not bytes.
std::size_t characterCount(const std::string& text);
// A typed character code (a code point; control codes below 32 and 127 are ignored).
void appendCharacter(std::string& text, int code);
void dropLastCharacter(std::string& text);

}  // namespace tonvale
