// SPDX-License-Identifier: MIT
// The five reel routines: spinreel1 prepares the spin, each routine draws its
// reel's stop, records the visible cells and calls the next; spinreel5 calls the
// evaluation.

#include "spin/spincycle.h"

namespace tonvale {

namespace {

void drawReel(Machine& m, int reel) {
    MachineState& s = m.s;
    const int stop = m.draw(kStops);
    s.reelstop(reel) = static_cast<i16>(stop);
    recordReel(s, reel, stop, s.waysfactor, s.freespinsawarded < 1);
    s.reeltop(reel) = restTop(stop);
}

}  // namespace

void SpinCycle::spinreel1() {
    Machine& m = m_;
    MachineState& s = m.s;
    m.ui.pannomoney.visible = false;
    m.ui.btndouble.enabled = false;
    for (TimerId t : {TimerId::Timerscatter, TimerId::Timerflash, TimerId::timerballflash,
                      TimerId::Timerrespin, TimerId::Tmrtick})
        m.setTimer(t, false);
    clearRecord(s);
    s.bellframe = 0;
    m.stopSound();
    m.doEvents();
    m.hideFlashers();
    drawReel(m, 1);
    spinreel2();
}

void SpinCycle::spinreel2() {
    drawReel(m_, 2);
    spinreel3();
}

void SpinCycle::spinreel3() {
    // Whether a bell on reel 3 counts is drawn before the stop.
    m_.s.bellcoin = static_cast<i16>(m_.draw(2));
    drawReel(m_, 3);
    spinreel4();
}

void SpinCycle::spinreel4() {
    drawReel(m_, 4);
    spinreel5();
}

void SpinCycle::spinreel5() {
    drawReel(m_, 5);
    calls.checkwins();
}

}  // namespace tonvale
