// SPDX-License-Identifier: MIT
#pragma once
// The player's limits of one autoplay run: a number of spins and a loss. When the
// next automatic spin would pass one, autoplay switches itself off as its button
// does, and the win meter's message says why. With both off autoplay plays on as
// it always did.
#include <cstdint>

#include "core/limits.h"

namespace tonvale {

class Machine;
class PlayerControls;

inline constexpr const char* kSpinLimitMessage = "Spin Limit";
inline constexpr const char* kLossLimitMessage = "Loss Limit";

class AutoplayLimits {
public:
    // The limits are the player's (kept with the record); autoplay is switched off
    // by its button's handlers.
    AutoplayLimits(Machine& m, const PlayLimits& limits, PlayerControls& controls)
        : m_(m), limits_(limits), controls_(controls) {}

    // Autoplay was switched on and starts its first spin now.
    void runStarted();
    // Autoplay is about to start its next spin: true (the spin counted) when no
    // limit stands in the way; otherwise autoplay is switched off.
    bool nextSpin();

    int spins() const { return spins_; }
    // What the run has lost so far, in cents (negative when it is ahead).
    std::int64_t loss() const;

private:
    void stop(const char* why);
    Machine& m_;
    const PlayLimits& limits_;
    PlayerControls& controls_;
    int spins_ = 0;
    std::int64_t credit0_ = 0, invested0_ = 0;
};

}  // namespace tonvale
