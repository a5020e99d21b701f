// SPDX-License-Identifier: MIT
#pragma once
// The tables of the store, and how a store written by an earlier version is
// brought up to date: each version's step in turn, in the transaction of a write.
//
//   settings(app, section, key, value)  all TEXT: the values of store.h's layout,
//                                       one row a key, the text byte for byte
//   plays(id, player, time, bet, waysfactor, ways, stake, stop1..stop5, bellcoin,
//         win, freespins, freespinwin, jackpotfield, jackpotwin, gamble, gamblewin,
//         credit_before, credit_after, kind, phase, machinepay, detail)
//                                       the play history (core/play.h): a line per
//                                       game cycle, newest id last; the last
//                                       kPlaysKept of each player are kept, the
//                                       newest line trimmed left as a checkpoint
//   meta(key, value)                    "schema" = the version below; "imported"
//                                       once the old settings files were looked for
//
// Versions: 1 kept the settings' names and values as BLOBs; 2 keeps them as TEXT,
// so that a plain query finds them (WHERE key = 'bank'), and writes the game's
// application id into the header; 3 keeps each game cycle in its line (kind, phase,
// payout level, and the details as JSON, core/linecodec.h): the lines of an
// earlier version stay as they were, kind "legacy", their free-spin counts mended
// (they counted the winning spin among the free spins it awarded).
struct sqlite3;

namespace tonvale {

inline constexpr int kSchemaVersion = 3;

// The columns of plays, in the order the store reads and writes them; and those of
// the first two versions, as a store of theirs opened for reading only has them.
extern const char* const kPlayColumns;
extern const char* const kFirstPlayColumns;

// The version a store's tables are at: 0 when it has none yet, -1 when it could
// not be read (SQLite's error stays on the connection).
int schemaVersion(sqlite3* db);

// True when the tables are at this version and the header names the game.
bool upToDate(sqlite3* db);

// Inside a write transaction: makes the tables of a new store, or brings an older
// store's up to this version, and writes the application id. False on a failure,
// after which the transaction must be rolled back.
bool bringUpToDate(sqlite3* db);

// SQLite's result of reading every column the store's version uses (SQLITE_DONE
// when the tables have them all; SQLITE_ERROR when one is missing or of another
// shape).
int checkShape(sqlite3* db);

}  // namespace tonvale
