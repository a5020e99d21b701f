// SPDX-License-Identifier: MIT
// tmrshowjackpot: six seconds of celebration on the board, then the prize is paid
// and the board goes away.
//
// The prize kind is the field the ball stopped on (jackpotfield), never a
// comparison of amounts: a bet multiple that happens to equal a pool stays a bet
// multiple, and a pool that grew through a spin made during the display still
// pays the amount that was drawn.
#include <string>

#include "core/checked.h"
#include "jackpot/jackpot.h"
#include "rules/board.h"
#include "rules/money.h"

namespace tonvale {

namespace {

// Keeps the banner frame within a pool's three frames.
void bannerWithin(i16& frame, int first) {
    if (frame < first || frame > first + 2) frame = static_cast<i16>(first);
}

}  // namespace

void Jackpot::tmrshowjackpot_Timer() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    addChecked(s.showticks, 1);
    addChecked(s.ballblink, 1);
    addChecked(s.bannerframe, 1);
    if (s.ballblink > 4) s.ballblink = 1;

    // The emblem turns: its three pictures in the cycle 1, 2, 3, 1.
    Control* balls[3] = {&ui.jackpotball11, &ui.jackpotball21, &ui.jackpotball31};
    // With reduced motion the emblem and the banner hold their first pictures.
    const bool still = m.reducedMotion;
    const int shown = still ? 0 : s.ballblink == 2 ? 1 : s.ballblink == 3 ? 2 : 0;
    for (int i = 0; i < 3; ++i) {
        if (i == shown) {
            balls[i]->left = s.ballx;
            balls[i]->top = s.bally;
            balls[i]->visible = true;
        } else {
            balls[i]->visible = false;
        }
    }

    const JackpotPrize prize = prizeOfField(s.jackpotfield);
    const auto banner = [&](int first) {
        bannerWithin(s.bannerframe, first);
        ui.jackpotpicture.picture = Picture(Sheet::jackpotwin, still ? first : s.bannerframe);
        ui.jackpotpicture.visible = true;
    };
    const auto label = [&](const char* text, i16 amount) {
        ui.lbljackpotwon.caption = text + std::to_string(amount);
        ui.lbljackpotwon.visible = true;
    };
    switch (prize) {
        case JackpotPrize::minor:
            banner(1);
            break;
        case JackpotPrize::major:
            banner(4);
            break;
        case JackpotPrize::grand:
            banner(7);
            break;
        case JackpotPrize::betx10:
            label("BET X 10  = ", s.betx10);
            break;
        case JackpotPrize::betx20:
            label("BET X 20  = ", s.betx20);
            break;
        case JackpotPrize::betx30:
            label("BET X 30  = ", s.betx30);
            break;
        case JackpotPrize::none:
            break;
    }

    ui.LABWIN.caption = std::to_string(s.jackpotwon);
    ui.lblwin.caption = money(s.jackpotwon);

    if (s.showticks >= 60) finishShow();
}

void Jackpot::finishShow() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    for (Control* b : {&ui.jackpotball11, &ui.jackpotball21, &ui.jackpotball31}) b->visible = false;
    m.setTimer(TimerId::tmrshowjackpot, false);
    ui.jackpotframe.visible = false;
    ui.jackpotpicture.visible = false;
    ui.lbljackpotwon.visible = false;

    s.bellcount = 0;

    // The prize is paid and its pool started again before anything else can run:
    // the options window opened in the events below would otherwise switch the
    // player first.
    const JackpotPrize prize = prizeOfField(s.jackpotfield);
    if (prize != JackpotPrize::none) {
        addChecked(s.bank, s.jackpotwon);
        if (isPool(prize)) addChecked(s.jackpotbank, s.jackpotwon);
    }
    s.jackpotfield = 0;  // paid: no prize is pending any more
    m.showCredit();
    s.showticks = 0;
    // Only the pool that was paid starts again.
    switch (prize) {
        case JackpotPrize::grand:
            s.grand = kGrandReset;
            ui.lblgrand.caption = money(s.grand);
            break;
        case JackpotPrize::major:
            s.major = kMajorReset;
            ui.lblmajor.caption = money(s.major);
            break;
        case JackpotPrize::minor:
            s.minor = kMinorReset;
            ui.lblminor.caption = money(s.minor);
            break;
        default:
            break;
    }
    // The prize is the player's now: the game goes on to the gamble offer, or ends.
    m.cycles.jackpotPaid();

    // Autoplay holds the menu and the options, as it does everywhere else.
    if (s.autoplaymode == 0) {
        ui.btnopenmenu.enabled = true;
        ui.btnoptions.enabled = true;
    }
    m.doEvents();
    ui.panfreespin.visible = true;
    if (s.autoplaymode > 0) m.setTimer(TimerId::tmrautospin, true);
    m.doEvents();
}

}  // namespace tonvale
