// SPDX-License-Identifier: MIT
// Wiring of the presentation timers; each timer lives in its own file.

#include "present/presentation.h"

namespace tonvale {

void Presentation::bind(Bindings& b) {
    b.onTimer(TimerId::Timerflash, [this] { Timerflash_Timer(); });
    b.onTimer(TimerId::timerballflash, [this] { timerballflash_Timer(); });
    b.onTimer(TimerId::Timerwincounter, [this] { Timerwincounter_Timer(); });
    b.onTimer(TimerId::Tmrtick, [this] { Tmrtick_Timer(); });
    b.onTimer(TimerId::Timerscatter, [this] { Timerscatter_Timer(); });
}

}  // namespace tonvale
