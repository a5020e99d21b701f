// SPDX-License-Identifier: MIT
// The reel run animation: the outcome is settled before anything moves; then the
// five strips spin up together and come to rest one after the other on the drawn
// stops. Nothing else runs meanwhile: the animation only shows frames and sleeps.
#include <array>

#include "spin/spincycle.h"

namespace tonvale {

namespace {

struct Pace {
    int step;       // twips per move of the running strips
    int reelpause;  // ms added to reelspeed for the pause per move
    int pause;      // ms per move: reelspeed + reelpause
    int passes;     // passes per stopping reel
};

// By reelspeed 1, 2, 4, 8, 10. Any other value runs at the pace of speed 1.
Pace paceFor(int reelspeed) {
    switch (reelspeed) {
        case 2:
            return {1000, 2, 4, 6};
        case 4:
            return {800, 3, 7, 6};
        case 8:
            return {600, 4, 12, 7};
        case 10:
            return {400, 5, 15, 3};
        default:
            return {1875, 1, 2, 10};
    }
}

constexpr int kPassRise = 4050;     // a pass starts this far above its target
constexpr int kSettleOffset = 600;  // a stopping strip drops this far, then creeps up
constexpr int kSettleStep = 20;
constexpr int kSpinUpPasses = 6;

}  // namespace

void SpinCycle::reelrun() {
    Machine& m = m_;
    MachineState& s = m.s;
    moves = 0;
    pauses = 0;
    const Pace pace = paceFor(s.reelspeed);
    s.reelpause = static_cast<i16>(pace.reelpause);

    auto place = [&](int reel, int top) {
        Control& strip = m.ui.reel[static_cast<std::size_t>(reel)];
        strip.left = 0;
        strip.top = top;
        ++moves;
    };
    auto frame = [&] {
        m.present();
        m.sleep(pace.pause);
        ++pauses;
    };
    // One pass over a target: strips first..5 run from target - 4050 down to the
    // target; `beforeMove` runs ahead of each move.
    auto pass = [&](int first, int target, auto&& beforeMove) {
        for (int top = target - kPassRise; top <= target; top += pace.step) {
            beforeMove();
            for (int reel = first; reel <= 5; ++reel) place(reel, top);
            frame();
        }
    };

    // Under safer play the game cycle lasts at least kSaferCycleMs from the press
    // to the result: the reels spin on, all of them for half of it, the last one
    // until the whole of it has passed.
    const bool safer = m.saferPlay;
    const auto cycleMs = [&m, this] { return m.ports.clock.nowMs() - startedMs_; };
    for (int i = 0; i < kSpinUpPasses || (safer && cycleMs() < Machine::kSaferCycleMs / 2); ++i)
        pass(1, s.reeltop1, [] {});

    for (int k = 1; k <= 4; ++k) {
        const int base = s.reeltop(k) + kSettleOffset;
        int offset = 0;
        if (s.freespinsawarded < 1) m.playClip(114);
        if (s.scattersound[static_cast<std::size_t>(k)] > 0) m.playClip(118 + k);  // 119..122
        for (int i = 0; i < pace.passes; ++i) {
            pass(k + 1, s.reeltop(k + 1), [&] {
                if (offset < kSettleOffset) {
                    offset += kSettleStep;
                    place(k, base - offset);
                }
            });
        }
    }

    while (safer && cycleMs() < Machine::kSaferCycleMs) pass(5, s.reeltop5, [] {});
    const int base5 = s.reeltop5 + kSettleOffset;
    if (s.freespinsawarded < 1) m.playClip(114);
    if (s.fivescattersound > 0) m.playClip(123);
    for (int offset = 0; offset <= kSettleOffset; offset += kSettleStep) {
        place(5, base5 - offset);
        frame();
    }
}

}  // namespace tonvale
