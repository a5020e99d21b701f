// SPDX-License-Identifier: MIT
#pragma once
// Finding real stop combinations for a wanted outcome with the rules library, so
// that machine tests script draws that actually produce what they claim.
#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

#include "rules/paytable.h"
#include "rules/strips.h"

namespace tonvale::testing {

struct Trial {
    std::array<int, 5> stops{};
    int bellcoin = 2;
    SpinRecord rec;  // as the reel routines record it, before the evaluation
    SpinPays pays;   // what the evaluation's pay arithmetic makes of it
    int bells = 0;   // bells counted outside a series

    Symbol shown(int reel, Row row) const {
        return visibleSymbols(reel, stops[static_cast<std::size_t>(reel - 1)])[static_cast<std::size_t>(row)];
    }
    bool paid(Symbol s) const {
        for (const SymbolPay& p : pays.pays)
            if (p.symbol == s) return true;
        return false;
    }
};

inline Trial trialOf(std::array<int, 5> stops, int waysfactor, int bet, int bellcoin = 2) {
    Trial t;
    t.stops = stops;
    t.bellcoin = bellcoin;
    t.rec.bellcoin = static_cast<std::int16_t>(bellcoin);
    for (int reel = 1; reel <= 5; ++reel)
        recordReel(t.rec, reel, stops[static_cast<std::size_t>(reel - 1)], waysfactor, true);
    t.bells = t.rec.bellcount;
    SpinRecord settled = t.rec;
    t.pays = settlePays(settled, waysfactor, bet);
    return t;
}

// Candidate stops per reel; a search runs over every combination of them.
using StopLists = std::array<std::vector<int>, 5>;

inline StopLists anyStops() {
    StopLists all;
    for (auto& list : all)
        for (int stop = 1; stop <= kStops; ++stop) list.push_back(stop);
    return all;
}

// The stops of a reel that show one of `symbols` in a row counted under the ways factor.
inline std::vector<int> stopsShowing(int reel, std::initializer_list<Symbol> symbols, int waysfactor) {
    std::vector<int> out;
    for (int stop = 1; stop <= kStops; ++stop) {
        const auto shown = visibleSymbols(reel, stop);
        for (int row = 0; row < 3; ++row) {
            const bool counts = cellCounts(cellOf(reel, static_cast<Row>(row)), waysfactor);
            if (counts && std::find(symbols.begin(), symbols.end(), shown[static_cast<std::size_t>(row)]) !=
                              symbols.end()) {
                out.push_back(stop);
                break;
            }
        }
    }
    return out;
}

// Reels 1 to 3 restricted to stops that can make a scatter group.
inline StopLists scatterStops(int waysfactor) {
    StopLists lists = anyStops();
    lists[0] = stopsShowing(1, {Symbol::scatter}, waysfactor);
    lists[1] = stopsShowing(2, {Symbol::scatter, Symbol::wild}, waysfactor);
    lists[2] = stopsShowing(3, {Symbol::scatter}, waysfactor);
    return lists;
}

// The first stops, in counting order, whose trial satisfies `want`. Spins that
// would start the jackpot are skipped unless asked for.
template <class Want>
std::optional<Trial> findSpin(int waysfactor, int bet, Want want, const StopLists& lists = anyStops(),
                              int bellcoin = 2, bool allowJackpot = false) {
    for (int a : lists[0])
        for (int b : lists[1])
            for (int c : lists[2])
                for (int d : lists[3])
                    for (int e : lists[4]) {
                        Trial t = trialOf({a, b, c, d, e}, waysfactor, bet, bellcoin);
                        if (!allowJackpot && t.bells > 2) continue;
                        if (want(t)) return t;
                    }
    return std::nullopt;
}

}  // namespace tonvale::testing
