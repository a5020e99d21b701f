// SPDX-License-Identifier: MIT
#pragma once
// The player's limits of one autoplay run: a number of spins and a loss. When the
// next automatic spin would pass one, autoplay switches itself off as its button
// does, and the win meter's message says why. With both off autoplay plays on as
// it always did.
#include <cstdint>

namespace tonvale {

class Game;

inline constexpr const char* kSpinLimitMessage = "Spin Limit";
inline constexpr const char* kLossLimitMessage = "Loss Limit";

class AutoplayLimits {
public:
    explicit AutoplayLimits(Game& g) : g_(g) {}

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
    Game& g_;
    int spins_ = 0;
    std::int64_t credit0_ = 0, invested0_ = 0;
};

}  // namespace tonvale
