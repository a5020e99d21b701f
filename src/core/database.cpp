// SPDX-License-Identifier: MIT
#include "core/database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <tuple>
#include <utility>

#include "core/linecodec.h"

namespace tonvale {

namespace {

namespace fs = std::filesystem;

const char* const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS settings(
  app TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL, value BLOB NOT NULL,
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
INSERT OR IGNORE INTO meta(key, value) VALUES('schema', '2');
)sql";

const char* const kPlayColumns =
    "id, player, time, bet, waysfactor, ways, stake, stop1, stop2, stop3, stop4, stop5, bellcoin, win, "
    "freespins, freespinwin, jackpotfield, jackpotwin, gamble, gamblewin, credit_before, credit_after, kind, "
    "phase, machinepay, detail";
// The columns of the first history, before the lines kept their cycles; a line of
// such a store reads as a line kept before (LineKind::legacy).
const char* const kFirstPlayColumns =
    "id, player, time, bet, waysfactor, ways, stake, stop1, stop2, stop3, stop4, stop5, bellcoin, win, "
    "freespins, freespinwin, jackpotfield, jackpotwin, gamble, gamblewin, credit_before, credit_after";

// The history of a first store gains the columns of the cycles. Its lines are
// kept as they were recorded (kind "legacy"), with one mend: they counted the
// winning spin among the free spins it awarded ("11 free spins" for 10).
const char* const kPlaysMigration = R"sql(
ALTER TABLE plays ADD COLUMN kind TEXT NOT NULL DEFAULT 'legacy';
ALTER TABLE plays ADD COLUMN phase TEXT NOT NULL DEFAULT 'ended';
ALTER TABLE plays ADD COLUMN machinepay INTEGER NOT NULL DEFAULT 0;
ALTER TABLE plays ADD COLUMN detail TEXT NOT NULL DEFAULT '';
UPDATE plays SET freespins = freespins - 1 WHERE freespins > 0;
UPDATE meta SET value = '2' WHERE key = 'schema' AND CAST(value AS INTEGER) < 2;
)sql";

// What lies at a path, looked at without following a link.
enum class Kind : std::uint8_t { none, file, emptyFile, folder, other, unknown };

Kind kindAt(const std::string& path) {
    struct stat st = {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? Kind::none : Kind::unknown;
    if (S_ISREG(st.st_mode)) return st.st_size == 0 ? Kind::emptyFile : Kind::file;
    if (S_ISDIR(st.st_mode)) return Kind::folder;
    return Kind::other;
}

const char* const kCompanions[] = {"-wal", "-shm", "-journal"};

// A statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) stmt_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    explicit operator bool() const { return stmt_ != nullptr; }
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

std::string columnText(sqlite3_stmt* st, int column) {
    const void* bytes = sqlite3_column_blob(st, column);
    const int size = sqlite3_column_bytes(st, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

void bindText(sqlite3_stmt* st, int index, const std::string& text) {
    sqlite3_bind_blob(st, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// A line as it is stored. A line whose columns say what this game cannot read
// (a kind, phase or detail it does not know) keeps what it can and says why.
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
        p.kind = LineKind::legacy;
        p.unreadable = lineProblem(p);
        return p;
    }
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

// True when the history has the columns of the cycles (a store migrated or made
// by this game); a store of the first history is read as it is.
bool keepsCycles(sqlite3* db) {
    Statement probe(db, "SELECT kind, phase, machinepay, detail FROM plays LIMIT 0");
    return static_cast<bool>(probe);
}

std::vector<Play> queryPlays(sqlite3* db, std::optional<int> player, std::size_t limit) {
    std::vector<Play> out;
    const bool cycles = keepsCycles(db);
    const std::string sql = std::string("SELECT ") + (cycles ? kPlayColumns : kFirstPlayColumns) +
                            " FROM (SELECT * FROM plays" + (player ? " WHERE player = ?1" : "") +
                            " ORDER BY id DESC LIMIT ?2) ORDER BY id";
    Statement st(db, sql.c_str());
    if (!st) return out;
    if (player) sqlite3_bind_int(st.get(), 1, *player);
    sqlite3_bind_int64(st.get(), 2, static_cast<sqlite3_int64>(limit));
    while (sqlite3_step(st.get()) == SQLITE_ROW) out.push_back(playFromRow(st.get(), cycles));
    return out;
}

using Ready = SqliteStore::Ready;

Ready readyFrom(int rc) {
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

std::string stamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace

SqliteStore::SqliteStore() {
    if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK ||
        prepare() != Ready::ok) {
        close();
    }
}

SqliteStore::SqliteStore(std::string path) : path_(std::move(path)) {
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
    state_ = o.state_;
    problem_ = std::move(o.problem_);
    movedAside_ = std::move(o.movedAside_);
    needsImport_ = o.needsImport_;
    lastPlayId_ = o.lastPlayId_;
    values_ = std::move(o.values_);
    pending_ = std::move(o.pending_);
    pendingPlays_ = std::move(o.pendingPlays_);
    playsSinceTrim_ = o.playsSinceTrim_;
    writes = o.writes;
    commitEvery = o.commitEvery;
    flushes_ = o.flushes_;
    return *this;
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

bool SqliteStore::openFile() {
    std::error_code ec;
    const fs::path folder = fs::path(path_).parent_path();
    if (!folder.empty()) fs::create_directories(folder, ec);

    // Never follow or open what is not a plain file: a link would write elsewhere,
    // a pipe would hang the start, a device is nobody's store. (The folders on the
    // way may be links: many homes are. SQLite's own no-follow flag refuses those
    // too, so the file and its companions are looked at here instead.)
    for (const std::string& p :
         {path_, path_ + kCompanions[0], path_ + kCompanions[1], path_ + kCompanions[2]}) {
        if (kindAt(p) != Kind::other) continue;
        state_ = State::refused;
        problem_ =
            "The saved games at " + p +
            " are not a plain file (a link, a pipe or a device). They are left as they are, and this game "
            "is not saved.";
        return false;
    }

    const Kind main = kindAt(path_);
    Ready ready = Ready::broken;
    if (main != Kind::folder) {
        const int rc =
            sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        ready = rc == SQLITE_OK ? Ready::ok : readyFrom(rc);
        if (ready == Ready::ok) {
            sqlite3_busy_timeout(db_, 2000);
            // Journal mode first: it reads the header, so a file that is no database
            // shows here.
            Statement wal(db_, "PRAGMA journal_mode=WAL");
            int step = wal ? sqlite3_step(wal.get()) : sqlite3_errcode(db_);
            if (step == SQLITE_ROW && std::string(columnText(wal.get(), 0)) != "wal") step = SQLITE_READONLY;
            ready = readyFrom(step);
        }
        if (ready == Ready::ok) ready = prepare();
        if (ready == Ready::ok) return true;
        close();
    }

    if (ready == Ready::broken) {
        // Kept for whoever wants to look at it; the game starts on a new store.
        const std::string aside = path_ + ".broken-" + stamp();
        std::error_code moved;
        fs::rename(path_, aside, moved);
        for (const char* c : kCompanions)
            if (kindAt(path_ + c) != Kind::none) fs::rename(path_ + c, aside + c, ec);
        values_.clear();
        if (!moved) {
            movedAside_ = aside;
            state_ = State::replaced;
            problem_ = "The saved games could not be read. They are kept as " + aside +
                       ", and a new store was started.";
            if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) ==
                    SQLITE_OK &&
                exec("PRAGMA journal_mode=WAL") && prepare() == Ready::ok) {
                // A store after a broken one is not an upgrade: the old settings files
                // are not brought in again.
                needsImport_ = false;
                exec(
                    "INSERT OR REPLACE INTO meta(key, value) VALUES('imported', 'no: replaced a broken "
                    "store')");
                return true;
            }
            close();
        }
        state_ = State::unwritable;
        problem_ = "The saved games could not be read, nor a new store be made at " + path_ +
                   ". This game is not saved.";
        return false;
    }

    // Not writable: read what can be read, and play on without saving.
    state_ = State::unwritable;
    problem_ = "The saved games at " + path_ +
               " cannot be written (the folder is read-only or the disk is full). "
               "This game is not saved.";
    if (main == Kind::none) return false;
    const std::string uri = "file:" + path_;
    for (const std::string& name : {uri + "?mode=ro", uri + "?immutable=1"}) {
        if (sqlite3_open_v2(name.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) ==
                SQLITE_OK &&
            loadValues()) {
            close();
            return false;
        }
        close();
    }
    return false;
}

SqliteStore::Ready SqliteStore::prepare() {
    const auto failed = [this] { return readyFrom(sqlite3_errcode(db_)); };
    if (path_.empty()) {
        exec("PRAGMA journal_mode=MEMORY");
    } else {
        if (!exec("PRAGMA synchronous=FULL")) return failed();
        Statement check(db_, "PRAGMA quick_check");
        if (!check) return failed();
        const int rc = sqlite3_step(check.get());
        if (rc != SQLITE_ROW) return readyFrom(rc);
        if (columnText(check.get(), 0) != "ok") return Ready::broken;
    }
    if (!exec(kSchema)) return failed();
    // A history of the first shape gains the columns of the cycles, in one
    // transaction: a store is never left half migrated.
    if (!keepsCycles(db_)) {
        Statement first(db_, "SELECT credit_after FROM plays LIMIT 0");
        if (!first) return Ready::broken;
        if (!exec("BEGIN IMMEDIATE")) return failed();
        if (!exec(kPlaysMigration)) {
            const Ready why = failed();
            exec("ROLLBACK");
            return why == Ready::ok ? Ready::broken : why;
        }
        if (!exec("COMMIT")) {
            const Ready why = failed();
            exec("ROLLBACK");
            return why;
        }
    }
    // Tables of the same names but another shape are not ours.
    for (const std::string& probe : {std::string("SELECT ") + kPlayColumns + " FROM plays LIMIT 0",
                                     std::string("SELECT app, section, key, value FROM settings LIMIT 0"),
                                     std::string("SELECT key, value FROM meta LIMIT 0")}) {
        Statement shape(db_, probe.c_str());
        if (!shape) return Ready::broken;
        const int rc = sqlite3_step(shape.get());
        if (rc != SQLITE_DONE) return readyFrom(rc);
    }
    if (!loadValues()) return failed();
    Statement imported(db_, "SELECT 1 FROM meta WHERE key = 'imported'");
    if (!imported) return failed();
    needsImport_ = !path_.empty() && sqlite3_step(imported.get()) != SQLITE_ROW;
    return Ready::ok;
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
    if (!db_) return std::nullopt;
    std::vector<Play> newest = queryPlays(db_, player, 1);
    if (newest.empty()) return std::nullopt;
    return std::move(newest.front());
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
    sqlite3_bind_text(st, c++, p.gamble.c_str(), static_cast<int>(p.gamble.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(st, c++, p.gamblewin);
    sqlite3_bind_int64(st, c++, p.creditBefore);
    sqlite3_bind_int64(st, c++, p.creditAfter);
    const std::string_view kind = kindName(p.kind), phase = phaseName(p.phase);
    sqlite3_bind_text(st, c++, kind.data(), static_cast<int>(kind.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(st, c++, phase.data(), static_cast<int>(phase.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(st, c++, p.machinepay);
    const std::string detail = encodeDetail(p);
    sqlite3_bind_text(st, c++, detail.c_str(), static_cast<int>(detail.size()), SQLITE_TRANSIENT);
    const bool ok = sqlite3_step(st) == SQLITE_DONE;
    sqlite3_reset(st);
    return ok;
}

bool SqliteStore::trimPlays(int player) {
    const std::string sql =
        std::string("SELECT ") + kPlayColumns +
        " FROM plays WHERE player = ?1 AND id < (SELECT MIN(id) FROM (SELECT id FROM plays "
        "WHERE player = ?1 ORDER BY id DESC LIMIT ?2)) ORDER BY id DESC LIMIT 1";
    Statement newest(db_, sql.c_str());
    if (!newest) return false;
    sqlite3_bind_int(newest.get(), 1, player);
    sqlite3_bind_int64(newest.get(), 2, static_cast<sqlite3_int64>(kPlaysKept));
    const int rc = sqlite3_step(newest.get());
    if (rc == SQLITE_DONE) return true;  // nothing to trim
    if (rc != SQLITE_ROW) return false;
    const Play last = playFromRow(newest.get(), true);
    if (!writePlay(checkpointOf(last, "trimmed"))) return false;
    Statement drop(db_, "DELETE FROM plays WHERE player = ?1 AND id < ?2");
    if (!drop) return false;
    sqlite3_bind_int(drop.get(), 1, player);
    sqlite3_bind_int64(drop.get(), 2, last.id);
    return sqlite3_step(drop.get()) == SQLITE_DONE;
}

bool SqliteStore::commitPending(const char* extra) {
    if (!run(begin_, "BEGIN IMMEDIATE")) return false;
    bool ok = !extra || exec(extra);
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
    for (auto it = pendingPlays_.begin(); ok && it != pendingPlays_.end(); ++it) {
        ok = writePlay(it->second);
        grown[it->second.player] = true;
    }
    if (ok) playsSinceTrim_ += static_cast<int>(pendingPlays_.size());
    // The history is trimmed now and then, not at every line: at least the last
    // kPlaysKept of each player stay, and the newest line trimmed becomes the
    // checkpoint that carries the totals the lines before it came to.
    if (ok && playsSinceTrim_ >= 50) {
        for (auto it = grown.begin(); ok && it != grown.end(); ++it) ok = trimPlays(it->first);
        if (ok) playsSinceTrim_ = 0;
    }
    if (ok && run(commit_, "COMMIT")) return true;
    exec("ROLLBACK");
    return false;
}

bool SqliteStore::flush() {
    if (pending_.empty() && pendingPlays_.empty()) return true;
    if (!db_) {
        pending_.clear();
        pendingPlays_.clear();
        return false;
    }
    if (commitEvery > 1 && ++flushes_ % commitEvery != 0) return true;
    if (commitPending()) {
        pending_.clear();
        pendingPlays_.clear();
        return true;
    }
    // Due still, with the next flush. The history waiting is not let grow without
    // end: lines beyond the last kPlaysKept go as trimming would take them, the
    // newest of them left as a checkpoint, so the chain of the lines still closes.
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

std::vector<Play> SqliteStore::plays(std::optional<int> player, std::size_t limit) const {
    if (!db_) return {};
    return queryPlays(db_, player, limit);
}

namespace {

// A store opened for reading only, or an error text.
sqlite3* openReadOnly(const std::string& path, std::string& error) {
    const Kind kind = kindAt(path);
    if (kind == Kind::none) {
        error = path + ": no such store";
        return nullptr;
    }
    if (kind != Kind::file) {
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

std::optional<std::vector<Play>> readPlays(const std::string& path, std::optional<int> player,
                                           std::size_t limit, std::string& error) {
    sqlite3* db = openReadOnly(path, error);
    if (!db) return std::nullopt;
    auto out = queryPlays(db, player, limit);
    sqlite3_close_v2(db);
    return out;
}

std::optional<StoreSnapshot> readStore(const std::string& path, std::string& error) {
    sqlite3* db = openReadOnly(path, error);
    if (!db) return std::nullopt;
    StoreSnapshot out;
    out.plays = queryPlays(db, std::nullopt, static_cast<std::size_t>(INT64_MAX));
    Statement all(db, "SELECT app, section, key, value FROM settings");
    while (all && sqlite3_step(all.get()) == SQLITE_ROW)
        out.values[{columnText(all.get(), 0), columnText(all.get(), 1), columnText(all.get(), 2)}] =
            columnText(all.get(), 3);
    sqlite3_close_v2(db);
    return out;
}

StoreSnapshot snapshotOf(const SqliteStore& store) {
    StoreSnapshot out;
    out.plays = store.plays(std::nullopt, static_cast<std::size_t>(INT64_MAX));
    for (const auto& [names, value] : store.values()) out.values[names] = value;
    return out;
}

}  // namespace tonvale
