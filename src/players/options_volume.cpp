// SPDX-License-Identifier: MIT
// The options window's volume slider and mute box. They are the player's own,
// kept with the player's record under "volume" (0..100) and "mute" (1 on); a
// missing or unreadable volume is full, as the game always sounded. They change
// how loud the game sounds, never what it plays or when: the game's own switch
// (soundonoff) stays what it is.
#include <algorithm>

#include "core/store.h"
#include "players/options.h"

namespace tonvale {

void readVolume(Machine& m, const std::string& app) {
    const std::string section = recordSection(m.s.playerslot);
    int volume = 100, mute = 0;
    if (!readNumber(m.ports.store, app, section, kVolumeKey, volume) || volume < 0 || volume > 100)
        volume = 100;
    m.volume = volume;
    m.muted = readNumber(m.ports.store, app, section, kMuteKey, mute) && mute == 1;
    m.applyVolume();
}

bool saveVolume(StorePort& store, std::string_view slot, int volume, bool muted) {
    return savePlayerKeys(store, slot, {{kVolumeKey, std::to_string(volume)}, {kMuteKey, muted ? "1" : "0"}});
}

void Options::volume_Change() {
    const int volume = std::clamp(ui.volume.amount, 0, 100);
    if (volume != m_.volume) {
        m_.volume = volume;
        m_.applyVolume();
        saveVolume(m_.ports.store, m_.s.playerslot, m_.volume, m_.muted);
    }
    showVolume();
}

void Options::mute_Click() {
    m_.muted = !m_.muted;
    m_.applyVolume();
    saveVolume(m_.ports.store, m_.s.playerslot, m_.volume, m_.muted);
    showVolume();
}

void Options::showVolume() {
    ui.volume.amount = m_.volume;
    ui.mute.value = m_.muted;
    ui.volumelab.caption = std::to_string(m_.volume) + " %";
}

}  // namespace tonvale
