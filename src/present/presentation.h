// SPDX-License-Identifier: MIT
#pragma once
// The win presentation: winning-symbol flash, wild animation, win counter, idle
// heartbeat and scatter animation.
#include "core/bindings.h"
#include "core/machine.h"

namespace tonvale {

class Presentation {
public:
    explicit Presentation(Machine& m) : m_(m) {}
    void bind(Bindings& b);

    void Timerflash_Timer();
    void timerballflash_Timer();
    void Timerwincounter_Timer();
    void Tmrtick_Timer();
    void Timerscatter_Timer();

private:
    Machine& m_;
};

}  // namespace tonvale
