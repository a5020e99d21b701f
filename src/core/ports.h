// SPDX-License-Identifier: MIT
#pragma once
// What the game model asks of its platform. The desktop game supplies Qt
// implementations; the tests and the command-line tool use the headless ones.
#include <bit>
#include <cstdint>
#include <optional>
#include <string>

#include "core/controls.h"
#include "core/play.h"

namespace tonvale {

// Uniform draws. draw(n) gives 1..n, each exactly equally likely. The source is
// keyed once and never again before a draw (that would repeat stops).
class RandomPort {
public:
    virtual ~RandomPort() = default;
    virtual int draw(int n) = 0;
};

// The game's one draw, which every random port makes: 1..n from an engine of
// uniform words of W bits (32 for the game's, ChaChaWords). A word r is the
// fraction r / 2^W of [0, 1) and the draw is Int(r * n) + 1, in integers: the high
// half of r * n. So that each of 1..n is drawn exactly as often as every other,
// the 2^W mod n words that would give some values one word more are drawn again
// (they are the words whose r * n has a low half below 2^W mod n, one at the start
// of some values' ranges). For n < 1 nothing is drawn and the answer is 1.
template <class Engine>
int drawFrom(Engine& engine, int n) {
    constexpr std::uint64_t kWords = std::uint64_t{Engine::max()} + 1;  // 2^W
    static_assert(Engine::min() == 0 && std::has_single_bit(kWords) && kWords <= (std::uint64_t{1} << 32),
                  "an engine of whole words of at most 32 bits");
    constexpr int kBits = std::countr_zero(kWords);
    if (n < 1) return 1;
    const auto un = static_cast<std::uint64_t>(n);
    std::uint64_t m = static_cast<std::uint64_t>(engine()) * un;
    if ((m & (kWords - 1)) < un) {
        const std::uint64_t refused = kWords % un;
        while ((m & (kWords - 1)) < refused) m = static_cast<std::uint64_t>(engine()) * un;
    }
    return static_cast<int>(m >> kBits) + 1;
}

// Monotonic milliseconds.
class ClockPort {
public:
    virtual ~ClockPort() = default;
    virtual std::int64_t nowMs() = 0;
};

// Told whenever the model enables, disables or re-times a timer; the platform
// then calls Game::timerTick for each tick.
class TimerPort {
public:
    virtual ~TimerPort() = default;
    virtual void timerChanged(TimerId id, bool enabled, int intervalMs) = 0;
};

class EventsPort {
public:
    virtual ~EventsPort() = default;
    virtual void doEvents() = 0;     // let pending events (input, due timers) run
    virtual void sleep(int ms) = 0;  // block: no events, no timers
    virtual void present() = 0;      // show the current frame now
    virtual void wait(int ms) = 0;   // let events run until ms have passed
    // Let the player's input that arrived so far run now, no timers: at the end of
    // a spin, so that a press made while it ran meets the running spin and is
    // refused, instead of starting a game once it has ended.
    virtual void deliverInput() {}
};

class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void play(int clip) = 0;      // once, cutting off the clip that plays
    virtual void playLoop(int clip) = 0;  // repeating until another sound or a stop
    virtual void stop() = 0;
    // The player's volume, 0..100 (0 silent): how loud what plays sounds, not
    // whether or when it plays.
    virtual void setVolume(int /*percent*/) {}
};

// Text values by application, section and key; a missing key reads as "".
class StorePort {
public:
    virtual ~StorePort() = default;
    virtual std::string read(const std::string& app, const std::string& section, const std::string& key) = 0;
    virtual bool write(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    // Makes the writes so far durable, all of them together or none; false when the
    // store could not be written (the writes stay due and go with the next flush).
    virtual bool flush() { return true; }
    // Why the store cannot be written now, in words for the player ("the disk is
    // full"); empty while it can.
    virtual std::string failure() const { return {}; }
    // True while the store has not been written since it was opened unwritable (or
    // refused): the opener told the player so already.
    virtual bool unwritableSinceOpening() const { return false; }
    // A line of the play history, written with the next flush. A play with id 0 is
    // a new line and gets its number here; the same id again replaces that line.
    virtual std::int64_t recordPlay(const Play& play) { return play.id; }
    // The newest line of a player's history, recorded or still to be written.
    virtual std::optional<Play> lastPlay(int /*player*/) { return std::nullopt; }
};

enum class MsgIcon : std::uint8_t { none, information, question, critical };
// continueStop: "Continue" (answered yes, also by Esc) and "Stop autoplay" (no).
enum class MsgButtons : std::uint8_t { ok, yesNo, continueStop };
enum class Answer : std::uint8_t { ok, yes, no };

class DesktopPort {
public:
    virtual ~DesktopPort() = default;
    // A modal message box; yes/no boxes default to No.
    virtual Answer message(const std::string& title, const std::string& text, MsgIcon icon,
                           MsgButtons buttons) = 0;
    // The game's help: its text (lines ended by carriage returns) and the keys. A box
    // like any other unless the desktop has a window of its own for it; either way
    // the call returns once the player has closed it.
    virtual void help(const std::string& title, const std::string& text, const std::string& keys) {
        message(title, text + "\r" + keys + "\r", MsgIcon::information, MsgButtons::ok);
    }
    virtual bool openLink(const std::string& link) = 0;      // false when the desktop refuses
    virtual std::string linkFailure() { return "unknown"; }  // why the last openLink failed, in words
    virtual bool isConnected() = 0;
    virtual void quit() = 0;  // end the program: no handler runs after this
};

struct Ports {
    RandomPort& random;
    ClockPort& clock;
    TimerPort& timers;
    EventsPort& events;
    SoundPort& sound;
    StorePort& store;
    DesktopPort& desktop;
};

}  // namespace tonvale
