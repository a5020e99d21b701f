// SPDX-License-Identifier: MIT
// Stored values nobody should have written: every number key holding text that is
// not a number, or one too wide; odd names; a folder that cannot be written or is
// missing. The game starts, takes what the reading rules give, plays on and keeps
// the rest of the store.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/headless.h"
#include "core/store.h"
#include "game/fields.h"
#include "game/game.h"
#include "game/startup.h"
#include "lines.h"
#include "tempfolder.h"

namespace tonvale {
namespace {

namespace fs = std::filesystem;

struct Started {
    explicit Started(SqliteStore s) {
        platform.store = std::move(s);
        game = std::make_unique<Game>(platform.ports());
        platform.time.setTickHandler([this](TimerId id) { game->timerTick(id); });
        game->startup.Form_Load();
    }
    HeadlessPlatform platform;
    std::unique_ptr<Game> game;
    MachineState& s() { return game->m.s; }
    // A credit insert and one spin: two settled points, each saving the record.
    void play() {
        ASSERT_TRUE(game->press(game->m.ui.btncredit));
        platform.random.script({4, 8, 2, 12, 16, 20});
        ASSERT_TRUE(game->press(game->m.ui.btnspin));
        platform.time.advance(5000);
    }
};

// What the neighbours of the hostile key hold; none of it may be lost.
void fillNeighbours(SqliteStore& store) {
    store.write("keys", "player1", "sizescreen", "carried as it is");
    store.write("keys", "player2", "bank", "999");
    store.write("Tonvale", "player2", "currentplayer", "Second");
    store.write("allslot", "player2", "grand", "260000");
    store.write("tonvale", "notice", "autoplay", "-1");
}

void expectNeighboursKept(SqliteStore& store) {
    EXPECT_EQ(store.read("keys", "player1", "sizescreen"), "carried as it is");
    EXPECT_EQ(store.read("keys", "player2", "bank"), "999");
    EXPECT_EQ(store.read("Tonvale", "player2", "currentplayer"), "Second");
    EXPECT_EQ(store.read("allslot", "player2", "grand"), "260000");
    EXPECT_EQ(store.read("tonvale", "notice", "autoplay"), "-1");
}

TEST(HostileStore, EveryNumberKeyTakesWhatTheReadingRulesGive) {
    struct Text {
        const char* label;
        std::string text;
        std::optional<std::int64_t> asShort;  // read into a 16-bit key (nothing: refused)
        std::optional<std::int64_t> asLong;   // read into a 32-bit key
        std::optional<std::int64_t> asWide;   // read into a 64-bit key (a statistic)
    };
    const std::string megabyte(1 << 20, '7');
    const std::vector<Text> texts = {
        {"empty", "", {}, {}, {}},
        {"letters", "abc", {}, {}, {}},
        {"digits then letters", "12abc", {}, {}, {}},
        {"exponent", "1e3", {}, {}, {}},
        {"hexadecimal", "0x10", {}, {}, {}},
        {"blanks around", " 12 ", 12, 12, 12},
        {"eleven digits", "99999999999", {}, {}, 99999999999},
        {"twenty digits", "99999999999999999999", {}, {}, {}},
        {"wider than 16 bits", "70000", {}, 70000, 70000},
        {"minus one", "-1", -1, -1, -1},
        {"a megabyte of digits", megabyte, {}, {}, {}},
        {"bytes that are not UTF-8", "\xff\xfe\x31\x32", {}, {}, {}},
        {"a digit then a NUL",
         std::string("5\0"
                     "5",
                     3),
         {},
         {},
         {}},
    };
    enum class Width : std::uint8_t { bits16, bits32, bits64 };
    struct NumberKey {
        const char* name;
        const char* app;
        Width width;
    };
    using enum Width;
    const NumberKey keys[] = {
        {"soundonoff", "keys", bits16},     {"machinepay", "keys", bits16},  {"winroll", "keys", bits16},
        {"reelspeed", "keys", bits16},      {"bank", "keys", bits32},        {"grand", "allslot", bits32},
        {"major", "allslot", bits32},       {"minor", "allslot", bits32},    {"howmanyspins", "keys", bits64},
        {"amountinvested", "keys", bits64}, {"wager", "keys", bits64},       {"total", "keys", bits64},
        {"games", "keys", bits64},          {"grandwon", "keys", bits64},    {"majorwon", "keys", bits64},
        {"minorwon", "keys", bits64},       {"jackpotbank", "keys", bits64},
    };
    for (const NumberKey& k : keys) {
        for (const Text& t : texts) {
            SCOPED_TRACE(std::string(k.name) + " holding " + t.label);
            SqliteStore store;
            fillNeighbours(store);
            store.write(k.app, "player1", k.name, t.text);
            Started g(std::move(store));

            // Before the start's corrections every value is 0; a refused text keeps it.
            std::int64_t want = (k.width == bits16   ? t.asShort
                                 : k.width == bits32 ? t.asLong
                                                     : t.asWide)
                                    .value_or(0);
            // Then the start's corrections: a payout level outside 1..3 is 3, a sound
            // switch other than on is off, a win counter other than 0 or 1 is 0.
            const std::string_view name = k.name;
            if (name == "machinepay" && (want < 1 || want > 3)) want = 3;
            if (name == "soundonoff" && want != -1) want = 0;
            if (name == "winroll" && want != 0 && want != 1) want = 0;
            if (name == "reelspeed" && want < 1) want = 1;
            EXPECT_EQ(readName(*g.game, k.name), std::to_string(want));

            g.play();
            EXPECT_FALSE(g.game->m.ended);
            expectNeighboursKept(g.platform.store);
            // What the store holds now is a number in plain form, read back as such.
            std::int64_t back = 0;
            EXPECT_TRUE(parseStoredNumber(g.platform.store.read(k.app, "player1", k.name), back));
        }
    }
}

TEST(HostileStore, NamesAreTakenByteForByteAndComeBackTheSame) {
    const std::string names[] = {
        "Thirteen char",                         // 13 characters: the options window would refuse it
        std::string(300, 'N'),                   // far too long
        "tab\there\nnew line\rreturn\x01",       // control characters
        "Ann \xf0\x9f\x8e\xb0\xf0\x9f\x8d\x80",  // emoji
        "\xc3\x28 broken",                       // not UTF-8
        "back\\slash\\n",                        // the escape character of the files
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path folder = testing::tempFolder("tonvale-hostile-name");
        const std::string db = (folder / "tonvale.db").string();
        fs::remove_all(folder);
        {
            SqliteStore store(db);
            fillNeighbours(store);
            store.write("keys", "player1", "currentplayer", name);
            store.write("keys", "player1", "bank", "1250");
            Started g(std::move(store));
            EXPECT_EQ(g.s().currentplayer, name);
            EXPECT_EQ(g.game->m.ui.form.caption, "Current Player       " + name);
            EXPECT_EQ(g.s().bank, 1250);
            g.play();
            g.game->startup.xit_Click();
        }
        // A new start reads the files the last one wrote.
        Started again{SqliteStore(db)};
        EXPECT_EQ(again.s().currentplayer, name);
        EXPECT_EQ(again.platform.store.read("Tonvale", "player1", "currentplayer"), name);
        EXPECT_EQ(again.platform.store.read("keys", "player2", "bank"), "999");
        EXPECT_EQ(again.s().amountinvested, 5000);
        fs::remove_all(folder);
    }
}

// What lies at the store's path when the game starts.
struct Hostile {
    const char* label;
    std::function<void(const fs::path& db)> make;
    SqliteStore::State state;
    bool keepsPath;  // the thing at the path stays where it was (else: moved aside)
};

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// A store with a record in it, then the same file with its pages (not its header) spoilt.
void spoiltDatabase(const fs::path& db) {
    {
        SqliteStore good(db.string());
        for (int i = 0; i < 400; ++i)
            good.write("keys", "player" + std::to_string(i), "bank", std::string(64, 'x'));
        good.flush();
    }
    std::string bytes = bytesOf(db);
    for (std::size_t i = 4096 + 100; i < bytes.size(); i += 7) bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
    writeBytes(db, bytes);
}

TEST(HostileStore, WhatLiesAtTheStorePathNeverStopsTheGame) {
    const fs::path top = testing::tempFolder("tonvale-hostile-paths");
    const std::string garbage = [] {
        std::string g;
        std::uint32_t x = 12345;
        for (int i = 0; i < 8192; ++i) g += static_cast<char>((x = x * 1103515245 + 12345) >> 24);
        return g;
    }();
    const std::vector<Hostile> cases = {
        {"binary garbage", [&](const fs::path& db) { writeBytes(db, garbage); }, SqliteStore::State::refused,
         true},
        {"an empty file", [](const fs::path& db) { writeBytes(db, ""); }, SqliteStore::State::file, true},
        {"a text file", [](const fs::path& db) { writeBytes(db, "[player1]\nbank=5000\n"); },
         SqliteStore::State::refused, true},
        {"a folder",
         [](const fs::path& db) {
             fs::create_directories(db);
             writeBytes(db / "inside", "kept");
         },
         SqliteStore::State::refused, true},
        {"a database of another program",
         [](const fs::path& db) {
             ASSERT_EQ(std::system(("sqlite3 '" + db.string() +
                                    "' 'CREATE TABLE scores(name, points); INSERT INTO scores VALUES(1, 2);'")
                                       .c_str()),
                       0);
         },
         SqliteStore::State::refused, true},
        {"a store of the game's with a table of another shape",
         [](const fs::path& db) {
             {
                 SqliteStore ours(db.string());
                 ours.write("keys", "player1", "bank", "1");
                 ours.flush();
             }
             std::system(
                 ("sqlite3 '" + db.string() + "' 'DROP TABLE plays; CREATE TABLE plays(x);'").c_str());
         },
         SqliteStore::State::replaced, false},
        {"a spoilt database", spoiltDatabase, SqliteStore::State::replaced, false},
        {"a link to a file",
         [&](const fs::path& db) {
             writeBytes(top / "target", "not to be written");
             fs::create_symlink(top / "target", db);
         },
         SqliteStore::State::refused, true},
        {"a dangling link", [&](const fs::path& db) { fs::create_symlink(top / "nowhere", db); },
         SqliteStore::State::refused, true},
        {"a pipe", [](const fs::path& db) { ASSERT_EQ(::mkfifo(db.c_str(), 0644), 0); },
         SqliteStore::State::refused, true},
        {"a device", [](const fs::path& db) { fs::create_symlink("/dev/zero", db); },
         SqliteStore::State::refused, true},
        {"a pipe at the log beside it",
         [](const fs::path& db) { ASSERT_EQ(::mkfifo((db.string() + "-wal").c_str(), 0644), 0); },
         SqliteStore::State::refused, true},
    };
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove_all(top);
        fs::create_directories(top);
        const fs::path db = top / "tonvale.db";
        c.make(db);
        const auto kindBefore = fs::symlink_status(db).type();
        const std::string target = fs::exists(top / "target") ? bytesOf(top / "target") : "";
        const std::string bytesBefore = fs::is_regular_file(fs::symlink_status(db)) ? bytesOf(db) : "";
        {
            SqliteStore store(db.string());
            EXPECT_EQ(store.state(), c.state);
            EXPECT_EQ(store.problem().empty(), c.state == SqliteStore::State::file);
            Started g(std::move(store));
            g.play();
            g.play();
            EXPECT_FALSE(g.game->m.ended);
            EXPECT_EQ(g.s().amountinvested, 10000);
            EXPECT_EQ(g.game->saves.failing(), c.state == SqliteStore::State::refused);
            g.game->startup.xit_Click();
        }
        if (c.keepsPath) {
            EXPECT_EQ(fs::symlink_status(db).type(), kindBefore);
            // Nothing that is not the game's is written either.
            if (c.state == SqliteStore::State::refused && fs::is_regular_file(fs::symlink_status(db))) {
                EXPECT_EQ(bytesOf(db), bytesBefore);
            }
            if (fs::is_directory(fs::symlink_status(db))) {
                EXPECT_EQ(bytesOf(db / "inside"), "kept");
            }
        }
        if (fs::exists(top / "target")) {
            EXPECT_EQ(bytesOf(top / "target"), target);
        }
        std::vector<std::string> aside;
        for (const auto& e : fs::directory_iterator(top))
            if (e.path().filename().string().starts_with("tonvale.db.broken-"))
                aside.push_back(e.path().filename().string());
        if (c.state == SqliteStore::State::replaced) {
            ASSERT_GE(aside.size(), 1u);
            const fs::path kept = top / aside.front();
            EXPECT_EQ(fs::symlink_status(kept).type(), kindBefore);
        } else {
            EXPECT_TRUE(aside.empty());
        }
        // The next start finds what this one saved, and nothing to complain about.
        if (c.state != SqliteStore::State::refused) {
            Started again{SqliteStore(db.string())};
            EXPECT_TRUE(again.platform.store.problem().empty()) << again.platform.store.problem();
            EXPECT_EQ(again.s().amountinvested, 10000);
            const auto plays = again.platform.store.plays();
            EXPECT_EQ(std::count_if(plays.begin(), plays.end(),
                                    [](const Play& p) { return p.kind == LineKind::spin; }),
                      2);
        }
    }
    fs::remove_all(top);
}

// Something foreign beside an intact store: the store is read (the session does
// not start at $0), nothing is written, moved or replaced, and once the foreign
// thing is gone the store is as it was.
TEST(HostileStore, AForeignCompanionLeavesTheStoreReadAndUntouched) {
    const fs::path top = testing::tempFolder("tonvale-hostile-companions");
    const fs::path db = top / "tonvale.db";
    struct Companion {
        const char* suffix;
        std::function<void(const fs::path&)> make;
    } companions[] = {
        {"-wal", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
        {"-shm", [](const fs::path& p) { fs::create_directories(p); }},
        {"-journal", [&](const fs::path& p) { fs::create_symlink(top / "elsewhere", p); }},
    };
    for (const Companion& c : companions) {
        SCOPED_TRACE(c.suffix);
        fs::remove_all(top);
        fs::create_directories(top);
        {
            Started g{SqliteStore(db.string())};
            g.play();
            g.game->startup.xit_Click();
        }
        const std::string bytes = bytesOf(db);
        const fs::path companion = db.string() + c.suffix;
        c.make(companion);
        const auto kind = fs::symlink_status(companion).type();
        {
            SqliteStore store(db.string());
            EXPECT_EQ(store.state(), SqliteStore::State::refused);
            EXPECT_NE(store.problem().find(companion.string()), std::string::npos) << store.problem();
            EXPECT_NE(store.problem().find("were read"), std::string::npos) << store.problem();
            Started g(std::move(store));
            EXPECT_EQ(g.s().amountinvested, 5000);
            EXPECT_EQ(g.s().games, 1);
            g.play();
            EXPECT_TRUE(g.game->saves.failing());
            g.game->startup.xit_Click();
        }
        EXPECT_EQ(bytesOf(db), bytes);
        EXPECT_EQ(fs::symlink_status(companion).type(), kind);
        EXPECT_FALSE(fs::exists(top / "elsewhere"));
        fs::remove_all(companion);
        Started again{SqliteStore(db.string())};
        EXPECT_TRUE(again.platform.store.problem().empty()) << again.platform.store.problem();
        EXPECT_EQ(again.s().amountinvested, 5000);
        EXPECT_EQ(testing::gameLines(again.platform.store.plays()), 1);
    }
    fs::remove_all(top);
}

TEST(HostileStore, AMissingFolderIsCreated) {
    const fs::path top = testing::tempFolder("tonvale-missing");
    fs::remove_all(top);
    const fs::path db = top / "deeper" / "Tonvale" / "tonvale.db";
    {
        Started g{SqliteStore(db.string())};
        EXPECT_EQ(g.s().machinepay, 3);
        g.play();
        EXPECT_FALSE(g.game->saves.failing());
    }
    Started again{SqliteStore(db.string())};
    EXPECT_EQ(again.s().amountinvested, 5000);
    EXPECT_TRUE(fs::is_regular_file(db));
    fs::remove_all(top);
}

TEST(HostileStore, AFolderReachedThroughALinkIsAPlainStore) {
    const fs::path top = testing::tempFolder("tonvale-linked-folder");
    fs::remove_all(top);
    fs::create_directories(top / "real");
    fs::create_directory_symlink(top / "real", top / "home");
    {
        Started g{SqliteStore((top / "home" / "tonvale.db").string())};
        EXPECT_EQ(g.platform.store.state(), SqliteStore::State::file);
        g.play();
        EXPECT_FALSE(g.game->saves.failing());
    }
    EXPECT_TRUE(fs::is_regular_file(top / "real" / "tonvale.db"));
    Started again{SqliteStore((top / "home" / "tonvale.db").string())};
    EXPECT_EQ(again.s().amountinvested, 5000);
    fs::remove_all(top);
}

// A small file system of its own, where the machine lets a test mount one.
struct SmallDisk {
    explicit SmallDisk(const char* size) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        mounted = std::system(("mount -t tmpfs -o size=" + std::string(size) + " tmpfs " + folder.string() +
                               " 2>/dev/null")
                                  .c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted) std::system(("umount " + folder.string()).c_str());
        fs::remove_all(folder);
    }
    bool remount(const char* options) {
        return std::system(("mount -o remount," + std::string(options) + " " + folder.string()).c_str()) == 0;
    }
    fs::path folder = testing::tempFolder("tonvale-small-disk");
    bool mounted = false;
};

// The saves a session reported, as "amountinvested/games".
struct Reported {
    void watch(Game& game) {
        game.saves.onSave = [this](const std::string&, const ProgramValues& v) { saves.push_back(text(v)); };
        game.saves.onNotice = [this](const std::string& t) { notices.push_back(t); };
    }
    static std::string text(const ProgramValues& v) {
        return std::to_string(v.amountinvested) + "/" + std::to_string(v.games);
    }
    int told(const std::string& words) const {
        return static_cast<int>(std::count_if(notices.begin(), notices.end(), [&](const std::string& t) {
            return t.find(words) != std::string::npos;
        }));
    }
    std::vector<std::string> saves, notices;
};

TEST(HostileStore, AReadOnlyFolderIsReadAndSavedOnceItCanBeWrittenAgain) {
    SmallDisk disk("4m");
    if (!disk.mounted) GTEST_SKIP() << "no file system can be mounted here";
    const std::string db = (disk.folder / "tonvale.db").string();
    {
        Started g{SqliteStore(db)};
        g.play();
        g.game->startup.xit_Click();
    }
    ASSERT_TRUE(disk.remount("ro"));
    Reported reported;
    {
        SqliteStore store(db);
        EXPECT_EQ(store.state(), SqliteStore::State::unwritable);
        EXPECT_NE(store.problem().find("read-only"), std::string::npos) << store.problem();
        Started g(std::move(store));
        reported.watch(*g.game);
        EXPECT_EQ(g.s().amountinvested, 5000);  // what was saved is read
        g.play();
        g.play();
        EXPECT_EQ(g.s().amountinvested, 15000);
        EXPECT_TRUE(g.game->saves.failing());
        // The folder can be written again: the next try (at most half a minute
        // later) saves the whole game.
        ASSERT_TRUE(disk.remount("rw"));
        for (int i = 0; i < 7 && g.game->saves.failing(); ++i) g.play();
        EXPECT_FALSE(g.game->saves.failing());
        // The opening told the trouble; the store's recovery is told once.
        EXPECT_EQ(reported.told("Progress cannot be saved"), 0);
        EXPECT_EQ(reported.told("saved again"), 1);
    }
    Started again{SqliteStore(db)};
    EXPECT_EQ(Reported::text(again.s()), reported.saves.back());
    EXPECT_GT(again.s().amountinvested, 15000);
    // Every spin's line of the history too, those of the unsaved time included.
    EXPECT_EQ(testing::gameLines(again.platform.store.plays()), again.s().games);
}

TEST(HostileStore, AFullDiskLeavesTheLastSaveThatFitAndTheGameIsSavedOnceItIsFreed) {
    SmallDisk disk("160k");
    if (!disk.mounted) GTEST_SKIP() << "no file system can be mounted here";
    const std::string db = (disk.folder / "tonvale.db").string();
    Reported reported;
    int spins = 0;
    std::string beforeFreeing;
    {
        Started g{SqliteStore(db)};
        reported.watch(*g.game);
        // Some saves that fit, then the disk filled beside the store, then play
        // until saves fail.
        for (int i = 0; i < 3; ++i) g.play();
        ASSERT_FALSE(g.game->saves.failing());
        {
            std::ofstream filler(disk.folder / "filler", std::ios::binary);
            const std::string block(4096, 'f');
            while (filler.write(block.data(), block.size()) && filler.flush()) {
            }
        }
        for (; spins < 400 && !g.game->saves.failing(); ++spins) g.play();
        EXPECT_TRUE(g.game->saves.failing());
        for (int i = 0; i < 3; ++i) g.play();
        EXPECT_FALSE(g.game->m.ended);
        EXPECT_EQ(reported.told("Progress cannot be saved now: the disk is full"), 1);
        EXPECT_EQ(reported.told("saved again"), 0);
        // Meanwhile the store holds the last save that fit.
        {
            Started meanwhile{SqliteStore(db)};
            beforeFreeing = Reported::text(meanwhile.s());
            meanwhile.game->m.ended = true;
        }
        EXPECT_NE(std::find(reported.saves.begin(), reported.saves.end(), beforeFreeing),
                  reported.saves.end())
            << beforeFreeing;
        // The disk has room again: the next try writes the whole game.
        fs::remove(disk.folder / "filler");
        for (int i = 0; i < 7 && g.game->saves.failing(); ++i) g.play();
        EXPECT_FALSE(g.game->saves.failing());
        EXPECT_EQ(reported.told("saved again"), 1);
    }
    Started again{SqliteStore(db)};
    EXPECT_TRUE(again.platform.store.problem().empty());
    EXPECT_EQ(Reported::text(again.s()), reported.saves.back());
    std::printf(
        "full disk: %d plays until a save failed; the store then held a saved record (%s); freed, it holds "
        "the last (%s)\n",
        spins, beforeFreeing.c_str(), reported.saves.back().c_str());
}

}  // namespace
}  // namespace tonvale
