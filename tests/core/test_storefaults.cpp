// SPDX-License-Identifier: MIT
// Faults while the store is opened or first written: an input/output error or a
// full disk at the database, its log or its shared memory, and another program
// holding the store. The game plays on, tells the real reason once, tries again
// at the next settled point and then at a pace, tells when saving works again,
// and the first save that works holds the whole game: the record and every line
// of the history played meanwhile.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/headless.h"
#include "core/powercut_vfs.h"
#include "core/store.h"
#include "game/game.h"
#include "game/startup.h"
#include "lines.h"

namespace tonvale {
namespace {

namespace fs = std::filesystem;
using testing::PowerCutVfs;

// A game on a store; its reported saves and what it told.
struct Session {
    explicit Session(SqliteStore s) : store(std::move(s)) {
        game = std::make_unique<Game>(Ports{platform.random, platform.time, platform.time, platform.time,
                                            platform.sound, store, platform.desktop});
        platform.time.setTickHandler([this](TimerId id) { game->timerTick(id); });
        game->saves.onSave = [this](const std::string&, const ProgramValues& v) { saves.push_back(v); };
        game->saves.onNotice = [this](const std::string& t) { notices.push_back(t); };
        game->startup.Form_Load();
    }
    // A credit insert and one spin (stops that start no feature), ending five
    // seconds later.
    void play() {
        ASSERT_TRUE(game->press(game->m.ui.btncredit));
        platform.random.script({4, 8, 2, 12, 16, 20});
        ASSERT_TRUE(game->press(game->m.ui.btnspin));
        platform.time.advance(5000);
    }
    int told(const std::string& words) const {
        return static_cast<int>(std::count_if(notices.begin(), notices.end(), [&](const std::string& t) {
            return t.find(words) != std::string::npos;
        }));
    }
    HeadlessPlatform platform;
    SqliteStore store;
    std::unique_ptr<Game> game;
    std::vector<ProgramValues> saves;
    std::vector<std::string> notices;
};

struct Folder {
    Folder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    fs::path path = fs::temp_directory_path() / ("tonvale-store-faults-" + std::to_string(::getpid()));
    std::string db() const { return (path / "tonvale.db").string(); }
};

// A store holding one session's saves already.
void seed(const std::string& db) {
    Session s{SqliteStore(db)};
    s.play();
    s.game->startup.xit_Click();
}

// The store after a session: the last save reported, with every line of the
// history the session played.
void expectWholeGame(const std::string& db, const std::vector<ProgramValues>& saves, int games) {
    Session again{SqliteStore(db)};
    ASSERT_FALSE(saves.empty());
    EXPECT_TRUE(sameRecord(again.game->m.s, saves.back()));
    EXPECT_EQ(again.game->m.s.games, games);
    EXPECT_EQ(again.game->m.s.amountinvested, 5000 * games);
    EXPECT_EQ(testing::gameLines(again.store.plays()), games);
}

// A fault of a moment: at the opening it is given another try there and nobody
// needs to hear of it; at the first write of a save it is told, tried again at
// the next settled point, and the recovery told.
TEST(StoreFaults, AMomentaryFaultCostsNoSave) {
    struct Fault {
        const char* label;
        const char* call;
        int code, error;
        const char* told;  // the failure the player is told (none at the opening)
    } faults[] = {
        {"a full disk at the first write of the log", "wal write", SQLITE_FULL, ENOSPC, "the disk is full"},
        {"an input/output error at the first write of the log", "wal write", SQLITE_IOERR_WRITE, EIO,
         "an input/output error"},
        {"an input/output error at the first sync of the log", "wal sync", SQLITE_IOERR_FSYNC, EIO,
         "an input/output error"},
        {"an input/output error opening the database", "db open", SQLITE_CANTOPEN, EIO, nullptr},
        {"an input/output error opening the log", "wal open", SQLITE_CANTOPEN, EIO, nullptr},
        {"an input/output error opening the shared memory", "shm open", SQLITE_IOERR_SHMOPEN, EIO, nullptr},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.label);
        PowerCutVfs vfs("tonvale-momentary-faults");
        Folder folder;
        seed(folder.db());
        vfs.failNext(f.call, f.code, f.error);
        std::vector<ProgramValues> saves;
        {
            Session s{SqliteStore(folder.db(), vfs.name())};
            EXPECT_EQ(s.store.state(), SqliteStore::State::file);
            EXPECT_EQ(s.store.problem(), "");
            for (int i = 0; i < 6; ++i) s.play();
            EXPECT_EQ(vfs.failed(), 1);
            EXPECT_FALSE(s.game->saves.failing());
            if (f.told) {
                EXPECT_EQ(s.told("Progress cannot be saved now: " + std::string(f.told)), 1);
                EXPECT_EQ(s.told("saved again"), 1);
                EXPECT_EQ(s.notices.size(), 2u);
            } else {
                EXPECT_EQ(s.notices.size(), 0u);
            }
            saves = s.saves;
            s.game->m.ended = true;
        }
        expectWholeGame(folder.db(), saves, 7);
    }
}

// A fault that lasts: the store is read as far as it can be, the player is told
// the reason once (by the opening, or by the first save), the game plays on, and
// once the fault is gone the next try saves the whole game and says so.
TEST(StoreFaults, ALastingFaultIsToldOnceAndTheWholeGameSavedWhenItClears) {
    struct Fault {
        const char* label;
        const char* call;
        int code, error;
        const char* reason;
        bool atOpening;
    } faults[] = {
        {"a full disk", "wal write", SQLITE_FULL, ENOSPC, "the disk is full", false},
        {"an input/output error writing the log", "wal write", SQLITE_IOERR_WRITE, EIO,
         "an input/output error", false},
        {"the log cannot be opened", "wal open", SQLITE_CANTOPEN, EIO, "an input/output error", true},
        {"the shared memory cannot be opened", "shm open", SQLITE_IOERR_SHMOPEN, EIO, "an input/output error",
         true},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.label);
        PowerCutVfs vfs("tonvale-lasting-faults");
        Folder folder;
        seed(folder.db());
        vfs.failNext(f.call, f.code, f.error, 1000000);
        std::vector<ProgramValues> saves;
        {
            Session s{SqliteStore(folder.db(), vfs.name())};
            EXPECT_EQ(s.store.state(),
                      f.atOpening ? SqliteStore::State::unwritable : SqliteStore::State::file);
            if (f.atOpening) {
                EXPECT_NE(s.store.problem().find(f.reason), std::string::npos) << s.store.problem();
            }
            EXPECT_EQ(s.game->m.s.amountinvested, 5000) << "what the store held is read";
            for (int i = 0; i < 4; ++i) s.play();
            EXPECT_TRUE(s.game->saves.failing());
            EXPECT_EQ(s.told("Progress cannot be saved now: " + std::string(f.reason)), f.atOpening ? 0 : 1);
            // The fault clears; within half a minute the game is saved whole.
            vfs.failNext(f.call, 0, 0, 0);
            for (int i = 0; i < 7 && s.game->saves.failing(); ++i) s.play();
            EXPECT_FALSE(s.game->saves.failing());
            EXPECT_EQ(s.told("saved again"), 1);
            EXPECT_EQ(s.notices.size(), f.atOpening ? 1u : 2u);
            saves = s.saves;
            s.game->m.ended = true;
        }
        ASSERT_FALSE(saves.empty());
        expectWholeGame(folder.db(), saves, saves.back().games);
    }
}

// What cannot even be read is never written over: the game plays unsaved.
TEST(StoreFaults, AStoreThatCannotBeReadIsNeverWrittenOver) {
    PowerCutVfs vfs("tonvale-unreadable");
    Folder folder;
    seed(folder.db());
    const auto size = fs::file_size(folder.db());
    vfs.failNext("db open", SQLITE_CANTOPEN, EIO, 1000000);
    {
        SqliteStore store(folder.db(), vfs.name());
        EXPECT_EQ(store.state(), SqliteStore::State::refused);
        EXPECT_NE(store.problem().find("cannot be read"), std::string::npos) << store.problem();
        Session s(std::move(store));
        for (int i = 0; i < 3; ++i) s.play();
        vfs.failNext("db open", 0, 0, 0);
        for (int i = 0; i < 7; ++i) s.play();
        EXPECT_TRUE(s.game->saves.failing());
        s.game->startup.xit_Click();
    }
    EXPECT_EQ(fs::file_size(folder.db()), size);
    Session again{SqliteStore(folder.db())};
    EXPECT_EQ(again.game->m.s.amountinvested, 5000);
}

TEST(StoreFaults, AStoreAnotherProgramHoldsIsSavedOnceItLetsGo) {
    Folder folder;
    seed(folder.db());
    // Another program writes in the store and keeps its transaction open.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(folder.db().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; UPDATE meta SET value = value WHERE key = 'schema';",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::vector<ProgramValues> saves;
    {
        Session s{SqliteStore(folder.db())};
        EXPECT_EQ(s.store.state(), SqliteStore::State::file) << "a store being written can still be read";
        EXPECT_EQ(s.game->m.s.amountinvested, 5000);
        s.play();
        EXPECT_TRUE(s.game->saves.failing());
        EXPECT_EQ(s.told("Progress cannot be saved now: another program is using them"), 1);
        ASSERT_EQ(sqlite3_exec(other, "COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);
        for (int i = 0; i < 3; ++i) s.play();
        EXPECT_FALSE(s.game->saves.failing());
        EXPECT_EQ(s.told("saved again"), 1);
        EXPECT_EQ(s.notices.size(), 2u);
        saves = s.saves;
        s.game->m.ended = true;
    }
    sqlite3_close(other);
    Session again{SqliteStore(folder.db())};
    EXPECT_TRUE(sameRecord(again.game->m.s, saves.back()));
    EXPECT_EQ(again.game->m.s.games, 5);
    EXPECT_EQ(testing::gameLines(again.store.plays()), 5);
}

// A store that never takes a save: it is tried at the next settled point, then
// after 1, 2, 4, 8 and 16 seconds, then every half minute; never at every tick.
TEST(StoreFaults, ASaveThatFailsIsTriedAgainAtAPaceNotAtEveryTick) {
    class FullDisk : public SqliteStore {
    public:
        bool flush() override {
            tries.push_back(now ? now() : 0);
            return false;
        }
        // Full from the first save on.
        std::string failure() const override { return tries.empty() ? "" : "the disk is full"; }
        std::function<std::int64_t()> now;
        std::vector<std::int64_t> tries;
    };
    HeadlessPlatform platform;
    FullDisk store;
    store.now = [&platform] { return platform.time.nowMs(); };
    Game game(Ports{platform.random, platform.time, platform.time, platform.time, platform.sound, store,
                    platform.desktop});
    platform.time.setTickHandler([&game](TimerId id) { game.timerTick(id); });
    std::vector<std::string> notices;
    game.saves.onNotice = [&](const std::string& t) { notices.push_back(t); };
    game.startup.Form_Load();
    ASSERT_TRUE(game.press(game.m.ui.btncredit));
    const std::int64_t failedAt = platform.time.nowMs();
    // Two minutes of the heartbeat ticking ten times a second.
    platform.time.advance(120000);
    ASSERT_GE(store.tries.size(), 2u);
    std::vector<std::int64_t> gaps;
    for (std::size_t i = 1; i < store.tries.size(); ++i) gaps.push_back(store.tries[i] - store.tries[i - 1]);
    // The first try again comes with the next settled point, a tick later.
    EXPECT_LE(store.tries[1] - failedAt, 100);
    const std::vector<std::int64_t> wanted = {1000, 2000, 4000, 8000, 16000, 30000, 30000};
    for (std::size_t i = 1; i < gaps.size() && i - 1 < wanted.size(); ++i) {
        EXPECT_GE(gaps[i], wanted[i - 1]) << i;
        EXPECT_LE(gaps[i], wanted[i - 1] + 100) << i;
    }
    EXPECT_LE(store.tries.size(), 10u);
    EXPECT_EQ(notices.size(), 1u);
}

// Autoplay switched on saves its notice's flag. While the game's saves wait for
// their next try after a fault, a flush of its own would make the history lines
// played meanwhile durable without the record that counts them: the store must
// keep lines and record together.
TEST(StoreFaults, AutoplaySwitchedOnWhileSavesWaitKeepsTheLinesWithTheirRecord) {
    class Flaky : public SqliteStore {
    public:
        using SqliteStore::SqliteStore;
        bool flush() override {
            if (!full) return SqliteStore::flush();
            tries.push_back(now());
            return false;
        }
        std::string failure() const override { return full ? "the disk is full" : SqliteStore::failure(); }
        bool full = false;
        std::function<std::int64_t()> now;
        std::vector<std::int64_t> tries;
    };
    Folder folder;
    HeadlessPlatform platform;
    Flaky store(folder.db());
    store.now = [&platform] { return platform.time.nowMs(); };
    Game game(Ports{platform.random, platform.time, platform.time, platform.time, platform.sound, store,
                    platform.desktop});
    platform.time.setTickHandler([&game](TimerId id) { game.timerTick(id); });
    game.startup.Form_Load();
    ASSERT_TRUE(game.press(game.m.ui.btncredit));
    const auto spin = [&] {
        platform.random.script({4, 8, 2, 12, 16, 20});
        ASSERT_TRUE(game.press(game.m.ui.btnspin));
        platform.time.advance(5000);
    };
    store.full = true;
    // Until the game tries again only every eight seconds or more; then one spin more.
    for (int i = 0; i < 10 && (store.tries.size() < 2 || store.tries.back() - store.tries.end()[-2] < 8000);
         ++i)
        spin();
    spin();
    ASSERT_TRUE(game.saves.failing());
    store.full = false;  // room again; the game's next try is still some seconds away
    ASSERT_LT(platform.time.nowMs(), store.tries.back() + 16000);
    ASSERT_TRUE(game.press(game.m.ui.autoplayon));

    // What another start would read now.
    SqliteStore again(folder.db());
    ProgramValues record;
    readRecord(again, record, kMainApp, "1");
    EXPECT_EQ(testing::gameLines(again.plays()), record.games);
}

}  // namespace
}  // namespace tonvale
