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

}  // namespace tonvale
