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
        setChecked(v.total, static_cast<std::int64_t>(v.total) + m.s.gamblestake - m.s.gamblebase);
    // A drawn prize not yet paid is the player's: counted as paid, its pool
    // started again.
    if (m.prizeHeld() > 0) {
        switch (prizeOfField(m.s.jackpotfield)) {
            case JackpotPrize::grand:
                setChecked(v.jackpotbank, static_cast<std::int64_t>(v.jackpotbank) + m.s.jackpotwon);
                v.grand = kGrandReset;
                break;
            case JackpotPrize::major:
                setChecked(v.jackpotbank, static_cast<std::int64_t>(v.jackpotbank) + m.s.jackpotwon);
                v.major = kMajorReset;
                break;
            case JackpotPrize::minor:
                setChecked(v.jackpotbank, static_cast<std::int64_t>(v.jackpotbank) + m.s.jackpotwon);
                v.minor = kMinorReset;
                break;
            default:
                break;
        }
    }
    return v;
}

void DurableSaves::settle() {
    if (m_.ended) return;
    ProgramValues v = durableValues(m_);
    const bool played = m_.cycles.settle(v);
    if (!played && last_ && lastSlot_ == m_.s.playerslot && sameRecord(*last_, v)) return;
    if (onSave) onSave(m_.s.playerslot, v);
    ++saves_;
    // Keys unchanged since the last save of the same slot hold their value already.
    const ProgramValues* before = last_ && lastSlot_ == m_.s.playerslot ? &*last_ : nullptr;
    const bool ok = saveRecord(m_.ports.store, v, m_.s.playerslot, SaveOrder::exit, true, before);
    // A failed save is not retried until the record changes again: the store is
    // not hammered on every tick while its folder cannot be written.
    last_ = std::move(v);
    lastSlot_ = m_.s.playerslot;
    failing_ = !ok;
    if (failing_ && !warned_) {
        warned_ = true;
        if (onFailure)
            onFailure();
        else
            std::fputs("Tonvale: progress cannot be saved: the store cannot be written.\n", stderr);
    }
}

}  // namespace tonvale
