// SPDX-License-Identifier: MIT
// The options window's choice of language. It is the player's own, kept with the
// player's record under the key "language" as the language's code; a missing key,
// or a code the game does not have, leaves the game in the desktop's language. The
// model itself speaks English whatever the choice: the view translates.
#include <algorithm>

#include "core/store.h"
#include "players/options.h"

namespace tonvale {

std::string readLanguage(StorePort& store, const std::string& app, std::string_view slot) {
    const std::string code = store.read(app, recordSection(slot), kLanguageKey);
    const bool known = std::any_of(kLanguageCodes.begin(), kLanguageCodes.end(),
                                   [&code](const char* c) { return code == c; });
    return known ? code : std::string();
}

bool saveLanguage(StorePort& store, std::string_view slot, const std::string& code) {
    return savePlayerKeys(store, slot, {{kLanguageKey, code}});
}

void Options::language_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kLanguageCodes.size())) return;
    const std::string code = kLanguageCodes[static_cast<std::size_t>(index)];
    if (code != m_.language) {
        m_.language = code;
        saveLanguage(m_.ports.store, m_.s.playerslot, code);
    }
    showLanguage();
}

void Options::showLanguage() {
    for (std::size_t i = 0; i < ui.language.size(); ++i)
        ui.language[i].value = m_.language == kLanguageCodes[i];
}

}  // namespace tonvale
