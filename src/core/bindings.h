// SPDX-License-Identifier: MIT
#pragma once
// Which handler runs for which event of which control, timer tick or routine name.
// Each subsystem registers its own handlers; the view and the scenario runner
// route input through this table.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/controls.h"

namespace tonvale {

enum class Ev : std::uint8_t { MouseDown, MouseUp, Click, MouseMove };

class Bindings {
public:
    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(int& keyCode)>;

    void on(Control& c, Ev ev, Handler h) { controls_.push_back({&c, ev, std::move(h)}); }
    void onTimer(TimerId id, Handler h) { timers_[static_cast<std::size_t>(id)] = std::move(h); }
    void onKey(Control& form, KeyHandler h) { keys_.push_back({&form, std::move(h)}); }
    void routine(std::string name, Handler h) { routines_.push_back({std::move(name), std::move(h)}); }

    const Handler* find(const Control& c, Ev ev) const;
    const Handler* timer(TimerId id) const;
    const KeyHandler* key(const Control& form) const;
    const Handler* routine(std::string_view name) const;
    std::vector<std::string> routineNames() const;

private:
    struct ControlBinding {
        const Control* control;
        Ev ev;
        Handler handler;
    };
    struct KeyBinding {
        const Control* form;
        KeyHandler handler;
    };
    struct Routine {
        std::string name;
        Handler handler;
    };
    std::vector<ControlBinding> controls_;
    std::array<Handler, kTimerCount> timers_{};
    std::vector<KeyBinding> keys_;
    std::vector<Routine> routines_;
};

}  // namespace tonvale
