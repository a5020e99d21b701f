// SPDX-License-Identifier: MIT
// Entering and leaving the gamble, and collecting a free-spin total.
#include "gamble/gamble.h"

#include <string>

#include "core/checked.h"
#include "rules/money.h"

namespace tonvale {

void Gamble::bind(Bindings& b) {
    MainWindow& ui = m_.ui;
    b.on(ui.btndouble, Ev::Click, [this] { btndouble_Click(); });
    b.on(ui.btndouble, Ev::MouseUp, [this] { btndouble_MouseUp(); });
    b.on(ui.betred, Ev::Click, [this] { betred_Click(); });
    b.on(ui.betblack, Ev::Click, [this] { betblack_Click(); });
    for (int i = 1; i <= 4; ++i) b.on(ui.suitbet[i], Ev::Click, [this, i] { suitbet_Click(i); });
    b.on(ui.cancelbet, Ev::Click, [this] { cancelbet_Click(); });
    b.on(ui.takewin, Ev::Click, [this] { takewin_Click(); });
}

void Gamble::showStake() {
    MachineState& s = m_.s;
    MainWindow& ui = m_.ui;
    const std::int64_t stake = s.gamblestake;
    ui.risklab.caption = "At Risk  " + std::to_string(stake);
    // A pay that would not fit the money width leaves its label as it was.
    if (std::in_range<i32>(2 * stake))
        ui.lblblackred.caption = "Black/Red Win = " + std::to_string(2 * stake);
    if (std::in_range<i32>(4 * stake)) ui.lblsuit.caption = "Suit Win = " + std::to_string(4 * stake);
}

void Gamble::btndouble_Click() {
    Machine& m = m_;
    MachineState& s = m.s;

    // Not during autoplay or a series: the next automatic spin would take the stake.
    if (rule_.refuses(m.ui.btndouble)) return;
    m.playClip(115);
    // The stake is what the game has on offer: the spin's win, or a collected
    // free-spin total in its place.
    s.gamblestake = static_cast<i32>(m.cycles.offered());
    s.gamblebase = s.gamblestake;
    s.gamblecarry = 0;
    m.cycles.gambleEntered(s.gamblestake);
    showPanel();

    // The stake is outside the credit until the gamble ends.
    subChecked(s.bank, s.gamblestake);
    m.showCredit();

    m.ui.keypreview = false;
    m.doEvents();
}

void Gamble::showPanel() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;
    ui.piccardholder.picture = Picture(Sheet::imagelistcards, kCardBack);
    ui.piccardholder.overlay.clear();
    for (int i = 1; i <= 4; ++i) ui.suitbet[i].picture = Picture(Sheet::imagelistcards, kFirstSuit - 1 + i);

    m.hideFlashers();
    ui.btndouble.visible = false;
    ui.btndouble.enabled = false;
    m.setTimer(TimerId::Timerwincounter, false);  // the counted amount is kept
    ui.btncredit.enabled = false;

    ui.betred.enabled = true;
    ui.betblack.enabled = true;
    ui.cancelbet.enabled = true;
    ui.pandouble.visible = true;
    ui.gamblewin.visible = false;
    ui.gamblelose.visible = false;
    ui.btnlines.enabled = false;

    ui.LABWIN.caption = std::to_string(s.gamblestake);
    ui.lblwin.caption = money(s.gamblestake);
    showStake();
    ui.lblblackred.visible = true;
    ui.lblsuit.visible = true;
}

void Gamble::resumePanel(const std::vector<GambleBet>& bets) {
    Machine& m = m_;
    showPanel();
    // The strip shows the cards this gamble drew before the close.
    for (const GambleBet& b : bets) {
        addChecked(m.s.gamblecount, 1);
        addToHistory(b.card);
    }
    m.showCredit();
    m.ui.keypreview = false;
}

void Gamble::btndouble_MouseUp() { m_.ui.btndouble.visible = true; }

void Gamble::cancelbet_Click() {
    if (revealing_) return;
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    ui.pandouble.visible = false;
    ui.btndouble.enabled = false;
    addChecked(s.bank, s.gamblestake);
    // The statistic counts what was collected instead of what the gamble started
    // from: the spin's win, or a free-spin total (whose wins the statistic already
    // holds; the last spin's win would leave it wrong by the difference).
    addChecked(s.total, static_cast<std::int64_t>(s.gamblestake) - s.gamblebase);
    m.cycles.gambleCollected(s.gamblestake);
    m.playClip(101);
    m.showCredit();
    ui.LABWIN.caption = std::to_string(s.gamblestake);
    ui.lblwin.caption = money(s.gamblestake);
    ui.btnlines.enabled = true;
    ui.btncredit.enabled = true;
    ui.keypreview = true;
}

void Gamble::takewin_Click() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    m.playClip(116);
    s.freespinsawarded = 0;
    s.freespinsplayed = 0;
    s.respinsoundpick = 0;
    s.respinsounddone = 0;
    s.idleticks = 0;
    s.wincounted = 0;
    s.rollstep = 0;
    s.keycount = 0;

    ui.panfreespin.visible = true;
    ui.spinsleft.visible = false;
    ui.LABWIN.caption = std::to_string(s.freespintotal);
    ui.lblwin.caption = money(s.freespintotal);

    addChecked(s.bank, s.freespintotal);
    m.showCredit();

    // The series total becomes the next gamble's stake (outside autoplay).
    s.gamblecarry = s.freespintotal;
    const std::int64_t collected = s.freespintotal;
    s.freespintotal = 0;
    m.cycles.seriesCollected(collected, s.autoplaymode == 0);
    m.doEvents();

    ui.spinsleft.visible = false;
    ui.takewin.visible = false;
    ui.keypreview = true;
    if (s.autoplaymode > 0) ui.btnopenmenu.enabled = false;
    if (s.autoplaymode != 0) {
        m.setTimer(TimerId::Timerrespin, false);
        m.doEvents();
        return;
    }
    m.setTimer(TimerId::tmrautospin, false);
    ui.btndouble.visible = true;
    ui.btndouble.enabled = true;
    ui.takewin.visible = false;
    ui.keypreview = true;
}

}  // namespace tonvale
