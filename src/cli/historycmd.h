// SPDX-License-Identifier: MIT
#pragma once
// `tonvale-cli history`: the play history of a store, as a table or JSON; and the
// scenario script that plays a recorded spin's stops again.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "core/play.h"

namespace tonvale {

struct HistoryOptions {
    std::string store;  // empty: the game's own store
    std::optional<int> player;
    std::size_t limit = 1000;
    bool json = false;
};

// The game's store: $XDG_DATA_HOME/Tonvale/tonvale.db, or ~/.local/share/Tonvale/tonvale.db.
std::string defaultStorePath();

int runHistory(const HistoryOptions& o, std::ostream& out, std::ostream& err);

// A scenario script that sets the machine as the play found it (bet, ways, a
// credit that covers the stake), draws its stops and bell coin, keeps the spin at
// any payout level, spins and expects the same win.
std::string replayScript(const Play& play);

// The play with this id in a store; empty (with the reason in `error`) when none.
std::optional<Play> findPlay(const std::string& store, std::int64_t id, std::string& error);

}  // namespace tonvale
