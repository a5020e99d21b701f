// SPDX-License-Identifier: MIT
#pragma once
// The remaining player controls of the main window: autoplay, the space bar, the
// menu panel and the buttons that open the other windows.
#include <functional>

#include "core/bindings.h"
#include "core/machine.h"
#include "core/pressrule.h"

namespace tonvale {

class AutoplayLimits;
class SpinCycle;

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
    PlayerControls(Machine& m, const PressRule& rule, SpinCycle& spin, AutoplayLimits& autolimits)
        : m_(m), rule_(rule), spin_(spin), autolimits_(autolimits) {}
    void bind(Bindings& b);

    // The other windows the menu opens: the options, the about window and the pay table.
    struct Calls {
        std::function<void()> openOptions, showAbout, showPaytable;
    };
    Calls calls;

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
    Machine& m_;
    const PressRule& rule_;
    SpinCycle& spin_;
    AutoplayLimits& autolimits_;
    bool menuClickedShut_ = false;  // a click closed the menu with the mouse on its button
};

}  // namespace tonvale
