// SPDX-License-Identifier: MIT
#pragma once
// One line of the play history: a paid spin of a player with everything that
// followed from it (its free-spin series, the jackpot, the gamble), and the credit
// before and after. Money in cents.
#include <cstdint>
#include <string>

namespace tonvale {

struct Play {
    std::int64_t id = 0;      // the order of play, rising; 0 until the store numbers it
    int player = 0;           // slot 1..6
    std::int64_t timeMs = 0;  // when it last changed, milliseconds since 1970 (UTC)
    int bet = 0;              // cents a way
    int waysfactor = 0;       // 1, 3, 7, 15 or 25
    int ways = 0;             // 3, 9, 27, 81 or 243
    std::int64_t stake = 0;
    int stops[5] = {0, 0, 0, 0, 0};  // reels 1..5, 1..22
    int bellcoin = 0;                // 1: a bell on reel 3 counts; 2: it does not
    std::int64_t win = 0;            // the spin's own win
    int freespins = 0;               // free spins awarded by it (0: no series)
    std::int64_t freespinwin = 0;    // the series total
    int jackpotfield = 0;            // the board field the ball stopped on (0: no jackpot)
    std::int64_t jackpotwin = 0;
    std::string gamble;             // the bets in order: "card:won" or "card:lost", comma-separated
    std::int64_t gamblewin = 0;     // what the gamble came to (0 after a loss)
    std::int64_t creditBefore = 0;  // the credit of the record saved before the spin
    std::int64_t creditAfter = 0;   // the credit of the record saved with this line

    bool operator==(const Play&) const = default;
};

// The number of ways a ways factor plays.
int waysOf(int waysfactor);

}  // namespace tonvale
