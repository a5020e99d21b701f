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

}  // namespace tonvale::testing
