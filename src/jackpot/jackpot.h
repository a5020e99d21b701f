// SPDX-License-Identifier: MIT
#pragma once
// The jackpot feature: the bell introduction, the ball run and draw, the award.
#include "core/bindings.h"
#include "core/machine.h"

namespace tonvale {

class Jackpot {
public:
    explicit Jackpot(Machine& m) : m_(m) {}
    void bind(Bindings& b);

    void tmrbell_Timer();
    void tmrdecidejackpot_Timer();
    void tmrshowjackpot_Timer();

private:
    void moveBall(int step);  // to the field's place when step is a field
    void award();             // the ball has stopped on the drawn field
    void finishShow();        // end of the award display: pay and release
    Machine& m_;
};

}  // namespace tonvale
