// SPDX-License-Identifier: MIT
#include "core/database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <tuple>
#include <utility>

#include "core/dbschema.h"
#include "core/linecodec.h"
#include "core/sqlitehelp.h"
#include "core/storefile.h"

namespace tonvale {

using namespace sqlitehelp;

namespace {

// The history is trimmed with every line whose number is a multiple of this.
constexpr std::int64_t kTrimEvery = 50;

}  // namespace

SqliteStore::SqliteStore() {
    if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK ||
        prepare() != Ready::ok) {
        close();
    }
}

SqliteStore::SqliteStore(std::string path, std::string vfs) : path_(std::move(path)), vfs_(std::move(vfs)) {
    state_ = State::file;
    openFile();
}

SqliteStore::~SqliteStore() {
    commitEvery = 1;
    flush();
    close();
}

SqliteStore::SqliteStore(SqliteStore&& o) noexcept { *this = std::move(o); }

SqliteStore& SqliteStore::operator=(SqliteStore&& o) noexcept {
    if (this == &o) return *this;
    commitEvery = 1;
    flush();
    close();
    db_ = std::exchange(o.db_, nullptr);
    begin_ = std::exchange(o.begin_, nullptr);
    commit_ = std::exchange(o.commit_, nullptr);
    upsert_ = std::exchange(o.upsert_, nullptr);
    insert_ = std::exchange(o.insert_, nullptr);
    path_ = std::move(o.path_);
    vfs_ = std::move(o.vfs_);
    state_ = o.state_;
    problem_ = std::move(o.problem_);
    failure_ = std::move(o.failure_);
    upToDate_ = o.upToDate_;
    unwritableSinceOpening_ = o.unwritableSinceOpening_;
    trims_ = o.trims_;
    movedAside_ = std::move(o.movedAside_);
    needsImport_ = o.needsImport_;
    lastPlayId_ = o.lastPlayId_;
    values_ = std::move(o.values_);
    pending_ = std::move(o.pending_);
    pendingPlays_ = std::move(o.pendingPlays_);
    writes = o.writes;
    commitEvery = o.commitEvery;
    flushes_ = o.flushes_;
    // What is left behind has nothing to write.
    o.pending_.clear();
    o.pendingPlays_.clear();
    return *this;
}

void SqliteStore::abandon() {
    pending_.clear();
    pendingPlays_.clear();
    close();
}

void SqliteStore::close() {
    for (sqlite3_stmt** st : {&begin_, &commit_, &upsert_, &insert_}) {
        sqlite3_finalize(*st);
        *st = nullptr;
    }
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

sqlite3_stmt* SqliteStore::cached(sqlite3_stmt*& slot, const char* sql) {
    if (!slot && sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &slot, nullptr) != SQLITE_OK) {
        sqlite3_finalize(slot);
        slot = nullptr;
    }
    if (slot) sqlite3_reset(slot);
    return slot;
}

bool SqliteStore::run(sqlite3_stmt*& slot, const char* sql) {
    sqlite3_stmt* st = cached(slot, sql);
    const bool ok = st && sqlite3_step(st) == SQLITE_DONE;
    if (st) sqlite3_reset(st);
    return ok;
}

bool SqliteStore::exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void SqliteStore::failed(int code) {
    int error = db_ ? sqlite3_system_errno(db_) : 0;
    // What could not be opened or written in a folder that cannot be written at all
    // is told as that.
    const int primary = code & 0xff;
    if (!path_.empty() &&
        (primary == SQLITE_CANTOPEN || primary == SQLITE_READONLY || primary == SQLITE_IOERR))
        if (const int barrier = writeBarrier(path_)) {
            code = SQLITE_CANTOPEN;
            error = barrier;
        }
    failure_ = failureReason(code, error);
}

void SqliteStore::refuse(std::string problem) {
    close();
    state_ = State::refused;
    problem_ = std::move(problem);
    if (failure_.empty()) failure_ = "the saved games are left as they are";
}

bool SqliteStore::loadValues() {
    Statement all(db_, "SELECT app, section, key, value FROM settings");
    if (!all) return false;
    Values loaded;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(all.get())) == SQLITE_ROW)
        loaded[{columnText(all.get(), 0), columnText(all.get(), 1), columnText(all.get(), 2)}] =
            columnText(all.get(), 3);
    if (rc != SQLITE_DONE) return false;
    values_ = std::move(loaded);
    Statement last(db_, "SELECT MAX(id) FROM plays");
    if (last && sqlite3_step(last.get()) == SQLITE_ROW) lastPlayId_ = sqlite3_column_int64(last.get(), 0);
    return true;
}

std::size_t SqliteStore::NamesHash::operator()(const Names& n) const {
    const std::hash<std::string_view> h;
    std::size_t seed = h(std::get<0>(n));
    for (std::size_t part : {h(std::get<1>(n)), h(std::get<2>(n))})
        seed ^= part + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
}

namespace {

using Names = SqliteStore::Names;

void put(SqliteStore::Values& values, const Names& names, const std::string& value) {
    if (auto it = values.find(names); it != values.end()) {
        it->second = value;
        return;
    }
    const auto& [app, section, key] = names;
    values.emplace(std::tuple(std::string(app), std::string(section), std::string(key)), value);
}

}  // namespace

std::string SqliteStore::read(const std::string& app, const std::string& section, const std::string& key) {
    auto it = values_.find(Names(app, section, key));
    return it == values_.end() ? std::string() : it->second;
}

bool SqliteStore::write(const std::string& app, const std::string& section, const std::string& key,
                        const std::string& value) {
    const Names names(app, section, key);
    put(values_, names, value);
    put(pending_, names, value);
    ++writes;
    return true;
}

std::int64_t SqliteStore::recordPlay(const Play& play) {
    Play p = play;
    if (p.id == 0) p.id = ++lastPlayId_;
    pendingPlays_[p.id] = p;
    return p.id;
}

std::optional<Play> SqliteStore::lastPlay(int player) {
    for (auto it = pendingPlays_.rbegin(); it != pendingPlays_.rend(); ++it)
        if (it->second.player == player) return it->second;
    std::optional<Play> newest;
    if (db_)
        eachPlay(db_, player, 1, [&newest](const Play& p) {
            newest = p;
            return false;
        });
    return newest;
}

bool SqliteStore::writePlay(const Play& p) {
    const std::string sql = std::string("INSERT OR REPLACE INTO plays(") + kPlayColumns +
                            ") VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, "
                            "?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23, ?24, ?25, ?26)";
    sqlite3_stmt* st = cached(insert_, sql.c_str());
    if (!st) return false;
    int c = 1;
    sqlite3_bind_int64(st, c++, p.id);
    sqlite3_bind_int(st, c++, p.player);
    sqlite3_bind_int64(st, c++, p.timeMs);
    sqlite3_bind_int(st, c++, p.bet);
    sqlite3_bind_int(st, c++, p.waysfactor);
    sqlite3_bind_int(st, c++, p.ways);
    sqlite3_bind_int64(st, c++, p.stake);
    for (int stop : p.stops) sqlite3_bind_int(st, c++, stop);
    sqlite3_bind_int(st, c++, p.bellcoin);
    sqlite3_bind_int64(st, c++, p.win);
    sqlite3_bind_int(st, c++, p.freespins);
    sqlite3_bind_int64(st, c++, p.freespinwin);
    sqlite3_bind_int(st, c++, p.jackpotfield);
    sqlite3_bind_int64(st, c++, p.jackpotwin);
    bindText(st, c++, p.gamble);
    sqlite3_bind_int64(st, c++, p.gamblewin);
    sqlite3_bind_int64(st, c++, p.creditBefore);
    sqlite3_bind_int64(st, c++, p.creditAfter);
    bindText(st, c++, std::string(kindName(p.kind)));
    bindText(st, c++, std::string(phaseName(p.phase)));
    sqlite3_bind_int(st, c++, p.machinepay);
    bindText(st, c++, encodeDetail(p));
    const bool ok = sqlite3_step(st) == SQLITE_DONE;
    sqlite3_reset(st);
    return ok;
}

// The lines of a player beyond the last kPlaysKept go; the newest of them stays as
// the checkpoint that carries the totals they came to.
bool SqliteStore::trimPlays(int player) {
    const std::string sql =
        std::string("SELECT ") + kPlayColumns +
        " FROM plays WHERE player = ?1 AND id < (SELECT MIN(id) FROM (SELECT id FROM plays "
        "WHERE player = ?1 ORDER BY id DESC LIMIT ?2)) ORDER BY id DESC LIMIT 1";
    Play last;
    {
        Statement newest(db_, sql.c_str());
        if (!newest) return false;
        sqlite3_bind_int(newest.get(), 1, player);
        sqlite3_bind_int64(newest.get(), 2, static_cast<sqlite3_int64>(kPlaysKept));
        const int rc = sqlite3_step(newest.get());
        if (rc == SQLITE_DONE) return true;  // nothing to trim
        if (rc != SQLITE_ROW) return false;
        last = playFromRow(newest.get(), true);
    }
    if (last.kind != LineKind::checkpoint && !writePlay(checkpointOf(last, "trimmed"))) return false;
    Statement drop(db_, "DELETE FROM plays WHERE player = ?1 AND id < ?2");
    if (!drop) return false;
    sqlite3_bind_int(drop.get(), 1, player);
    sqlite3_bind_int64(drop.get(), 2, last.id);
    return sqlite3_step(drop.get()) == SQLITE_DONE;
}

bool SqliteStore::commitPending(const char* extra) {
    if (!run(begin_, "BEGIN IMMEDIATE")) {
        failed(sqlite3_extended_errcode(db_));
        return false;
    }
    bool ok = true;
    if (!upToDate_) {
        // A store made while the game played is no first start: the old settings
        // files are not brought in over what it holds.
        const bool fresh = schemaVersion(db_) == 0;
        ok = bringUpToDate(db_) && checkShape(db_) == SQLITE_DONE &&
             (!fresh ||
              exec("INSERT OR IGNORE INTO meta(key, value) VALUES('imported', 'no: made during a game')"));
    }
    ok = ok && (!extra || exec(extra));
    if (ok && !pending_.empty()) {
        sqlite3_stmt* up = cached(upsert_,
                                  "INSERT INTO settings(app, section, key, value) VALUES(?1, ?2, ?3, ?4) "
                                  "ON CONFLICT(app, section, key) DO UPDATE SET value = excluded.value");
        ok = up != nullptr;
        for (auto it = pending_.begin(); ok && it != pending_.end(); ++it) {
            const auto& [app, section, key] = it->first;
            bindText(up, 1, app);
            bindText(up, 2, section);
            bindText(up, 3, key);
            bindText(up, 4, it->second);
            ok = sqlite3_step(up) == SQLITE_DONE;
            sqlite3_reset(up);
        }
    }
    std::map<int, bool> grown;
    bool trimDue = false;
    for (auto it = pendingPlays_.begin(); ok && it != pendingPlays_.end(); ++it) {
        const Play& p = it->second;
        ok = writePlay(p);
        grown[p.player] = true;
        trimDue = trimDue || p.id % kTrimEvery == 0;
    }
    // The history is trimmed now and then, not at every line: with every 50th line
    // (by its number, so that short games trim as well as long ones). At least the
    // last kPlaysKept of each player stay, and the newest line trimmed is left as
    // the checkpoint that carries the totals the lines before it came to.
    bool trimmed = false;
    if (ok && trimDue) {
        for (auto it = grown.begin(); ok && it != grown.end(); ++it) ok = trimPlays(it->first);
        trimmed = ok;
    }
    if (ok && run(commit_, "COMMIT")) {
        upToDate_ = true;
        if (trimmed) ++trims_;
        return true;
    }
    failed(sqlite3_extended_errcode(db_));
    exec("ROLLBACK");
    return false;
}

bool SqliteStore::flush() {
    if (pending_.empty() && pendingPlays_.empty()) return true;
    if (state_ == State::refused || (!db_ && state_ != State::unwritable)) {
        // Nothing of this session reaches this path.
        pending_.clear();
        pendingPlays_.clear();
        return false;
    }
    if (commitEvery > 1 && ++flushes_ % commitEvery != 0) return true;
    if ((db_ || reopen()) && commitPending()) {
        pending_.clear();
        pendingPlays_.clear();
        failure_.clear();
        unwritableSinceOpening_ = false;
        return true;
    }
    // Due still, with the next flush. The history waiting is not let grow without
    // end: a player's oldest line waiting goes, and their next line waiting, when
    // its game has ended, becomes the checkpoint that carries what came before it.
    while (pendingPlays_.size() > kPlaysKept) {
        const auto oldest = pendingPlays_.begin();
        auto next = std::next(oldest);
        while (next != pendingPlays_.end() && next->second.player != oldest->second.player) ++next;
        if (next != pendingPlays_.end() && next->second.phase == Phase::ended)
            next->second = checkpointOf(next->second, "trimmed");
        pendingPlays_.erase(oldest);
    }
    return false;
}

bool SqliteStore::importValues(
    const std::vector<std::tuple<std::string, std::string, std::string, std::string>>& values) {
    if (!db_) return false;
    if (!flush()) return false;
    for (const auto& [app, section, key, value] : values) {
        values_[{app, section, key}] = value;
        pending_[{app, section, key}] = value;
    }
    if (!commitPending("INSERT OR REPLACE INTO meta(key, value) VALUES('imported', 'yes')")) return false;
    pending_.clear();
    needsImport_ = false;
    return true;
}

}  // namespace tonvale
