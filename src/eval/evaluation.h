// SPDX-License-Identifier: MIT
#pragma once
// The evaluation that ends every spin, and free spins.
#include "core/bindings.h"
#include "core/state.h"

namespace tonvale {

class Game;

class Evaluation {
public:
    explicit Evaluation(Game& g) : g_(g) {}
    void bind(Bindings& b);

    void checkwins();
    void freespinbusiness();  // draws the multiplier of a free spin
    void Timerrespin_Timer();

private:
    void freespinaward();        // three or more scatters
    void freespinbookkeeping();  // after each spin of a running series
    void winTier();              // clip and autoplay wait by the size of the win
    void bellAndJackpot();       // reel 3's bell picture; three bells start the jackpot
    Game& g_;
    i32 chargedStake_ = 0;  // the stake this evaluation took from the credit
};

}  // namespace tonvale
