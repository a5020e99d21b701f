// SPDX-License-Identifier: MIT
#pragma once
// The store of the game: one SQLite database holding every application's values
// and the play history (its tables: core/dbschema.h), or the same database in
// memory.
//
// Writes are kept until flush(), which writes all of them, and the play lines
// recorded since the last flush, in one transaction. The database runs in WAL
// mode with full sync: a kill or a power loss at any instant leaves the last
// committed save or the one before, all applications together. A flush that
// fails keeps everything due, so the next one that works writes the whole state.
//
// Opening a file store, the path is looked at first, never followed, and nothing
// that is not a database of the game's own is moved, replaced or written:
//   - a folder, a link, a pipe, a device or a socket at the path, a file that is
//     not a database of the game's (by its header's application id, or the game's
//     tables in a store made before the id was written), or a store written by a
//     newer version is left as it is: the store stays in memory (refused);
//   - the same at a companion ("-wal", "-shm", "-journal"): the store is read as far
//     as its own file allows, and nothing is written (refused);
//   - a database of the game's own that fails its integrity check or holds tables
//     of another shape is moved aside, renamed "<path>.broken-YYYYMMDD-HHMMSS" (its
//     companions likewise), and a new store is started there (replaced);
//   - a store that cannot be written now (busy, a read-only folder, a full disk, an
//     input/output error) is read as far as it can be, and every flush tries again
//     until one works (unwritable); one that cannot even be read is never written
//     over (refused);
//   - an empty file counts as a new store: it holds nothing that could be lost.
// An older store is brought up to date on opening, or with the first write when it
// was busy then.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "core/play.h"
#include "core/ports.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tonvale {

inline constexpr std::size_t kPlaysKept = 1000;

class SqliteStore : public StorePort {
public:
    enum class State : std::uint8_t { memory, file, replaced, refused, unwritable };

    // A store in memory (the tests, the simulator).
    SqliteStore();
    // The store at a path; the folder is created when missing. `vfs` names the
    // SQLite file system to go through (empty: the system's own; the power-cut
    // tests put one of theirs under the store).
    explicit SqliteStore(std::string path, std::string vfs = {});
    ~SqliteStore() override;
    SqliteStore(SqliteStore&& other) noexcept;
    SqliteStore& operator=(SqliteStore&& other) noexcept;
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;

    std::string read(const std::string& app, const std::string& section, const std::string& key) override;
    bool write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
    bool flush() override;
    std::int64_t recordPlay(const Play& play) override;
    std::optional<Play> lastPlay(int player) override;

    // Why the store cannot be written now ("the disk is full"); empty while it can.
    std::string failure() const override { return failure_; }
    bool unwritableSinceOpening() const override { return unwritableSinceOpening_; }

    // Forgets every write still due and lets the file go as it stands, as a process
    // killed leaves it (the simulator's kills while saves fail).
    void abandon();

    State state() const { return state_; }
    // True while saves reach the database (memory or a file).
    bool saving() const { return db_ != nullptr; }
    // What the player is told about the opening, once; empty when all was well.
    const std::string& problem() const { return problem_; }
    // True when the path holds nothing a tool should save into: something that is
    // not the game's, or a store that could not be read.
    bool refused() const { return state_ == State::refused; }
    // Where a broken store was moved to (empty when none was).
    const std::string& movedAside() const { return movedAside_; }
    const std::string& path() const { return path_; }

    // True until the old settings files were looked for in this store.
    bool needsImport() const { return needsImport_; }
    // Writes imported values and marks the import done, in one transaction.
    bool importValues(
        const std::vector<std::tuple<std::string, std::string, std::string, std::string>>& values);

    // The play history, oldest first: the last `limit` lines (of one player when
    // given). What has not been flushed yet is not among them.
    std::vector<Play> plays(std::optional<int> player = {}, std::size_t limit = kPlaysKept) const;

    // (app, section, key) -> text, in no particular order; looked up by views of
    // the names, so that a save makes no copies of names already known.
    using Names = std::tuple<std::string_view, std::string_view, std::string_view>;
    struct NamesHash {
        using is_transparent = void;
        std::size_t operator()(const Names& n) const;
        std::size_t operator()(const std::tuple<std::string, std::string, std::string>& n) const {
            return (*this)(Names(std::get<0>(n), std::get<1>(n), std::get<2>(n)));
        }
    };
    struct NamesEqual {
        using is_transparent = void;
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            return std::get<2>(a) == std::get<2>(b) && std::get<1>(a) == std::get<1>(b) &&
                   std::get<0>(a) == std::get<0>(b);
        }
    };
    using Values = std::unordered_map<std::tuple<std::string, std::string, std::string>, std::string,
                                      NamesHash, NamesEqual>;
    // Every value, for tests and inspection.
    const Values& values() const { return values_; }
    int writes = 0;
    // Trims of the play history made so far (for tests and inspection).
    int trims() const { return trims_; }
    // Flushes that make one transaction: 1 (every flush commits) but for the
    // simulator's store in memory, where nothing survives the process anyway and a
    // commit per save would cost more than the spin. The store going away commits
    // what is left.
    int commitEvery = 1;

    // How far an opened database could be made ready.
    enum class Ready : std::uint8_t { ok, broken, unwritable, newer };

private:
    void openFile();
    bool openOnce();  // true when what stood in the way may pass
    // Opens the file for reading and writing in WAL mode with full sync.
    Ready connect();
    Ready prepare();   // check, bring up to date where it can, and load
    void startOver();  // a broken store of ours moved aside, a new one started
    bool readOnly();   // reads what it can when nothing can be written; true when read
    void refuse(std::string problem);
    bool reopen();  // a flush's new try at a store that could not be written
    bool loadValues();
    void close();
    bool exec(const char* sql);
    bool commitPending(const char* extra = nullptr);
    bool writePlay(const Play& p);
    bool trimPlays(int player);
    void failed(int code);
    // A statement prepared once for the life of the connection (saves are frequent).
    sqlite3_stmt* cached(sqlite3_stmt*& slot, const char* sql);
    bool run(sqlite3_stmt*& slot, const char* sql);

    sqlite3* db_ = nullptr;
    sqlite3_stmt* begin_ = nullptr;
    sqlite3_stmt* commit_ = nullptr;
    sqlite3_stmt* upsert_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    std::string path_;
    std::string vfs_;
    State state_ = State::memory;
    std::string problem_;
    std::string failure_;
    bool upToDate_ = true;  // false: the next write brings the tables up to date first
    bool unwritableSinceOpening_ = false;
    int trims_ = 0;
    std::string movedAside_;
    bool needsImport_ = false;
    std::int64_t lastPlayId_ = 0;
    Values values_;
    Values pending_;
    std::map<std::int64_t, Play> pendingPlays_;
    int flushes_ = 0;
};

// Opens a store for reading only (tonvale-cli history): never creates, moves or
// writes anything. Empty with an error text when the path is not a readable store.
std::optional<std::vector<Play>> readPlays(const std::string& path, std::optional<int> player,
                                           std::size_t limit, std::string& error);
// The same lines handed to `fn` one at a time, oldest first, never more than one
// held in memory; `fn` returns false to stop. False (with the error text) when
// the store could not be read.
bool forEachPlay(const std::string& path, std::optional<int> player, std::size_t limit,
                 const std::function<bool(const Play&)>& fn, std::string& error);
// The line with this id; empty with the reason when there is none.
std::optional<Play> readPlay(const std::string& path, std::int64_t id, std::string& error);

// Everything a store holds: the history (oldest first) and the values by
// (application, section, key). readStore opens it for reading only, as readPlays.
struct StoreSnapshot {
    std::vector<Play> plays;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
};
std::optional<StoreSnapshot> readStore(const std::string& path, std::string& error);
// The same of a store in use (its writes not yet flushed are not in it).
StoreSnapshot snapshotOf(const SqliteStore& store);

}  // namespace tonvale
