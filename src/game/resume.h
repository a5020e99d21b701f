// SPDX-License-Identifier: MIT
#pragma once
// After a close, a kill, a crash or a power loss the game goes on with the game
// that was open: the store holds its line (core/cycle.h) and the record that was
// saved with it, in one transaction. A free-spin series goes on with the spins it
// has left, an open gamble shows its panel with the stake at risk, a drawn
// jackpot shows its award and pays it, a jackpot not yet drawn starts again from
// its bells; the player is told once. A store without an open game starts as
// before.
#include <functional>
#include <string>

#include "core/play.h"

namespace tonvale {

class Game;

class Resume {
public:
    explicit Resume(Game& g) : g_(g) {}

    // A player's record was read (the start, a slot switch in the options window):
    // the game that was open for them goes on.
    void slotLoaded();

    // Told of every game resumed (the game's --report-saves).
    std::function<void(const Play&)> onResume;

    // The message that tells the player, for the line of the game that goes on.
    static std::string notice(const Play& line);

private:
    bool restore(const Play& line);
    void restoreReels(const Play& line);
    void restoreSeries(const Play& line);
    void restoreGamble(const Play& line);
    void restoreJackpot(const Play& line);
    void startTimers(const Play& line);
    Game& g_;
};

}  // namespace tonvale
