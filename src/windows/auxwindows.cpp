#include "core/game.h"

namespace tonvale {

void AuxWindows::bind(Bindings& b) {
    b.on(g_.m.ui.btnhelp, Ev::Click, [this] { btnhelp_Click(); });
}

void AuxWindows::btnhelp_Click() {}
void AuxWindows::showPaytable() {}
void AuxWindows::showAbout() {}
void AuxWindows::showAdvert() {}

}  // namespace tonvale
