// The Qt ports: draws, the store, timers and the end of the program.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTest>
#include <array>

#include "ui/qtports.h"

namespace tonvale {
namespace {

TEST(QtPorts, DrawsCoverOneToNAndNothingElse) {
    QtRandom random;
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

TEST(QtPorts, StoreKeepsTextPerApplicationAcrossInstances) {
    for (const char* app : {"keys", "tonvale", "Tonvale"}) {
        QSettings files(QCoreApplication::organizationName(), QString::fromLatin1(app));
        files.clear();
    }
    {
        QtStore store;
        EXPECT_EQ(store.read("keys", "player3", "bank"), "");
        EXPECT_TRUE(store.write("keys", "player3", "bank", "12345"));
        EXPECT_TRUE(store.write("tonvale", "notice", "autoplay", "-1"));
        EXPECT_TRUE(store.write("Tonvale", "player3", "bank", "7"));
    }
    QtStore again;
    EXPECT_EQ(again.read("keys", "player3", "bank"), "12345");
    EXPECT_EQ(again.read("tonvale", "notice", "autoplay"), "-1");
    EXPECT_EQ(again.read("Tonvale", "player3", "bank"), "7");  // its own file
    EXPECT_EQ(again.read("keys", "player4", "bank"), "");
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
