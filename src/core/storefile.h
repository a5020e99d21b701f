// SPDX-License-Identifier: MIT
#pragma once
// What lies at the store's path, looked at before anything is opened, and why a
// store could not be opened or written, in words a player understands.
#include <cstdint>
#include <string>

namespace tonvale {

// What lies at a path, looked at without following a link.
enum class PathKind : std::uint8_t {
    none,       // nothing
    file,       // a plain file with something in it
    emptyFile,  // a plain file of no bytes
    folder,
    other,    // a link, a pipe, a device or a socket
    unknown,  // it could not be looked at (errno says why)
};
PathKind kindAt(const std::string& path, int* error = nullptr);

// The companions SQLite keeps beside a database: "-wal", "-shm", "-journal".
inline constexpr const char* kCompanions[] = {"-wal", "-shm", "-journal"};

// Whose a plain file is, by its first bytes: a database of the game's own (its
// header names the game's application id, or, for a store made before the id was
// written, it holds the game's three tables), a file of someone else's, or one
// that could not be read far enough to tell.
enum class Owner : std::uint8_t { ours, foreign, unreadable };
// The game's application id in the database header ("Tonv").
inline constexpr std::int32_t kApplicationId = 0x546f6e76;
// `vfs` names the SQLite file system to read an old store through (none: the
// default one).
Owner ownerOf(const std::string& path, const char* vfs = nullptr, int* error = nullptr);

// Why SQLite failed, for the player: "the disk is full", "another program is
// using them", "the file or its folder is read-only", "an input/output error",
// or the system's own words. `code` is SQLite's (extended) result code,
// `systemError` the errno SQLite saw (0 when none).
std::string failureReason(int code, int systemError);
// The same for an errno of the system's own calls.
std::string systemReason(int error);
// Why a file at `path` could not be written as far as its folder and the file
// itself tell (EROFS, EACCES, ...), or 0 when both can be written: SQLite's own
// error for a read-only folder is often only that a companion could not be opened.
int writeBarrier(const std::string& path);

// The local time as YYYYMMDD-HHMMSS, for the name a broken store is kept under.
std::string timeStamp();

}  // namespace tonvale
