// SPDX-License-Identifier: MIT
#pragma once
// The evaluation that ends every spin, and free spins.
#include <functional>

#include "core/bindings.h"
#include "core/machine.h"
#include "core/state.h"

namespace tonvale {

class Evaluation {
public:
    explicit Evaluation(Machine& m) : m_(m) {}
    void bind(Bindings& b);

    // What the evaluation asks of the rest of the game: the spin cycle's first reel
    // (a withdrawn win is drawn again), the reel run, a free spin's start, the
    // gamble's collect of a finished series under autoplay and the advert.
    struct Calls {
        std::function<void()> spinreel1, reelrun, btnstartall_Click, takewin_Click, showAdvert;
    };
    Calls calls;

    void checkwins();
    void freespinbusiness();  // draws the multiplier of a free spin
    void Timerrespin_Timer();

private:
    void freespinaward();        // three or more scatters
    void freespinbookkeeping();  // after each spin of a running series
    void celebrate();            // a big win asks the view for its banner
    void winTier();              // clip and autoplay wait by the size of the win
    void bellAndJackpot();       // reel 3's bell picture; three bells start the jackpot
    Machine& m_;
    i32 chargedStake_ = 0;  // the stake this evaluation took from the credit
};

}  // namespace tonvale
