// SPDX-License-Identifier: MIT
#pragma once
// The options window: six player slots, their statistics and the game options.
//
// The window model is `ui` (OptionsWindow). The view shows the dialog while
// `ui.form.visible` is true and routes input here: clicks through Game::click on
// the controls (machine(k), Btndeletedetails, btnokplayer and the option buttons
// of the four groups), keys of the name box through Game::keyPress(ui.player1,
// code), and the dialog's close box to close().
#include <functional>
#include <string>
#include <string_view>

#include "core/bindings.h"
#include "core/machine.h"
#include "players/optionswindow.h"

namespace tonvale {

class Session;
class StorePort;

// The player's reduced-motion choice, kept with the player's record.
inline constexpr const char* kReducedMotionKey = "reducedmotion";
// Reads it from one copy of the player keys ("keys" or "Tonvale"): true only
// for a stored 1.
bool readReducedMotion(StorePort& store, const std::string& app, std::string_view slot);
// Writes it to both copies and flushes.
bool saveReducedMotion(StorePort& store, std::string_view slot, bool reduced);

// The player's safer-play choice, kept with the player's record the same way.
inline constexpr const char* kSaferPlayKey = "saferplay";
bool readSaferPlay(StorePort& store, const std::string& app, std::string_view slot);
bool saveSaferPlay(StorePort& store, std::string_view slot, bool on);
// The player's language, kept with the player's record as its code.
inline constexpr const char* kLanguageKey = "language";
// Reads it from one copy of the player keys: a code of kLanguageCodes, else "" (the
// desktop's language).
std::string readLanguage(StorePort& store, const std::string& app, std::string_view slot);
// Writes it to both copies and flushes.
bool saveLanguage(StorePort& store, std::string_view slot, const std::string& code);

// The player's volume (0..100; missing, unreadable or out of range: 100) and mute (1 on), kept
// with the player's record.
inline constexpr const char* kVolumeKey = "volume";
inline constexpr const char* kMuteKey = "mute";
// Reads both from one copy of the player keys into the machine, and sets the
// sound's volume.
void readVolume(Machine& m, const std::string& app);
// Writes both to both copies and flushes.
bool saveVolume(StorePort& store, std::string_view slot, int volume, bool muted);

class Options {
public:
    // A slot switch starts the player's session again with their limits.
    Options(Machine& m, Session& session) : m_(m), session_(session) {}
    void bind(Bindings& b);

    // The window has closed on the slot chosen last: the game the slot had open
    // goes on (game/resume.h).
    struct Calls {
        std::function<void()> slotLoaded;
    };
    Calls calls;

    OptionsWindow ui;

    // Loads the window (the main window's options button has disabled the main
    // window): Form_Load.
    void open();
    bool isOpen() const { return ui.form.visible; }
    // Any way of closing: QueryUnload runs, then the window is gone.
    void close();

    void Form_Load();
    void Form_Activate();  // centring is the view's business
    void Form_QueryUnload();
    void machine_Click(int k);            // slot switch, 1..6
    void player1_KeyPress(int& keyCode);  // name entry; Enter = 13
    void Btndeletedetails_Click();
    void btnokplayer_Click();

    // The game options (option buttons; a click selects the button in its group).
    void setspeed_Click(int index);    // 0..4
    void sounds_Click(int index);      // 1..2
    void wincounter_Click(int index);  // 1..2
    void Amtpayout_Click(int index);   // 0..2
    void motion_Click(int index);      // 1 reduced, 2 full; kept at once
    void safer_Click(int index);       // 1 safer play, 2 the game as ever; kept at once
    void language_Click(int index);    // 0..5 (kLanguageCodes); kept at once
    void volume_Change();              // the slider moved to ui.volume.amount; kept at once
    void mute_Click();                 // the box was ticked or cleared; kept at once

    // The player's limits; each choice is kept with the player's record at once.
    void realitycheck_Click(int index);  // 0..3
    void autospins_Click(int index);     // 0..4
    void autoloss_Click(int index);      // 0..4

private:
    enum class Stats : std::uint8_t { opening, slotSwitch, deleted };
    void showStatistics(Stats variant);
    void showWinCounter();
    void showReelSpeed();
    void showPayout();
    void showSound();
    void showLimits();
    void showMotion();
    void showSaferPlay();
    void showLanguage();
    void showVolume();
    void bindLimits(Bindings& b);
    void keepLimits();
    void saveSlot(bool withName);
    void showPlayerOnMain();
    Machine& m_;
    Session& session_;
};

}  // namespace tonvale
