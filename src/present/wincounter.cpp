// SPDX-License-Identifier: MIT
// Timerwincounter counts a normal win up into the win meter; Tmrtick is the idle
// heartbeat between spins.
#include <string>

#include "core/checked.h"
#include "present/presentation.h"
#include "rules/money.h"

namespace tonvale {

namespace {

// The next step for the amount counted so far (cents).
std::int16_t rollStepFor(std::int32_t counted) {
    struct Band {
        std::int32_t upTo;
        std::int16_t step;
    };
    static constexpr Band kBands[] = {{5, 1},    {10, 2},   {15, 4},    {20, 8},    {100, 10},
                                      {120, 12}, {150, 14}, {200, 16},  {300, 20},  {450, 25},
                                      {600, 30}, {700, 35}, {1000, 50}, {1500, 150}};
    if (counted < 1) return 0;
    for (const Band& b : kBands)
        if (counted <= b.upTo) return b.step;
    return 500;
}

}  // namespace

void Presentation::Timerwincounter_Timer() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    m.doEvents();

    if (s.freespinsawarded > 1 || s.freespinsover > 0) {
        // The series total is already on the meters; a free-spin win is never counted
        // up, and the counter setting stays off from here on.
        addChecked(s.wincounted, s.rollstep);
        s.winroll = 0;
        s.wincounted = s.winamount;
        m.setTimer(TimerId::Timerwincounter, false);
        s.wincounted = 0;
        s.rollstep = 0;
        s.freespinsover = 0;
        m.doEvents();
        return;
    }

    // Under safer play a return not above the stake is shown whole, not counted up.
    if (s.winroll == 0 || !m_.celebratesWin()) s.wincounted = s.winamount;
    addChecked(s.wincounted, s.rollstep);
    s.rollstep = rollStepFor(s.wincounted);
    if (s.wincounted >= s.winamount) {
        ui.LABWIN.caption = std::to_string(s.winamount);
        ui.lblwin.caption = money(s.winamount);
        m.showCredit();
        m.setTimer(TimerId::Timerwincounter, false);
        s.wincounted = 0;
        m.cycles.winShown();
    } else {
        ui.LABWIN.caption = std::to_string(s.wincounted);
        ui.lblwin.caption = money(s.wincounted);
    }
}

void Presentation::Tmrtick_Timer() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    // A picture button hides while pressed; none may stay hidden while idle.
    for (Control* c : {&ui.btnlines, &ui.btncredit, &ui.btnbet, &ui.btndouble, &ui.autoplayon})
        c->visible = true;
    addChecked(s.idleticks, 1);  // stays at 32767 after about 55 idle minutes
    ui.keypreview = true;
    addChecked(s.introticks, 1);
    if (s.introticks > 50) s.introticks = 1;
    showPool(ui.lblgrand.caption, s.grand, grand_);
    showPool(ui.lblmajor.caption, s.major, major_);
    showPool(ui.lblminor.caption, s.minor, minor_);
    m.doEvents();
}

void Presentation::showPool(std::string& caption, std::int64_t cents, Shown& shown) {
    if (cents == shown.cents && caption == shown.text) return;
    shown.cents = cents;
    caption = shown.text = money(cents);
}

}  // namespace tonvale
