// SPDX-License-Identifier: MIT
#pragma once
// The player's session: it starts when the game starts or the player slot
// changes. The session meter on the cabinet shows its time and its net result
// (won minus staked); the reality check, when the player has chosen an interval,
// holds the next paid spin start with a message of the session's figures.
//
// The figures are read from the game cycles (core/cycle.h), so the meter moves
// with what the player sees: a game's stake when its spin starts (a series costs
// its one stake, once), and what came back as it is shown: a spin's win when the
// count-up ends, a free spin's as its reels stop, a jackpot when it is paid, a
// gamble's result when its card decides. Won is what came back; the net is won
// minus staked.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/bindings.h"
#include "core/limits.h"
#include "core/machine.h"

namespace tonvale {

class StorePort;

// The player's own limits (core/limits.h) are kept with the player's record
// under new keys. Missing keys leave the game as it always was: no reality
// check, autoplay without limits.
inline constexpr const char* kRealityCheckKey = "realitycheck";
inline constexpr const char* kAutoplaySpinsKey = "autoplayspins";
inline constexpr const char* kAutoplayLossKey = "autoplayloss";

// Reads a slot's limits from one copy of the player keys ("keys" or "Tonvale");
// a key that is missing or holds no number leaves that limit off.
PlayLimits readPlayLimits(StorePort& store, const std::string& app, std::string_view slot);
// Writes them to both copies, as every save of the record does, and flushes.
bool savePlayLimits(StorePort& store, std::string_view slot, const PlayLimits& limits);

// The reality check's message box.
inline constexpr const char* kRealityTitle = "Slots_Tonvale";

// "1:05:09": hours, minutes and seconds of a span.
std::string clockText(std::int64_t ms);
// Money with its sign: "+$ 1.25", "-$ 0.5", "$ 0".
std::string signedMoney(std::int64_t cents);

class Session {
public:
    explicit Session(Machine& m) : m_(m) {}
    void bind(Bindings& b);

    // "Stop autoplay" switches autoplay off as the AUTO button's handlers do.
    struct Calls {
        std::function<void()> switchAutoplay;
    };
    Calls calls;

    PlayLimits limits;

    // A new session from now, with the current record as its starting point.
    void start();
    // The player slot may have changed (the options window chose slot `k`):
    // a change starts a new session and brings that player's limits.
    void slotChosen(const std::string& before);
    // Whenever the outermost handler returns: the figures and the meter.
    void settle();
    void tmrsession_Timer();

    std::int64_t elapsedMs() const;
    std::int64_t staked() const { return staked_; }
    std::int64_t won() const { return net_ + staked_; }
    std::int64_t net() const { return net_; }

    // Asked before a paid spin starts. When the reality check is due the start is
    // held: autoplay waits, the message box shows the session, and the answer
    // decides. True when the spin may start; false after "Stop autoplay" (autoplay
    // is switched off as its button does) and while a check is being answered.
    bool spinMayStart();
    bool holding() const { return holding_; }
    std::string realityText() const;

private:
    void showMeter();
    Machine& m_;
    std::int64_t startMs_ = 0;
    std::int64_t lastCheckMs_ = 0;           // session time of the last check answered
    std::int64_t staked0_ = 0, shown0_ = 0;  // the games' figures when the session started
    std::int64_t staked_ = 0, net_ = 0;
    std::int64_t shownSeconds_ = -1, shownNet_ = 0;  // what the meter's text shows
    std::string shownText_;
    bool started_ = false;
    bool holding_ = false;
};

}  // namespace tonvale
