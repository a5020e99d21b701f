// SPDX-License-Identifier: MIT
// Timerscatter animates the scatters of the paying scatter group.
#include <string>

#include "core/checked.h"
#include "present/presentation.h"

namespace tonvale {

void Presentation::Timerscatter_Timer() {
    MachineState& s = m_.s;
    MainWindow& ui = m_.ui;

    addChecked(s.scatterstep, 1);
    // With reduced motion the scatter holds its first picture.
    const Picture frame(Sheet::ImageList1, m_.reducedMotion ? 1 : s.scatterstep);

    const auto flagged = [&s](int reels) {
        for (int r = 1; r <= reels; ++r)
            if (s.scatterreels[static_cast<std::size_t>(r)] != 1) return false;
        return true;
    };
    // Reels 1 and 2 always belong to a paying group; the others only when the
    // evaluation counted them into it.
    const bool animate[6] = {false, true, true, flagged(3), flagged(4), flagged(4) && s.fivescatters == 1};

    for (int reel = 1; reel <= 5; ++reel) {
        const int cell = s.scattercell[static_cast<std::size_t>(reel)];
        const int first = 3 * (reel - 1) + 1;
        if (cell < first || cell > first + 2 || !animate[reel]) continue;
        Control& f = ui.flasher[cell];
        f.picture = frame;
        f.overlay.clear();
        f.visible = true;
    }

    if (s.scatterstep == kScatterFrames) s.scatterstep = 1;
}

}  // namespace tonvale
