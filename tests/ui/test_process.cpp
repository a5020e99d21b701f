// SPDX-License-Identifier: MIT
// The game as a process: killed at random moments, or right after it reported a
// save, it leaves a store holding the last or the previous save, all applications
// together, a history line for every paid game that the audit finds right, and a
// series it was killed in goes on at the next start, to its last spin over as many
// kills as fall in it; stop signals close it as its
// close box does; a second start brings the running game to the front and ends, but
// no lock left behind stops a start; a broken store is told once.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "cli/audit.h"
#include "core/database.h"
#include "core/store.h"
#include "savereports.h"
#include "ui/frontdoor.h"
#include "ui/lifecycle.h"

namespace tonvale {
namespace {

using testing::Record;

int fromEnvironment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

struct GameHome {
    GameHome() {
        QDir().mkpath(dir.path() + QStringLiteral("/run"));
        QFile::setPermissions(dir.path() + QStringLiteral("/run"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir().mkpath(folder());
    }
    QString folder() const { return dir.path() + QStringLiteral("/data/Tonvale"); }
    std::string db() const { return (folder() + QStringLiteral("/tonvale.db")).toStdString(); }
    QString lock() const { return folder() + QStringLiteral("/tonvale.lock"); }

    void start(QProcess& p, const QStringList& args) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path() + QStringLiteral("/run"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        p.setProcessEnvironment(env);
        // A campaign may run a copy of the game, so that a build meanwhile does not change it.
        const char* game = std::getenv("TONVALE_GAME");
        p.start(QString::fromLocal8Bit(game && *game ? game : TONVALE_GAME), args);
        ASSERT_TRUE(p.waitForStarted(10000));
    }

    // Slot 1's record as the next start reads it.
    bool read(Record& out) const { return testing::storedRecord(db(), out); }

    // True while a running game holds the lock.
    bool lockHeld() const {
        const int fd =
            ::open(lock().toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) return false;
        const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        ::close(fd);
        return held;
    }
    bool waitForLock() const {
        for (int i = 0; i < 400; ++i) {
            if (lockHeld()) return true;
            ::usleep(25000);
        }
        return false;
    }

    QTemporaryDir dir;
};

// The saves a process reported on its standard output.
std::vector<Record> reportedSaves(const QByteArray& output) {
    return testing::reportedSaves(output.toStdString());
}

struct KillCounts {
    int kills = 0, saves = 0, withoutSave = 0, onLast = 0, onPrevious = 0, mixed = 0;
    int auditDifferences = 0, linesNotGames = 0, seriesLeftOpen = 0, seriesResumed = 0, otherResumed = 0;
    int freeSpinsShown = 0;  // reel runs of free spins the runs showed
    // The game a kill left open, which the next start must resume: "series 7".
    std::string open;
};

// What a store's history says after a kill: every paid game has its line (an open
// series has not charged its stake yet), the audit finds nothing, and which game
// goes on at the next start.
void checkHistory(GameHome& home, KillCounts& n) {
    std::string error;
    const std::optional<StoreSnapshot> store = readStore(home.db(), error);
    ASSERT_TRUE(store) << error;
    const AuditReport audit = auditStore(*store, 1);
    for (const PlayerAudit& p : audit.players)
        for (const std::string& d : p.differences) ADD_FAILURE() << "audit: " << d;
    n.auditDifferences += static_cast<int>(audit.differences());
    std::int64_t lines = 0;
    const Play* newest = nullptr;
    for (const Play& p : store->plays) {
        if (p.player != 1) continue;
        newest = &p;
        if (p.kind == LineKind::spin) ++lines;
    }
    Record record;
    ASSERT_TRUE(home.read(record));
    std::int64_t games = record["games"].empty() ? 0 : std::stoll(record["games"]);
    n.open.clear();
    if (newest && newest->kind == LineKind::spin && newest->phase != Phase::ended &&
        newest->phase != Phase::offer) {
        const int left = newest->freespins - static_cast<int>(newest->spins.size());
        if (newest->phase == Phase::series) {
            ++n.seriesLeftOpen;
            n.open = "series\t" + std::to_string(left);
            if (left > 0) ++games;  // its stake is charged on its last spin
        } else {
            n.open = std::string(phaseName(newest->phase));
        }
    }
    if (lines != games) ++n.linesNotGames;
    EXPECT_EQ(lines, games) << "history lines against the record's games";
}

// The game the last kill left open comes back first thing in the next run.
void checkResumed(const QByteArray& out, KillCounts& n) {
    if (n.open.empty()) return;
    const QByteArray wanted = QByteArray("resume\tplayer1\t") + n.open.c_str();
    const bool started = out.contains("save\t");
    if (out.contains(wanted)) {
        ++(n.open.rfind("series", 0) == 0 ? n.seriesResumed : n.otherResumed);
    } else if (started && n.open.rfind("series", 0) == 0) {
        ADD_FAILURE() << "the series left open (" << n.open << " free spins left) did not go on";
    }
}

// One run killed by `kill`; checks the store against the saves the run reported.
void killedRun(GameHome& home, Record& before, KillCounts& n, const std::function<void(QProcess&)>& kill) {
    QProcess game;
    home.start(game, {QStringLiteral("--demo"), QStringLiteral("--report-saves")});
    kill(game);
    ASSERT_TRUE(game.waitForFinished(10000));
    const QByteArray out = game.readAllStandardOutput();
    checkResumed(out, n);
    n.freeSpinsShown += static_cast<int>(out.count("reels\tplayer1\tfree\t"));

    const std::vector<Record> reported = reportedSaves(out);
    n.saves += static_cast<int>(reported.size());
    if (reported.empty()) ++n.withoutSave;
    const Record& last = reported.empty() ? before : reported.back();
    const Record& previous = reported.size() > 1 ? reported[reported.size() - 2] : before;

    Record stored;
    ++n.kills;
    EXPECT_TRUE(home.read(stored)) << "the store did not open cleanly, or its two player copies differ";
    if (stored == last)
        ++n.onLast;
    else if (stored == previous)
        ++n.onPrevious;
    else
        ++n.mixed;
    EXPECT_TRUE(stored == last || stored == previous) << "the store holds neither of the last two saves";
    before = stored;
    checkHistory(home, n);
}

TEST(GameProcess, KilledAtRandomMomentsTheStoreHoldsTheLastOrThePreviousSave) {
    GameHome home;
    std::mt19937 random(20240611);
    // From the start: some kills come before the first save, some during one,
    // most in the middle of a spin.
    std::uniform_int_distribution<int> delayMs(0, 1400);
    const int kills = fromEnvironment("TONVALE_KILLS", 40);
    Record before;
    KillCounts n;
    for (int kill = 0; kill < kills && !::testing::Test::HasFatalFailure(); ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill + 1));
        killedRun(home, before, n, [&](QProcess& game) {
            game.waitForFinished(delayMs(random));
            ASSERT_EQ(game.state(), QProcess::Running) << game.readAllStandardError().toStdString();
            game.kill();
        });
    }
    EXPECT_EQ(n.mixed, 0);
    EXPECT_EQ(n.auditDifferences, 0);
    EXPECT_EQ(n.linesNotGames, 0);
    std::printf(
        "%d kills at random moments, %d saves reported, %d runs killed before their first save: %d stores on "
        "the last save, %d on the previous, %d mixed; history lines = games after every kill but %d; audit "
        "differences %d; %d kills left a series open, %d series resumed, %d other games resumed\n",
        n.kills, n.saves, n.withoutSave, n.onLast, n.onPrevious, n.mixed, n.linesNotGames, n.auditDifferences,
        n.seriesLeftOpen, n.seriesResumed, n.otherResumed);
}

TEST(GameProcess, KilledRightAfterAReportedSaveTheStoreHoldsThatSaveOrThePrevious) {
    GameHome home;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> nth(1, 6);
    const int kills = fromEnvironment("TONVALE_SAVE_KILLS", 10);
    Record before;
    KillCounts n;
    for (int kill = 0; kill < kills && !::testing::Test::HasFatalFailure(); ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill + 1));
        killedRun(home, before, n, [&](QProcess& game) {
            // The report comes before the save's writes: the kill lands in them or
            // just after them.
            const auto wanted = static_cast<std::size_t>(nth(random));
            while (game.state() == QProcess::Running && reportedSaves(game.peek(1 << 22)).size() < wanted)
                if (!game.waitForReadyRead(10000)) break;
            game.kill();
        });
    }
    EXPECT_EQ(n.mixed, 0);
    std::printf(
        "%d kills right after a reported save: %d stores on the last save, %d on the previous, %d mixed\n",
        n.kills, n.onLast, n.onPrevious, n.mixed);
}

// Slot 1 of the store wins a series of ten free spins and plays two seconds of
// it, by the scenario runner on the store file, as a game killed then would. A
// series already played to its last spin is taken first (the demo never presses
// TAKE WIN), so that the kills fall in series with spins left.
void seriesLeftOpen(const GameHome& home, bool takeFirst) {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("series.scn"));
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    if (takeFirst) f.write("press takewin\nexpect freespinsawarded 0\n");
    f.write(
        "press btncredit\nset machinepay 1\ndraws 1 1 2 6 1 1\npress btnspin\n"
        "expect freespinsawarded 11\nadvance 2000\n");
    f.close();
    QProcess cli;
    const char* path = std::getenv("TONVALE_CLI");
    cli.start(QString::fromLocal8Bit(path && *path ? path : TONVALE_CLI),
              {QStringLiteral("play"), QStringLiteral("--store"), QString::fromStdString(home.db()), script});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardOutput().toStdString()
                                 << cli.readAllStandardError().toStdString();
}

// The free spins left in slot 1's open series (its newest line), 0 when it has
// played them all; none when no series is open.
std::optional<int> seriesSpinsLeft(const GameHome& home) {
    std::string error;
    const std::optional<StoreSnapshot> store = readStore(home.db(), error);
    const Play* newest = nullptr;
    if (store)
        for (const Play& p : store->plays)
            if (p.player == 1) newest = &p;
    if (!newest || newest->kind != LineKind::spin || newest->phase != Phase::series) return std::nullopt;
    return newest->freespins - static_cast<int>(newest->spins.size());
}

int freeReelRuns(const QByteArray& out) { return static_cast<int>(out.count("reels\tplayer1\tfree\t")); }

// Waits until the running game's output so far satisfies `done` (or ten seconds
// pass without output).
void waitForOutput(QProcess& game, const std::function<bool(const QByteArray&)>& done) {
    while (game.state() == QProcess::Running && !done(game.peek(1 << 22)))
        if (!game.waitForReadyRead(10000)) break;
}

TEST(GameProcess, KilledInsideAFreeSpinSeriesTheSeriesGoesOnToItsEnd) {
    GameHome home;
    std::mt19937 random(31);
    // Into the next free spin: a losing one shows its reels some 650 ms after the
    // one before, a winning one up to some 3.5 s.
    std::uniform_int_distribution<int> delayMs(0, 1500);
    const int kills = fromEnvironment("TONVALE_SERIES_KILLS", 6);
    Record before;
    KillCounts n;
    int series = 0, killsInSeries = 0, killsWithSpinsLeft = 0;
    for (int kill = 0; kill < kills && !::testing::Test::HasFatalFailure(); ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill + 1));
        std::optional<int> left = seriesSpinsLeft(home);
        if (!left || *left == 0) {
            seriesLeftOpen(home, left.has_value());
            left = seriesSpinsLeft(home);
            ASSERT_TRUE(left && *left > 0);
            ASSERT_TRUE(home.read(before));
            n.open = "series\t" + std::to_string(*left);  // the next start resumes it
            ++series;
        }
        // A random moment within the spins left: the series resumed, some of them
        // shown, then a moment into the next one.
        const int shown = std::uniform_int_distribution<int>(0, *left - 1)(random);
        const int leftOpenBefore = n.seriesLeftOpen;
        killedRun(home, before, n, [&](QProcess& game) {
            waitForOutput(game, [shown](const QByteArray& out) {
                return out.contains("resume\tplayer1\tseries\t") && freeReelRuns(out) >= shown;
            });
            game.waitForFinished(delayMs(random));
            ASSERT_EQ(game.state(), QProcess::Running) << game.readAllStandardError().toStdString();
            game.kill();
        });
        killsInSeries += n.seriesLeftOpen - leftOpenBefore;
        const std::optional<int> after = seriesSpinsLeft(home);
        if (after && *after > 0) ++killsWithSpinsLeft;
    }
    // The last series left with spins plays them to its end, and the game is closed.
    // A series may win more free spins as it goes (the demo's draws are the
    // game's own), so a close that still finds spins left is followed by
    // another start, which goes on with them.
    int closesWithSpinsLeft = 0;
    for (int start = 0; start < 8 && !HasFatalFailure(); ++start) {
        const std::optional<int> left = seriesSpinsLeft(home);
        if (!left || *left == 0) break;
        SCOPED_TRACE("start to the end " + std::to_string(start + 1) + ", " + std::to_string(*left) +
                     " left");
        if (start > 0) ++closesWithSpinsLeft;
        QProcess game;
        home.start(game, {QStringLiteral("--demo"), QStringLiteral("--report-saves")});
        waitForOutput(game, [&left](const QByteArray& out) { return freeReelRuns(out) >= *left; });
        game.waitForFinished(1000);  // its settled point
        ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
        ASSERT_TRUE(game.waitForFinished(10000));
        const QByteArray out = game.readAllStandardOutput();
        checkResumed(out, n);
        n.freeSpinsShown += freeReelRuns(out);
        checkHistory(home, n);  // and what the close left open for the next start
    }
    EXPECT_EQ(seriesSpinsLeft(home), std::optional<int>(0));
    // The series played to their end over the restarts: every spin awarded, one line each.
    std::string error;
    const std::optional<StoreSnapshot> store = readStore(home.db(), error);
    ASSERT_TRUE(store) << error;
    int finished = 0, restored = 0;
    for (const Play& p : store->plays) {
        if (p.player != 1 || p.kind != LineKind::spin || p.freespins == 0) continue;
        restored += p.restored;
        if (static_cast<int>(p.spins.size()) == p.freespins) ++finished;
    }
    EXPECT_EQ(n.mixed, 0);
    EXPECT_EQ(n.auditDifferences, 0);
    EXPECT_EQ(n.linesNotGames, 0);
    EXPECT_EQ(finished, series);
    // Every start went on with the spins left: after a kill that left some, or
    // after a series was prepared.
    EXPECT_GT(killsWithSpinsLeft, 0);
    EXPECT_EQ(n.seriesResumed, killsWithSpinsLeft + series + closesWithSpinsLeft);
    std::printf(
        "%d kills in %d series: %d left a series open, %d with free spins left, %d series resumed (%d "
        "restorations on their lines), %d free spins shown after a restart, %d series played to their last "
        "spin; %d stores on the last save, %d on the previous, %d mixed; audit differences %d; history lines "
        "= games after every kill but %d\n",
        n.kills, series, killsInSeries, killsWithSpinsLeft, n.seriesResumed, restored, n.freeSpinsShown,
        finished, n.onLast, n.onPrevious, n.mixed, n.auditDifferences, n.linesNotGames);
}

TEST(GameProcess, StopSignalsCloseAsTheCloseBoxAndASecondStartBringsTheGameToTheFront) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        GameHome home;
        {
            SqliteStore store(home.db());
            store.write("allslot", "player2", "grand", "260000");
            store.write("tonvale", "notice", "autoplay", "-1");
            store.write("keys", "player1", "bank", "4321");
            store.write("Tonvale", "player1", "bank", "4321");
        }

        QProcess game;
        home.start(game, {});
        ASSERT_TRUE(home.waitForLock());

        // A second start brings the running game to the front and ends.
        QProcess second;
        home.start(second, {});
        ASSERT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_TRUE(second.readAllStandardError().contains("Tonvale is already running"));
        EXPECT_EQ(game.state(), QProcess::Running);

        ASSERT_EQ(::kill(static_cast<pid_t>(game.processId()), signal), 0);
        ASSERT_TRUE(game.waitForFinished(20000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), 0);

        // The close saved slot 1 as the reading rules left it.
        Record saved;
        ASSERT_TRUE(home.read(saved));
        EXPECT_EQ(saved["bank"], "4321");
        EXPECT_EQ(saved["machinepay"], "3");
        EXPECT_EQ(saved["reelspeed"], "1");
        EXPECT_EQ(saved["grand"], "0");
        SqliteStore store(home.db());
        EXPECT_EQ(store.read("allslot", "player2", "grand"), "260000");
        EXPECT_EQ(store.read("tonvale", "notice", "autoplay"), "-1");
        EXPECT_FALSE(home.lockHeld());
    }
}

TEST(GameProcess, NoLockLeftBehindStopsAStart) {
    struct Left {
        const char* label;
        std::function<void(const QString& lock)> make;
    };
    const Left cases[] = {
        {"an empty lock",
         [](const QString& l) {
             QFile f(l);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         }},
        {"garbage",
         [](const QString& l) {
             QFile f(l);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("\xff\x00garbage\n", 10);
         }},
        {"a dead process's number",
         [](const QString& l) {
             QFile f(l);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("999999\nhost\ntonvale\n");
         }},
        {"an unreadable lock",
         [](const QString& l) {
             QFile f(l);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.setPermissions(QFileDevice::Permissions());
         }},
    };
    for (const Left& c : cases) {
        SCOPED_TRACE(c.label);
        GameHome home;
        c.make(home.lock());
        QProcess game;
        home.start(game, {});
        // Running and playing: it saved its first record and still runs.
        game.waitForFinished(2500);
        EXPECT_EQ(game.state(), QProcess::Running) << game.readAllStandardError().toStdString();
        ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
        ASSERT_TRUE(game.waitForFinished(20000));
        EXPECT_EQ(game.exitCode(), 0);
        Record saved;
        EXPECT_TRUE(home.read(saved));
        EXPECT_EQ(saved["machinepay"], "3");
    }
}

// The game never runs without its lock: where none can be had, it does not start,
// says why, and touches neither the thing in the way nor the store.
TEST(GameProcess, ALockPathThatHoldsNoLockStopsTheStartWithItsReason) {
    struct InTheWay {
        const char* label;
        std::function<void(const QString& lock)> make;
        const char* reason;
    } cases[] = {
        {"a pipe", [](const QString& l) { ASSERT_EQ(::mkfifo(l.toLocal8Bit().constData(), 0644), 0); },
         "is not a plain file"},
        {"a folder", [](const QString& l) { ASSERT_TRUE(QDir().mkpath(l)); }, "is a folder"},
        {"a link", [](const QString& l) { ASSERT_TRUE(QFile::link(l + QStringLiteral(".elsewhere"), l)); },
         "is a link"},
    };
    for (const InTheWay& c : cases) {
        SCOPED_TRACE(c.label);
        GameHome home;
        c.make(home.lock());
        QFileInfo before(home.lock());
        QProcess game;
        home.start(game, {QStringLiteral("--demo")});
        ASSERT_TRUE(game.waitForFinished(20000));
        EXPECT_EQ(game.exitCode(), 1);
        const std::string err = game.readAllStandardError().toStdString();
        EXPECT_NE(err.find("Tonvale cannot start: " + home.lock().toStdString()), std::string::npos) << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(home.db()))) << "the game ran";
        QFileInfo after(home.lock());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_FALSE(QFileInfo::exists(home.lock() + QStringLiteral(".elsewhere")));
    }
}

TEST(GameProcess, TwoStartsAtTheSameInstantLeaveOneGame) {
    GameHome home;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        QProcess a, b;
        home.start(a, {});
        home.start(b, {});
        // The one turned away ends within seconds; the other plays on.
        a.waitForFinished(8000);
        b.waitForFinished(a.state() == QProcess::Running ? 8000 : 1500);
        const int running = (a.state() == QProcess::Running) + (b.state() == QProcess::Running);
        EXPECT_EQ(running, 1);
        for (QProcess* p : {&a, &b}) {
            if (p->state() != QProcess::Running) {
                EXPECT_EQ(p->exitCode(), 0);  // it brought the other to the front
                continue;
            }
            ::kill(static_cast<pid_t>(p->processId()), SIGTERM);
            EXPECT_TRUE(p->waitForFinished(20000));
        }
    }
}

// A second start knocks at the running game's door, which brings the game to the
// front, and ends; when no game answers (the lock held, but no door) it says that
// the game runs, as before.
TEST(GameProcess, ASecondStartBringsTheRunningGameToTheFront) {
    GameHome home;
    const SingleInstance running(home.folder());
    ASSERT_TRUE(running.acquired());
    QProcess second;
    {
        int knocks = 0;
        const FrontDoor door(home.folder(), [&knocks] { ++knocks; });
        ASSERT_TRUE(door.open());
        home.start(second, {});
        ASSERT_TRUE(QTest::qWaitFor([&second] { return second.state() == QProcess::NotRunning; }, 20000));
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(knocks, 1);
        EXPECT_TRUE(second.readAllStandardError().contains("its window was brought to the front"));
    }
    home.start(second, {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("Tonvale is already running."));
}

// A file that is not the game's at the store's path is left as it is; the game
// says so once and plays unsaved. A store of the game's own that is broken is
// moved aside and a new one started.
TEST(GameProcess, AForeignFileIsLeftAloneAndABrokenStoreMovedAsideEachToldOnce) {
    struct Case {
        const char* label;
        std::function<void(const std::string& db)> make;
        const char* told;
        bool movedAside;
    } cases[] = {
        {"garbage",
         [](const std::string& db) {
             QFile f(QString::fromStdString(db));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(QByteArray(5000, '\x7f'));
         },
         "is not Tonvale's saved games", false},
        {"a store of the game's with a table of another shape",
         [](const std::string& db) {
             {
                 SqliteStore store(db);
                 store.write("keys", "player1", "bank", "1");
             }
             ASSERT_EQ(
                 std::system(("sqlite3 '" + db + "' 'DROP TABLE plays; CREATE TABLE plays(x);'").c_str()), 0);
         },
         "could not be read", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        GameHome home;
        c.make(home.db());
        QFile original(QString::fromStdString(home.db()));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        original.close();
        QProcess game;
        home.start(game, {QStringLiteral("--demo")});
        game.waitForFinished(2500);
        ASSERT_EQ(game.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
        ASSERT_TRUE(game.waitForFinished(20000));
        const QString err = QString::fromUtf8(game.readAllStandardError());
        EXPECT_EQ(err.count(QString::fromUtf8(c.told)), 1) << err.toStdString();
        const QStringList aside = QDir(home.folder()).entryList({QStringLiteral("tonvale.db.broken-*")});
        if (!c.movedAside) {
            EXPECT_TRUE(aside.isEmpty());
            QFile kept(QString::fromStdString(home.db()));
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), bytes);
            continue;
        }
        ASSERT_EQ(aside.size(), 1);
        QFile kept(home.folder() + QLatin1Char('/') + aside.front());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes);
        // The new store holds what the game played.
        Record saved;
        ASSERT_TRUE(home.read(saved));
        EXPECT_NE(saved["amountinvested"], "0");
    }
}

// The save reports keep a name whole, whatever bytes it holds.
TEST(GameProcess, ReportedSavesKeepANameWithControlCharactersWhole) {
    GameHome home;
    static constexpr char kName[] = "nul\0tab\tline\nend\x01";
    const std::string name(kName, sizeof kName - 1);
    {
        SqliteStore store(home.db());
        store.write("keys", "player1", "currentplayer", name);
    }
    QProcess game;
    home.start(game, {QStringLiteral("--demo"), QStringLiteral("--report-saves")});
    while (game.state() == QProcess::Running && reportedSaves(game.peek(1 << 20)).empty())
        if (!game.waitForReadyRead(10000)) break;
    ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    ASSERT_TRUE(game.waitForFinished(20000));
    const QByteArray out = game.readAllStandardOutput();
    EXPECT_FALSE(out.contains('\0'));
    const std::vector<Record> saves = reportedSaves(out);
    ASSERT_FALSE(saves.empty());
    for (const Record& r : saves) EXPECT_EQ(r.at("currentplayer"), name);
}

}  // namespace
}  // namespace tonvale
