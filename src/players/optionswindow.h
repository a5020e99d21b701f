// SPDX-License-Identifier: MIT
#pragma once
// The control model of the options window `tonvaleoptions`: the player slots,
// the statistics labels and the four groups of game options. The view builds a
// real dialog from it and routes clicks and keys to Options.
#include <array>
#include <cstdint>

#include "core/controls.h"

namespace tonvale {

struct OptionsWindow : ControlSet {
    // The game's window is 8580 twips wide; the player's limits take a column to
    // its right.
    static constexpr int kWidth = 11340;
    static constexpr int kHeight = 7485;

    OptionsWindow();
    // Every property as the window has it when it is loaded (it is loaded afresh
    // on every opening).
    void design();

    Control form;  // "tonvaleoptions"; visible while the window is open

    Control Framemain, lblplayername, player1, lblcurrentplayer;
    std::array<Control, 7> machine;  // slots 1..6
    Control lblgames, lblwager, lbltotalwon, lblwinlose, lblreturned, lblinvested;
    Control lblfreespins, lblgrandwon, lblmajorwon, lblminorwon;
    Control Label1, Btndeletedetails, btnokplayer;

    Control Framecounter;
    std::array<Control, 3> wincounter;  // 1 on, 2 off
    Control soundonof;
    std::array<Control, 3> sounds;  // 1 on, 2 off
    Control Framespeed;
    std::array<Control, 5> setspeed;  // 0..4: speeds 1, 2, 4, 8, 10
    Control fastslow, speedlab;
    Control payout;
    std::array<Control, 3> Amtpayout;  // 0 level 3, 1 level 2, 2 level 1
    Control Framemotion;
    std::array<Control, 3> motion;  // 1 reduced motion, 2 full motion
    Control Framesafer;
    std::array<Control, 3> safer;  // 1 safer play, 2 the game as ever
    // The language the game speaks to the player.
    Control Framelanguage;
    std::array<Control, 6> language;  // 0..5: the desktop's, English, German, French, Spanish, Russian
    // The player's volume and mute, beside the game's own sound switch.
    Control Framevolume;
    Control mute;    // checkbox
    Control volume;  // slider, 0..100
    Control volumelab;

    // The player's limits.
    Control Framelimits;
    Control Framereality;
    std::array<Control, 4> realitycheck;  // 0..3: off, 15, 30, 60 minutes
    Control Frameautospins;
    std::array<Control, 5> autospins;  // 0..4: 10, 25, 50, 100 spins, unlimited
    Control Frameautoloss;
    std::array<Control, 5> autoloss;  // 0..4: $ 10, $ 25, $ 50, $ 100, no limit
};

// The choices of the limit groups, in button order.
inline constexpr std::array<std::int16_t, 4> kRealityMinutes = {0, 15, 30, 60};
inline constexpr std::array<std::int16_t, 5> kAutoplaySpins = {10, 25, 50, 100, 0};
inline constexpr std::array<std::int32_t, 5> kAutoplayLosses = {1000, 2500, 5000, 10000, 0};
// The languages, in button order, by their codes ("" for the desktop's), and their
// names as their own speakers write them.
inline constexpr std::array<const char*, 6> kLanguageCodes = {"", "en", "de", "fr", "es", "ru"};
inline constexpr std::array<const char*, 6> kLanguageNames = {"System",   "English", "Deutsch",
                                                              "Français", "Español", "Русский"};

}  // namespace tonvale
