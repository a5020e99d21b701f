// SPDX-License-Identifier: MIT
#pragma once
// Start and exit of the main window.
#include "core/bindings.h"

namespace tonvale {

class Game;

class Startup {
public:
    explicit Startup(Game& g) : g_(g) {}
    void bind(Bindings& b);

    // Loads slot 1 from the main window's copy and fills the meters. The clips
    // are the view's to load; the model has nothing to do for them.
    void Form_Load();
    // Centring the window on the screen is the view's business.
    void Form_Activate();
    // The window's close box and the exit button: save the current slot (exit
    // order) and end the program; no handler or timer runs afterwards.
    void Form_QueryUnload();
    void xit_Click();

private:
    void shutdown();
    Game& g_;
};

}  // namespace tonvale
