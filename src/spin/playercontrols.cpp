// SPDX-License-Identifier: MIT
#include "spin/playercontrols.h"

#include "core/checked.h"
#include "core/store.h"
#include "spin/autolimits.h"
#include "spin/spincycle.h"

namespace tonvale {

void PlayerControls::bind(Bindings& b) {
    MainWindow& ui = m_.ui;
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

void PlayerControls::autoplayon_MouseDown() {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    if (rule_.refuses(ui.autoplayon)) return;
    ui.autoplayon.visible = false;
    m.doEvents();
    if (!addChecked(s.autoplaytoggle, 1) || s.autoplaytoggle > 1) s.autoplaytoggle = 0;

    if (s.autoplaytoggle == 0) {
        m.doEvents();
        s.autoplaymode = 0;
        for (Control* c : {&ui.btnopenmenu, &ui.btnspin, &ui.btnbet, &ui.btnlines, &ui.btndouble,
                           &ui.btnoptions, &ui.btncredit})
            c->enabled = true;
        m.setTimer(TimerId::tmrautospin, false);
        ui.keypreview = true;
        return;
    }

    readNoticeFlag(m.ports.store, s.autoplaynotice);
    if (s.autoplaynotice == 0)
        m.ports.desktop.message(kNoticeTitle, kNoticeText, MsgIcon::information, MsgButtons::ok);
    s.autoplaynotice = -1;
    saveNoticeFlag(m.ports.store);

    m.setTimer(TimerId::tmrautospin, true);
    s.autoplaymode = 10;
    for (Control* c : {&ui.btnspin, &ui.btnbet, &ui.btnlines, &ui.btndouble, &ui.btnoptions, &ui.btncredit,
                       &ui.btnopenmenu})
        c->enabled = false;
    m.cycles.offerWithdrawn();
    autolimits_.runStarted();
    spin_.btnstartall_Click();
    m.doEvents();
}

void PlayerControls::autoplayon_MouseUp() { m_.ui.autoplayon.visible = true; }

void PlayerControls::tmrautospin_Timer() {
    MachineState& s = m_.s;
    // Behind the advert or another window autoplay waits for the window to return.
    if (rule_.refuses(m_.ui.btnstartall)) return;
    if (s.autoplaymode > 0 && s.idleticks >= s.autospinwait) {
        s.idleticks = 0;
        if (autolimits_.nextSpin()) spin_.btnstartall_Click();
    }
}

void PlayerControls::Form_KeyPress(int& keyCode) {
    Machine& m = m_;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    if (s.freespinsawarded > 0) return;
    // The open gamble is the only play: the space bar starts nothing.
    if (ui.pandouble.visible) return;
    if (s.stake() > s.bank) {
        m.playClip(113);
        ui.pannomoney.visible = true;
        return;
    }
    if (!ui.panfreespin.visible || s.autoplaymode == 10) keyCode = 0;
    addChecked(s.keycount, 1);
    if (s.keycount <= 1) {
        if (keyCode == 32) {
            spin_.btnstartall_Click();
            s.keycount = 0;
        }
        ui.autoplayon.enabled = true;
    }
}

// The menu opens as the mouse comes over its button, as it always did; a click
// on the button (or M) opens or closes it. Closed by a click it stays closed
// while the mouse stays on the button, or the next move would open it again.
void PlayerControls::btnopenmenu_MouseMove() {
    if (!rule_.refuses(m_.ui.btnopenmenu) && !menuClickedShut_) m_.ui.menupic.visible = true;
}

void PlayerControls::btnopenmenu_MouseUp() {
    // The release comes even to a button dimmed since the press: that one only closes.
    const Control& button = m_.ui.btnopenmenu;
    Control& menu = m_.ui.menupic;
    menu.visible = !menu.visible && button.live() && !rule_.refuses(button);
    menuClickedShut_ = !menu.visible;
}

void PlayerControls::Form_MouseMove() {
    m_.ui.menupic.visible = false;
    menuClickedShut_ = false;
}

void PlayerControls::btnoptions_Click() {
    Machine& m = m_;
    m.ui.menupic.visible = false;
    if (rule_.refuses(m.ui.btnoptions)) return;
    m.playClip(115);
    m.ui.btndouble.enabled = false;
    m.cycles.offerWithdrawn();
    m.ui.form.enabled = false;
    calls.openOptions();
}

void PlayerControls::about_Click() {
    Machine& m = m_;
    if (rule_.refuses(m.ui.about)) return;
    m.ui.menupic.visible = false;
    m.playClip(115);
    m.ui.form.enabled = false;
    calls.showAbout();
}

void PlayerControls::mnuviewpaytable_Click() {
    Machine& m = m_;
    if (rule_.refuses(m.ui.mnuviewpaytable)) return;
    m.ui.menupic.visible = false;
    m.playClip(115);
    m.ui.pannomoney.visible = false;
    m.ui.form.enabled = false;
    calls.showPaytable();
}

}  // namespace tonvale
