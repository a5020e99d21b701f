// SPDX-License-Identifier: MIT
// Spin start, bet and ways selection, the insert-credit button.
#include "spin/spincycle.h"

#include "core/checked.h"
#include "rules/money.h"
#include "spin/playercontrols.h"

namespace tonvale {

namespace {

// A press taken by a spin handler, until the handler returns.
class PressTaken {
public:
    explicit PressTaken(CycleBook& book) : book_(book) { book_.pressTaken(); }
    ~PressTaken() { book_.pressDone(); }
    PressTaken(const PressTaken&) = delete;
    PressTaken& operator=(const PressTaken&) = delete;

private:
    CycleBook& book_;
};

constexpr int kCreditInsert = 5000;  // cents per press of the credit button

// The stake against the credit. A short credit is told by clip 113 and the
// no-money panel; the caller decides what else happens.
bool creditCovers(Machine& m) {
    if (m.s.stake() > m.s.bank) {
        m.playClip(113);
        m.ui.pannomoney.visible = true;
        return false;
    }
    m.ui.pannomoney.visible = false;
    return true;
}

// Outside a free-spin series a new spin forgets the last series and gamble.
void seriesReset(Machine& m) {
    MachineState& s = m.s;
    m.playClip(115);
    s.idleticks = 0;
    s.bellframe = 0;
    s.introticks = 0;
    s.gamblecarry = 0;
    s.gamblestake = 0;
    s.freespintotal = 0;
    s.wincounted = 0;
    // A series ends marked for the win counter, which clears the mark at its next
    // tick; when the series' last spin won nothing the counter is not running, and
    // the mark, left standing, made it pass over the next paid win as a free spin's:
    // neither the win nor the credit reached the meters. A paid spin leaves no
    // series to mark.
    s.freespinsover = 0;
}

void spinStartMeters(Machine& m) {
    m.ui.LABWIN.caption = "Good Luck";
    m.ui.lblwin.caption = " ";
    m.showTotalBet();
    m.showCredit();
}

void clearScatterCells(MachineState& s) {
    for (int reel = 1; reel <= 5; ++reel) s.scattercell[static_cast<std::size_t>(reel)] = 0;
}

}  // namespace

void SpinCycle::bind(Bindings& b) {
    MainWindow& ui = m_.ui;
    b.on(ui.btnspin, Ev::MouseDown, [this] { btnspin_MouseDown(); });
    b.on(ui.btnspin, Ev::MouseUp, [this] { btnspin_MouseUp(); });
    b.on(ui.btnstartall, Ev::Click, [this] { btnstartall_Click(); });
    b.on(ui.btnbet, Ev::MouseDown, [this] { btnbet_MouseDown(); });
    b.on(ui.btnbet, Ev::MouseUp, [this] { btnbet_MouseUp(); });
    b.on(ui.btnlines, Ev::MouseDown, [this] { btnlines_MouseDown(); });
    b.on(ui.btnlines, Ev::MouseUp, [this] { btnlines_MouseUp(); });
    b.on(ui.btncredit, Ev::MouseDown, [this] { btncredit_MouseDown(); });
    b.on(ui.btncredit, Ev::MouseUp, [this] { btncredit_MouseUp(); });
    b.routine("spinreel1", [this] { spinreel1(); });
    b.routine("spinreel2", [this] { spinreel2(); });
    b.routine("spinreel3", [this] { spinreel3(); });
    b.routine("spinreel4", [this] { spinreel4(); });
    b.routine("spinreel5", [this] { spinreel5(); });
    b.routine("reelrun", [this] { reelrun(); });
    b.routine("shaperefresh", [this] { shapeRefresh(); });
}

// The whole spin, evaluation and animation included, runs inside this call. The
// spin controls refuse a press until it has returned: the spin lets events run at
// a few points, and a second spin must never start inside the first. The presses
// the player made while it ran are let in before it ends, to be refused: one
// press starts one game, and no game starts from a press made during another.
void SpinCycle::runSpin() {
    if (onSpinStart) onSpinStart();
    m_.cycles.spinStarts();
    startedMs_ = m_.ports.clock.nowMs();
    spinreel1();
    m_.ports.events.deliverInput();
    m_.cycles.spinEnds();
    if (onSpinEnd) onSpinEnd();
}

void SpinCycle::btnspin_MouseDown() {
    if (rule_.refuses(m_.ui.btnspin)) return;
    // From here the press is taken: the events this handler lets in meet a spin.
    const PressTaken taken(m_.cycles);
    if (!calls.spinMayStart()) return;
    Machine& m = m_;
    MachineState& s = m.s;
    m.ui.btnspin.visible = false;
    // The autoplay switch waits for the spin: it is held before the events run.
    m.ui.autoplayon.enabled = false;
    m.doEvents();
    auto refuse = [&m] {
        m.ui.btncredit.enabled = true;
        m.s.autoplaymode = 0;
        m.doEvents();
    };
    if (s.freespinsawarded < 1) {
        seriesReset(m);
        if (!creditCovers(m)) return refuse();
    }
    // This check also applies inside a free-spin series.
    if (!creditCovers(m)) return refuse();
    m.ui.btnspin.enabled = false;
    m.ui.btnoptions.enabled = false;
    m.ui.btndouble.enabled = false;
    if (s.freespinsawarded < 1) {
        spinStartMeters(m);
        m.setTimer(TimerId::Timerwincounter, false);
    }
    clearScatterCells(s);
    runSpin();
    m.ui.btnspin.visible = true;
    m.ui.btnspin.enabled = true;
    s.keycount = 0;
    m.ui.autoplayon.enabled = true;
}

void SpinCycle::btnspin_MouseUp() { m_.ui.btnspin.visible = true; }

// Pressed from code: by the space bar, by autoplay and by the free-spin timer. A
// free spin skips the credit check and leaves the series' meters alone.
void SpinCycle::btnstartall_Click() {
    if (rule_.refuses(m_.ui.btnstartall)) return;
    const PressTaken taken(m_.cycles);
    if (!calls.spinMayStart()) return;
    Machine& m = m_;
    MachineState& s = m.s;
    if (s.freespinsawarded <= 0) {
        seriesReset(m);
        if (!creditCovers(m)) {
            m.ui.btnspin.enabled = false;
            s.autoplaymode = 0;
            m.doEvents();
            return;
        }
    }
    if (s.freespinsawarded < 1) {
        spinStartMeters(m);
        m.setTimer(TimerId::Timerwincounter, false);
    }
    clearScatterCells(s);
    runSpin();
    s.keycount = 0;
    if (s.autoplaymode == 0) m.ui.btnspin.enabled = true;
}

void SpinCycle::shapeRefresh() {
    MainWindow& ui = m_.ui;
    // A shape hatches a top or bottom cell that the ways setting does not count;
    // the shapes carry the numbers of those cells.
    for (int i : MainWindow::kShapeIndexes)
        ui.Shape[static_cast<std::size_t>(i)].visible = !cellCounts(i, m_.s.waysfactor);
}

void SpinCycle::btnlines_MouseDown() {
    if (rule_.refuses(m_.ui.btnlines)) return;
    Machine& m = m_;
    MachineState& s = m.s;
    m.ui.btnlines.visible = false;
    m.playClip(115);
    if (!addChecked(s.waysstep, 1) || s.waysstep > 5 || s.waysstep < 1) s.waysstep = 1;
    const auto step = static_cast<std::size_t>(s.waysstep - 1);
    s.waysfactor = static_cast<i16>(kWaysFactors[step]);
    shapeRefresh();
    m.ui.lbllines.caption = std::to_string(kWaysShown[step]);
    m.showTotalBet();
    m.hideFlashers();
}

void SpinCycle::btnlines_MouseUp() { m_.ui.btnlines.visible = true; }

void SpinCycle::btnbet_MouseDown() {
    if (rule_.refuses(m_.ui.btnbet)) return;
    Machine& m = m_;
    MachineState& s = m.s;
    m.ui.btnbet.visible = false;
    // During a free-spin series the bet stays; the press only stops the win flash.
    if (s.freespinsawarded <= 0) {
        m.playClip(115);
        s.idleticks = 0;
        s.wildflashstep = 0;
        s.multiplierpicture = 0;
        s.gamblecarry = 0;
        s.gamblestake = 0;
        s.freespintotal = 0;
        s.wincounted = 0;
        s.rollstep = 0;
        if (!addChecked(s.betstep, 1) || s.betstep > 5 || s.betstep < 1) s.betstep = 1;
        s.bet = static_cast<i16>(kBets[static_cast<std::size_t>(s.betstep - 1)]);
        m.ui.lblbet.caption = std::to_string(s.bet);
        // The new bet stays in force even when the credit does not cover it; the
        // next spin start refuses until credit is added.
        if (s.stake() > s.bank) {
            m.playClip(113);
            m.ui.pannomoney.visible = true;
            m.ui.btncredit.enabled = true;
            s.autoplaymode = 0;
            m.ui.autoplayon.enabled = false;
            m.doEvents();
            return;
        }
        m.ui.pannomoney.visible = false;
        shapeRefresh();
    }
    m.ui.btncredit.enabled = false;
    m.ui.btnlines.enabled = false;
    m.setTimer(TimerId::Timerflash, false);
    m.setTimer(TimerId::timerballflash, false);
    if (s.freespinsawarded < 1) {
        m.ui.btndouble.visible = true;
        spinStartMeters(m);
        m.setTimer(TimerId::Timerwincounter, false);
    }
    clearScatterCells(s);
    m.doEvents();
    if (s.autoplaymode == 0) {
        m.ui.btnlines.enabled = true;
        m.ui.btncredit.enabled = true;
    }
}

void SpinCycle::btnbet_MouseUp() { m_.ui.btnbet.visible = true; }

void SpinCycle::btncredit_MouseDown() {
    Machine& m = m_;
    MachineState& s = m.s;
    if (rule_.refuses(m.ui.btncredit)) return;
    // A credit that cannot take the insert takes nothing and counts nothing.
    if (!m.creditTakes(kCreditInsert) || !addFits(s.amountinvested, kCreditInsert)) {
        m.showCreditFull();
        m.ports.desktop.message(kNoticeTitle, "The credit is full.", MsgIcon::information, MsgButtons::ok);
        return;
    }
    m.stopSound();
    m.ui.btncredit.visible = false;
    m.playClip(130);
    m.cycles.inserting();
    s.bank += kCreditInsert;
    m.ui.pannomoney.visible = false;
    s.amountinvested += kCreditInsert;
    // An insert is a game cycle of its own: the win on offer is collected with it.
    m.cycles.inserted(kCreditInsert);
    m.ui.btndouble.enabled = false;
    m.showCredit();
    m.ui.keypreview = true;
    m.ui.autoplayon.enabled = true;
}

void SpinCycle::btncredit_MouseUp() { m_.ui.btncredit.visible = true; }

}  // namespace tonvale
