// SPDX-License-Identifier: MIT
#include "core/state.h"

namespace tonvale {

i16& MachineState::reelstop(int reel) {
    switch (reel) {
        case 1:
            return reelstop1;
        case 2:
            return reelstop2;
        case 3:
            return reelstop3;
        case 4:
            return reelstop4;
        default:
            return reelstop5;
    }
}

i32& MachineState::reeltop(int reel) {
    switch (reel) {
        case 1:
            return reeltop1;
        case 2:
            return reeltop2;
        case 3:
            return reeltop3;
        case 4:
            return reeltop4;
        default:
            return reeltop5;
    }
}

void correctSettings(ProgramValues& v) {
    if (v.machinepay < 1 || v.machinepay > 3) v.machinepay = 3;
    if (v.soundonoff != -1) v.soundonoff = 0;
    if (v.winroll != 0 && v.winroll != 1) v.winroll = 0;
    if (v.reelspeed < 1) v.reelspeed = 1;
}

}  // namespace tonvale
