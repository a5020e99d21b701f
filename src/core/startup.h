#pragma once
// Start and exit of the main window.
#include "core/bindings.h"

namespace tonvale {

class Game;

class Startup {
public:
    explicit Startup(Game& g) : g_(g) {}
    void bind(Bindings& b);

    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload();
    void xit_Click();

private:
    Game& g_;
};

}  // namespace tonvale
