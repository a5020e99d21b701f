// SPDX-License-Identifier: MIT
#pragma once
// The model's English texts in the player's language. The model keeps its texts
// in English (captions, tooltips, window titles, message boxes); the view passes
// every one of them through here. A text is looked up in the catalogue of the
// model's texts (modeltexts.cpp, the "Game" context of the translations):
//   - whole, with its runs of blanks taken as one blank;
//   - as a pattern, "At Risk %1", whose arguments (whole numbers, decimals, amounts
//     of money, names, words of the catalogue) are kept as the model wrote them and
//     set into the translation;
//   - line by line, blocks of several lines first.
// What the catalogue lacks is shown as it stands, and so is every text in English.
#include <QString>
#include <string_view>
#include <vector>

namespace tonvale {

QString translatedModelText(std::string_view english);

// Whether every line of the text that holds a letter is in the catalogue (a text
// without letters, an amount or a count, needs no entry).
bool modelTextKnown(std::string_view english);

// The catalogue's source texts with the kinds of their arguments, for tests.
struct ModelTextSource {
    const char* text;
    const char* kinds;
};
std::vector<ModelTextSource> modelTextSources();

}  // namespace tonvale
