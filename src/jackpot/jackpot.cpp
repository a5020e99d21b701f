// SPDX-License-Identifier: MIT
// Wiring of the jackpot timers; each lives in its own file.

#include "jackpot/jackpot.h"

namespace tonvale {

void Jackpot::bind(Bindings& b) {
    b.onTimer(TimerId::tmrbell, [this] { tmrbell_Timer(); });
    b.onTimer(TimerId::tmrdecidejackpot, [this] { tmrdecidejackpot_Timer(); });
    b.onTimer(TimerId::tmrshowjackpot, [this] { tmrshowjackpot_Timer(); });
}

}  // namespace tonvale
