// SPDX-License-Identifier: MIT
#include "game/startup.h"

#include "core/durable.h"
#include "core/store.h"
#include "game/game.h"
#include "game/resume.h"
#include "players/options.h"
#include "players/session.h"
#include "rules/money.h"

namespace tonvale {

void Startup::bind(Bindings& b) {
    MainWindow& ui = g_.m.ui;
    b.on(ui.xit, Ev::Click, [this] { xit_Click(); });
    b.routine("Form_Load", [this] { Form_Load(); });
    b.routine("Form_Activate", [this] { Form_Activate(); });
    b.routine("Form_QueryUnload", [this] { Form_QueryUnload(); });
}

void Startup::Form_Load() {
    Machine& m = g_.m;
    MachineState& s = m.s;
    MainWindow& ui = m.ui;

    ui.form.visible = true;
    s.playerslot = "1";
    s.bet = 1;
    s.waysfactor = 25;
    readRecord(m.ports.store, s, kMainApp, s.playerslot);

    ui.Lblcredit.caption = money(s.bank);
    ui.lblgrand.caption = money(s.grand);
    ui.lblmajor.caption = money(s.major);
    ui.lblminor.caption = money(s.minor);

    ui.form.visible = true;
    ui.form.caption = "Current Player       " + s.currentplayer;
    m.showCredit();

    correctSettings(s);

    s.bet = 1;
    ui.lblbet.caption = "1";
    s.waysfactor = 25;
    ui.lbllines.caption = "243";
    for (int i : MainWindow::kShapeIndexes) ui.Shape[static_cast<std::size_t>(i)].visible = false;
    m.showTotalBet();

    m.playClip(106);
    g_.session.limits = readPlayLimits(m.ports.store, kMainApp, s.playerslot);
    m.reducedMotion = readReducedMotion(m.ports.store, kMainApp, s.playerslot);
    m.saferPlay = readSaferPlay(m.ports.store, kMainApp, s.playerslot);
    m.language = readLanguage(m.ports.store, kMainApp, s.playerslot);
    readVolume(m, kMainApp);
    // The game that was open when the game last ended goes on.
    g_.resume.slotLoaded();
    g_.session.start();
}

void Startup::Form_Activate() {}

void Startup::Form_QueryUnload() { shutdown(); }

// The exit waits for a running spin to end (its save would hold half a spin).
void Startup::xit_Click() {
    if (!g_.refuses(g_.m.ui.xit)) shutdown();
}

void Startup::shutdown() {
    Machine& m = g_.m;
    if (m.ended) return;
    m.playClip(115);
    // The credit at risk in an open gamble and an uncollected series total go
    // with the player (durable.h), the open game's line with them.
    const ProgramValues v = durableValues(m);
    m.cycles.settle(v);
    saveRecord(m.ports.store, v, m.s.playerslot, SaveOrder::exit);
    m.ended = true;
    m.ports.desktop.quit();
}

}  // namespace tonvale
