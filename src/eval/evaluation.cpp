// SPDX-License-Identifier: MIT
// checkwins: the evaluation that settles every spin. The whole outcome is settled
// first (pays, multiplier, statistics, the payout level that may draw the spin
// again); only then are the reels seen to run, and the result is handed to the
// presentation, free spins and the jackpot.
#include "eval/evaluation.h"

#include "core/checked.h"
#include "rules/money.h"
#include "rules/paytable.h"

namespace tonvale {

namespace {

constexpr int kAdvertAfter = 25;  // losing spins before the advert window
constexpr i16 kIdleAtOnce = 80;   // idle ticks that let the next automatic spin follow at once

// Scatter sums that start only sounds: reels 1 and 2 show a scatter but reel 3 none,
// or reel 1 shows one and reel 2 none.
bool twoScatterSound(int sum) { return sum == 15 || sum == 25 || sum == 35 || sum == 45; }
bool oneScatterSound(int sum) {
    return sum == 8 || sum == 14 || sum == 18 || sum == 24 || sum == 28 || sum == 34 || sum == 38;
}

struct Tier {
    i32 upTo;  // cents, inclusive
    i16 wait;  // autospinwait
    int clip;
};
constexpr Tier kTiers[] = {
    {25, 10, 101},   {60, 15, 106},   {100, 30, 102},  {150, 30, 103},  {200, 60, 109},   {300, 80, 111},
    {400, 170, 110}, {600, 200, 108}, {700, 200, 104}, {900, 130, 107}, {1210, 230, 105},
};

// The jackpot pools grow by a fixed amount per counted spin, from their floors.
void growPool(i32& pool, i32 floor, i32 step) {
    if (pool < floor)
        pool = floor;
    else
        addChecked(pool, step);
}

}  // namespace

void Evaluation::bind(Bindings& b) {
    b.onTimer(TimerId::Timerrespin, [this] { Timerrespin_Timer(); });
    b.routine("checkwins", [this] { checkwins(); });
    b.routine("freespinbusiness", [this] { freespinbusiness(); });
}

void Evaluation::checkwins() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    // Reset.
    for (int k = 1; k <= 4; ++k) s.scattersound[static_cast<std::size_t>(k)] = 0;
    s.fivescattersound = 0;
    s.scatterwin = 0;
    s.winamount = 0;
    if (s.autoplaymode > 0) s.winroll = 0;
    m.setTimer(TimerId::Timerscatter, false);
    m.setTimer(TimerId::Timerflash, false);
    m.setTimer(TimerId::timerballflash, false);
    for (int cell = 1; cell <= 15; ++cell) {
        Control& f = ui.flasher[static_cast<std::size_t>(cell)];
        f.picture = Picture(Sheet::ImageList3, kCellFrame);
        // A multiplier drawn over a wild of an earlier spin must not ride on the
        // frame of whatever symbol lands in this cell next.
        f.overlay.clear();
        f.visible = false;
    }

    // Masking, totals, scatter decode and the pays in their order.
    const bool noSeries = s.freespinsplayed == s.freespinsawarded;
    const SpinPays pays = settlePays(s, s.waysfactor, s.bet);
    s.scatterwin = pays.scatterWin;
    if (pays.scatter) {
        m.setTimer(TimerId::Timerscatter, true);
        const int reels = pays.scatter->scatters == 3 ? 3 : 4;
        // Five scatters sound on every reel even during a series.
        const bool sounds = noSeries || pays.scatter->scatters == 5;
        for (int k = 1; k <= reels; ++k) {
            const auto r = static_cast<std::size_t>(k);
            if (sounds) s.scattersound[r] = 1;
            s.scatterreels[r] = 1;
        }
        if (pays.scatter->scatters == 5) {
            s.fivescattersound = 1;
            s.fivescatters = 1;
        }
    } else if (noSeries && twoScatterSound(s.scattersum)) {
        s.scattersound[1] = 1;
        s.scattersound[2] = 1;
    } else if (noSeries && oneScatterSound(s.scattersum)) {
        s.scattersound[1] = 1;
    }
    setChecked(s.winamount, static_cast<std::int64_t>(pays.waysWin) + pays.scatterWin);

    // A free spin draws its multiplier; it multiplies the whole win.
    if (s.freespinsawarded > 0) {
        freespinbusiness();
        mulChecked(s.winamount, s.freespinmultiplier, s.winamount);
    }

    // Statistics. Each statement that would overflow is skipped, and only what was
    // done is undone when the spin is thrown away. A stake the wager cannot count
    // is not taken.
    const i32 stake = s.stake();
    const bool countedWager = addChecked(s.wager, stake);
    const bool countedGame = addChecked(s.games, 1);
    const bool charged = countedWager && subChecked(s.bank, stake);
    chargedStake_ = charged ? stake : 0;
    // A win the credit (or the total-won statistic) cannot hold after the stake is
    // not won at all: the credit and its statistic move together or not at all.
    // A spin that wins a series, and a series spin but the last, get their stake
    // back at the end of the evaluation, so the credit then holds the stake as well.
    const bool refundDue = decodeScatter(s.scattersum).has_value() ||
                           (s.freespinsawarded > 0 && s.freespinsplayed + 1 < s.freespinsawarded);
    const std::int64_t room =
        refundDue ? s.winamount + static_cast<std::int64_t>(chargedStake_) : s.winamount;
    const bool creditFull = s.winamount > 0 && (!m.creditTakes(room) || !addFits(s.total, s.winamount));
    if (creditFull) s.winamount = 0;
    const bool countedTotal = addChecked(s.total, s.winamount);
    m.cycles.charged(chargedStake_);
    m.cycles.drawn(Draw{{s.reelstop1, s.reelstop2, s.reelstop3, s.reelstop4, s.reelstop5},
                        s.bellcoin,
                        s.freespinsawarded > 0 ? s.freespinmultiplier : 1});

    // Payout level: a win above twice the stake may be withdrawn and the spin drawn
    // again. The new spin is evaluated (and animated) by its own checkwins; this
    // one ends without showing anything.
    const int r = m.draw(s.machinepay);
    if (r != 1 && static_cast<std::int64_t>(s.winamount) > 2 * static_cast<std::int64_t>(stake)) {
        if (countedWager) subChecked(s.wager, stake);
        if (countedTotal) subChecked(s.total, s.winamount);
        if (charged) addChecked(s.bank, stake);
        if (countedGame) subChecked(s.games, 1);
        s.winamount = 0;
        s.scattersum = 0;
        m.setTimer(TimerId::Timerflash, false);
        m.setTimer(TimerId::Timerwincounter, false);
        m.cycles.withdrawn();
        calls.spinreel1();
        return;
    }

    if (noSeries) m.showCredit();

    m.doEvents();
    calls.reelrun();
    // The reels have stopped on the draw that stood.
    m.cycles.stood(s.winamount, creditFull);

    // Presentation start.
    m.setTimer(TimerId::Tmrtick, true);
    ui.btnoptions.enabled = true;
    for (int cell = 4; cell <= 12; ++cell)
        if (s.wildflags[static_cast<std::size_t>(cell)] > 0) m.setTimer(TimerId::timerballflash, true);
    if (s.winamount > 0) {
        s.rollstep = 1;
        m.setTimer(TimerId::Timerflash, true);
        // The gamble is offered only outside a series and autoplay, as at the end.
        if (s.freespinsawarded < 1 && s.autoplaymode == 0) ui.btndouble.enabled = true;
        m.setTimer(TimerId::Timerwincounter, true);
    }

    if (decodeScatter(s.scattersum)) {
        freespinaward();
    } else if (s.freespinsawarded > 0) {
        // A running series gathers its wins in the series total, not in the credit.
        addChecked(s.freespintotal, s.winamount);
        m.cycles.seriesTotal(s.freespintotal);
        ui.LABWIN.caption = std::to_string(s.freespintotal);
        ui.lblwin.caption = money(s.freespintotal);
    } else {
        celebrate();
        winTier();
        bellAndJackpot();
    }

    if (s.winamount < 1) s.idleticks = kIdleAtOnce;

    if (s.freespinsplayed < s.freespinsawarded) {
        freespinbookkeeping();
        if (creditFull) m.showCreditFull();
        return;
    }

    // A counted spin outside a series (also one made after a series ended but
    // before its total was collected).
    growPool(s.grand, 2000000, 50);
    growPool(s.major, 200000, 30);
    growPool(s.minor, 2000, 20);
    addChecked(s.bank, s.winamount);
    if (s.winamount > 0) {
        m.setTimer(TimerId::Timerwincounter, true);
    } else {
        ui.LABWIN.caption = "No Win";
        ui.lblwin.caption = "";
        addChecked(s.nowincount, 1);
        if (s.nowincount >= kAdvertAfter) {
            ui.form.visible = false;
            calls.showAdvert();
            s.nowincount = 0;
        }
    }
    if (s.winamount > 0 && s.freespinsawarded < 1 && s.autoplaymode == 0) {
        ui.btndouble.enabled = true;
        m.cycles.offers();
    }
    if (creditFull) m.showCreditFull();
}

// A win of 15 times the stake or more is celebrated: the view shows its banner.
void Evaluation::celebrate() {
    Machine& m = m_;
    const BigWin big = m.celebratesWin() ? bigWinOf(m.s.winamount, m.s.stake()) : BigWin::none;
    if (big != BigWin::none) m.celebration = {big, m.s.winamount, m.celebration.count + 1};
}

// The size of the win sets the clip and how long autoplay waits before the next spin.
void Evaluation::winTier() {
    Machine& m = m_;
    MachineState& s = m.s;
    if (s.soundonoff == 0) {
        s.autospinwait = 40;
        return;
    }
    if (s.winamount < 1) {
        s.autospinwait = 20;
        s.rollstep = 0;
    } else {
        const Tier* tier = nullptr;
        for (const Tier& t : kTiers)
            if (s.winamount <= t.upTo) {
                tier = &t;
                break;
            }
        s.autospinwait = tier ? tier->wait : 100;
        // A big win has its celebration's clip instead of the win's tune.
        const BigWin big = bigWinOf(s.winamount, s.stake());
        if (m.celebratesWin()) m.playClip(big != BigWin::none ? bigWinClip(big) : tier ? tier->clip : 112);
    }
    m.doEvents();
}

// The bell picture over reel 3's bell cell, and the jackpot feature after three bells.
void Evaluation::bellAndJackpot() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;
    const int cell = s.bellcell[3];
    if (cell >= 7 && cell <= 9) {
        Control& f = ui.flasher[static_cast<std::size_t>(cell)];
        f.picture = Picture(Sheet::morphing, s.bellcoin == 1 ? kBellCoinUp : kBellCoinDown);
        f.visible = true;
        if (cell == 9) m.doEvents();
    }
    if (s.bellcount > 2) {
        s.bellcount = 0;
        m.cycles.jackpotStarts();
        m.doEvents();
        m.setTimer(TimerId::tmrautospin, false);
        ui.btnopenmenu.enabled = false;
        ui.btnoptions.enabled = false;
        m.setTimer(TimerId::tmrbell, true);
        m.sleep(200);
        s.introticks = 0;
        m.setTimer(TimerId::tmrshowjackpot, false);
        s.ballinterval = 0;
        s.ballx = 0;
        s.bally = 0;
        s.ballstop = 0;
        s.balldrawn = 0;
        s.ballstep = 0;
        s.jackpotwon = 0;
        s.ballrounds = 0;
        s.ballstep = static_cast<i16>(m.draw(16));
        ui.jackpotball11.visible = false;
        ui.jackpotball21.visible = false;
        ui.jackpotball31.visible = false;
    }
}

}  // namespace tonvale
