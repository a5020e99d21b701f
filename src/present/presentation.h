// SPDX-License-Identifier: MIT
#pragma once
// The win presentation: winning-symbol flash, wild animation, win counter, idle
// heartbeat and scatter animation.
#include "core/bindings.h"

namespace tonvale {

class Game;

class Presentation {
public:
    explicit Presentation(Game& g) : g_(g) {}
    void bind(Bindings& b);

    void Timerflash_Timer();
    void timerballflash_Timer();
    void Timerwincounter_Timer();
    void Tmrtick_Timer();
    void Timerscatter_Timer();

private:
    Game& g_;
};

}  // namespace tonvale
