#pragma once
// The double-up gamble on a card's colour or suit, and collecting a free-spin total.
#include "core/bindings.h"

namespace tonvale {

class Game;

class Gamble {
public:
    explicit Gamble(Game& g) : g_(g) {}
    void bind(Bindings& b);

    void btndouble_Click();
    void btndouble_MouseUp();
    void betred_Click();
    void betblack_Click();
    void suitbet_Click(int index);
    void cancelbet_Click();
    void takewin_Click();

private:
    Game& g_;
};

}  // namespace tonvale
