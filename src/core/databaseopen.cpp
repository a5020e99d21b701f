// SPDX-License-Identifier: MIT
// Opening the store's file: what lies at the path, whose it is, what can be read
// and written, and a new try when it could not be written (core/database.h).
#include <sqlite3.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/database.h"
#include "core/dbschema.h"
#include "core/sqlitehelp.h"
#include "core/storefile.h"

namespace tonvale {

using namespace sqlitehelp;
namespace fs = std::filesystem;

void SqliteStore::openFile() {
    // A fault of a moment (an input/output error, another program's short write) is
    // given two more chances before the game is told and plays on without saving.
    constexpr int kTries = 3;
    for (int attempt = 1; openOnce() && attempt < kTries; ++attempt) {
        close();
        values_.clear();
        state_ = State::file;
        problem_.clear();
        failure_.clear();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    // Either way the player has been told by whoever opened the store.
    unwritableSinceOpening_ = state_ == State::unwritable || state_ == State::refused;
}

bool SqliteStore::openOnce() {
    std::error_code ec;
    const fs::path folder = fs::path(path_).parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) fs::create_directories(folder, ec);

    // Never follow or open what is not a plain file: a link would write elsewhere,
    // a pipe would hang the start, a device or a folder is nobody's store. (The
    // folders on the way may be links: many homes are. SQLite's own no-follow flag
    // refuses those too, so the file and its companions are looked at here instead.)
    int error = 0;
    const PathKind main = kindAt(path_, &error);
    if (main == PathKind::folder) {
        refuse("The saved games at " + path_ +
               " are a folder, not a file of saved games. It is left as it is, and this game is not saved.");
        return false;
    }
    if (main == PathKind::other) {
        refuse("The saved games at " + path_ +
               " are not a plain file (a link, a pipe or a device). They are left as they are, and this game "
               "is not saved.");
        return false;
    }
    if (main == PathKind::file) {
        error = 0;
        switch (ownerOf(path_, vfsName(vfs_), &error)) {
            case Owner::ours:
                break;
            case Owner::foreign:
                refuse("The file at " + path_ +
                       " is not Tonvale's saved games. It is left as it is, and this game is not saved.");
                return false;
            case Owner::unreadable:
                failure_ = systemReason(error);
                refuse("The saved games at " + path_ + " cannot be read (" + failure_ +
                       "). They are left as they are, and this game is not saved.");
                return true;
        }
    }
    for (const char* c : kCompanions) {
        const PathKind k = kindAt(path_ + c);
        if (k != PathKind::other && k != PathKind::folder) continue;
        // Read what the store's own file holds; write nothing beside something foreign.
        if (main == PathKind::file) (void)readOnly();
        refuse("Beside the saved games at " + path_ + ", " + path_ + c +
               " is not a plain file (a link, a pipe, a device or a folder). Both are left as they are" +
               (main == PathKind::file ? "; the saved games were read" : "") +
               ", and this game is not saved.");
        return false;
    }
    if (main == PathKind::unknown) {
        failure_ = systemReason(error);
        state_ = State::unwritable;
        problem_ = "The saved games at " + path_ + " cannot be looked at now (" + failure_ +
                   "). The game plays on and saves as soon as it can.";
        return true;
    }

    const Ready ready = connect();
    if (ready == Ready::ok) {
        const Ready prepared = prepare();
        if (prepared == Ready::ok) {
            // Open and read; a write that had to wait (an update for another time) is no trouble yet.
            failure_.clear();
            return false;
        }
        if (prepared == Ready::newer) {
            refuse("The saved games at " + path_ +
                   " were written by a newer version of Tonvale. They are left as they are, and this game is "
                   "not saved.");
            return false;
        }
        if (prepared == Ready::broken) {
            startOver();
            return false;
        }
    } else if (ready == Ready::broken && main == PathKind::file) {
        startOver();
        return false;
    }
    // Not writable now: read what can be read, play on, and try again at every flush.
    close();
    const bool existed = main == PathKind::file;
    if (existed && !readOnly()) {
        refuse("The saved games at " + path_ + " cannot be read (" + failure_ +
               "). They are left as they are, and this game is not saved.");
        return true;
    }
    state_ = State::unwritable;
    problem_ = "The saved games at " + path_ + " cannot be written now: " + failure_ +
               ". The game plays on and saves as soon as it can.";
    return true;
}

SqliteStore::Ready SqliteStore::connect() {
    const int rc =
        sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, vfsName(vfs_));
    if (rc != SQLITE_OK) {
        failed(db_ ? sqlite3_extended_errcode(db_) : rc);
        close();
        return readyFrom(rc);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyMs);
    // Journal mode first: it reads the header, so a file that is no database shows here.
    int step = SQLITE_OK;
    {
        Statement wal(db_, "PRAGMA journal_mode=WAL");
        step = wal ? sqlite3_step(wal.get()) : sqlite3_extended_errcode(db_);
        if (step == SQLITE_ROW) step = columnText(wal.get(), 0) == "wal" ? SQLITE_OK : SQLITE_READONLY;
    }
    if (step == SQLITE_OK && !exec("PRAGMA synchronous=FULL")) step = sqlite3_extended_errcode(db_);
    if (step != SQLITE_OK) failed(step);
    return readyFrom(step);
}

SqliteStore::Ready SqliteStore::prepare() {
    const auto fail = [this](int rc) {
        failed(rc);
        return readyFrom(rc);
    };
    if (path_.empty()) {
        exec("PRAGMA journal_mode=MEMORY");
    } else {
        Statement check(db_, "PRAGMA quick_check");
        if (!check) return fail(sqlite3_extended_errcode(db_));
        const int rc = sqlite3_step(check.get());
        if (rc != SQLITE_ROW) return fail(rc == SQLITE_DONE ? SQLITE_CORRUPT : sqlite3_extended_errcode(db_));
        if (columnText(check.get(), 0) != "ok") return Ready::broken;
    }
    const int version = schemaVersion(db_);
    if (version < 0) return fail(sqlite3_extended_errcode(db_));
    if (version > kSchemaVersion) return Ready::newer;
    upToDate_ = upToDate(db_);
    if (!upToDate_) {
        // Brought up to date now when the store can be written; when it is busy, with
        // the first write that gets through.
        if (exec("BEGIN IMMEDIATE")) {
            if (bringUpToDate(db_) && exec("COMMIT")) {
                upToDate_ = true;
            } else {
                const int rc = sqlite3_extended_errcode(db_);
                exec("ROLLBACK");
                if (readyFrom(rc) != Ready::unwritable) return fail(rc);
                failed(rc);
            }
        } else {
            failed(sqlite3_extended_errcode(db_));
        }
        // A new store that could not be made has nothing to read yet.
        if (!upToDate_ && version == 0) return Ready::unwritable;
    }
    // Tables of the same names but another shape are not the ones this game reads.
    if (const int rc = checkShape(db_); rc != SQLITE_DONE) return fail(rc);
    if (!loadValues()) return fail(sqlite3_extended_errcode(db_));
    Statement imported(db_, "SELECT 1 FROM meta WHERE key = 'imported'");
    if (!imported) return fail(sqlite3_extended_errcode(db_));
    needsImport_ = !path_.empty() && sqlite3_step(imported.get()) != SQLITE_ROW;
    return Ready::ok;
}

void SqliteStore::startOver() {
    close();
    // Kept for whoever wants to look at it; the game starts on a new store.
    const std::string aside = path_ + ".broken-" + timeStamp();
    std::error_code moved, ec;
    fs::rename(path_, aside, moved);
    if (moved) {
        failure_ = systemReason(moved.value());
        refuse("The saved games at " + path_ + " could not be read, nor be moved aside (" + failure_ +
               "). They are left as they are, and this game is not saved.");
        return;
    }
    for (const char* c : kCompanions) {
        const PathKind k = kindAt(path_ + c);
        if (k == PathKind::file || k == PathKind::emptyFile) fs::rename(path_ + c, aside + c, ec);
    }
    values_.clear();
    movedAside_ = aside;
    state_ = State::replaced;
    problem_ =
        "The saved games could not be read. They are kept as " + aside + ", and a new store was started.";
    failure_.clear();
    if (connect() == Ready::ok && prepare() == Ready::ok) {
        failure_.clear();
        // A store after a broken one is not an upgrade: the old settings files are
        // not brought in again.
        needsImport_ = false;
        exec("INSERT OR REPLACE INTO meta(key, value) VALUES('imported', 'no: replaced a broken store')");
        return;
    }
    close();
    state_ = State::unwritable;
    problem_ +=
        " It cannot be written now (" + failure_ + "); the game plays on and saves as soon as it can.";
}

namespace {

// A path in a SQLite URI: the characters a URI gives a meaning to, escaped.
std::string uriPath(const std::string& path) {
    std::string out;
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            constexpr char kDigits[] = "0123456789abcdef";
            out += '%';
            out += kDigits[static_cast<unsigned char>(c) >> 4];
            out += kDigits[static_cast<unsigned char>(c) & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

bool SqliteStore::readOnly() {
    bool foreignCompanion = false;
    for (const char* c : kCompanions) {
        const PathKind k = kindAt(path_ + c);
        foreignCompanion = foreignCompanion || k == PathKind::other || k == PathKind::folder;
    }
    // With its log when it can be read beside it; the file alone (as it is, no log,
    // no locks) when something foreign lies beside it, or as the last resort.
    const std::string uri = "file:" + uriPath(path_);
    std::vector<std::string> names;
    if (!foreignCompanion) names.push_back(uri + "?mode=ro");
    names.push_back(uri + "?immutable=1");
    for (const std::string& name : names) {
        const int rc =
            sqlite3_open_v2(name.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, vfsName(vfs_));
        if (rc == SQLITE_OK) {
            sqlite3_busy_timeout(db_, kBusyMs);
            if (loadValues()) {
                close();
                return true;
            }
        }
        failed(db_ ? sqlite3_extended_errcode(db_) : rc);
        close();
    }
    return false;
}

bool SqliteStore::reopen() {
    // Only what was there at the start is written: a store of the game's own, or
    // nothing at all.
    const PathKind k = kindAt(path_);
    bool foreign = k == PathKind::folder || k == PathKind::other;
    for (const char* c : kCompanions) {
        const PathKind companion = kindAt(path_ + c);
        foreign = foreign || companion == PathKind::folder || companion == PathKind::other;
    }
    int error = 0;
    if (!foreign && k == PathKind::file) {
        const Owner owner = ownerOf(path_, vfsName(vfs_), &error);
        foreign = owner == Owner::foreign;
        if (owner == Owner::unreadable) {
            failure_ = systemReason(error);
            return false;
        }
    }
    if (foreign) {
        failure_ = "something that is not Tonvale's saved games lies there now";
        refuse("Something that is not Tonvale's saved games lies at " + path_ +
               " now. It is left as it is, and this game is not saved.");
        return false;
    }
    std::error_code ec;
    const fs::path folder = fs::path(path_).parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) fs::create_directories(folder, ec);
    if (connect() != Ready::ok) {
        close();
        return false;
    }
    // The tables are checked, and made or brought up to date, with the first write.
    upToDate_ = false;
    state_ = State::file;
    return true;
}

}  // namespace tonvale
