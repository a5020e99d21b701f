// SPDX-License-Identifier: MIT
#pragma once
// The five reel strips, the symbols a stop shows, the reel weights, and how one
// reel's stop is recorded into the per-symbol cell arrays.
#include <array>
#include <cstdint>

#include "rules/decimal.h"
#include "rules/symbols.h"

namespace tonvale {

inline constexpr int kReels = 5;
inline constexpr int kStops = 22;       // stops 1..22
inline constexpr int kStripCells = 29;  // strip cells 0..28
inline constexpr int kCellTwips = 1875;

using Strip = std::array<Symbol, kStripCells>;
extern const std::array<Strip, kReels> kStrips;  // index reel - 1

// The strip cell of reel 3 that is drawn as the logo tile (recorded as a bell).
inline constexpr int kLogoStripCell = 14;

// Top, middle and bottom symbols at rest on stop s: strip cells s, s + 1, s + 2.
std::array<Symbol, 3> visibleSymbols(int reel, int stop);

// Weight of a cell showing a symbol on a reel: 8, 7, 6, 10, 20.
constexpr Decimal reelWeight(int reel) {
    constexpr std::int64_t tenths[6] = {0, 80, 70, 60, 100, 200};
    return Decimal::fromTenths(tenths[reel]);
}
// Weight of a wild on reels 2 and 4: 11.5 and 22.9.
constexpr Decimal wildWeight(int reel) { return Decimal::fromTenths(reel == 2 ? 115 : 229); }
inline constexpr Decimal kReel3Special = Decimal::fromTenths(193);  // horn, reel 3 stop 16
inline constexpr Decimal kReel4Special = Decimal::fromTenths(229);  // harp, reel 4 stop 3

// Scatter sum weights of reels 1..5 (whole numbers).
constexpr std::int16_t scatterWeight(int reel) {
    constexpr std::int16_t w[6] = {0, 8, 7, 6, 10, 20};
    return w[reel];
}

using CellArray = std::array<Decimal, 18>;  // indexes 0..17; 1..15 cells, 16 total, 17 paid

// What the reel routines record for a spin; the machine state carries these fields.
struct SpinRecord {
    CellArray composercells{}, pianocells{}, horncells{}, violincells{}, harpcells{}, drumcells{},
        kingcells{}, queencells{}, jackcells{};
    CellArray scattercells{};
    std::array<std::int16_t, 16> scattercell{};  // used 1..5 by reel
    std::int16_t scattersum = 0;
    std::array<std::int16_t, 16> wildflags{};  // used 1..15 by cell
    std::array<std::int16_t, 6> bellcell{};    // used 1..5 by reel
    std::int16_t bellcount = 0;
    std::int16_t bellcoin = 0;

    CellArray& cells(Symbol s);
    const CellArray& cells(Symbol s) const;
};

// Clears what the preparation of a spin clears: the scatter and bell cells of
// every reel, the wild flags of cells 4..12, indexes 1..17 of the ten cell arrays,
// the scatter sum, the bell count and the bell coin.
void clearRecord(SpinRecord& rec);

// Records the three visible cells of `stop` on `reel`. Bells are counted only when
// `countBells` (outside a free-spin series), and on reel 3 only when bellcoin is 1.
void recordReel(SpinRecord& rec, int reel, int stop, int waysfactor, bool countBells);

// Rest Top of a strip on a stop, in twips.
constexpr std::int32_t restTop(int stop) { return -kCellTwips * stop; }

}  // namespace tonvale
