// SPDX-License-Identifier: MIT
// The store's names and values are TEXT, so that a player's own query finds them;
// a store of the first version, which kept them as BLOBs, is brought up to date
// on opening (or with its first write, when another program held it then), byte
// for byte, its history kept.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/dbschema.h"
#include "core/storefile.h"

namespace tonvale {
namespace {

namespace fs = std::filesystem;

struct Db {
    explicit Db(const std::string& path) { EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK); }
    ~Db() { sqlite3_close(db); }
    bool exec(const std::string& sql) {
        return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    // The first column of each row as text.
    std::vector<std::string> column(const std::string& sql) {
        std::vector<std::string> out;
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        while (sqlite3_step(st) == SQLITE_ROW) {
            const auto* text = static_cast<const char*>(sqlite3_column_blob(st, 0));
            out.emplace_back(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(st, 0)));
        }
        sqlite3_finalize(st);
        return out;
    }
    sqlite3* db = nullptr;
};

// The tables as the first version made them, and its way of writing a value: a BLOB.
const char* const kFirstVersion = R"sql(
PRAGMA journal_mode=WAL;
CREATE TABLE settings(
  app TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL, value BLOB NOT NULL,
  PRIMARY KEY(app, section, key)) WITHOUT ROWID;
CREATE TABLE plays(
  id INTEGER PRIMARY KEY, player INTEGER NOT NULL, time INTEGER NOT NULL,
  bet INTEGER NOT NULL, waysfactor INTEGER NOT NULL, ways INTEGER NOT NULL, stake INTEGER NOT NULL,
  stop1 INTEGER NOT NULL, stop2 INTEGER NOT NULL, stop3 INTEGER NOT NULL, stop4 INTEGER NOT NULL,
  stop5 INTEGER NOT NULL, bellcoin INTEGER NOT NULL, win INTEGER NOT NULL,
  freespins INTEGER NOT NULL, freespinwin INTEGER NOT NULL,
  jackpotfield INTEGER NOT NULL, jackpotwin INTEGER NOT NULL,
  gamble TEXT NOT NULL, gamblewin INTEGER NOT NULL,
  credit_before INTEGER NOT NULL, credit_after INTEGER NOT NULL);
CREATE INDEX plays_by_player ON plays(player, id);
CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;
INSERT INTO meta(key, value) VALUES('schema', '1');
INSERT INTO meta(key, value) VALUES('imported', 'yes');
INSERT INTO plays VALUES(7, 1, 1700000000000, 5, 25, 243, 125, 1, 2, 3, 4, 5, 1, 250, 0, 0, 0, 0, '', 0, 900, 1025);
)sql";

const std::string kOddName = std::string("Ann\0\x01\xff\xfe", 7) + "\t\\ \xc3\xa9";

void firstVersionStore(const std::string& path) {
    Db old(path);
    ASSERT_TRUE(old.exec(kFirstVersion));
    const std::vector<std::vector<std::string>> rows = {
        {"keys", "player1", "bank", "4321"},
        {"Tonvale", "player1", "bank", "4321"},
        {"keys", "player1", "currentplayer", kOddName},
        {"allslot", "player1", "grand", "260000"},
        {"tonvale", "notice", "autoplay", "-1"},
    };
    for (const auto& row : rows) {
        sqlite3_stmt* st = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(old.db, "INSERT INTO settings VALUES(?1, ?2, ?3, ?4)", -1, &st, nullptr),
                  SQLITE_OK);
        for (int i = 0; i < 4; ++i)
            sqlite3_bind_blob(st, i + 1, row[static_cast<std::size_t>(i)].data(),
                              static_cast<int>(row[static_cast<std::size_t>(i)].size()), SQLITE_TRANSIENT);
        ASSERT_EQ(sqlite3_step(st), SQLITE_DONE);
        sqlite3_finalize(st);
    }
}

struct SchemaFolder {
    SchemaFolder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~SchemaFolder() { fs::remove_all(path); }
    fs::path path = fs::temp_directory_path() / ("tonvale-schema-" + std::to_string(::getpid()));
    std::string db() const { return (path / "tonvale.db").string(); }
};

void expectBroughtUpToDate(const std::string& path) {
    Db db(path);
    // A player's own query finds the value, as text.
    EXPECT_EQ(
        db.column("SELECT value FROM settings WHERE app = 'keys' AND section = 'player1' AND key = 'bank'"),
        std::vector<std::string>{"4321"});
    EXPECT_EQ(db.column("SELECT DISTINCT typeof(app) || typeof(section) || typeof(key) || typeof(value) FROM "
                        "settings"),
              std::vector<std::string>{"texttexttexttext"});
    EXPECT_EQ(db.column("SELECT value FROM settings WHERE key = 'currentplayer'"),
              std::vector<std::string>{kOddName});
    EXPECT_EQ(db.column("SELECT count(*) FROM settings WHERE key = 'bank' AND app = 'keys' AND section = "
                        "'player1'"),
              std::vector<std::string>{"1"})
        << "one row a key, never a TEXT row beside a BLOB one";
    EXPECT_EQ(db.column("SELECT value FROM meta WHERE key = 'schema'"),
              std::vector<std::string>{std::to_string(kSchemaVersion)});
    EXPECT_EQ(db.column("PRAGMA application_id"), std::vector<std::string>{std::to_string(kApplicationId)});
    EXPECT_EQ(db.column("SELECT credit_after FROM plays WHERE id = 7"), std::vector<std::string>{"1025"});
}

TEST(StoreSchema, AFirstVersionStoreIsBroughtUpToDateByteForByteOnOpening) {
    SchemaFolder folder;
    firstVersionStore(folder.db());
    {
        SqliteStore store(folder.db());
        EXPECT_EQ(store.state(), SqliteStore::State::file) << store.problem();
        EXPECT_TRUE(store.problem().empty());
        EXPECT_EQ(store.read("keys", "player1", "bank"), "4321");
        EXPECT_EQ(store.read("keys", "player1", "currentplayer"), kOddName);
        EXPECT_FALSE(store.needsImport());
        ASSERT_EQ(store.plays().size(), 1u);
        EXPECT_EQ(store.plays().front().creditAfter, 1025);
    }
    expectBroughtUpToDate(folder.db());
}

TEST(StoreSchema, AFirstVersionStoreHeldByAnotherProgramIsBroughtUpToDateWithItsFirstWrite) {
    SchemaFolder folder;
    firstVersionStore(folder.db());
    Db other(folder.db());
    ASSERT_TRUE(other.exec("BEGIN IMMEDIATE; UPDATE meta SET value = value WHERE key = 'imported';"));
    {
        SqliteStore store(folder.db());
        EXPECT_EQ(store.read("keys", "player1", "bank"), "4321") << "a store being written is read";
        store.write("keys", "player1", "bank", "5000");
        EXPECT_FALSE(store.flush());
        EXPECT_EQ(store.failure(), "another program is using them");
        ASSERT_TRUE(other.exec("COMMIT"));
        store.write("Tonvale", "player1", "bank", "5000");
        EXPECT_TRUE(store.flush());
    }
    Db db(folder.db());
    EXPECT_EQ(db.column("SELECT value FROM settings WHERE section = 'player1' AND key = 'bank' ORDER BY app"),
              (std::vector<std::string>{"5000", "5000"}));
    EXPECT_EQ(db.column("SELECT value FROM meta WHERE key = 'schema'"),
              std::vector<std::string>{std::to_string(kSchemaVersion)});
}

TEST(StoreSchema, AStoreOfANewerVersionIsLeftAsItIs) {
    SchemaFolder folder;
    {
        SqliteStore store(folder.db());
        store.write("keys", "player1", "bank", "777");
    }
    {
        Db db(folder.db());
        ASSERT_TRUE(db.exec("UPDATE meta SET value = '99' WHERE key = 'schema'"));
    }
    const auto before = fs::file_size(folder.db());
    {
        SqliteStore store(folder.db());
        EXPECT_EQ(store.state(), SqliteStore::State::refused);
        EXPECT_NE(store.problem().find("newer version"), std::string::npos) << store.problem();
        store.write("keys", "player1", "bank", "1");
        EXPECT_FALSE(store.flush());
    }
    EXPECT_EQ(fs::file_size(folder.db()), before);
    Db db(folder.db());
    EXPECT_EQ(db.column("SELECT value FROM settings WHERE key = 'bank'"), std::vector<std::string>{"777"});
}

}  // namespace
}  // namespace tonvale
