// SPDX-License-Identifier: MIT
// The Qt ports: draws, timers and the end of the program; the import of the old
// settings files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <map>

#include "core/store.h"
#include "ui/qtports.h"
#include "ui/settingsimport.h"

namespace tonvale {
namespace {

TEST(QtPorts, DrawsCoverOneToNAndNothingElse) {
    // The game's port: ChaCha20 keyed from the system (core/random.h).
    QtPlatform platform;
    RandomPort& random = platform.random;
    std::array<int, 23> seen{};
    for (int i = 0; i < 20000; ++i) {
        const int v = random.draw(22);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 22);
        ++seen[static_cast<std::size_t>(v)];
    }
    for (int v = 1; v <= 22; ++v) EXPECT_GT(seen[static_cast<std::size_t>(v)], 600) << v;  // about 909 each
    EXPECT_EQ(random.draw(1), 1);
}

// The settings files of an earlier version, as it wrote them, come into the
// database exactly, once, and stay as they were.
TEST(SettingsImport, OldFilesComeThroughExactlyOnceAndStayUntouched) {
    QTemporaryDir dir;
    const QString config = dir.path() + QStringLiteral("/config");
    const QString names[] = {QStringLiteral("Ann Lee"), QStringLiteral("Zo\u00eb, \"the\" = best; #1"),
                             QStringLiteral("back\\slash/and%percent")};
    {
        for (int slot = 1; slot <= 3; ++slot) {
            const QString section = QStringLiteral("player%1/").arg(slot);
            for (const char* app : {"keys", "Tonvale"}) {
                QSettings f(config + QLatin1Char('/') + QLatin1String(app) + QStringLiteral(".conf"),
                            QSettings::IniFormat);
                f.setValue(section + QStringLiteral("bank"), QString::number(1000 * slot + 7));
                f.setValue(section + QStringLiteral("games"), QString::number(31 * slot));
                f.setValue(section + QStringLiteral("wager"), QString::number(-2 * slot));
                f.setValue(section + QStringLiteral("currentplayer"), names[slot - 1]);
                f.setValue(section + QStringLiteral("sizescreen"), QString());
            }
            QSettings pools(config + QStringLiteral("/allslot.conf"), QSettings::IniFormat);
            pools.setValue(section + QStringLiteral("grand"), QString::number(2000000 + slot));
            pools.setValue(section + QStringLiteral("minor"), QString::number(2000 + slot));
        }
        QSettings notice(config + QStringLiteral("/tonvale.conf"), QSettings::IniFormat);
        notice.setValue(QStringLiteral("notice/autoplay"), QStringLiteral("-1"));
    }
    std::map<QString, QByteArray> before;
    for (const QString& file : QDir(config).entryList(QDir::Files)) {
        QFile f(config + QLatin1Char('/') + file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        before[file] = f.readAll();
    }
    ASSERT_EQ(before.size(), 4u);

    const std::string db = (dir.path() + QStringLiteral("/data/tonvale.db")).toStdString();
    {
        SqliteStore store(db);
        ASSERT_TRUE(store.needsImport());
        EXPECT_EQ(importOldSettings(store, config), 3 * (2 * 5 + 2) + 1);
    }
    SqliteStore store(db);
    EXPECT_FALSE(store.needsImport());
    for (int slot = 1; slot <= 3; ++slot) {
        const std::string section = "player" + std::to_string(slot);
        SCOPED_TRACE(section);
        for (const char* app : {"keys", "Tonvale"}) {
            EXPECT_EQ(store.read(app, section, "bank"), std::to_string(1000 * slot + 7));
            EXPECT_EQ(store.read(app, section, "games"), std::to_string(31 * slot));
            EXPECT_EQ(store.read(app, section, "wager"), std::to_string(-2 * slot));
            EXPECT_EQ(store.read(app, section, "currentplayer"), names[slot - 1].toStdString());
        }
        EXPECT_EQ(store.read("allslot", section, "grand"), std::to_string(2000000 + slot));
        EXPECT_EQ(store.read("allslot", section, "minor"), std::to_string(2000 + slot));
    }
    EXPECT_EQ(store.read("tonvale", "notice", "autoplay"), "-1");
    // Read by the game as it read the files.
    ProgramValues v;
    readRecord(store, v, "keys", "2");  // the keys not in the files stay as they are
    EXPECT_EQ(v.bank, 2007);
    EXPECT_EQ(v.grand, 2000002);

    // Once only: what the files say later does not come in again.
    {
        QSettings f(config + QStringLiteral("/keys.conf"), QSettings::IniFormat);
        f.setValue(QStringLiteral("player1/bank"), QStringLiteral("999999"));
    }
    before[QStringLiteral("keys.conf")] = [&] {
        QFile f(config + QStringLiteral("/keys.conf"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    EXPECT_EQ(importOldSettings(store, config), 0);
    EXPECT_EQ(store.read("keys", "player1", "bank"), "1007");
    for (const auto& [file, bytes] : before) {
        QFile f(config + QLatin1Char('/') + file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), bytes) << file.toStdString();
    }
}

TEST(SettingsImport, AFileThatIsNotPlainIsPassedOverWithoutWaiting) {
    QTemporaryDir dir;
    const QString config = dir.path() + QStringLiteral("/config");
    QDir().mkpath(config);
    ASSERT_EQ(::mkfifo((config + QStringLiteral("/keys.conf")).toLocal8Bit().constData(), 0644), 0);
    {
        QSettings pools(config + QStringLiteral("/allslot.conf"), QSettings::IniFormat);
        pools.setValue(QStringLiteral("player1/grand"), QStringLiteral("2000123"));
    }
    SqliteStore store((dir.path() + QStringLiteral("/data/tonvale.db")).toStdString());
    EXPECT_EQ(importOldSettings(store, config), 1);
    EXPECT_EQ(store.read("allslot", "player1", "grand"), "2000123");
    EXPECT_EQ(store.read("keys", "player1", "bank"), "");
}

TEST(QtPorts, TimersTickWhileEnabledAndNeverAfterTheEnd) {
    QtPlatform platform;
    int ticks = 0;
    platform.timers.setTickHandler([&ticks](TimerId id) {
        if (id == TimerId::Tmrtick) ++ticks;
    });
    platform.timers.timerChanged(TimerId::Tmrtick, true, 5);
    EXPECT_TRUE(platform.timers.active(TimerId::Tmrtick));
    EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 2; }, 5000));

    platform.timers.timerChanged(TimerId::Tmrtick, false, 100);
    EXPECT_FALSE(platform.timers.active(TimerId::Tmrtick));
    EXPECT_EQ(platform.timers.interval(TimerId::Tmrtick), 100);

    platform.timers.timerChanged(TimerId::Tmrtick, true, 5);
    platform.desktop.quit();
    const int atEnd = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, atEnd);
    EXPECT_FALSE(platform.timers.active(TimerId::Tmrtick));
}

TEST(QtPorts, WaitLetsTimersRunAndSleepDoesNot) {
    QtPlatform platform;
    int ticks = 0;
    platform.timers.setTickHandler([&ticks](TimerId) { ++ticks; });
    platform.timers.timerChanged(TimerId::Timerflash, true, 1);
    platform.events.sleep(20);
    EXPECT_EQ(ticks, 0);
    platform.events.wait(40);
    EXPECT_GT(ticks, 0);
    platform.timers.stopAll();
}

TEST(QtPorts, UnknownReachabilityCountsAsConnectedOnlyWithANetworkUp) {
    using R = QNetworkInformation::Reachability;
    struct Case {
        R reachability;
        bool networkUp, connected;
    } cases[] = {
        {R::Online, true, true},    {R::Online, false, true},       {R::Unknown, true, true},
        {R::Unknown, false, false}, {R::Disconnected, true, false}, {R::Local, true, false},
        {R::Site, true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(countsAsConnected(c.reachability, c.networkUp), c.connected)
            << static_cast<int>(c.reachability) << " " << c.networkUp;
}

TEST(QtPorts, AFailedLinkSaysWhy) {
    QtDesktop desktop;
    EXPECT_FALSE(desktop.openLink("not a link"));
    EXPECT_EQ(desktop.linkFailure(), "the address is not valid");
    // No desktop here opens a made-up scheme; the reason names it.
    EXPECT_FALSE(desktop.openLink("tonvale-nosuch:thing"));
    EXPECT_NE(desktop.linkFailure().find("tonvale-nosuch"), std::string::npos) << desktop.linkFailure();
}

}  // namespace
}  // namespace tonvale
