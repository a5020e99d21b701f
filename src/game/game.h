// SPDX-License-Identifier: MIT
#pragma once
// The main window's game object, at the top of the model: it owns the machine and
// every subsystem, wires each subsystem's few calls to its siblings, registers
// their handlers, and routes input and timer ticks to them. No subsystem sees
// another's header or this one; and this one names the subsystems without their
// headers, so a file sees only the subsystems it includes.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/bindings.h"
#include "core/durable.h"
#include "core/machine.h"
#include "core/pressrule.h"

namespace tonvale {

class AutoplayLimits;
class AuxWindows;
class Evaluation;
class Gamble;
class History;
class Jackpot;
class Options;
class PlayerControls;
class Presentation;
class Resume;
class Session;
class SpinCycle;
class Startup;

class Game final : public PressRule {
public:
    explicit Game(Ports ports);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Machine m;

private:
    struct Parts;  // the subsystems themselves
    std::unique_ptr<Parts> parts_;

public:
    Startup& startup;
    SpinCycle& spin;
    PlayerControls& controls;
    Evaluation& eval;
    Presentation& present;
    Jackpot& jackpot;
    Gamble& gamble;
    Options& options;
    AuxWindows& windows;
    Session& session;
    AutoplayLimits& autolimits;
    History& history;
    Resume& resume;

    Bindings bindings;

    // The record saved at every settled point: each time the outermost input
    // handler, timer tick or routine returns (store.h).
    DurableSaves saves{m};
    // A handler is running (also one whose run lets other handlers in).
    bool busy() const { return depth_ > 0; }

    // A fault no handler caught (an exception: the rules throw none for anything a
    // player can do, so it is a fault of the program) ends the game where it stands,
    // without a save: the store keeps the record of the last settled point, before
    // the press or tick that failed, and the next start goes on from there as after
    // a power cut. No handler runs after it. `onFault` hears what went wrong; with
    // none, the fault goes on to the caller. The view's own faults end it here too.
    std::function<void(const std::string&)> onFault;
    bool fault(const std::string& what);
    bool faulted() const { return faulted_; }

    // Input, as the window delivers it. Each returns false when nothing handled it
    // (no handler, a hidden or disabled control, a disabled window, or the end).
    bool mouseDown(Control& c);
    bool mouseUp(Control& c);
    bool click(Control& c);
    bool mouseMove(Control& c);
    bool keyPress(Control& form, int keyCode);
    // A player's press: MouseDown then MouseUp for a picture button, else Click.
    bool press(Control& c);

    // The one rule of what a press can do. A control is pressable when it is shown
    // and enabled inside shown and enabled containers and its handler takes a press
    // in the present state; the view paints every other button as unavailable and
    // sends it no press. refuses() is the state half of the rule, and the handlers
    // refuse by it. It reads the game cycle (core/cycle.h): while a game runs (a
    // spin from the press that started it, a series, the jackpot, the gamble)
    // nothing starts another, and no insert, bet, ways, options or menu acts;
    // autoplay can still be switched but for the gamble; the gamble is offered
    // only for a win still to be collected, outside autoplay; HISTORY opens only
    // between games and outside autoplay.
    bool pressable(const Control& c) const;
    bool refuses(const Control& c) const override;

    // A tick of a timer; a timer never re-enters its own handler.
    void timerTick(TimerId id);

    bool callRoutine(std::string_view name);
    std::vector<std::string> routineNames() const { return bindings.routineNames(); }

private:
    void settled();  // a settled point: the save and the session meter
    bool accepts(const Control& c) const;
    bool run(Control& c, Ev ev);
    template <class Handler>
    void guarded(const Handler& handler);
    bool faulted_ = false;
    std::array<bool, kTimerCount> ticking_{};

    // Counts the entries into the model; the last one out settles the record.
    class Entry {
    public:
        explicit Entry(Game& g) : g_(g) { ++g_.depth_; }
        ~Entry();
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;

    private:
        Game& g_;
    };
    int depth_ = 0;
};

}  // namespace tonvale
