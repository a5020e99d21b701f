// checkwins: the evaluation that settles every spin.
#include "core/game.h"
#include "eval/paytable.h"

namespace tonvale {

void Evaluation::bind(Bindings& b) {
    b.onTimer(TimerId::Timerrespin, [this] { Timerrespin_Timer(); });
    b.routine("checkwins", [this] { checkwins(); });
    b.routine("freespinbusiness", [this] { freespinbusiness(); });
}

void Evaluation::checkwins() {
    MachineState& s = g_.m.s;
    s.scatterwin = 0;
    s.winamount = 0;
    const SpinPays pays = settlePays(s, s.waysfactor, s.bet);
    s.scatterwin = pays.scatterWin;
    s.winamount = pays.win;
}

void Evaluation::freespinbusiness() {}
void Evaluation::freespinaward() {}
void Evaluation::freespinbookkeeping() {}
void Evaluation::Timerrespin_Timer() {}

}  // namespace tonvale
