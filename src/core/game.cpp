#include "core/game.h"

namespace tonvale {

Game::Game(Ports ports) : m(ports) {
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

bool Game::accepts(const Control& c) const { return !m.ended && c.live(); }

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
