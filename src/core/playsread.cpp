// SPDX-License-Identifier: MIT
// Reading the play history: the store's own lines, and a store opened for reading only.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/dbschema.h"
#include "core/linecodec.h"
#include "core/sqlitehelp.h"
#include "core/storefile.h"

namespace tonvale::sqlitehelp {

std::string columnText(sqlite3_stmt* st, int column) {
    const void* bytes = sqlite3_column_blob(st, column);
    const int size = sqlite3_column_bytes(st, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

void bindText(sqlite3_stmt* st, int index, const std::string& text) {
    sqlite3_bind_text(st, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

Play playFromRow(sqlite3_stmt* st, bool cycles) {
    Play p;
    int c = 0;
    p.id = sqlite3_column_int64(st, c++);
    p.player = sqlite3_column_int(st, c++);
    p.timeMs = sqlite3_column_int64(st, c++);
    p.bet = sqlite3_column_int(st, c++);
    p.waysfactor = sqlite3_column_int(st, c++);
    p.ways = sqlite3_column_int(st, c++);
    p.stake = sqlite3_column_int64(st, c++);
    for (int& stop : p.stops) stop = sqlite3_column_int(st, c++);
    p.bellcoin = sqlite3_column_int(st, c++);
    p.win = sqlite3_column_int64(st, c++);
    p.freespins = sqlite3_column_int(st, c++);
    p.freespinwin = sqlite3_column_int64(st, c++);
    p.jackpotfield = sqlite3_column_int(st, c++);
    p.jackpotwin = sqlite3_column_int64(st, c++);
    p.gamble = columnText(st, c++);
    p.gamblewin = sqlite3_column_int64(st, c++);
    p.creditBefore = sqlite3_column_int64(st, c++);
    p.creditAfter = sqlite3_column_int64(st, c++);
    if (!cycles) {
        // A store of an earlier version, read as it is: its lines are kept as such.
        p.kind = LineKind::legacy;
        p.unreadable = lineProblem(p);
        return p;
    }
    // A line whose columns say what this game cannot read (a kind, phase or detail
    // it does not know, or what the rules cannot replay) keeps what it can and
    // says why.
    const std::string kind = columnText(st, c++);
    const std::string phase = columnText(st, c++);
    p.machinepay = sqlite3_column_int(st, c++);
    const std::string detail = columnText(st, c++);
    if (!kindNamed(kind, p.kind))
        p.unreadable = "kind \"" + kind + "\"";
    else if (!phaseNamed(phase, p.phase))
        p.unreadable = "phase \"" + phase + "\"";
    else if (!decodeDetail(detail, p))
        p.unreadable = "detail " + detail;
    else
        p.unreadable = lineProblem(p);
    return p;
}

bool keepsCycles(sqlite3* db) {
    const Statement probe(db, "SELECT kind, phase, machinepay, detail FROM plays LIMIT 0");
    return static_cast<bool>(probe);
}

// The first id is found by the index, and the lines are then read in the order of
// their ids, so that no more than one line is ever held, however many there are.
bool eachPlay(sqlite3* db, std::optional<int> player, std::size_t limit,
              const std::function<bool(const Play&)>& fn) {
    if (limit == 0) return true;
    const std::string where = player ? " WHERE player = ?1" : "";
    sqlite3_int64 first = 0;
    {
        const std::string sql = "SELECT id FROM plays" + where + " ORDER BY id DESC LIMIT 1 OFFSET ?2";
        Statement st(db, sql.c_str());
        if (!st) return false;
        if (player) sqlite3_bind_int(st.get(), 1, *player);
        sqlite3_bind_int64(st.get(), 2,
                           static_cast<sqlite3_int64>(std::min<std::size_t>(limit, INT64_MAX) - 1));
        const int rc = sqlite3_step(st.get());
        if (rc == SQLITE_ROW)
            first = sqlite3_column_int64(st.get(), 0);
        else if (rc != SQLITE_DONE)
            return false;
    }
    const bool cycles = keepsCycles(db);
    const std::string sql = std::string("SELECT ") + (cycles ? kPlayColumns : kFirstPlayColumns) +
                            " FROM plays" + (player ? " WHERE player = ?1 AND id >= ?2" : " WHERE id >= ?2") +
                            " ORDER BY id";
    Statement st(db, sql.c_str());
    if (!st) return false;
    if (player) sqlite3_bind_int(st.get(), 1, *player);
    sqlite3_bind_int64(st.get(), 2, first);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW)
        if (!fn(playFromRow(st.get(), cycles))) return true;
    return rc == SQLITE_DONE;
}

SqliteStore::Ready readyFrom(int rc) {
    using Ready = SqliteStore::Ready;
    switch (rc & 0xff) {
        case SQLITE_OK:
        case SQLITE_DONE:
        case SQLITE_ROW:
            return Ready::ok;
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_FORMAT:
        case SQLITE_SCHEMA:
        case SQLITE_ERROR:  // tables of another shape
            return Ready::broken;
        default:  // read-only, cannot open, full, I/O errors, busy
            return Ready::unwritable;
    }
}

}  // namespace tonvale::sqlitehelp

namespace tonvale {

using namespace sqlitehelp;

std::vector<Play> SqliteStore::plays(std::optional<int> player, std::size_t limit) const {
    std::vector<Play> out;
    if (db_)
        eachPlay(db_, player, limit, [&out](const Play& p) {
            out.push_back(p);
            return true;
        });
    return out;
}

namespace {

// A store opened for reading only: never created, moved or written.
sqlite3* openForReading(const std::string& path, std::string& error) {
    const PathKind kind = kindAt(path);
    if (kind == PathKind::none) {
        error = path + ": no such store";
        return nullptr;
    }
    if (kind != PathKind::file) {
        error = path + ": not a store (not a plain file with a database in it)";
        return nullptr;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        error = path + ": " + (db ? sqlite3_errmsg(db) : "cannot be opened");
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 2000);
    Statement probe(db, "SELECT 1 FROM plays LIMIT 0");
    if (!probe) {
        error = path + ": " + sqlite3_errmsg(db);
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

}  // namespace

bool forEachPlay(const std::string& path, std::optional<int> player, std::size_t limit,
                 const std::function<bool(const Play&)>& fn, std::string& error) {
    sqlite3* db = openForReading(path, error);
    if (!db) return false;
    const bool ok = eachPlay(db, player, limit, fn);
    if (!ok) error = path + ": " + sqlite3_errmsg(db);
    sqlite3_close_v2(db);
    return ok;
}

std::optional<std::vector<Play>> readPlays(const std::string& path, std::optional<int> player,
                                           std::size_t limit, std::string& error) {
    std::vector<Play> out;
    if (!forEachPlay(
            path, player, limit,
            [&out](const Play& p) {
                out.push_back(p);
                return true;
            },
            error))
        return std::nullopt;
    return out;
}

std::optional<Play> readPlay(const std::string& path, std::int64_t id, std::string& error) {
    sqlite3* db = openForReading(path, error);
    if (!db) return std::nullopt;
    std::optional<Play> found;
    const bool cycles = keepsCycles(db);
    const std::string sql =
        std::string("SELECT ") + (cycles ? kPlayColumns : kFirstPlayColumns) + " FROM plays WHERE id = ?1";
    {
        Statement st(db, sql.c_str());
        if (st) {
            sqlite3_bind_int64(st.get(), 1, id);
            const int rc = sqlite3_step(st.get());
            if (rc == SQLITE_ROW)
                found = playFromRow(st.get(), cycles);
            else if (rc == SQLITE_DONE)
                error = "no play " + std::to_string(id) + " in the store";
            else
                error = path + ": " + sqlite3_errmsg(db);
        } else {
            error = path + ": " + sqlite3_errmsg(db);
        }
    }
    sqlite3_close_v2(db);
    return found;
}

std::optional<StoreSnapshot> readStore(const std::string& path, std::string& error) {
    sqlite3* db = openForReading(path, error);
    if (!db) return std::nullopt;
    StoreSnapshot out;
    const bool ok = eachPlay(db, std::nullopt, static_cast<std::size_t>(INT64_MAX), [&out](const Play& p) {
        out.plays.push_back(p);
        return true;
    });
    Statement all(db, "SELECT app, section, key, value FROM settings");
    while (all && sqlite3_step(all.get()) == SQLITE_ROW)
        out.values[{columnText(all.get(), 0), columnText(all.get(), 1), columnText(all.get(), 2)}] =
            columnText(all.get(), 3);
    if (!ok || !all) error = path + ": " + sqlite3_errmsg(db);
    sqlite3_close_v2(db);
    if (!ok || !all) return std::nullopt;
    return out;
}

StoreSnapshot snapshotOf(const SqliteStore& store) {
    StoreSnapshot out;
    out.plays = store.plays(std::nullopt, static_cast<std::size_t>(INT64_MAX));
    for (const auto& [names, value] : store.values()) out.values[names] = value;
    return out;
}

}  // namespace tonvale
