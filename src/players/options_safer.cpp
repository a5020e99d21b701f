// SPDX-License-Identifier: MIT
// The options window's safer-play choice. It is the player's own, kept with the
// player's record under the key "saferplay" (1 on); a missing key, or anything
// but 1, is the game as it always played. What safer play changes is the model's
// (Machine::saferPlay): no autoplay, a game cycle of at least 2.5 s, no
// celebration of a return not above the stake, a reality check at 60 minutes.
#include "core/store.h"
#include "players/options.h"

namespace tonvale {

bool readSaferPlay(StorePort& store, const std::string& app, std::string_view slot) {
    int on = 0;
    return readNumber(store, app, recordSection(slot), kSaferPlayKey, on) && on == 1;
}

bool saveSaferPlay(StorePort& store, std::string_view slot, bool on) {
    return savePlayerKeys(store, slot, {{kSaferPlayKey, on ? "1" : "0"}});
}

void Options::safer_Click(int index) {
    if (index < 1 || index > 2) return;
    const bool on = index == 1;
    if (on != m_.saferPlay) {
        m_.saferPlay = on;
        saveSaferPlay(m_.ports.store, m_.s.playerslot, on);
    }
    showSaferPlay();
    showLimits();
}

void Options::showSaferPlay() {
    for (int i = 1; i <= 2; ++i) ui.safer[static_cast<std::size_t>(i)].value = (i == 1) == m_.saferPlay;
}

}  // namespace tonvale
