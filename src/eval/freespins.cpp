// SPDX-License-Identifier: MIT
// Free spins: the multiplier of each free spin, the award after three or more
// scatters, the bookkeeping after each spin of a series, and the timer that starts
// the next free spin.
#include "core/checked.h"
#include "eval/evaluation.h"
#include "rules/money.h"
#include "rules/paytable.h"

namespace tonvale {

namespace {

constexpr int kAwardPauseMs = 12000;   // the award is shown this long before the series starts
constexpr i16 kIdleBeforeRespin = 59;  // idle ticks after which the next free spin starts

std::string remainingCaption(const MachineState& s) {
    return "     Freespins Remaining = " +
           std::to_string(static_cast<int>(s.freespinsawarded) - static_cast<int>(s.freespinsplayed));
}

}  // namespace

void Evaluation::freespinbusiness() {
    MachineState& s = m_.s;
    const int r = m_.draw(25);
    if (r == 1) {
        s.freespinmultiplier = 10;
        s.multiplierpicture = multiplierTopFrame(10);
    } else if (r <= 5) {
        s.freespinmultiplier = 5;
        s.multiplierpicture = multiplierTopFrame(5);
    } else if (r <= 14) {
        s.freespinmultiplier = 3;
        s.multiplierpicture = multiplierTopFrame(3);
    } else {
        s.freespinmultiplier = 2;
        s.multiplierpicture = multiplierTopFrame(2);
    }
}

void Evaluation::freespinaward() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;
    // The awarding spin counts as the first spin of the series, so the counter gets
    // one more than the free spins won. A retrigger adds its full amount.
    if (const auto scatter = decodeScatter(s.scattersum))
        addChecked(s.freespinsawarded, scatter->freeSpins + 1);
    addChecked(s.howmanyspins, 1);
    s.autospinwait = 100;
    addChecked(s.freespintotal, s.winamount);
    // The winning spin is the series' first: the free spins are the rest.
    m.cycles.seriesAwarded(s.freespinsawarded - 1);
    m.cycles.seriesTotal(s.freespintotal);
    ui.LABWIN.caption = std::to_string(s.freespintotal);
    ui.panfreespin.visible = false;
    ui.spinsleft.visible = true;
    ui.spinsleft.caption = "** FREESPINS  AWARDED **";
    ui.lblwin.caption = money(s.freespintotal);
    ui.keypreview = false;
    if (s.freespinsplayed == 0) m.playClip(126);
    // The pause is measured on the monotonic clock and lets timers and input run
    // meanwhile; a wait on the time of day would never end across midnight.
    m.wait(kAwardPauseMs);
    m.setTimer(TimerId::Timerrespin, true);
}

void Evaluation::freespinbookkeeping() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;
    addChecked(s.freespinsplayed, 1);
    ui.spinsleft.visible = true;
    ui.spinsleft.caption = remainingCaption(s);
    if (s.freespinsplayed < s.freespinsawarded) {
        // Within a series the stake taken by the evaluation is given back: the
        // amount it took, whatever the stake setting shows by now.
        m.setTimer(TimerId::Timerwincounter, true);
        subChecked(s.wager, chargedStake_);
        subChecked(s.games, 1);
        addChecked(s.bank, chargedStake_);
        m.setTimer(TimerId::Timerrespin, true);
        return;
    }
    // The last spin of the series keeps its stake: the series costs one stake.
    s.freespinsover = 1;
    ui.spinsleft.caption = "      Freespins Completed          ";
    ui.takewin.visible = true;
    m.setTimer(TimerId::Timerrespin, false);
    ui.LABWIN.caption = std::to_string(s.freespintotal);
    ui.lblwin.caption = money(s.freespintotal);
    if (s.autoplaymode == 10) {
        // Autoplay goes on with paid spins, so the total is collected for the player.
        m.setTimer(TimerId::tmrautospin, true);
        m.setTimer(TimerId::Timerwincounter, true);
        calls.takewin_Click();
    }
}

void Evaluation::Timerrespin_Timer() {
    Machine& m = m_;
    MachineState& s = m.s;
    if (s.respinsounddone < 1) {
        s.respinsoundpick = static_cast<i16>(m.draw(2));
        m.playLoop(s.respinsoundpick == 1 ? 124 : 125);
        s.respinsounddone = 1;
    }
    m.doEvents();
    if (s.idleticks > kIdleBeforeRespin) {
        m.ui.spinsleft.caption = remainingCaption(s);
        s.idleticks = 0;
        calls.btnstartall_Click();
        m.ui.keypreview = false;
    }
}

}  // namespace tonvale
