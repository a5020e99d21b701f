#include "core/game.h"

namespace tonvale {

void Jackpot::bind(Bindings& b) {
    b.onTimer(TimerId::tmrbell, [this] { tmrbell_Timer(); });
    b.onTimer(TimerId::tmrdecidejackpot, [this] { tmrdecidejackpot_Timer(); });
    b.onTimer(TimerId::tmrshowjackpot, [this] { tmrshowjackpot_Timer(); });
}

void Jackpot::tmrbell_Timer() {}
void Jackpot::tmrdecidejackpot_Timer() {}
void Jackpot::tmrshowjackpot_Timer() {}

}  // namespace tonvale
