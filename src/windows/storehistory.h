// SPDX-License-Identifier: MIT
#pragma once
// The HISTORY window's games from the play history kept in the game's store.
#include "core/play.h"
#include "windows/recall.h"

namespace tonvale {

class SqliteStore;

// One line of the play history as the window shows it. A line kept before the
// game recorded its cycles has no payout level nor the free spins' multipliers:
// the level is left 0 (the results plot then takes the player's own level) and
// the multipliers empty.
RecalledGame recalled(const Play& p);

class StoreHistory : public GameHistory {
public:
    explicit StoreHistory(SqliteStore& store) : store_(store) {}
    std::int64_t count(int player) override;
    std::vector<RecalledGame> newest(int player, std::int64_t skip, int n) override;

private:
    SqliteStore& store_;
};

}  // namespace tonvale
