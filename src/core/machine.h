// SPDX-License-Identifier: MIT
#pragma once
// The machine every subsystem shares: the state, the main window's controls and
// the ports, with the few helpers that every handler uses (clips, timers, events).
#include "core/bigwin.h"
#include "core/controls.h"
#include "core/cycle.h"
#include "core/ports.h"
#include "core/state.h"

namespace tonvale {

// Clips 101..133; there is no clip 118.
inline constexpr int kFirstClip = 101;
inline constexpr int kLastClip = 133;
constexpr bool isClip(int n) { return n >= kFirstClip && n <= kLastClip && n != 118; }

class Machine {
public:
    explicit Machine(Ports platform) : ports(platform) {}
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    MachineState s;
    MainWindow ui;
    Ports ports;
    // The game in play, as the model's own record: what every game did and
    // whether one is running (core/cycle.h).
    CycleBook cycles{*this};
    bool ended = false;  // the program has ended: no handler runs any more
    // The player's choice of reduced motion: the animations hold one picture (no
    // flashing frames, no sliding board); what happens and when stays the same.
    bool reducedMotion = false;
    // The player's choice of safer play (the rules set for online slots in 2021):
    // no autoplay, a game cycle of at least kSaferCycleMs from the press to the
    // result, no celebration of a return that is not more than the stake, the
    // session's meter always in sight, a reality check at 60 minutes unless the
    // player chose another interval. The game's rules and odds are the same.
    bool saferPlay = false;
    static constexpr int kSaferCycleMs = 2500;
    // Whether the spin's win is celebrated (win sound, flashing frames, the count
    // up): always, but under safer play only a return above the stake.
    bool celebratesWin() const { return !saferPlay || s.winamount > s.stake(); }
    // The player's volume (0..100) and mute: a loudness only, so the game's timing,
    // which follows soundonoff, stays the same. Sound is heard when soundonoff is on
    // and the volume, unmuted, is above zero.
    int volume = 100;
    bool muted = false;
    void applyVolume() { ports.sound.setVolume(muted ? 0 : volume); }
    // The player's choice of language, by its code ("de"); empty for the desktop's.
    // The model speaks English whatever it holds: the view translates.
    std::string language;
    // The last big win the view is to celebrate (core/bigwin.h).
    Celebration celebration;

    bool soundOn() const { return s.soundonoff == -1; }
    // Clips sound only while the sound switch is on, one at a time.
    void playClip(int clip);
    void playLoop(int clip);
    // The stop request is made whatever the sound switch says.
    void stopSound() { ports.sound.stop(); }

    void setTimer(TimerId id, bool enabled);
    void setInterval(TimerId id, int ms);
    bool timerEnabled(TimerId id) const { return ui.timer(id).enabled; }

    void doEvents() { ports.events.doEvents(); }
    void sleep(int ms) { ports.events.sleep(ms); }
    void present() { ports.events.present(); }
    void wait(int ms) { ports.events.wait(ms); }
    int draw(int n) { return ports.random.draw(n); }

    // The player's credit with what is theirs but not yet in `bank`: an open
    // gamble's stake while it can still be collected, an uncollected free-spin
    // total and a drawn jackpot prize not yet paid.
    std::int64_t creditHeld() const;
    // The game's stake at risk in an open gamble, and a drawn jackpot prize not
    // yet paid (0 when there is none), as the game cycle holds them.
    std::int64_t gambleHeld() const;
    std::int64_t prizeHeld() const;
    // The credit can take `amount` more cents without leaving the money width.
    bool creditTakes(std::int64_t amount) const;
    // Tells the player that the credit cannot take any more.
    void showCreditFull();

    // Meters written from the state.
    void showCredit();    // PANELBANK and Lblcredit
    void showTotalBet();  // lbllast
    void hideFlashers();  // flasher(1..15)
};

}  // namespace tonvale
