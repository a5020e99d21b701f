// SPDX-License-Identifier: MIT
#pragma once
// A paid spin's game cycle as the evaluation reports one whose reels stopped on a
// win of `win` cents: the state a test sets by hand (the win, the credit, the
// button) is then a win the game has on offer, as after a real spin by hand.
#include "core/machine.h"

namespace tonvale::testing {

inline void reportSpin(Machine& m, std::int32_t win) {
    CycleBook& game = m.cycles;
    game.spinStarts();
    game.charged(m.s.stake());
    game.drawn(Draw{{1, 1, 1, 1, 1}, 2, 1});
    game.stood(win, false);
}

inline void reportOffer(Machine& m, std::int32_t win) {
    reportSpin(m, win);
    m.cycles.offers();
    m.cycles.spinEnds();
}

}  // namespace tonvale::testing
