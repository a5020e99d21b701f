// SPDX-License-Identifier: MIT
#pragma once
// `tonvale-cli audit`: every recorded game is worked out again from its stops,
// bell coin and settings with the rules library (ways pays, scatter, each free
// spin's multiplier, the draws the payout level withdrew, the jackpot prize from
// its field and pools, the gamble from its cards), and checked against its line:
// the win, the series, the prize, the gamble, the credit after. Line to line the
// credit must chain (an insert is a line of its own, so there is no gap) and the
// totals after each line must be those before it moved by the line; the last line
// must hold the player's record (games, wager, total, jackpot counts, jackpotbank,
// pools, credit). Where older lines were trimmed, a checkpoint line carries the
// totals the chain goes on from. Every difference is reported.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/database.h"

namespace tonvale {

struct AuditOptions {
    std::string store;  // the store file; empty: the game's own
    std::optional<int> player;
    bool json = false;
};

struct PlayerAudit {
    int player = 0;
    std::int64_t lines = 0, games = 0, freeSpins = 0, inserts = 0, checkpoints = 0, legacy = 0;
    std::int64_t unreadable = 0, restored = 0;
    bool open = false;  // the newest line is a game that goes on (a series, the jackpot, the gamble)
    std::vector<std::string> differences;
};

struct AuditReport {
    std::vector<PlayerAudit> players;
    std::int64_t differences() const;
    std::int64_t unreadable() const;
};

// Audits the history and records of a store (one player, or each player with lines).
AuditReport auditStore(const StoreSnapshot& store, std::optional<int> player = {});

void printAudit(const AuditReport& r, bool json, std::ostream& out);

// The command: 0 when every line holds, 1 on any difference, 2 when the store
// cannot be read.
int runAudit(const AuditOptions& o, std::ostream& out, std::ostream& err);

}  // namespace tonvale
