#pragma once
// The jackpot feature: the bell introduction, the ball run and draw, the award.
#include "core/bindings.h"

namespace tonvale {

class Game;

class Jackpot {
public:
    explicit Jackpot(Game& g) : g_(g) {}
    void bind(Bindings& b);

    void tmrbell_Timer();
    void tmrdecidejackpot_Timer();
    void tmrshowjackpot_Timer();

private:
    Game& g_;
};

}  // namespace tonvale
