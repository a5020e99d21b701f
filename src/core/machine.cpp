// SPDX-License-Identifier: MIT
#include "core/machine.h"

#include "core/checked.h"
#include "rules/money.h"

namespace tonvale {

void Machine::playClip(int clip) {
    if (soundOn() && isClip(clip)) ports.sound.play(clip);
}

void Machine::playLoop(int clip) {
    if (soundOn() && isClip(clip)) ports.sound.playLoop(clip);
}

void Machine::setTimer(TimerId id, bool enabled) {
    TimerControl& t = ui.timer(id);
    if (t.enabled == enabled) return;
    t.enabled = enabled;
    ports.timers.timerChanged(id, t.enabled, t.interval);
}

void Machine::setInterval(TimerId id, int ms) {
    TimerControl& t = ui.timer(id);
    if (ms < 1) ms = 1;
    t.interval = ms;
    ports.timers.timerChanged(id, t.enabled, t.interval);
}

void Machine::showCredit() {
    ui.PANELBANK.caption = std::to_string(s.bank);
    ui.Lblcredit.caption = money(s.bank);
}

void Machine::showTotalBet() { ui.lbllast.caption = totalBetCaption(s.stake()); }

void Machine::hideFlashers() {
    // A hidden frame forgets its multiplier badge; the wild animation draws it anew.
    for (int cell = 1; cell <= 15; ++cell) {
        ui.flasher[cell].visible = false;
        ui.flasher[cell].overlay.clear();
    }
}

std::int64_t Machine::gambleHeld() const { return cycles.phase() == Phase::gamble ? s.gamblestake : 0; }

std::int64_t Machine::prizeHeld() const {
    const Play* line = cycles.line();
    return line && line->phase == Phase::jackpot && line->jackpotfield > 0 && !line->jackpotpaid
               ? s.jackpotwon
               : 0;
}

std::int64_t Machine::creditHeld() const { return s.bank + gambleHeld() + s.freespintotal + prizeHeld(); }

bool Machine::creditTakes(std::int64_t amount) const { return std::in_range<i32>(creditHeld() + amount); }

void Machine::showCreditFull() { ui.LABWIN.caption = "Credit Full"; }

}  // namespace tonvale
