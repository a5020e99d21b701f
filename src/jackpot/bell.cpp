// SPDX-License-Identifier: MIT
// tmrbell: the three bells ring and animate while the board slides down over the
// reels; Tmrtick paces it through introticks.
#include <string>

#include "core/checked.h"
#include "jackpot/jackpot.h"

namespace tonvale {

void Jackpot::tmrbell_Timer() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    ui.panfreespin.visible = false;
    if (s.bellframe < 1 || s.bellframe > 6) {
        s.bellframe = 1;
        m.playClip(129);  // rings once every sixth tick
        m.doEvents();
    }
    addChecked(s.bellframe, 1);

    for (int reel = 1; reel <= 3; ++reel) {
        const int cell = s.bellcell[static_cast<std::size_t>(reel)];
        const int first = 3 * (reel - 1) + 1;
        if (cell < first || cell > first + 2) continue;
        Control& f = ui.flasher[cell];
        // With reduced motion the bell holds one picture while it rings.
        f.picture = Picture(Sheet::morphing, m.reducedMotion ? 1 : s.bellframe);
        f.overlay.clear();
        f.visible = true;
    }

    if (s.introticks >= 30) {
        // From Top -1810 at 30 to 650 at 50.
        ui.jackpotframe.left = 945;
        // With reduced motion the board stands where it comes to rest, at 50.
        ui.jackpotframe.top = (m.reducedMotion ? 50 : s.introticks) * 123 - 5500;
        ui.jackpotframe.visible = true;
    }
    if (s.introticks >= 50) {
        s.introticks = 0;
        m.setTimer(TimerId::tmrdecidejackpot, true);
        m.setInterval(TimerId::tmrdecidejackpot, 100);
        m.setTimer(TimerId::tmrbell, false);
    }
}

}  // namespace tonvale
