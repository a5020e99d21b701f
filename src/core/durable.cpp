// SPDX-License-Identifier: MIT
#include "core/durable.h"

#include <cstdio>

#include "core/checked.h"
#include "core/machine.h"
#include "core/store.h"
#include "rules/board.h"

namespace tonvale {

ProgramValues durableValues(const Machine& m) {
    ProgramValues v = m.s;
    setChecked(v.bank, m.creditHeld());
    // A stake that can still be collected is counted as collected, in the total
    // won too, as the take-win button counts it.
    if (m.cycles.phase() == Phase::gamble)
        addChecked(v.total, static_cast<std::int64_t>(m.s.gamblestake) - m.s.gamblebase);
    // A drawn prize not yet paid is the player's: counted as paid, its pool
    // started again.
    if (m.prizeHeld() > 0) {
        switch (prizeOfField(m.s.jackpotfield)) {
            case JackpotPrize::grand:
                addChecked(v.jackpotbank, m.s.jackpotwon);
                v.grand = kGrandReset;
                break;
            case JackpotPrize::major:
                addChecked(v.jackpotbank, m.s.jackpotwon);
                v.major = kMajorReset;
                break;
            case JackpotPrize::minor:
                addChecked(v.jackpotbank, m.s.jackpotwon);
                v.minor = kMinorReset;
                break;
            default:
                break;
        }
    }
    return v;
}

std::int64_t DurableSaves::retryDelayMs(int n) {
    if (n <= 1) return 0;  // the next settled point
    return n >= 7 ? 30000 : std::int64_t{1000} << (n - 2);
}

void DurableSaves::notice(const std::string& text) {
    if (onNotice)
        onNotice(text);
    else
        std::fprintf(stderr, "Tonvale: %s\n", text.c_str());
}

void DurableSaves::settle() {
    if (m_.ended) return;
    StorePort& store = m_.ports.store;
    const std::int64_t now = m_.ports.clock.nowMs();
    if (!started_) {
        // A store that could not be written from its opening (its opener told the
        // player) is tried at once.
        started_ = true;
        failing_ = store.unwritableSinceOpening();
        nextTryMs_ = now;
    }
    ProgramValues v = durableValues(m_);
    const bool played = m_.cycles.settle(v);
    if (failing_) {
        // Not before the pace allows; then the whole record, changed or not.
        if (now < nextTryMs_) return;
    } else if (!played && last_ && lastSlot_ == m_.s.playerslot && sameRecord(*last_, v)) {
        return;
    }
    if (onSave) onSave(m_.s.playerslot, v);
    ++saves_;
    // Keys unchanged since the last save of the same slot hold their value already;
    // after a failure every key is written again.
    const ProgramValues* before = !failing_ && last_ && lastSlot_ == m_.s.playerslot ? &*last_ : nullptr;
    const bool ok = saveRecord(store, v, m_.s.playerslot, SaveOrder::exit, true, before);
    last_ = std::move(v);
    lastSlot_ = m_.s.playerslot;
    if (ok) {
        if (failing_) notice("Progress is saved again: the whole game up to now is in the saved games.");
        failing_ = false;
        retries_ = 0;
        return;
    }
    if (!failing_) {
        const std::string why = store.failure();
        notice("Progress cannot be saved now" + (why.empty() ? std::string() : ": " + why) +
               ". The game plays on and saves as soon as it can.");
    }
    failing_ = true;
    ++retries_;
    nextTryMs_ = now + retryDelayMs(retries_);
}

}  // namespace tonvale
