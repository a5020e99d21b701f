// SPDX-License-Identifier: MIT
#pragma once
// The twelve symbols of the game and the numbering of the fifteen visible cells.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tonvale {

// Index order follows the pay-table picture.
enum class Symbol : std::uint8_t {
    composer = 1,
    piano,
    horn,
    violin,
    harp,
    drum,
    king,
    queen,
    jack,
    scatter,
    wild,
    bell,
};

inline constexpr int kPayingSymbols = 9;  // composer .. jack

constexpr bool isPaying(Symbol s) { return static_cast<int>(s) >= 1 && static_cast<int>(s) <= 9; }
// 0-based slot of a paying symbol in per-symbol tables.
constexpr int payingIndex(Symbol s) { return static_cast<int>(s) - 1; }
constexpr Symbol payingSymbol(int index) { return static_cast<Symbol>(index + 1); }

constexpr std::string_view symbolName(Symbol s) {
    constexpr std::array<std::string_view, 13> names = {"",        "composer", "piano", "horn",  "violin",
                                                        "harp",    "drum",     "king",  "queen", "jack",
                                                        "scatter", "wild",     "bell"};
    return names[static_cast<int>(s)];
}

std::optional<Symbol> symbolFromName(std::string_view name);

enum class Row : std::uint8_t { top = 0, middle = 1, bottom = 2 };

// Cells 1..15: down reels 1, 3 and 5, up reels 2 and 4.
constexpr int cellOf(int reel, Row row) {
    const int r = static_cast<int>(row);
    const int first = (reel - 1) * 3 + 1;
    const bool up = reel == 2 || reel == 4;
    return up ? first + (2 - r) : first + r;
}
constexpr int reelOfCell(int cell) { return (cell - 1) / 3 + 1; }
constexpr Row rowOfCell(int cell) {
    const int reel = reelOfCell(cell);
    const int offset = (cell - 1) % 3;
    const bool up = reel == 2 || reel == 4;
    return static_cast<Row>(up ? 2 - offset : offset);
}

// Ways factors in the order of the ways steps, with the ways they show.
inline constexpr std::array<int, 5> kWaysFactors = {1, 3, 7, 15, 25};
inline constexpr std::array<int, 5> kWaysShown = {3, 9, 27, 81, 243};
inline constexpr std::array<int, 5> kBets = {1, 2, 5, 10, 20};

// The number of reels, from reel 1, that count all three rows for a ways factor;
// 0 for a value that is not a ways factor.
constexpr int fullReels(int waysfactor) {
    switch (waysfactor) {
        case 1:
            return 1;
        case 3:
            return 2;
        case 7:
            return 3;
        case 15:
            return 4;
        case 25:
            return 5;
        default:
            return 0;
    }
}

// Whether a cell counts under a ways factor: reel 1 and the middle row always
// count; the top and bottom rows of reel k count once k reels count in full.
constexpr bool cellCounts(int cell, int waysfactor) {
    if (rowOfCell(cell) == Row::middle) return true;
    const int reel = reelOfCell(cell);
    if (reel == 1) return true;
    const int thresholds[6] = {0, 0, 1, 3, 7, 15};
    return waysfactor > thresholds[reel];
}

constexpr std::optional<int> waysFactorForWays(int ways) {
    for (std::size_t i = 0; i < kWaysShown.size(); ++i)
        if (kWaysShown[i] == ways) return kWaysFactors[i];
    return std::nullopt;
}

}  // namespace tonvale
