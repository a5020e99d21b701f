// SPDX-License-Identifier: MIT
#pragma once
// The few SQLite helpers the store's files share (not part of the model's interface).
#include <sqlite3.h>

#include <functional>
#include <optional>
#include <string>

#include "core/database.h"

namespace tonvale::sqlitehelp {

// How long a write waits for another program's transaction before it counts as
// failed (and is tried again later): short, for it holds the game still.
inline constexpr int kBusyMs = 1000;

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

// A column's bytes, whatever their type, NULs included.
std::string columnText(sqlite3_stmt* st, int column);
// Names and values are TEXT, with their length, so that every byte (a NUL too) is kept.
void bindText(sqlite3_stmt* st, int index, const std::string& text);

// A line as it is stored; `cycles`: the row has the columns of this version (a
// store of an earlier version is read as it is, its lines as kept before).
Play playFromRow(sqlite3_stmt* st, bool cycles);
// True when the history has the columns of the cycles (core/dbschema.h).
bool keepsCycles(sqlite3* db);
// The last `limit` lines (of one player), oldest first, one at a time; false when
// they could not be read. `fn` returns false to stop.
bool eachPlay(sqlite3* db, std::optional<int> player, std::size_t limit,
              const std::function<bool(const Play&)>& fn);

// How far a result code lets an opened database be made ready.
SqliteStore::Ready readyFrom(int rc);

inline const char* vfsName(const std::string& vfs) { return vfs.empty() ? nullptr : vfs.c_str(); }

}  // namespace tonvale::sqlitehelp
