// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <utility>

#include "core/ports.h"

namespace tonvale {

// Events that pass through to the test's own, telling the test each time the game sleeps: the
// moments between a game's steps, where a test looks at what the player sees or what is saved.
class SleepWatch : public EventsPort {
public:
    SleepWatch(EventsPort& inner, std::function<void(int)> onSleep)
        : inner_(inner), onSleep_(std::move(onSleep)) {}
    void doEvents() override { inner_.doEvents(); }
    void sleep(int ms) override {
        onSleep_(ms);
        inner_.sleep(ms);
    }
    void present() override { inner_.present(); }
    void wait(int ms) override { inner_.wait(ms); }

private:
    EventsPort& inner_;
    std::function<void(int)> onSleep_;
};

}  // namespace tonvale
