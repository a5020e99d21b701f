// SPDX-License-Identifier: MIT
#pragma once
// The symbols as a player reads and hears them: "harp", "King".
#include <QString>

#include "rules/symbols.h"

namespace tonvale::ui {

// The symbol's name in words, in lower case ("harp", "scatter").
QString symbolWords(Symbol s);
// The name of the logo tile of reel 3, which counts as a bell.
QString logoWords();
// The symbol's name as a heading, with a capital ("Harp").
QString symbolHeading(Symbol s);
// A gamble card by its number (1 hearts, 2 clubs, 3 diamonds, 4 spades): "hearts".
QString suitWords(int card);

}  // namespace tonvale::ui
