// SPDX-License-Identifier: MIT
#include "game/resume.h"

#include "core/checked.h"
#include "core/cycle.h"
#include "gamble/gamble.h"
#include "game/game.h"
#include "rules/board.h"
#include "rules/money.h"
#include "rules/strips.h"
#include "rules/symbols.h"
#include "spin/spincycle.h"

namespace tonvale {

namespace {

constexpr const char* kTitle = "Slots_Tonvale";
constexpr i16 kResumeAtOnce = 80;  // the next free spin follows at once

// The step of a setting in its table (the handlers' step counters start there).
template <std::size_t N>
int stepOf(const std::array<int, N>& table, int value) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == value) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace

std::string Resume::notice(const Play& line) {
    std::string text = " ..............GAME RESTORED.................\r";
    switch (line.phase) {
        case Phase::series:
            if (static_cast<int>(line.spins.size()) < line.freespins)
                text += " Your free spins go on.\r Free spins left:  " +
                        std::to_string(line.freespins - static_cast<int>(line.spins.size())) +
                        "\r Series total:  " + money(line.freespinwin);
            else
                text += " Your free spins are played: take the series total.\r Series total:  " +
                        money(line.freespinwin);
            break;
        case Phase::gamble:
            text += " Your gamble goes on.\r At risk:  " + money(line.gamblewin);
            break;
        case Phase::jackpot:
            if (line.jackpotfield > 0)
                text += " Your jackpot is shown and paid now.\r Jackpot:  " + money(line.jackpotwin);
            else
                text += " Your jackpot feature starts again from its bells.";
            break;
        default:
            break;
    }
    return text + "\r  \r  The game was closed while it was under way.";
}

void Resume::slotLoaded() {
    Machine& m = g_.m;
    const std::optional<Play> open = m.cycles.playerLoaded();
    if (!open) return;
    if (!restore(*open)) {
        m.cycles.notResumed(*open);
        return;
    }
    m.cycles.resumed(*open);
    if (onResume) onResume(*open);
    // Told before anything moves: the timers start once the player has read it.
    m.ports.desktop.message(kTitle, notice(*open), MsgIcon::information, MsgButtons::ok);
    startTimers(*open);
}

// The record read was saved with the line: it counts the open game as settled
// in the player's favour (the series total collected, the stake at risk
// collected, the drawn prize paid). The state goes back to the game as it stood.
bool Resume::restore(const Play& line) {
    Machine& m = g_.m;
    MachineState& s = m.s;
    if (line.creditAfter != m.creditHeld() || line.totals != totalsOf(s)) return false;
    if (kBets.end() == std::find(kBets.begin(), kBets.end(), line.bet) || waysOf(line.waysfactor) == 0)
        return false;
    switch (line.phase) {
        case Phase::series:
            if (line.freespins < 1 || static_cast<int>(line.spins.size()) > line.freespins ||
                !std::in_range<i16>(line.freespins + 1) || !std::in_range<i32>(line.freespinwin) ||
                line.freespinwin > s.bank)
                return false;
            break;
        case Phase::gamble:
            if (line.gamblewin <= 0 || line.gamblewin > s.bank || line.gamblestake <= 0 ||
                !std::in_range<i32>(line.gamblestake))
                return false;
            break;
        case Phase::jackpot:
            if (line.jackpotfield != 0 && (!isBoardField(line.jackpotfield) || line.jackpotwin > s.bank))
                return false;
            break;
        default:
            return false;
    }
    // The bet and ways the game was played at.
    s.bet = static_cast<i16>(line.bet);
    s.waysfactor = static_cast<i16>(line.waysfactor);
    s.betstep = static_cast<i16>(stepOf(kBets, line.bet));
    s.waysstep = static_cast<i16>(stepOf(kWaysFactors, line.waysfactor));
    m.ui.lblbet.caption = std::to_string(s.bet);
    m.ui.lbllines.caption = std::to_string(waysOf(s.waysfactor));
    g_.spin.shapeRefresh();
    m.showTotalBet();
    restoreReels(line);
    switch (line.phase) {
        case Phase::series:
            restoreSeries(line);
            break;
        case Phase::gamble:
            restoreGamble(line);
            break;
        default:
            restoreJackpot(line);
            break;
    }
    return true;
}

// The reels stand where the game's spin stopped them.
void Resume::restoreReels(const Play& line) {
    Machine& m = g_.m;
    MachineState& s = m.s;
    const bool free = !line.spins.empty();
    const Draw last = free ? line.spins.back().draw
                           : Draw{{line.stops[0], line.stops[1], line.stops[2], line.stops[3], line.stops[4]},
                                  line.bellcoin,
                                  1};
    clearRecord(s);
    s.bellcoin = static_cast<i16>(last.bellcoin);
    for (int reel = 1; reel <= 5; ++reel) {
        const int stop = last.stops[static_cast<std::size_t>(reel - 1)];
        if (stop < 1 || stop > kStops) continue;
        s.reelstop(reel) = static_cast<i16>(stop);
        recordReel(s, reel, stop, s.waysfactor, !free);
        s.reeltop(reel) = restTop(stop);
        m.ui.reel[static_cast<std::size_t>(reel)].top = s.reeltop(reel);
    }
}

void Resume::restoreSeries(const Play& line) {
    Machine& m = g_.m;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;
    s.freespinsawarded = static_cast<i16>(line.freespins + 1);
    s.freespinsplayed = static_cast<i16>(1 + line.spins.size());
    s.freespintotal = static_cast<i32>(line.freespinwin);
    subChecked(s.bank, s.freespintotal);
    s.winamount = static_cast<i32>(line.spins.empty() ? line.win : line.spins.back().win);
    if (!line.spins.empty()) {
        s.freespinmultiplier = static_cast<i16>(line.spins.back().draw.multiplier);
        s.multiplierpicture = static_cast<i16>(multiplierTopFrame(s.freespinmultiplier));
    }
    s.idleticks = kResumeAtOnce;
    ui.panfreespin.visible = false;
    ui.spinsleft.visible = true;
    ui.LABWIN.caption = std::to_string(s.freespintotal);
    ui.lblwin.caption = money(s.freespintotal);
    ui.keypreview = false;
    if (s.freespinsplayed < s.freespinsawarded) {
        ui.spinsleft.caption =
            "     Freespins Remaining = " + std::to_string(s.freespinsawarded - s.freespinsplayed);
    } else {
        s.freespinsover = 1;
        ui.spinsleft.caption = "      Freespins Completed          ";
        ui.takewin.visible = true;
    }
    m.showCredit();
}

void Resume::restoreGamble(const Play& line) {
    Machine& m = g_.m;
    MachineState& s = m.s;
    std::vector<GambleBet> bets;
    parseGamble(line.gamble, bets);
    s.winamount = static_cast<i32>(line.freespins > 0 ? line.freespinwin : line.win);
    s.gamblestake = static_cast<i32>(line.gamblewin);
    s.gamblebase = static_cast<i32>(line.gamblestake);
    s.gamblecarry = 0;
    // The record counted the stake as collected, in the total won too.
    subChecked(s.bank, s.gamblestake);
    addChecked(s.total, static_cast<std::int64_t>(s.gamblebase) - s.gamblestake);
    g_.gamble.resumePanel(bets);
}

void Resume::restoreJackpot(const Play& line) {
    Machine& m = g_.m;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;
    s.winamount = static_cast<i32>(line.win);
    ui.panfreespin.visible = false;
    ui.btnopenmenu.enabled = false;
    ui.btnoptions.enabled = false;
    for (Control* b : {&ui.jackpotball11, &ui.jackpotball21, &ui.jackpotball31}) b->visible = false;
    if (line.jackpotfield == 0) {
        // Not drawn yet: the feature starts again from its bells; nothing was paid.
        s.introticks = 0;
        s.bellframe = 0;
        s.ballinterval = s.ballx = s.bally = s.ballstop = s.balldrawn = s.ballstep = s.ballrounds = 0;
        s.jackpotwon = 0;
        s.ballstep = static_cast<i16>(m.draw(16));
        return;
    }
    // Drawn: the board shows the ball on its field, and the prize is paid at the
    // end of the display. The record counted it paid, its pool started again.
    const JackpotPrize prize = prizeOfField(line.jackpotfield);
    s.jackpotfield = static_cast<i16>(line.jackpotfield);
    s.ballstop = s.jackpotfield;
    s.balldrawn = 1;
    s.jackpotwon = static_cast<i32>(line.jackpotwin);
    const std::int64_t stake = s.stake();
    mulChecked(s.betx10, stake, 10);
    mulChecked(s.betx20, stake, 20);
    mulChecked(s.betx30, stake, 30);
    const BoardField& f = kBoardFields[static_cast<std::size_t>(line.jackpotfield)];
    s.ballx = f.left;
    s.bally = f.top;
    s.showticks = 0;
    subChecked(s.bank, s.jackpotwon);
    if (isPool(prize)) {
        subChecked(s.jackpotbank, s.jackpotwon);
        i32& pool = prize == JackpotPrize::grand ? s.grand : prize == JackpotPrize::major ? s.major : s.minor;
        pool = s.jackpotwon;
    }
    ui.jackpotframe.left = 945;
    ui.jackpotframe.top = 650;
    ui.jackpotframe.visible = true;
    ui.jackpotball11.left = s.ballx;
    ui.jackpotball11.top = s.bally;
    ui.jackpotball11.visible = true;
    m.showCredit();
}

void Resume::startTimers(const Play& line) {
    Machine& m = g_.m;
    MachineState& s = m.s;
    m.setTimer(TimerId::Tmrtick, true);
    switch (line.phase) {
        case Phase::series:
            if (s.freespinsplayed < s.freespinsawarded) m.setTimer(TimerId::Timerrespin, true);
            break;
        case Phase::jackpot:
            m.setTimer(line.jackpotfield == 0 ? TimerId::tmrbell : TimerId::tmrshowjackpot, true);
            break;
        default:
            break;
    }
}

}  // namespace tonvale
