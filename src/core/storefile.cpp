// SPDX-License-Identifier: MIT
#include "core/storefile.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace tonvale {

PathKind kindAt(const std::string& path, int* error) {
    struct stat st = {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (error) *error = errno;
        return errno == ENOENT ? PathKind::none : PathKind::unknown;
    }
    if (S_ISREG(st.st_mode)) return st.st_size == 0 ? PathKind::emptyFile : PathKind::file;
    if (S_ISDIR(st.st_mode)) return PathKind::folder;
    return PathKind::other;
}

namespace {

// Whether an old store (made before the application id was written) holds the
// game's three tables: ours, foreign, or unreadable when SQLite could not tell
// (busy, an input/output error).
Owner byTables(const std::string& path, const char* vfs, int* error) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, vfs);
    int tables = 0;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 1000);
        sqlite3_stmt* st = nullptr;
        rc = sqlite3_prepare_v2(db,
                                "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name IN "
                                "('settings', 'plays', 'meta')",
                                -1, &st, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_step(st);
        if (rc == SQLITE_ROW) tables = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
    }
    const int why = db ? sqlite3_system_errno(db) : 0;
    sqlite3_close_v2(db);
    if (rc == SQLITE_ROW) return tables == 3 ? Owner::ours : Owner::foreign;
    switch (rc & 0xff) {
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_FORMAT:
            return Owner::foreign;  // nothing in it says it is ours
        default:
            if (error) *error = why;
            return Owner::unreadable;
    }
}

}  // namespace

Owner ownerOf(const std::string& path, const char* vfs, int* error) {
    // O_NONBLOCK: whatever was put there since it was looked at, opening it cannot hang.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = errno;
        return errno == ELOOP ? Owner::foreign : Owner::unreadable;
    }
    struct stat st = {};
    std::array<unsigned char, 100> header{};
    ssize_t got = -1;
    const bool plain = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (plain) {
        while ((got = ::pread(fd, header.data(), header.size(), 0)) < 0 && errno == EINTR) {
        }
        if (got < 0 && error) *error = errno;
    }
    ::close(fd);
    if (!plain) return Owner::foreign;
    if (got < 0) return Owner::unreadable;
    if (got < static_cast<ssize_t>(header.size()) || std::memcmp(header.data(), "SQLite format 3", 16) != 0)
        return Owner::foreign;
    // The application id: four bytes, most significant first, at offset 68.
    const std::uint32_t id = (std::uint32_t{header[68]} << 24) | (std::uint32_t{header[69]} << 16) |
                             (std::uint32_t{header[70]} << 8) | std::uint32_t{header[71]};
    if (id == static_cast<std::uint32_t>(kApplicationId)) return Owner::ours;
    if (id != 0) return Owner::foreign;
    return byTables(path, vfs, error);
}

std::string systemReason(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "the disk is full";
        case EROFS:
        case EACCES:
        case EPERM:
            return "the file or its folder is read-only";
        case EIO:
            return "an input/output error";
        case 0:
            return "an error the system did not name";
        default:
            return std::strerror(error);
    }
}

std::string failureReason(int code, int systemError) {
    switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "another program is using them";
        case SQLITE_FULL:
            return "the disk is full";
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return "the file or its folder is read-only";
        case SQLITE_IOERR:
            if (systemError == ENOSPC || systemError == EDQUOT || systemError == EROFS) break;
            return "an input/output error";
        case SQLITE_CANTOPEN:
            // SQLite tries again to open for reading alone, and a companion that is
            // not there yet then gives "no such file": the first error is lost.
            if (systemError == ENOENT) return "one of their files could not be opened";
            break;
        case SQLITE_NOMEM:
            return "the memory ran out";
        default:
            return sqlite3_errstr(code);
    }
    return systemReason(systemError);
}

int writeBarrier(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (::access(folder.c_str(), W_OK) != 0) return errno;
    if (::access(path.c_str(), W_OK) != 0 && errno != ENOENT) return errno;
    return 0;
}

std::string timeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace tonvale
