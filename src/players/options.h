#pragma once
// The options window: six player slots, their statistics and the game options.
#include "core/bindings.h"

namespace tonvale {

class Game;

class Options {
public:
    explicit Options(Game& g) : g_(g) {}
    void bind(Bindings& b);

    void open();  // loads the window (the main window has disabled itself)

private:
    Game& g_;
};

}  // namespace tonvale
