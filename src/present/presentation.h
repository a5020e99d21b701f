// SPDX-License-Identifier: MIT
#pragma once
// The win presentation: winning-symbol flash, wild animation, win counter, idle
// heartbeat and scatter animation.
#include <cstdint>
#include <string>

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
    // A pool meter's text is made again only when its amount or its caption has
    // changed since the heartbeat last wrote it.
    struct Shown {
        std::int64_t cents = -1;
        std::string text;
    };
    void showPool(std::string& caption, std::int64_t cents, Shown& shown);

    Machine& m_;
    Shown grand_, major_, minor_;
};

}  // namespace tonvale
