// SPDX-License-Identifier: MIT
#include "rules/strips.h"

namespace tonvale {

namespace {
using S = Symbol;
constexpr S co = S::composer, pi = S::piano, ho = S::horn, vi = S::violin, ha = S::harp, dr = S::drum,
            ki = S::king, qu = S::queen, ja = S::jack, sc = S::scatter, wi = S::wild, be = S::bell;
}  // namespace

// Strip cells 0..28 of each reel, top to bottom.
const std::array<Strip, kReels> kStrips = {{
    {ki, sc, ja, ki, dr, be, ja, ho, be, qu, co, dr, vi, ja, ki,
     sc, ha, ho, pi, co, vi, qu, ha, sc, ja, ho, pi, ho, dr},
    {ja, ha, wi, ki, qu, be, ha, qu, dr, sc, ho, pi, qu, ja, vi,
     ha, dr, vi, be, pi, ja, co, ki, ha, ho, wi, ki, vi, ha},
    {qu, co, dr, qu, vi, ha, co, ho, sc, ha, pi, ki, dr, vi, be,
     qu, ha, ja, ho, sc, vi, ja, ki, pi, dr, ho, qu, ki, pi},
    {ki, dr, pi, qu, ha, dr, ki, sc, ho, pi, qu, wi, ja, dr, ki,
     ha, dr, ja, co, vi, ha, ho, ja, vi, pi, wi, ki, dr, ho},
    {ja, dr, vi, ki, qu, pi, dr, ja, co, sc, ha, ja, vi, qu, pi,
     ja, ha, ho, ki, ha, ho, ki, ja, dr, vi, qu, ja, dr, pi},
}};

std::array<Symbol, 3> visibleSymbols(int reel, int stop) {
    const Strip& strip = kStrips.at(static_cast<std::size_t>(reel - 1));
    return {strip.at(static_cast<std::size_t>(stop)), strip.at(static_cast<std::size_t>(stop + 1)),
            strip.at(static_cast<std::size_t>(stop + 2))};
}

CellArray& SpinRecord::cells(Symbol s) {
    switch (s) {
        case Symbol::composer:
            return composercells;
        case Symbol::piano:
            return pianocells;
        case Symbol::horn:
            return horncells;
        case Symbol::violin:
            return violincells;
        case Symbol::harp:
            return harpcells;
        case Symbol::drum:
            return drumcells;
        case Symbol::king:
            return kingcells;
        case Symbol::queen:
            return queencells;
        case Symbol::jack:
            return jackcells;
        default:
            return scattercells;
    }
}

const CellArray& SpinRecord::cells(Symbol s) const { return const_cast<SpinRecord*>(this)->cells(s); }

void clearRecord(SpinRecord& rec) {
    for (int reel = 1; reel <= 5; ++reel) {
        rec.scattercell[reel] = 0;
        rec.bellcell[reel] = 0;
    }
    for (int cell = 4; cell <= 12; ++cell) rec.wildflags[cell] = 0;
    for (int i = 0; i < kPayingSymbols; ++i) {
        CellArray& a = rec.cells(payingSymbol(i));
        for (int k = 1; k <= 17; ++k) a[k] = Decimal{};
    }
    for (int k = 1; k <= 17; ++k) rec.scattercells[k] = Decimal{};
    rec.scattersum = 0;
    rec.bellcount = 0;
    rec.bellcoin = 0;
}

void recordReel(SpinRecord& rec, int reel, int stop, int waysfactor, bool countBells) {
    const auto shown = visibleSymbols(reel, stop);
    for (int r = 0; r < 3; ++r) {
        const Row row = static_cast<Row>(r);
        const int cell = cellOf(reel, row);
        const Symbol sym = shown[static_cast<std::size_t>(r)];
        const bool counts = cellCounts(cell, waysfactor);
        switch (sym) {
            case Symbol::scatter:
                rec.scattercells[cell] = Decimal::fromInt(1);
                if (counts) {
                    rec.scattercell[reel] = static_cast<std::int16_t>(cell);
                    rec.scattersum = static_cast<std::int16_t>(rec.scattersum + scatterWeight(reel));
                }
                break;
            case Symbol::wild: {
                // A wild stands in every paying symbol's array; the evaluation masks
                // the cells that do not count. Reel 2 flags its top-row wild whatever
                // the ways setting; reel 4 flags a wild only where it counts.
                for (int i = 0; i < kPayingSymbols; ++i) rec.cells(payingSymbol(i))[cell] = wildWeight(reel);
                if (reel == 2 || counts) rec.wildflags[cell] = 1;
                if (counts) rec.scattersum = static_cast<std::int16_t>(rec.scattersum + scatterWeight(reel));
                break;
            }
            case Symbol::bell:
                rec.bellcell[reel] = static_cast<std::int16_t>(cell);
                if (countBells && (reel != 3 || rec.bellcoin == 1)) ++rec.bellcount;
                break;
            default: {
                Decimal weight = reelWeight(reel);
                if (reel == 3 && stop == 16 && row == Row::bottom) weight = kReel3Special;
                if (reel == 4 && stop == 3 && row == Row::middle) weight = kReel4Special;
                rec.cells(sym)[cell] = weight;
                break;
            }
        }
    }
}

}  // namespace tonvale
