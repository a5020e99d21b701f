// SPDX-License-Identifier: MIT
#pragma once
// The headless platform: virtual time, seeded draws that a test can script,
// recorded sounds, message boxes and links, and the store (in memory or a file). The
// tests, the scenario runner and the simulator run the whole machine on it.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/database.h"
#include "core/ports.h"
#include "core/random.h"

namespace tonvale {

// The tools' random port: the game's ChaCha20 words keyed from a seed, so that a
// run with the same seed draws the same, on every machine.
class SeededRandom : public RandomPort {
public:
    explicit SeededRandom(std::uint64_t seed = 1) : engine_(seed) {}
    int draw(int n) override;
    // The next answers of draw(), in order; then the engine goes on.
    void script(const std::vector<int>& answers) {
        scripted_.insert(scripted_.end(), answers.begin(), answers.end());
    }
    std::size_t pending() const { return scripted_.size(); }
    std::vector<std::string> errors;  // scripted answers that did not fit their draw

private:
    ChaChaWords engine_;
    std::deque<int> scripted_;
};

// Virtual milliseconds, timers scheduled on them, and the events of a running handler.
class VirtualTime : public ClockPort, public TimerPort, public EventsPort {
public:
    using TickFn = std::function<void(TimerId)>;
    void setTickHandler(TickFn fn) { tick_ = std::move(fn); }

    std::int64_t nowMs() override { return now_; }
    void timerChanged(TimerId id, bool enabled, int intervalMs) override;
    void doEvents() override { runUntil(now_); }
    void sleep(int ms) override {
        now_ += ms;
        slept_ += ms;
    }
    void present() override { ++frames_; }
    void wait(int ms) override { runUntil(now_ + ms); }

    // Lets virtual time pass with timers running.
    void advance(std::int64_t ms) { runUntil(now_ + ms); }
    std::int64_t frames() const { return frames_; }
    std::int64_t slept() const { return slept_; }

private:
    void runUntil(std::int64_t target);
    struct Slot {
        bool enabled = false;
        int interval = 100;
        std::int64_t due = 0;
        std::uint64_t order = 0;
    };
    std::array<Slot, kTimerCount> slots_{};
    std::int64_t now_ = 0;
    std::int64_t frames_ = 0;
    std::int64_t slept_ = 0;
    std::uint64_t sequence_ = 0;
    TickFn tick_;
};

class RecordingSound : public SoundPort {
public:
    void play(int clip) override { log.push_back("play " + std::to_string(clip)); }
    void playLoop(int clip) override { log.push_back("loop " + std::to_string(clip)); }
    void stop() override { log.push_back("stop"); }
    void setVolume(int percent) override { volume = percent; }
    std::vector<std::string> log;
    int volume = 100;
};

class ScriptedDesktop : public DesktopPort {
public:
    Answer message(const std::string& title, const std::string& text, MsgIcon icon,
                   MsgButtons buttons) override;
    bool openLink(const std::string& link) override {
        links.push_back(link);
        return linkResult;
    }
    std::string linkFailure() override { return linkError; }
    bool isConnected() override { return connected; }
    void quit() override { quitCalled = true; }

    struct Message {
        std::string title, text;
        MsgIcon icon;
        MsgButtons buttons;
        Answer answer;
    };
    std::deque<Answer> answers;  // scripted answers; OK / No when none is left
    std::vector<Message> messages;
    std::vector<std::string> links;
    bool connected = true;
    bool linkResult = true;
    std::string linkError = "no program opens such links";
    bool quitCalled = false;
};

// All headless ports together.
struct HeadlessPlatform {
    explicit HeadlessPlatform(std::uint64_t seed = 1) : random(seed) {}
    SeededRandom random;
    VirtualTime time;
    RecordingSound sound;
    SqliteStore store;  // in memory unless a test opens a file
    ScriptedDesktop desktop;
    Ports ports() { return Ports{random, time, time, time, sound, store, desktop}; }
};

}  // namespace tonvale
