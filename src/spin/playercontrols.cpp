#include "core/game.h"

namespace tonvale {

void PlayerControls::bind(Bindings& b) {
    MainWindow& ui = g_.m.ui;
    b.on(ui.autoplayon, Ev::MouseDown, [this] { autoplayon_MouseDown(); });
    b.on(ui.autoplayon, Ev::MouseUp, [this] { autoplayon_MouseUp(); });
    b.onTimer(TimerId::tmrautospin, [this] { tmrautospin_Timer(); });
    b.onKey(ui.form, [this](int& key) { Form_KeyPress(key); });
    b.on(ui.btnopenmenu, Ev::MouseMove, [this] { btnopenmenu_MouseMove(); });
    b.on(ui.btnopenmenu, Ev::MouseUp, [this] { btnopenmenu_MouseUp(); });
    b.on(ui.form, Ev::MouseMove, [this] { Form_MouseMove(); });
    b.on(ui.btnoptions, Ev::Click, [this] { btnoptions_Click(); });
    b.on(ui.about, Ev::Click, [this] { about_Click(); });
    b.on(ui.mnuviewpaytable, Ev::Click, [this] { mnuviewpaytable_Click(); });
}

void PlayerControls::autoplayon_MouseDown() {}
void PlayerControls::autoplayon_MouseUp() { g_.m.ui.autoplayon.visible = true; }
void PlayerControls::tmrautospin_Timer() {}
void PlayerControls::Form_KeyPress(int&) {}
void PlayerControls::btnopenmenu_MouseMove() {}
void PlayerControls::btnopenmenu_MouseUp() {}
void PlayerControls::Form_MouseMove() {}
void PlayerControls::btnoptions_Click() {}
void PlayerControls::about_Click() {}
void PlayerControls::mnuviewpaytable_Click() {}

}  // namespace tonvale
