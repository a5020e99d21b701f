// SPDX-License-Identifier: MIT
#pragma once
// The spin cycle: the five reel routines, the reel run animation, the two ways of
// starting a spin, bet and ways selection and the insert-credit button.
#include <functional>

#include "core/bindings.h"
#include "core/machine.h"
#include "core/pressrule.h"

namespace tonvale {

class SpinCycle {
public:
    SpinCycle(Machine& m, const PressRule& rule) : m_(m), rule_(rule) {}
    void bind(Bindings& b);

    void spinreel1();
    void spinreel2();
    void spinreel3();
    void spinreel4();
    void spinreel5();
    void reelrun();  // the reel run animation of the final draw

    void btnspin_MouseDown();
    void btnspin_MouseUp();
    void btnstartall_Click();
    void btnbet_MouseDown();
    void btnbet_MouseUp();
    void btnlines_MouseDown();
    void btnlines_MouseUp();
    void btncredit_MouseDown();
    void btncredit_MouseUp();

    // Hatching shapes for the current ways factor.
    void shapeRefresh();

    // True from an accepted spin start until its spin has ended (the game cycle's
    // own flag); a press of the spin controls meanwhile is refused.
    bool spinning() const { return m_.cycles.spinning(); }

    // Counts of the last reel run: strip placements and pauses.
    int moves = 0;
    int pauses = 0;

    // What a spin asks of the rest of the game: whether a paid spin may start now
    // (the session's reality check), and the evaluation that ends it.
    struct Calls {
        std::function<bool()> spinMayStart;
        std::function<void()> checkwins;
    };
    Calls calls;

    // Told before and after every spin that runs (an observer for the simulator's
    // books; the game itself sets none).
    std::function<void()> onSpinStart, onSpinEnd;

private:
    std::int64_t startedMs_ = 0;  // the clock when the running spin started
    void runSpin();               // spinreel1 with the spin controls held off
    Machine& m_;
    const PressRule& rule_;
};

}  // namespace tonvale
