// SPDX-License-Identifier: MIT
#pragma once
// The five reel strips, the symbols a stop shows, the reel weights, and how one
// reel's stop is recorded into the per-symbol cell arrays.
#include <array>
#include <cstdint>

#include "rules/decimal.h"
#include "rules/fieldlist.h"
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
// The cell arrays are CellArrays (18 decimals).
#define TONVALE_SPIN_RECORD_FIELDS(N, T, A)                     \
    A(Decimal, composercells, 18, 0)                            \
    A(Decimal, pianocells, 18, 0)                               \
    A(Decimal, horncells, 18, 0)                                \
    A(Decimal, violincells, 18, 0)                              \
    A(Decimal, harpcells, 18, 0)                                \
    A(Decimal, drumcells, 18, 0)                                \
    A(Decimal, kingcells, 18, 0)                                \
    A(Decimal, queencells, 18, 0)                               \
    A(Decimal, jackcells, 18, 0)                                \
    A(Decimal, scattercells, 18, 0)                             \
    A(std::int16_t, scattercell, 16, 0) /* used 1..5 by reel */ \
    N(std::int16_t, scattersum)                                 \
    A(std::int16_t, wildflags, 16, 0) /* used 1..15 by cell */  \
    A(std::int16_t, bellcell, 6, 0)   /* used 1..5 by reel */   \
    N(std::int16_t, bellcount)                                  \
    N(std::int16_t, bellcoin)

struct SpinRecord {
    TONVALE_FIELD_MEMBERS(TONVALE_SPIN_RECORD_FIELDS)

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
