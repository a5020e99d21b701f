// Spin start, bet and ways selection, the insert-credit button.
#include "core/game.h"

namespace tonvale {

void SpinCycle::bind(Bindings& b) {
    MainWindow& ui = g_.m.ui;
    b.on(ui.btnspin, Ev::MouseDown, [this] { btnspin_MouseDown(); });
    b.on(ui.btnspin, Ev::MouseUp, [this] { btnspin_MouseUp(); });
    b.on(ui.btnstartall, Ev::Click, [this] { btnstartall_Click(); });
    b.on(ui.btnbet, Ev::MouseDown, [this] { btnbet_MouseDown(); });
    b.on(ui.btnbet, Ev::MouseUp, [this] { btnbet_MouseUp(); });
    b.on(ui.btnlines, Ev::MouseDown, [this] { btnlines_MouseDown(); });
    b.on(ui.btnlines, Ev::MouseUp, [this] { btnlines_MouseUp(); });
    b.on(ui.btncredit, Ev::MouseDown, [this] { btncredit_MouseDown(); });
    b.on(ui.btncredit, Ev::MouseUp, [this] { btncredit_MouseUp(); });
    b.routine("spinreel1", [this] { spinreel1(); });
    b.routine("spinreel2", [this] { spinreel2(); });
    b.routine("spinreel3", [this] { spinreel3(); });
    b.routine("spinreel4", [this] { spinreel4(); });
    b.routine("spinreel5", [this] { spinreel5(); });
    b.routine("reelrun", [this] { reelrun(); });
    b.routine("shaperefresh", [this] { shapeRefresh(); });
}

void SpinCycle::reelrun() {}
void SpinCycle::btnspin_MouseDown() {}
void SpinCycle::btnspin_MouseUp() { g_.m.ui.btnspin.visible = true; }
void SpinCycle::btnstartall_Click() {}
void SpinCycle::btnbet_MouseDown() {}
void SpinCycle::btnbet_MouseUp() { g_.m.ui.btnbet.visible = true; }
void SpinCycle::btnlines_MouseDown() {}
void SpinCycle::btnlines_MouseUp() { g_.m.ui.btnlines.visible = true; }
void SpinCycle::btncredit_MouseDown() {}
void SpinCycle::btncredit_MouseUp() { g_.m.ui.btncredit.visible = true; }
void SpinCycle::shapeRefresh() {}

}  // namespace tonvale
