#include "core/game.h"

namespace tonvale {

void Gamble::bind(Bindings& b) {
    MainWindow& ui = g_.m.ui;
    b.on(ui.btndouble, Ev::Click, [this] { btndouble_Click(); });
    b.on(ui.btndouble, Ev::MouseUp, [this] { btndouble_MouseUp(); });
    b.on(ui.betred, Ev::Click, [this] { betred_Click(); });
    b.on(ui.betblack, Ev::Click, [this] { betblack_Click(); });
    for (int i = 1; i <= 4; ++i) b.on(ui.suitbet[i], Ev::Click, [this, i] { suitbet_Click(i); });
    b.on(ui.cancelbet, Ev::Click, [this] { cancelbet_Click(); });
    b.on(ui.takewin, Ev::Click, [this] { takewin_Click(); });
}

void Gamble::btndouble_Click() {}
void Gamble::btndouble_MouseUp() { g_.m.ui.btndouble.visible = true; }
void Gamble::betred_Click() {}
void Gamble::betblack_Click() {}
void Gamble::suitbet_Click(int) {}
void Gamble::cancelbet_Click() {}
void Gamble::takewin_Click() {}

}  // namespace tonvale
