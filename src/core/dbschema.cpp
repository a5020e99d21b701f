// SPDX-License-Identifier: MIT
#include "core/dbschema.h"

#include <sqlite3.h>

#include <string>

#include "core/storefile.h"

namespace tonvale {

const char* const kPlayColumns =
    "id, player, time, bet, waysfactor, ways, stake, stop1, stop2, stop3, stop4, stop5, bellcoin, win, "
    "freespins, freespinwin, jackpotfield, jackpotwin, gamble, gamblewin, credit_before, credit_after, kind, "
    "phase, machinepay, detail";
const char* const kFirstPlayColumns =
    "id, player, time, bet, waysfactor, ways, stake, stop1, stop2, stop3, stop4, stop5, bellcoin, win, "
    "freespins, freespinwin, jackpotfield, jackpotwin, gamble, gamblewin, credit_before, credit_after";

namespace {

// A new store, at this version.
const char* const kCreate = R"sql(
CREATE TABLE IF NOT EXISTS settings(
  app TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,
  PRIMARY KEY(app, section, key)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS plays(
  id INTEGER PRIMARY KEY, player INTEGER NOT NULL, time INTEGER NOT NULL,
  bet INTEGER NOT NULL, waysfactor INTEGER NOT NULL, ways INTEGER NOT NULL, stake INTEGER NOT NULL,
  stop1 INTEGER NOT NULL, stop2 INTEGER NOT NULL, stop3 INTEGER NOT NULL, stop4 INTEGER NOT NULL,
  stop5 INTEGER NOT NULL, bellcoin INTEGER NOT NULL, win INTEGER NOT NULL,
  freespins INTEGER NOT NULL, freespinwin INTEGER NOT NULL,
  jackpotfield INTEGER NOT NULL, jackpotwin INTEGER NOT NULL,
  gamble TEXT NOT NULL, gamblewin INTEGER NOT NULL,
  credit_before INTEGER NOT NULL, credit_after INTEGER NOT NULL,
  kind TEXT NOT NULL DEFAULT 'legacy', phase TEXT NOT NULL DEFAULT 'ended',
  machinepay INTEGER NOT NULL DEFAULT 0, detail TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS plays_by_player ON plays(player, id);
CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;
INSERT OR REPLACE INTO meta(key, value) VALUES('schema', '3');
)sql";

// Version 1 to 2: the settings' names and values from BLOB to TEXT, byte for byte
// (a cast to TEXT keeps the bytes of a BLOB as they are).
const char* const kToVersion2 = R"sql(
CREATE TABLE settings_text(
  app TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,
  PRIMARY KEY(app, section, key)) WITHOUT ROWID;
INSERT OR REPLACE INTO settings_text(app, section, key, value)
  SELECT CAST(app AS TEXT), CAST(section AS TEXT), CAST(key AS TEXT), CAST(value AS TEXT) FROM settings;
DROP TABLE settings;
ALTER TABLE settings_text RENAME TO settings;
UPDATE meta SET value = '2' WHERE key = 'schema';
)sql";

// Version 2 to 3: each line keeps its game cycle. The lines kept before stay as
// they were recorded, kind "legacy", with one mend: they counted the winning spin
// among the free spins it awarded ("11 free spins" for 10).
const char* const kToVersion3 = R"sql(
ALTER TABLE plays ADD COLUMN kind TEXT NOT NULL DEFAULT 'legacy';
ALTER TABLE plays ADD COLUMN phase TEXT NOT NULL DEFAULT 'ended';
ALTER TABLE plays ADD COLUMN machinepay INTEGER NOT NULL DEFAULT 0;
ALTER TABLE plays ADD COLUMN detail TEXT NOT NULL DEFAULT '';
UPDATE plays SET freespins = freespins - 1 WHERE freespins > 0;
UPDATE meta SET value = '3' WHERE key = 'schema';
)sql";

// The step from each version to the next, by the version it starts from.
const char* const kSteps[] = {kCreate, kToVersion2, kToVersion3};

bool exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The first column of the first row of `sql` as a whole number: SQLITE_ROW when
// there is one, SQLITE_DONE when there is none, else SQLite's error.
int integerOf(sqlite3* db, const char* sql, sqlite3_int64& out) {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) out = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return rc;
}

}  // namespace

int schemaVersion(sqlite3* db) {
    sqlite3_int64 tables = 0;
    if (integerOf(db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'meta'", tables) !=
        SQLITE_ROW)
        return -1;
    if (tables == 0) return 0;
    sqlite3_int64 version = 0;
    switch (integerOf(db, "SELECT CAST(value AS INTEGER) FROM meta WHERE key = 'schema'", version)) {
        case SQLITE_ROW:
            return version < 1                ? 1
                   : version > kSchemaVersion ? kSchemaVersion + 1
                                              : static_cast<int>(version);
        case SQLITE_DONE:
            return 1;  // a meta table without its version is the first version's
        default:
            return -1;
    }
}

bool upToDate(sqlite3* db) {
    sqlite3_int64 id = 0;
    return schemaVersion(db) == kSchemaVersion && integerOf(db, "PRAGMA application_id", id) == SQLITE_ROW &&
           id == kApplicationId;
}

bool bringUpToDate(sqlite3* db) {
    const int version = schemaVersion(db);
    if (version < 0 || version > kSchemaVersion) return false;
    for (int v = version; v < kSchemaVersion; ++v) {
        // A new store is made at this version at once.
        if (!exec(db, kSteps[v])) return false;
        if (v == 0) break;
    }
    return exec(db, ("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
}

int checkShape(sqlite3* db) {
    // A store not yet brought up to date has the columns of its own version.
    const char* const plays = schemaVersion(db) >= 3 ? kPlayColumns : kFirstPlayColumns;
    for (const std::string& probe : {std::string("SELECT ") + plays + " FROM plays LIMIT 0",
                                     std::string("SELECT app, section, key, value FROM settings LIMIT 0"),
                                     std::string("SELECT key, value FROM meta LIMIT 0")}) {
        sqlite3_stmt* st = nullptr;
        int rc = sqlite3_prepare_v2(db, probe.c_str(), -1, &st, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_step(st);
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE) return rc;
    }
    return SQLITE_DONE;
}

}  // namespace tonvale
