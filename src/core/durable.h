// SPDX-License-Identifier: MIT
#pragma once
// Saves of the current player's record at settled points (store.h says what is
// saved and when). The game calls settle() whenever its outermost handler returns.
#include <functional>
#include <optional>
#include <string>

#include "core/state.h"

namespace tonvale {

class Machine;

// The record a save writes: the in-memory values with the credit resolved in the
// player's favour. While the gamble's stake can still be collected it counts as
// collected (once the card has lost, it is gone), a free-spin series total not yet
// collected counts as collected, and a drawn jackpot prize not yet paid counts as
// paid (with its pool started again). A credit that would leave the money width
// stays as it is.
ProgramValues durableValues(const Machine& m);

class DurableSaves {
public:
    explicit DurableSaves(Machine& m) : m_(m) {}

    // Saves the record of the current slot when it differs from the last one saved
    // here, or when a line of the play history changed (the game cycle's,
    // core/cycle.h); the lines and the record go to the store in one flush. Does
    // nothing once the program has ended.
    void settle();

    // Told of every save before its writes start (slot text, values written).
    std::function<void(const std::string& slot, const ProgramValues& v)> onSave;
    // Told once, the first time the store cannot be written (by default a line on
    // standard error); the game plays on.
    std::function<void()> onFailure;

    int saves() const { return saves_; }
    bool failing() const { return failing_; }

private:
    Machine& m_;
    std::optional<ProgramValues> last_;
    std::string lastSlot_;
    int saves_ = 0;
    bool failing_ = false;
    bool warned_ = false;
};

}  // namespace tonvale
