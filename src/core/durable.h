// SPDX-License-Identifier: MIT
#pragma once
// Saves of the current player's record at settled points (store.h says what is
// saved and when). The game calls settle() whenever its outermost handler returns.
#include <cstdint>
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
    //
    // While the store cannot be written, saves are tried again at the next settled
    // point and then after 1, 2, 4, 8, 16 and then every 30 seconds of the clock,
    // each time with the whole record: the first save that works holds the whole
    // settled state (with every write and history line left waiting).
    void settle();

    // Told of every save before its writes start (slot text, values written).
    std::function<void(const std::string& slot, const ProgramValues& v)> onSave;
    // Told when saving stops working (with the store's reason) and again when it
    // works once more; by default each is a line on standard error. A store that
    // could not be written from its opening (StorePort::unwritableSinceOpening) was
    // told of by whoever opened it, and only its recovery is told here.
    std::function<void(const std::string& text)> onNotice;

    int saves() const { return saves_; }
    bool failing() const { return failing_; }
    // Failed tries since the last save that worked.
    int retries() const { return retries_; }

    // The pause before the n-th try after a failure (n = 1, 2, ...), in ms.
    static std::int64_t retryDelayMs(int n);

private:
    void notice(const std::string& text);

    Machine& m_;
    std::optional<ProgramValues> last_;
    std::string lastSlot_;
    int saves_ = 0;
    bool started_ = false;
    bool failing_ = false;
    int retries_ = 0;
    std::int64_t nextTryMs_ = 0;
};

}  // namespace tonvale
