#include "core/game.h"

namespace tonvale {

void Startup::bind(Bindings& b) {
    MainWindow& ui = g_.m.ui;
    b.on(ui.xit, Ev::Click, [this] { xit_Click(); });
    b.routine("Form_Load", [this] { Form_Load(); });
    b.routine("Form_QueryUnload", [this] { Form_QueryUnload(); });
}

void Startup::Form_Load() {
    MachineState& s = g_.m.s;
    s.playerslot = "1";
    s.bet = 1;
    s.waysfactor = 25;
    if (s.machinepay == 0) s.machinepay = 3;
    if (s.reelspeed < 1) s.reelspeed = 1;
}
void Startup::Form_Activate() {}
void Startup::Form_QueryUnload() {}
void Startup::xit_Click() {}

}  // namespace tonvale
