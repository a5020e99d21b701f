// SPDX-License-Identifier: MIT
#pragma once
// The double-up gamble on a card's colour or suit, and collecting a free-spin total.
#include "core/bindings.h"
#include "core/machine.h"
#include "core/pressrule.h"

namespace tonvale {

class DurableSaves;

class Gamble {
public:
    // A lost bet is saved at once (saves), so a close during the loss pause cannot
    // bring the stake back.
    Gamble(Machine& m, const PressRule& rule, DurableSaves& saves) : m_(m), rule_(rule), saves_(saves) {}
    void bind(Bindings& b);

    void btndouble_Click();
    void btndouble_MouseUp();
    void betred_Click();
    void betblack_Click();
    void suitbet_Click(int index);
    void cancelbet_Click();
    void takewin_Click();

    // True while a bet is revealing its card; another bet or a collect that
    // arrives meanwhile (the reveal lets events run) is ignored.
    bool revealing() const { return revealing_; }

private:
    enum class BetOn { red, black, suit };
    void bet(BetOn on, int suit);
    void showStake();  // risklab, lblblackred and lblsuit for the stake
    void addToHistory(int card);
    void reveal(int card);
    Machine& m_;
    const PressRule& rule_;
    DurableSaves& saves_;
    bool revealing_ = false;
};

}  // namespace tonvale
