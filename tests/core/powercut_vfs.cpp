// SPDX-License-Identifier: MIT
#include "core/powercut_vfs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>

namespace tonvale::testing {

namespace {

namespace fs = std::filesystem;

// An open file: our header, then the real file of the system's own file system.
struct CutFile {
    sqlite3_file base;
    PowerCutVfs* owner;
    PowerCutVfs::Tracked* tracked;  // null for files nobody keeps (temporary ones)
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

CutFile* cutFile(sqlite3_file* f) { return reinterpret_cast<CutFile*>(f); }
PowerCutVfs* ownerOf(sqlite3_vfs* vfs) { return static_cast<PowerCutVfs*>(vfs->pAppData); }

std::string bytesOf(const std::string& path, bool& exists) {
    std::ifstream in(path, std::ios::binary);
    exists = static_cast<bool>(in);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void applyChange(std::string& image, const PowerCutVfs::Change& c) {
    if (c.truncate) {
        image.resize(static_cast<std::size_t>(c.offset));
        return;
    }
    const auto end = static_cast<std::size_t>(c.offset) + c.bytes.size();
    if (image.size() < end) image.resize(end);
    std::copy(c.bytes.begin(), c.bytes.end(), image.begin() + c.offset);
}

int xClose(sqlite3_file* f) {
    CutFile* c = cutFile(f);
    const int rc = c->real()->pMethods ? c->real()->pMethods->xClose(c->real()) : SQLITE_OK;
    return rc;
}

int xRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    return cutFile(f)->real()->pMethods->xRead(cutFile(f)->real(), buffer, amount, offset);
}

int xWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
    CutFile* c = cutFile(f);
    if (!c->tracked) return c->real()->pMethods->xWrite(c->real(), buffer, amount, offset);
    if (int code = 0; c->owner->failing(c->tracked->kind + " write", code)) return code;
    if (!c->owner->powered(*c->tracked, "write")) return SQLITE_OK;
    const int rc = c->real()->pMethods->xWrite(c->real(), buffer, amount, offset);
    if (rc == SQLITE_OK)
        c->tracked->cached.push_back(
            {false, offset, std::string(static_cast<const char*>(buffer), static_cast<std::size_t>(amount))});
    return rc;
}

int xTruncate(sqlite3_file* f, sqlite3_int64 size) {
    CutFile* c = cutFile(f);
    if (!c->tracked) return c->real()->pMethods->xTruncate(c->real(), size);
    if (int code = 0; c->owner->failing(c->tracked->kind + " truncate", code)) return code;
    if (!c->owner->powered(*c->tracked, "truncate")) return SQLITE_OK;
    const int rc = c->real()->pMethods->xTruncate(c->real(), size);
    if (rc == SQLITE_OK) c->tracked->cached.push_back({true, size, {}});
    return rc;
}

int xSync(sqlite3_file* f, int flags) {
    CutFile* c = cutFile(f);
    if (!c->tracked) return c->real()->pMethods->xSync(c->real(), flags);
    if (int code = 0; c->owner->failing(c->tracked->kind + " sync", code)) return code;
    if (!c->owner->powered(*c->tracked, "sync")) return SQLITE_OK;
    // What the page cache held is on the disk now. (The real file has it all
    // already; the real sync is left out, for the disk's own sake.)
    for (const PowerCutVfs::Change& change : c->tracked->cached) applyChange(c->tracked->onDisk, change);
    c->tracked->cached.clear();
    c->tracked->existsOnDisk = true;
    return SQLITE_OK;
}

int xFileSize(sqlite3_file* f, sqlite3_int64* size) {
    return cutFile(f)->real()->pMethods->xFileSize(cutFile(f)->real(), size);
}
int xLock(sqlite3_file* f, int level) {
    return cutFile(f)->real()->pMethods->xLock(cutFile(f)->real(), level);
}
int xUnlock(sqlite3_file* f, int level) {
    return cutFile(f)->real()->pMethods->xUnlock(cutFile(f)->real(), level);
}
int xCheckReservedLock(sqlite3_file* f, int* out) {
    return cutFile(f)->real()->pMethods->xCheckReservedLock(cutFile(f)->real(), out);
}
int xFileControl(sqlite3_file* f, int op, void* arg) {
    return cutFile(f)->real()->pMethods->xFileControl(cutFile(f)->real(), op, arg);
}
int xSectorSize(sqlite3_file* f) { return cutFile(f)->real()->pMethods->xSectorSize(cutFile(f)->real()); }
int xDeviceCharacteristics(sqlite3_file* f) {
    return cutFile(f)->real()->pMethods->xDeviceCharacteristics(cutFile(f)->real());
}
int xShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** out) {
    if (int code = 0; page == 0 && cutFile(f)->owner->failing("shm open", code)) return code;
    return cutFile(f)->real()->pMethods->xShmMap(cutFile(f)->real(), page, size, extend, out);
}
int xShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return cutFile(f)->real()->pMethods->xShmLock(cutFile(f)->real(), offset, n, flags);
}
void xShmBarrier(sqlite3_file* f) { cutFile(f)->real()->pMethods->xShmBarrier(cutFile(f)->real()); }
int xShmUnmap(sqlite3_file* f, int deleteFlag) {
    return cutFile(f)->real()->pMethods->xShmUnmap(cutFile(f)->real(), deleteFlag);
}
// No memory mapping: every read goes through xRead.
int xFetch(sqlite3_file*, sqlite3_int64, int, void** out) {
    *out = nullptr;
    return SQLITE_OK;
}
int xUnfetch(sqlite3_file*, sqlite3_int64, void*) { return SQLITE_OK; }

const sqlite3_io_methods kMethods = {
    3,
    xClose,
    xRead,
    xWrite,
    xTruncate,
    xSync,
    xFileSize,
    xLock,
    xUnlock,
    xCheckReservedLock,
    xFileControl,
    xSectorSize,
    xDeviceCharacteristics,
    xShmMap,
    xShmLock,
    xShmBarrier,
    xShmUnmap,
    xFetch,
    xUnfetch,
};

int xOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
    PowerCutVfs* owner = ownerOf(vfs);
    CutFile* c = cutFile(f);
    std::memset(c, 0, sizeof(CutFile));
    c->owner = owner;
    const char* kind = (flags & SQLITE_OPEN_MAIN_DB)        ? "db"
                       : (flags & SQLITE_OPEN_WAL)          ? "wal"
                       : (flags & SQLITE_OPEN_MAIN_JOURNAL) ? "journal"
                                                            : nullptr;
    if (int code = 0; kind && owner->failing(std::string(kind) + " open", code)) return code;
    const int rc = owner->real()->xOpen(owner->real(), name, c->real(), flags, outFlags);
    if (rc != SQLITE_OK) return rc;
    c->base.pMethods = &kMethods;
    if (kind && name) c->tracked = owner->track(name, kind);
    return SQLITE_OK;
}

int xDelete(sqlite3_vfs* vfs, const char* name, int syncDir) {
    PowerCutVfs* owner = ownerOf(vfs);
    if (owner->cut()) return SQLITE_OK;
    owner->forget(name);
    return owner->real()->xDelete(owner->real(), name, syncDir);
}

int xAccess(sqlite3_vfs* vfs, const char* name, int flags, int* out) {
    return ownerOf(vfs)->real()->xAccess(ownerOf(vfs)->real(), name, flags, out);
}
int xFullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out) {
    return ownerOf(vfs)->real()->xFullPathname(ownerOf(vfs)->real(), name, size, out);
}
void* xDlOpen(sqlite3_vfs* vfs, const char* name) {
    return ownerOf(vfs)->real()->xDlOpen(ownerOf(vfs)->real(), name);
}
void xDlError(sqlite3_vfs* vfs, int size, char* out) {
    ownerOf(vfs)->real()->xDlError(ownerOf(vfs)->real(), size, out);
}
void (*xDlSym(sqlite3_vfs* vfs, void* lib, const char* symbol))(void) {
    return ownerOf(vfs)->real()->xDlSym(ownerOf(vfs)->real(), lib, symbol);
}
void xDlClose(sqlite3_vfs* vfs, void* lib) { ownerOf(vfs)->real()->xDlClose(ownerOf(vfs)->real(), lib); }
int xRandomness(sqlite3_vfs* vfs, int size, char* out) {
    return ownerOf(vfs)->real()->xRandomness(ownerOf(vfs)->real(), size, out);
}
int xSleep(sqlite3_vfs* vfs, int us) { return ownerOf(vfs)->real()->xSleep(ownerOf(vfs)->real(), us); }
int xCurrentTime(sqlite3_vfs* vfs, double* out) {
    return ownerOf(vfs)->real()->xCurrentTime(ownerOf(vfs)->real(), out);
}
int xGetLastError(sqlite3_vfs* vfs, int size, char* out) {
    return ownerOf(vfs)->real()->xGetLastError(ownerOf(vfs)->real(), size, out);
}
int xCurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* out) {
    return ownerOf(vfs)->real()->xCurrentTimeInt64(ownerOf(vfs)->real(), out);
}

}  // namespace

PowerCutVfs::PowerCutVfs(const char* name) : name_(name) {
    real_ = sqlite3_vfs_find(nullptr);
    vfs_.iVersion = 2;
    vfs_.szOsFile = static_cast<int>(sizeof(CutFile)) + real_->szOsFile;
    vfs_.mxPathname = real_->mxPathname;
    vfs_.zName = name_.c_str();
    vfs_.pAppData = this;
    vfs_.xOpen = xOpen;
    vfs_.xDelete = xDelete;
    vfs_.xAccess = xAccess;
    vfs_.xFullPathname = xFullPathname;
    vfs_.xDlOpen = xDlOpen;
    vfs_.xDlError = xDlError;
    vfs_.xDlSym = xDlSym;
    vfs_.xDlClose = xDlClose;
    vfs_.xRandomness = xRandomness;
    vfs_.xSleep = xSleep;
    vfs_.xCurrentTime = xCurrentTime;
    vfs_.xGetLastError = xGetLastError;
    vfs_.xCurrentTimeInt64 = xCurrentTimeInt64;
    sqlite3_vfs_register(&vfs_, 0);
}

PowerCutVfs::~PowerCutVfs() { sqlite3_vfs_unregister(&vfs_); }

PowerCutVfs::Tracked* PowerCutVfs::track(const std::string& path, const std::string& kind) {
    auto& slot = files_[path];
    if (!slot) {
        // What the file holds when first seen counts as on the disk.
        slot = std::make_unique<Tracked>();
        slot->path = path;
        slot->kind = kind;
        slot->onDisk = bytesOf(path, slot->existsOnDisk);
    }
    return slot.get();
}

void PowerCutVfs::forget(const std::string& path) {
    // A deletion reaches the disk at once (SQLite syncs the folder where it matters).
    if (auto it = files_.find(path); it != files_.end()) {
        it->second->existsOnDisk = false;
        it->second->onDisk.clear();
        it->second->cached.clear();
    }
}

bool PowerCutVfs::failing(const std::string& call, int& code) {
    auto it = faults_.find(call);
    if (it == faults_.end() || it->second.times <= 0) return false;
    --it->second.times;
    ++failed_;
    code = it->second.code;
    // The reason SQLite asks the file system for.
    errno = it->second.error;
    return true;
}

bool PowerCutVfs::powered(const Tracked& file, const char* call) {
    if (cut_) return false;
    if (++calls_ != cutAt_) return true;
    cut_ = true;
    cutCall_ = file.kind + " " + call;
    return false;
}

PowerCutVfs::Fates PowerCutVfs::powerLoss(std::mt19937_64& random) {
    Fates fates;
    for (auto& [path, file] : files_) {
        std::string image = file->onDisk;
        bool exists = file->existsOnDisk;
        // Each write not yet synced: thrown away, torn, or kept; the ones that
        // reach the disk do so in any order.
        std::vector<std::size_t> order(file->cached.size());
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), random);
        for (const std::size_t i : order) {
            const Change& change = file->cached[i];
            ++fates.unsynced;
            const auto fate = random() % 10;
            if (fate < 3) {
                ++fates.dropped;
                continue;
            }
            exists = true;
            if (fate < 6 && !change.truncate) {
                ++fates.torn;
                constexpr std::size_t kSector = 512;
                const auto begin = static_cast<std::size_t>(change.offset);
                for (std::size_t at = 0; at < change.bytes.size();
                     at = (begin + at) / kSector * kSector + kSector - begin) {
                    const std::size_t size =
                        std::min(change.bytes.size() - at, kSector - (begin + at) % kSector);
                    if (random() % 2 == 0)
                        applyChange(image, Change{false, static_cast<std::int64_t>(begin + at),
                                                  change.bytes.substr(at, size)});
                }
                continue;
            }
            ++fates.kept;
            applyChange(image, change);
        }
        file->cached.clear();
        file->onDisk = image;
        file->existsOnDisk = exists;
        std::error_code ec;
        if (exists)
            std::ofstream(path, std::ios::binary | std::ios::trunc)
                .write(image.data(), static_cast<std::streamsize>(image.size()));
        else
            fs::remove(path, ec);
    }
    cut_ = false;
    cutAt_ = -1;
    return fates;
}

}  // namespace tonvale::testing
