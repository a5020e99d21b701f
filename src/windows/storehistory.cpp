// SPDX-License-Identifier: MIT
#include "windows/storehistory.h"

#include "core/database.h"

namespace tonvale {

RecalledGame recalled(const Play& p) {
    RecalledGame g;
    g.id = p.id;
    g.player = p.player;
    g.timeMs = p.timeMs;
    g.bet = p.bet;
    g.waysfactor = p.waysfactor;
    g.stake = p.stake;
    for (int i = 0; i < 5; ++i) g.stops[i] = p.stops[i];
    g.bellcoin = p.bellcoin;
    g.win = p.win;
    g.freespins = p.freespins;
    g.freespinwin = p.freespinwin;
    g.jackpotfield = p.jackpotfield;
    g.jackpotwin = p.jackpotwin;
    g.gamble = p.gamble;
    g.gamblestake = p.gamblestake;
    g.gamblewin = p.gamblewin;
    g.kind = p.kind;
    g.phase = p.phase;
    g.inserted = p.inserted;
    g.restored = p.restored;
    g.note = p.note;
    g.unreadable = p.unreadable;
    g.machinepay = p.machinepay;
    for (const FreeSpin& f : p.spins) g.multipliers.push_back(f.draw.multiplier);
    g.creditBefore = p.creditBefore;
    g.creditAfter = p.creditAfter;
    return g;
}

std::int64_t StoreHistory::count(int player) {
    return player < 1 ? 0 : static_cast<std::int64_t>(store_.plays(player).size());
}

std::vector<RecalledGame> StoreHistory::newest(int player, std::int64_t skip, int n) {
    std::vector<RecalledGame> out;
    if (player < 1 || skip < 0 || n <= 0) return out;
    const std::vector<Play> plays = store_.plays(player);  // oldest first
    for (auto i = static_cast<std::int64_t>(plays.size()) - 1 - skip;
         i >= 0 && static_cast<int>(out.size()) < n; --i)
        out.push_back(recalled(plays[static_cast<std::size_t>(i)]));
    return out;
}

}  // namespace tonvale
