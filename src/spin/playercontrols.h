#pragma once
// The remaining player controls of the main window: autoplay, the space bar, the
// menu panel and the buttons that open the other windows.
#include "core/bindings.h"

namespace tonvale {

class Game;

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
