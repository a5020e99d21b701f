// SPDX-License-Identifier: MIT
#pragma once
// A SQLite file system for the power-cut and fault tests, laid over the system's
// own: it passes every call through, and remembers for each file what has reached
// the disk (the bytes as of its last sync) and what is still only in the page
// cache (the writes and truncations since). At the cut, power is gone: that call
// and every later one reaches nothing. powerLoss() then writes each file as a
// power loss may leave it: what was synced, and each write not yet synced thrown
// away, torn (some of its 512-byte sectors on the disk, the others not) or kept,
// the kept ones landing in any order. It can also fail a call the way a full disk
// or a failing one does.
#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tonvale::testing {

class PowerCutVfs {
public:
    // Registers the file system under `name` (never as the default one).
    explicit PowerCutVfs(const char* name);
    ~PowerCutVfs();
    PowerCutVfs(const PowerCutVfs&) = delete;
    PowerCutVfs& operator=(const PowerCutVfs&) = delete;

    const std::string& name() const { return name_; }

    // Writes, syncs and truncations so far.
    std::int64_t calls() const { return calls_; }
    // The power goes at the call with this number (counted as calls() counts).
    void cutAt(std::int64_t call) { cutAt_ = call; }
    bool cut() const { return cut_; }
    // What the cut came at: "wal write", "wal sync", "db write", "db sync", "db truncate", ...
    const std::string& cutCall() const { return cutCall_; }

    // The next calls of a kind fail: "db open", "wal open", "shm open", "wal write",
    // "db write", "wal sync", "db sync", "db truncate"... with SQLite's `code` (such
    // as SQLITE_FULL or SQLITE_IOERR_WRITE) and the system's `error` (ENOSPC, EIO)
    // as the reason, `times` times.
    void failNext(const std::string& call, int code, int error, int times = 1) {
        faults_[call] = {code, error, times};
    }
    // The fault for a call, if one is due (counting it).
    bool failing(const std::string& call, int& code);
    int failed() const { return failed_; }

    struct Fates {
        std::int64_t unsynced = 0, dropped = 0, torn = 0, kept = 0;
    };
    // After the cut, once nothing holds the files open: writes every file as the
    // power loss left it, and lets calls through again.
    Fates powerLoss(std::mt19937_64& random);

    // For the file system's own calls (powercut_vfs.cpp).
    struct Change {
        bool truncate = false;
        std::int64_t offset = 0;  // a write's offset, or a truncation's size
        std::string bytes;
    };
    struct Tracked {
        std::string path;
        std::string kind;           // "db", "wal", "journal"
        bool existsOnDisk = false;  // as of the last sync (or as found)
        std::string onDisk;         // the bytes as of the last sync
        std::vector<Change> cached;
    };
    Tracked* track(const std::string& path, const std::string& kind);
    void forget(const std::string& path);
    // Counts a call; false when the power is gone (the call must reach nothing).
    bool powered(const Tracked& file, const char* call);
    sqlite3_vfs* real() const { return real_; }

private:
    std::string name_;
    sqlite3_vfs vfs_{};
    sqlite3_vfs* real_ = nullptr;
    std::map<std::string, std::unique_ptr<Tracked>> files_;
    std::int64_t calls_ = 0;
    std::int64_t cutAt_ = -1;
    bool cut_ = false;
    std::string cutCall_;
    struct Fault {
        int code = 0, error = 0, times = 0;
    };
    std::map<std::string, Fault> faults_;
    int failed_ = 0;
};

}  // namespace tonvale::testing
