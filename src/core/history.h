// SPDX-License-Identifier: MIT
#pragma once
// The play history as it is recorded: at every settled point the recorder looks
// at the machine and keeps the line of the paid spin in play up to date (its win,
// the free-spin series it started, the jackpot, the gamble, the credit after).
// The line goes to the store with the save of the same settled point, in the
// same transaction.
//
// A line starts at the settled point where a paid spin was counted (the games
// counter grew) or where a free-spin series began (the spin that won it: its own
// stake is given back and the series costs one stake when it ends). Everything
// up to the next line belongs to it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/play.h"
#include "core/state.h"

namespace tonvale {

class Machine;
class StorePort;

class PlayRecorder {
public:
    // Milliseconds since 1970 (UTC); the system clock unless a test sets another.
    std::function<std::int64_t()> wallClock;

    // Looks at the machine at a settled point; `credit` is the credit the record
    // saved now holds. True when a line was recorded in the store (to be flushed).
    bool observe(const Machine& m, std::int32_t credit, StorePort& store);

    const std::optional<Play>& current() const { return open_; }

private:
    struct Seen {
        std::string slot;
        std::int32_t games = 0;
        std::int16_t awarded = 0;
        std::int16_t gamblecount = 0;
        std::int16_t jackpotfield = 0;
        std::int32_t jackpotwon = 0;
        std::int32_t credit = 0;
    };
    std::optional<Seen> seen_;
    std::optional<Play> open_;
    std::optional<Play> sent_;
};

}  // namespace tonvale
