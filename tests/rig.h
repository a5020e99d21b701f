// SPDX-License-Identifier: MIT
#pragma once
// The test rig: the whole machine on the headless platform, with scripted draws
// and virtual time.
#include <memory>
#include <string>
#include <vector>

#include "core/headless.h"
#include "game/fields.h"
#include "game/game.h"
#include "game/startup.h"
#include "offer.h"

namespace tonvale::testing {

struct Rig {
    explicit Rig(std::uint64_t seed = 1) : platform(seed), game(platform.ports()) {
        platform.time.setTickHandler([this](TimerId id) { game.timerTick(id); });
    }
    HeadlessPlatform platform;
    Game game;

    MachineState& s() { return game.m.s; }
    MainWindow& ui() { return game.m.ui; }
    void load() { game.startup.Form_Load(); }
    void draws(const std::vector<int>& v) { platform.random.script(v); }
    // Draws of one spin: the five stops with reel 3's bell coin before its stop.
    void stops(int a, int b, int c, int d, int e, int bellcoin = 2) { draws({a, b, bellcoin, c, d, e}); }
    void advance(std::int64_t ms) { platform.time.advance(ms); }
    std::string read(const std::string& name) { return readName(game, name).value_or("<unknown>"); }
    // Clips played so far, then forgotten.
    std::vector<std::string> sounds() {
        std::vector<std::string> out;
        out.swap(platform.sound.log);
        return out;
    }
};

inline void reportedSpin(Rig& r, std::int32_t win) { reportSpin(r.game.m, win); }

// A paying spin as the evaluation leaves it: the win credited and the gamble
// offered, and the game's cycle as the evaluation reports such a spin.
inline void afterWin(Rig& r, std::int32_t win, std::int32_t bankAfterWin = 10000) {
    r.s().winamount = win;
    r.s().bank = bankAfterWin;
    r.s().total = 40000;
    r.ui().btndouble.enabled = true;
    r.ui().btndouble.visible = true;
    reportOffer(r.game.m, win);
}

// The jackpot's award display with a drawn prize: the state as the ball left it,
// the game cycle as the evaluation and the draw reported it.
inline void prizeShowing(Rig& r, std::int16_t field, std::int32_t prize) {
    reportedSpin(r, 0);
    r.game.m.cycles.jackpotStarts();
    r.game.m.cycles.spinEnds();
    r.s().jackpotfield = field;
    r.s().ballstop = field;
    r.s().jackpotwon = prize;
    r.s().showticks = 59;
    r.ui().btnoptions.enabled = false;
    r.ui().btnopenmenu.enabled = false;
    r.game.m.setTimer(TimerId::tmrshowjackpot, true);
    r.game.m.cycles.jackpotDrawn(field, prize);
}

}  // namespace tonvale::testing
