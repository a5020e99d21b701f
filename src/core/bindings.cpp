// SPDX-License-Identifier: MIT
#include "core/bindings.h"

namespace tonvale {

const Bindings::Handler* Bindings::find(const Control& c, Ev ev) const {
    for (const ControlBinding& b : controls_)
        if (b.control == &c && b.ev == ev) return &b.handler;
    return nullptr;
}

const Bindings::Handler* Bindings::timer(TimerId id) const {
    const Handler& h = timers_[static_cast<std::size_t>(id)];
    return h ? &h : nullptr;
}

const Bindings::KeyHandler* Bindings::key(const Control& form) const {
    for (const KeyBinding& b : keys_)
        if (b.form == &form) return &b.handler;
    return nullptr;
}

const Bindings::Handler* Bindings::routine(std::string_view name) const {
    for (const Routine& r : routines_)
        if (r.name == name) return &r.handler;
    return nullptr;
}

std::vector<std::string> Bindings::routineNames() const {
    std::vector<std::string> names;
    for (const Routine& r : routines_) names.push_back(r.name);
    return names;
}

}  // namespace tonvale
