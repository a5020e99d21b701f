// SPDX-License-Identifier: MIT
#include "core/headless.h"

namespace tonvale {

int SeededRandom::draw(int n) {
    if (n < 1) return 1;
    while (!scripted_.empty()) {
        const int v = scripted_.front();
        scripted_.pop_front();
        if (v >= 1 && v <= n) return v;
        errors.push_back("scripted draw " + std::to_string(v) + " does not fit 1.." + std::to_string(n));
    }
    return drawFrom(engine_, n);
}

void VirtualTime::timerChanged(TimerId id, bool enabled, int intervalMs) {
    Slot& s = slots_[static_cast<std::size_t>(id)];
    s.enabled = enabled;
    s.interval = intervalMs < 1 ? 1 : intervalMs;
    if (enabled) {
        s.due = now_ + s.interval;
        s.order = ++sequence_;
    }
}

void VirtualTime::runUntil(std::int64_t target) {
    for (;;) {
        Slot* next = nullptr;
        std::size_t nextId = 0;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            Slot& s = slots_[i];
            if (!s.enabled || s.due > target) continue;
            if (!next || s.due < next->due || (s.due == next->due && s.order < next->order)) {
                next = &s;
                nextId = i;
            }
        }
        if (!next) break;
        if (next->due > now_) now_ = next->due;
        // A tick that comes late is not caught up: the next one is an interval on.
        next->due = now_ + next->interval;
        next->order = ++sequence_;
        if (tick_) tick_(static_cast<TimerId>(nextId));
    }
    if (target > now_) now_ = target;
}

Answer ScriptedDesktop::message(const std::string& title, const std::string& text, MsgIcon icon,
                                MsgButtons buttons) {
    Answer a = buttons == MsgButtons::yesNo          ? Answer::no
               : buttons == MsgButtons::continueStop ? Answer::yes
                                                     : Answer::ok;
    if (!answers.empty()) {
        a = answers.front();
        answers.pop_front();
    }
    messages.push_back({title, text, icon, buttons, a});
    return a;
}

}  // namespace tonvale
