// SPDX-License-Identifier: MIT
#pragma once
// The double-up gamble on a card's colour or suit, and collecting a free-spin total.
#include <functional>
#include <vector>

#include "core/bindings.h"
#include "core/machine.h"
#include "core/pressrule.h"

namespace tonvale {

class Gamble {
public:
    Gamble(Machine& m, const PressRule& rule) : m_(m), rule_(rule) {}
    void bind(Bindings& b);

    // A lost bet is saved at once (a settled point of its own), so that a close
    // during the loss pause cannot bring the stake back.
    struct Calls {
        std::function<void()> settle;
    };
    Calls calls;

    void btndouble_Click();
    void btndouble_MouseUp();
    void betred_Click();
    void betblack_Click();
    void suitbet_Click(int index);
    void cancelbet_Click();
    void takewin_Click();
    // The gamble goes on after a restart: the panel as entering left it, with the
    // stake (gamblestake, from gamblebase) at risk and the cards of `bets` on the strip.
    void resumePanel(const std::vector<GambleBet>& bets);

    // True while a bet is revealing its card; another bet or a collect that
    // arrives meanwhile (the reveal lets events run) is ignored.
    bool revealing() const { return revealing_; }

private:
    enum class BetOn { red, black, suit };
    // What the game's line calls the choice: 0 red, 1 black, 1 + the suit's card.
    static int betOn(BetOn on, int suit) { return on == BetOn::red ? 0 : on == BetOn::black ? 1 : 1 + suit; }
    void bet(BetOn on, int suit);
    void showStake();  // risklab, lblblackred and lblsuit for the stake
    void showPanel();  // the panel opened on the stake, the rest of the cabinet held
    void addToHistory(int card);
    void reveal(int card);
    Machine& m_;
    const PressRule& rule_;
    bool revealing_ = false;
};

}  // namespace tonvale
