// SPDX-License-Identifier: MIT
#pragma once
// A machine on the table: loaded, with the credit, stake and settings a test names.
#include <algorithm>
#include <string>
#include <vector>

#include "rig.h"

namespace tonvale::testing {

struct TableSettings {
    i32 bank = 100000;
    i16 bet = 1;
    i16 waysfactor = 25;
    i16 machinepay = 1;
    i16 soundonoff = -1;
    i16 reelspeed = 1;
};

inline void seat(Rig& r, const TableSettings& t) {
    r.load();
    MachineState& s = r.s();
    s.bank = t.bank;
    s.bet = t.bet;
    s.waysfactor = t.waysfactor;
    s.machinepay = t.machinepay;
    s.soundonoff = t.soundonoff;
    s.reelspeed = t.reelspeed;
    s.grand = 2000000;
    s.major = 200000;
    s.minor = 2000;
    r.sounds();
}

// Scripts one drawn spin: the stops with the bell coin, then (in a series) the
// multiplier, then the payout level.
inline void scriptSpin(Rig& r, const std::array<int, 5>& stops, int bellcoin, int payout,
                       int multiplier = 0) {
    r.stops(stops[0], stops[1], stops[2], stops[3], stops[4], bellcoin);
    if (multiplier > 0) r.draws({multiplier});
    r.draws({payout});
}

inline long countOf(const std::vector<std::string>& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

}  // namespace tonvale::testing
