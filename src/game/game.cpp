// SPDX-License-Identifier: MIT
#include "game/game.h"

#include <exception>

#include "eval/evaluation.h"
#include "gamble/gamble.h"
#include "game/resume.h"
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
          gamble{g.m, g},
          options{g.m, session},
          windows{g.m},
          session{g.m},
          autolimits{g.m, session.limits, controls},
          history{g.m},
          resume{g} {}

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
    Resume resume;
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
      history(parts_->history),
      resume(parts_->resume) {
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
    gamble.calls = {.settle = [this] { settled(); }};
    options.calls = {.slotLoaded = [this] { resume.slotLoaded(); }};

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
    if (--g_.depth_ == 0) g_.settled();
}

void Game::settled() {
    saves.settle();
    session.settle();
}

bool Game::accepts(const Control& c) const { return !m.ended && c.live(); }

bool Game::pressable(const Control& c) const { return accepts(c) && !refuses(c); }

bool Game::refuses(const Control& c) const {
    const MachineState& s = m.s;
    const MainWindow& ui = m.ui;
    const CycleBook& game = m.cycles;
    const bool spinning = game.spinning();
    const Phase phase = game.phase();
    // The panel stays on view through a lost card's pause, after its game has ended.
    const bool gambling = phase == Phase::gamble || ui.pandouble.visible;
    const bool series = phase == Phase::series || s.freespinsawarded > 0;
    const bool running = game.running() || gambling || series;
    if (&c == &ui.btnstartall) {
        // A series starts its own next spin; nothing else starts one while a game
        // runs, nor behind a hidden or disabled window (the advert, the options,
        // the pay table or the about window is in front).
        const bool nextFreeSpin = series && s.freespinsplayed < s.freespinsawarded;
        return spinning || (running && !nextFreeSpin) || !ui.form.visible || !ui.form.enabled;
    }
    if (&c == &ui.btnspin) return running;
    // A bet press in a series only stops the win flash; but the jackpot's prizes
    // of ten to thirty times the stake hold the stake the game was played at.
    if (&c == &ui.btnbet || &c == &ui.btnlines) return spinning || gambling || phase == Phase::jackpot;
    if (&c == &ui.btncredit) return game.running() || gambling || s.freespinsawarded > 1;
    // Safer play offers no autoplay; a run already going can still be stopped.
    if (&c == &ui.autoplayon) return gambling || (m.saferPlay && s.autoplaymode == 0);
    // The gamble is offered only for a win that is still to be collected.
    if (&c == &ui.btndouble) return spinning || game.offered() <= 0 || s.autoplaymode != 0;
    if (&c == &ui.btnoptions) return running || s.autoplaymode == 10;
    // Games are recalled between games only, as the handler itself refuses.
    if (&c == &ui.btnhistory) return !history.mayOpen();
    // The menu stays open to the gamble and the jackpot (an exit keeps what is at stake).
    if (&c == &ui.btnopenmenu || &c == &ui.about || &c == &ui.mnuviewpaytable || &c == &ui.xit)
        return spinning || series;
    if (&c == &ui.betred || &c == &ui.betblack || &c == &ui.cancelbet) return gamble.revealing();
    for (int i = 1; i <= 4; ++i)
        if (&c == &ui.suitbet[static_cast<std::size_t>(i)]) return gamble.revealing();
    return false;
}

bool Game::fault(const std::string& what) {
    if (!faulted_) {
        faulted_ = true;
        // Ended, the machine takes no input and no tick, and saves nothing more.
        m.ended = true;
        if (!onFault) return false;
        onFault(what);
    }
    return true;
}

// Runs a handler; a fault in it ends the game before the entry settles, so the
// half-done press is never saved.
template <class Handler>
void Game::guarded(const Handler& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        if (!fault(e.what())) throw;
    } catch (...) {
        if (!fault("an unknown fault")) throw;
    }
}

bool Game::run(Control& c, Ev ev) {
    const Bindings::Handler* h = bindings.find(c, ev);
    if (!h) return false;
    Entry entry(*this);
    guarded(*h);
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
    guarded([&] { (*h)(keyCode); });
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
    guarded(*h);
    ticking_[i] = false;
}

bool Game::callRoutine(std::string_view name) {
    if (m.ended) return false;
    const Bindings::Handler* h = bindings.routine(name);
    if (!h) return false;
    Entry entry(*this);
    guarded(*h);
    return true;
}

}  // namespace tonvale
