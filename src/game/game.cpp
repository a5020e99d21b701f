// SPDX-License-Identifier: MIT
#include "game/game.h"

#include "eval/evaluation.h"
#include "gamble/gamble.h"
#include "game/startup.h"
#include "jackpot/jackpot.h"
#include "players/options.h"
#include "players/session.h"
#include "present/presentation.h"
#include "spin/autolimits.h"
#include "spin/playercontrols.h"
#include "spin/spincycle.h"
#include "windows/auxwindows.h"
#include "windows/history.h"

namespace tonvale {

struct Game::Parts {
    explicit Parts(Game& g)
        : startup{g},
          spin{g.m, g},
          controls{g.m, g, spin, autolimits},
          eval{g.m},
          present{g.m},
          jackpot{g.m},
          gamble{g.m, g, g.saves},
          options{g.m, session},
          windows{g.m},
          session{g.m},
          autolimits{g.m, session.limits, controls},
          history{g.m} {}

    Startup startup;
    SpinCycle spin;
    PlayerControls controls;
    Evaluation eval;
    Presentation present;
    Jackpot jackpot;
    Gamble gamble;
    Options options;
    AuxWindows windows;
    Session session;
    AutoplayLimits autolimits;
    History history;
};

Game::Game(Ports ports)
    : m(ports),
      parts_(std::make_unique<Parts>(*this)),
      startup(parts_->startup),
      spin(parts_->spin),
      controls(parts_->controls),
      eval(parts_->eval),
      present(parts_->present),
      jackpot(parts_->jackpot),
      gamble(parts_->gamble),
      options(parts_->options),
      windows(parts_->windows),
      session(parts_->session),
      autolimits(parts_->autolimits),
      history(parts_->history) {
    // The few calls a subsystem makes to a sibling.
    spin.calls = {
        .spinMayStart = [this] { return session.spinMayStart(); },
        .checkwins = [this] { eval.checkwins(); },
    };
    controls.calls = {
        .openOptions = [this] { options.open(); },
        .showAbout = [this] { windows.showAbout(); },
        .showPaytable = [this] { windows.showPaytable(); },
    };
    eval.calls = {
        .spinreel1 = [this] { spin.spinreel1(); },
        .reelrun = [this] { spin.reelrun(); },
        .btnstartall_Click = [this] { spin.btnstartall_Click(); },
        .takewin_Click = [this] { gamble.takewin_Click(); },
        .showAdvert = [this] { windows.showAdvert(); },
    };
    session.calls = {
        .switchAutoplay =
            [this] {
                controls.autoplayon_MouseDown();
                controls.autoplayon_MouseUp();
            },
    };
    windows.calls = {.xit_Click = [this] { startup.xit_Click(); }};
    history.calls = {.spinning = [this] { return spin.spinning(); }};

    startup.bind(bindings);
    spin.bind(bindings);
    controls.bind(bindings);
    eval.bind(bindings);
    present.bind(bindings);
    jackpot.bind(bindings);
    gamble.bind(bindings);
    options.bind(bindings);
    windows.bind(bindings);
    session.bind(bindings);
    history.bind(bindings);
}

Game::~Game() = default;

Game::Entry::~Entry() {
    if (--g_.depth_ != 0) return;
    g_.saves.settle();
    g_.session.settle();
    g_.history.settle();
}

bool Game::accepts(const Control& c) const { return !m.ended && c.live(); }

bool Game::pressable(const Control& c) const { return accepts(c) && !refuses(c); }

bool Game::refuses(const Control& c) const {
    const MachineState& s = m.s;
    const MainWindow& ui = m.ui;
    const bool spinning = spin.spinning();
    const bool gambling = ui.pandouble.visible;
    const bool series = s.freespinsawarded > 0;
    if (&c == &ui.btnstartall)
        // Nothing starts a spin behind a hidden or disabled window (the advert, the
        // options, the pay table or the about window is in front).
        return spinning || gambling || !ui.form.visible || !ui.form.enabled;
    if (&c == &ui.btnspin || &c == &ui.btnbet || &c == &ui.btnlines) return spinning || gambling;
    if (&c == &ui.btncredit) return spinning || gambling || s.freespinsawarded > 1;
    // Safer play offers no autoplay; a run already going can still be stopped.
    if (&c == &ui.autoplayon) return gambling || (m.saferPlay && s.autoplaymode == 0);
    if (&c == &ui.btndouble) return spinning || series || s.autoplaymode != 0;
    if (&c == &ui.btnoptions) return spinning || series || s.autoplaymode == 10 || gambling;
    if (&c == &ui.btnopenmenu || &c == &ui.about || &c == &ui.mnuviewpaytable || &c == &ui.xit)
        return spinning || series;
    if (&c == &ui.betred || &c == &ui.betblack || &c == &ui.cancelbet) return gamble.revealing();
    for (int i = 1; i <= 4; ++i)
        if (&c == &ui.suitbet[static_cast<std::size_t>(i)]) return gamble.revealing();
    return false;
}

bool Game::run(Control& c, Ev ev) {
    const Bindings::Handler* h = bindings.find(c, ev);
    if (!h) return false;
    Entry entry(*this);
    (*h)();
    return true;
}

bool Game::mouseDown(Control& c) { return accepts(c) && run(c, Ev::MouseDown); }

// The release goes to the control that was pressed, even when the press hid it.
bool Game::mouseUp(Control& c) { return !m.ended && run(c, Ev::MouseUp); }

bool Game::click(Control& c) { return accepts(c) && run(c, Ev::Click); }

bool Game::mouseMove(Control& c) { return accepts(c) && run(c, Ev::MouseMove); }

bool Game::keyPress(Control& form, int keyCode) {
    if (m.ended) return false;
    const Bindings::KeyHandler* h = bindings.key(form);
    if (!h) return false;
    if (!form.visible || !form.enabled) return false;  // a hidden or disabled window takes no keys
    if (&form == &m.ui.form && !m.ui.keypreview) return false;
    Entry entry(*this);
    (*h)(keyCode);
    return true;
}

bool Game::press(Control& c) {
    if (bindings.find(c, Ev::MouseDown)) {
        if (!mouseDown(c)) return false;
        mouseUp(c);
        return true;
    }
    return click(c);
}

void Game::timerTick(TimerId id) {
    const auto i = static_cast<std::size_t>(id);
    if (m.ended || ticking_[i] || !m.timerEnabled(id)) return;
    const Bindings::Handler* h = bindings.timer(id);
    if (!h) return;
    Entry entry(*this);
    ticking_[i] = true;
    (*h)();
    ticking_[i] = false;
}

bool Game::callRoutine(std::string_view name) {
    if (m.ended) return false;
    const Bindings::Handler* h = bindings.routine(name);
    if (!h) return false;
    Entry entry(*this);
    (*h)();
    return true;
}

}  // namespace tonvale
