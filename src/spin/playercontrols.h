// SPDX-License-Identifier: MIT
#pragma once
// The remaining player controls of the main window: autoplay, the space bar, the
// menu panel and the buttons that open the other windows.
#include "core/bindings.h"

namespace tonvale {

class Game;

// The autoplay notice, shown once per stored flag.
inline constexpr const char* kNoticeTitle = "Slots_Tonvale";
inline constexpr const char* kNoticeText =
    " ..............PLEASE READ.................\r"
    " When you use this function all other Functions are\r"
    "   unavailable to you until you turn the Autoplay OFF \r"
    " To turn Autoplay OFF Click on the Auto On/Off button.\r"
    "  \r"
    "  This message will not appear again";

class PlayerControls {
public:
    explicit PlayerControls(Game& g) : g_(g) {}
    void bind(Bindings& b);

    void autoplayon_MouseDown();
    void autoplayon_MouseUp();
    void tmrautospin_Timer();
    void Form_KeyPress(int& keyCode);
    void btnopenmenu_MouseMove();
    void btnopenmenu_MouseUp();
    void Form_MouseMove();
    void btnoptions_Click();
    void about_Click();
    void mnuviewpaytable_Click();

private:
    Game& g_;
};

}  // namespace tonvale
