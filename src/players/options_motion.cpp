// SPDX-License-Identifier: MIT
// The options window's reduced-motion choice. It is the player's own, kept with
// the player's record under the key "reducedmotion" (1 on); a missing key, or
// anything but 1, is the game's full motion as it always was.
#include "core/store.h"
#include "players/options.h"

namespace tonvale {

bool readReducedMotion(StorePort& store, const std::string& app, std::string_view slot) {
    int on = 0;
    return readNumber(store, app, recordSection(slot), kReducedMotionKey, on) && on == 1;
}

bool saveReducedMotion(StorePort& store, std::string_view slot, bool reduced) {
    return savePlayerKeys(store, slot, {{kReducedMotionKey, reduced ? "1" : "0"}});
}

void Options::motion_Click(int index) {
    if (index < 1 || index > 2) return;
    const bool reduced = index == 1;
    if (reduced != m_.reducedMotion) {
        m_.reducedMotion = reduced;
        saveReducedMotion(m_.ports.store, m_.s.playerslot, reduced);
    }
    showMotion();
}

void Options::showMotion() {
    for (int i = 1; i <= 2; ++i) ui.motion[static_cast<std::size_t>(i)].value = (i == 1) == m_.reducedMotion;
}

}  // namespace tonvale
