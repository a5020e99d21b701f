// SPDX-License-Identifier: MIT
#pragma once
// Control models of the pay-table window `tonvalepays`, the about window
// `abouttonvale` and the advert window `popuptonvale`. Each window's `form` is
// visible while the window is open; the view shows a dialog for it then.
#include "core/controls.h"

namespace tonvale {

struct PaytableWindow : ControlSet {
    static constexpr int kWidth = 7485;
    // The game's 5640 twips and a row more: the bell with the jackpot board, and the gamble.
    static constexpr int kHeight = 7350;
    PaytableWindow();

    Control form;      // "tonvalepays", caption "PAYTABLE", the pay-table picture as background
    Control Command1;  // "close  paytable"
    Control cmdodds;   // "ODDS": the odds page of the bet, ways and payout level in play
};

struct AboutWindow : ControlSet {
    static constexpr int kWidth = 5730;
    // The game's 2865 twips and, below them, room for the version, the licence and
    // the credits, which the desktop game writes there (kCreditsTop on).
    static constexpr int kHeight = 5385;
    static constexpr int kCreditsTop = 2640;
    AboutWindow();

    Control form;  // "abouttonvale", black background
    Control picIcon, lblTitle, Btnxit, Label2, cmdvimble, lblfeedback, cmdfeedback, Picture2;
};

struct AdvertWindow : ControlSet {
    static constexpr int kWidth = 7545;
    static constexpr int kHeight = 6765;
    AdvertWindow();

    Control form;  // "popuptonvale", light yellow background
    Control Picture1, SSCommand2;
};

}  // namespace tonvale
