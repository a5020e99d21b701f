#pragma once
// The pay table, the help text, the about window, the advert window and the link
// opener.
#include "core/bindings.h"

namespace tonvale {

class Game;

class AuxWindows {
public:
    explicit AuxWindows(Game& g) : g_(g) {}
    void bind(Bindings& b);

    void btnhelp_Click();
    void showPaytable();
    void showAbout();
    void showAdvert();  // after 25 losing spins: the main window is hidden meanwhile

private:
    Game& g_;
};

}  // namespace tonvale
