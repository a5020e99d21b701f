#include "core/game.h"

namespace tonvale {

void Presentation::bind(Bindings& b) {
    b.onTimer(TimerId::Timerflash, [this] { Timerflash_Timer(); });
    b.onTimer(TimerId::timerballflash, [this] { timerballflash_Timer(); });
    b.onTimer(TimerId::Timerwincounter, [this] { Timerwincounter_Timer(); });
    b.onTimer(TimerId::Tmrtick, [this] { Tmrtick_Timer(); });
    b.onTimer(TimerId::Timerscatter, [this] { Timerscatter_Timer(); });
}

void Presentation::Timerflash_Timer() {}
void Presentation::timerballflash_Timer() {}
void Presentation::Timerwincounter_Timer() {}
void Presentation::Tmrtick_Timer() {}
void Presentation::Timerscatter_Timer() {}

}  // namespace tonvale
