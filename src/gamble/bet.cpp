// SPDX-License-Identifier: MIT
// A bet on the colour or the suit of one drawn card: the history strip, the
// reveal and the decision.
#include <string>

#include "core/checked.h"
#include "gamble/gamble.h"

namespace tonvale {

namespace {

// Cards are numbered by suit: 1 hearts, 2 clubs, 3 diamonds, 4 spades.
Picture cardFace(int card) { return {Sheet::imagelistcards, card}; }
Picture suitIcon(int card) { return {Sheet::imagelistcards, kFirstSuit - 1 + card}; }
constexpr bool isRed(int card) { return card == 1 || card == 3; }

constexpr int kHistoryLeft[5] = {360, 960, 1560, 2160, 2760};
constexpr int kHistoryTop = 3960;

}  // namespace

void Gamble::betred_Click() { bet(BetOn::red, 0); }
void Gamble::betblack_Click() { bet(BetOn::black, 0); }
void Gamble::suitbet_Click(int index) { bet(BetOn::suit, index); }

void Gamble::addToHistory(int card) {
    MachineState& s = m_.s;
    MainWindow& ui = m_.ui;
    if (s.gamblecount > 10) s.gamblecount = 6;
    const int count = s.gamblecount;
    if (count >= 1 && count <= 5) {
        ui.historypic[count].picture = suitIcon(card);
        ui.historypic[count].visible = true;
        return;
    }
    if (count < 6) return;
    // From the sixth card on, the slots turn round: the oldest slot takes the new
    // card at the right end and the other four shift one place left.
    const int newest = count - 5;
    for (int k = 1; k <= 4; ++k) {
        Control& slot = ui.historypic[(newest + k - 1) % 5 + 1];
        slot.left = kHistoryLeft[k - 1];
        slot.top = kHistoryTop;
    }
    Control& slot = ui.historypic[newest];
    slot.left = kHistoryLeft[4];
    slot.top = kHistoryTop;
    slot.picture = suitIcon(card);
}

void Gamble::reveal(int card) {
    Machine& m = m_;
    Control& holder = m.ui.piccardholder;
    // The back peels away from the lower left corner over the face.
    holder.picture = cardFace(card);
    for (int frame = kFirstPeel; frame <= kLastPeel; ++frame) {
        holder.overlay = Picture(Sheet::imagelistcards, frame);
        m.doEvents();
        m.sleep(50);
    }
    holder.overlay.clear();
    m.doEvents();
}

void Gamble::bet(BetOn on, int suit) {
    if (revealing_) return;
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    m.playClip(115);
    ui.gamblewin.visible = false;
    addChecked(s.gamblecount, 1);
    ui.risklab.caption = "At Risk  " + std::to_string(s.gamblestake);

    const int card = m.draw(4);
    s.gamblecard = static_cast<i16>(card);
    addToHistory(card);

    revealing_ = true;
    reveal(card);
    revealing_ = false;

    const bool won = on == BetOn::red ? isRed(card) : on == BetOn::black ? !isRed(card) : card == suit;
    if (won) {
        m.playClip(on == BetOn::red ? 117 : on == BetOn::black ? 103 : 116);
        // A stake that the credit (or the total-won statistic) could not take back
        // stays as it is; the bet still won.
        const std::int64_t next = static_cast<std::int64_t>(s.gamblestake) * (on == BetOn::suit ? 4 : 2);
        const std::int64_t gain = next - s.gamblestake;
        const bool fits = m.creditTakes(gain) && addFits(s.total, next - s.gamblebase);
        if (fits)
            s.gamblestake = static_cast<i32>(next);
        else
            m.showCreditFull();
        m.cycles.betDecided({card, betOn(on, suit), fits ? GambleBet::Result::won : GambleBet::Result::full},
                            s.gamblestake);
        ui.betred.enabled = true;
        ui.betblack.enabled = true;
        ui.cancelbet.enabled = true;
        showStake();
        // The banner comes to rest at the foot of the panel.
        ui.gamblewin.left = 700;
        ui.gamblewin.top = 4800;
        ui.gamblewin.visible = true;
        m.present();
        return;
    }

    ui.btndouble.enabled = false;
    m.playClip(113);
    ui.gamblelose.left = 700;
    ui.gamblelose.top = 4800;
    ui.gamblelose.visible = true;
    m.present();
    ui.lblblackred.visible = false;
    ui.lblsuit.visible = false;
    ui.risklab.caption = "    No Win  ";
    ui.betred.enabled = false;
    ui.betblack.enabled = false;
    ui.cancelbet.enabled = false;
    // The card has decided: the stake can no longer be collected, the game has
    // ended, and the record saved now holds the loss, so that closing the game in
    // the pause below cannot bring the stake back.
    m.cycles.betDecided({card, betOn(on, suit), GambleBet::Result::lost}, 0);
    calls.settle();

    // The loss stays on view for three seconds; the window paints but takes no input.
    m.doEvents();
    m.sleep(3000);

    ui.pandouble.visible = false;
    m.showCredit();  // the stake left the credit on entry and is gone
    ui.LABWIN.caption = "         No Win";
    ui.lblwin.caption = " ";
    ui.btndouble.enabled = false;
    for (Control* c : {&ui.autoplayon, &ui.btncredit, &ui.btnlines, &ui.btnspin, &ui.btnbet})
        c->enabled = true;
    ui.keypreview = true;
}

}  // namespace tonvale
