// SPDX-License-Identifier: MIT
// tmrdecidejackpot: the ball runs out its lap and one more, then the stop is
// drawn and the ball slows down, field by field, until it reaches it.
#include "core/checked.h"
#include "jackpot/jackpot.h"
#include "rules/board.h"

namespace tonvale {

void Jackpot::moveBall(int step) {
    MachineState& s = m_.s;
    if (isBoardField(step)) {
        const BoardField& f = kBoardFields[static_cast<std::size_t>(step)];
        s.ballx = f.left;
        s.bally = f.top;
    }
    // Past the last field the ball stays where it is.
    m_.ui.jackpotball11.left = s.ballx;
    m_.ui.jackpotball11.top = s.bally;
}

void Jackpot::tmrdecidejackpot_Timer() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    m.playLoop(127);

    if (s.balldrawn != 1) {
        ui.jackpotpicture.visible = false;
        ui.jackpotball11.visible = true;
        for (;;) {
            addChecked(s.ballstep, 1);
            moveBall(s.ballstep);
            if (s.ballstep <= 16) return;
            if (s.ballrounds == 0) {
                // The first lap is done: one full lap more from field 1.
                s.ballrounds = 1;
                s.ballstep = 0;
                continue;
            }
            s.ballstep = 0;
            s.balldrawn = 1;
            s.ballstop = static_cast<i16>(m.draw(16));
            break;
        }
    }

    // Each step after the draw takes 100 ms longer than the one before.
    if (addChecked(s.ballinterval, 100)) m.setInterval(TimerId::tmrdecidejackpot, s.ballinterval);
    addChecked(s.ballstep, 1);
    moveBall(s.ballstep);
    if (s.ballstep == s.ballstop) award();
}

void Jackpot::award() {
    Machine& m = m_;
    MachineState& s = m.s;

    m.ui.lbljackpotwon.visible = false;
    m.stopSound();  // made whatever the sound switch says

    // The bet multiples come from the bet in force now.
    const std::int64_t stake = s.stake();
    mulChecked(s.betx10, stake, 10);
    mulChecked(s.betx20, stake, 20);
    mulChecked(s.betx30, stake, 30);

    // The prize kind is the field itself; the display and the payment follow it.
    s.jackpotfield = s.ballstop;
    switch (prizeOfField(s.ballstop)) {
        case JackpotPrize::betx10:
            s.jackpotwon = s.betx10;
            break;
        case JackpotPrize::betx20:
            s.jackpotwon = s.betx20;
            break;
        case JackpotPrize::betx30:
            s.jackpotwon = s.betx30;
            break;
        case JackpotPrize::minor:
            s.jackpotwon = s.minor;
            addChecked(s.minorwon, 1);
            break;
        case JackpotPrize::major:
            s.jackpotwon = s.major;
            addChecked(s.majorwon, 1);
            break;
        case JackpotPrize::grand:
            s.jackpotwon = s.grand;
            addChecked(s.grandwon, 1);
            break;
        case JackpotPrize::none:
            break;
    }
    // A prize the credit (or the jackpot statistic) cannot hold is not won: the
    // board says so and nothing is counted.
    const JackpotPrize prize = prizeOfField(s.jackpotfield);
    const bool poolPrize = isPool(prize);
    if (prize != JackpotPrize::none &&
        (!m.creditTakes(s.jackpotwon) || (poolPrize && !addFits(s.jackpotbank, s.jackpotwon)))) {
        if (prize == JackpotPrize::minor) subChecked(s.minorwon, 1);
        if (prize == JackpotPrize::major) subChecked(s.majorwon, 1);
        if (prize == JackpotPrize::grand) subChecked(s.grandwon, 1);
        s.jackpotfield = 0;
        s.jackpotwon = 0;
        m.ui.lbljackpotwon.caption = "Credit Full";
        m.ui.lbljackpotwon.visible = true;
        m.showCreditFull();
    }

    // The game's line keeps the field the ball stopped on, whatever it pays.
    m.cycles.jackpotDrawn(s.ballstop, s.jackpotwon);

    m.playClip(128);
    m.setTimer(TimerId::tmrshowjackpot, true);
    m.setTimer(TimerId::tmrdecidejackpot, false);
}

}  // namespace tonvale
