#pragma once
// The control model of the options window `tonvaleoptions`: the player slots,
// the statistics labels and the four groups of game options. The view builds a
// real dialog from it and routes clicks and keys to Options.
#include <array>

#include "core/controls.h"

namespace tonvale {

struct OptionsWindow : ControlSet {
    static constexpr int kWidth = 8580;
    static constexpr int kHeight = 5745;

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
};

}  // namespace tonvale
