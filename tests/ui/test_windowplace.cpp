// SPDX-License-Identifier: MIT
// The main window opens where it was when the game last ended: its place, its
// size, maximised or full screen, kept in the user's store.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "game/startup.h"
#include "ui/windowplace.h"
#include "ui/windowrig.h"

namespace tonvale::testing {
namespace {

TEST(WindowPlace, ThePlaceIsKeptInTheStoreAndABadOneIsNotTaken) {
    SqliteStore store;
    EXPECT_FALSE(readWindowPlace(store).has_value());
    for (const auto state :
         {WindowPlace::State::normal, WindowPlace::State::maximized, WindowPlace::State::fullScreen}) {
        const WindowPlace place{QRect(-40, 25, 900, 640), state};
        writeWindowPlace(store, place);
        EXPECT_EQ(readWindowPlace(store), place);
    }
    EXPECT_EQ(store.read("tonvale", "window", "left"), "-40");
    EXPECT_EQ(store.read("tonvale", "window", "state"), "fullscreen");
    // A state the game does not know reads as a normal window; a size that is not a
    // size, or a missing number, as no place at all.
    store.write("tonvale", "window", "state", "rolled up");
    EXPECT_EQ(readWindowPlace(store)->state, WindowPlace::State::normal);
    for (const char* bad : {"0", "-5", "wide", ""}) {
        SqliteStore s;
        writeWindowPlace(s, WindowPlace{QRect(10, 10, 800, 600), WindowPlace::State::normal});
        s.write("tonvale", "window", "width", bad);
        EXPECT_FALSE(readWindowPlace(s).has_value()) << bad;
    }
    // It is the user's, not a player's: no player record holds it.
    for (const char* app : {"keys", "Tonvale"})
        for (int slot = 1; slot <= 6; ++slot)
            EXPECT_EQ(store.read(app, "player" + std::to_string(slot), "left"), "");
}

TEST(WindowPlace, APlaceIsTakenOnlyWhereAScreenShowsTheWindowsTop) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    struct Case {
        QRect place;
        bool shows;
    } cases[] = {
        {QRect(100, 100, 821, 589), true},   {QRect(2000, 50, 821, 589), true},  // on the second screen
        {QRect(1800, 300, 821, 589), true},                                      // across both
        {QRect(-700, 200, 821, 589), true},   // mostly off the left edge, enough to hold
        {QRect(-780, 200, 821, 589), false},  // 41 pixels left to hold
        {QRect(500, -300, 821, 589), false},  // its title bar above the screens
        {QRect(500, 1050, 821, 589), false},  // below them
        {QRect(3300, 100, 821, 589), false},  // where a third screen was
    };
    for (const Case& c : cases)
        EXPECT_EQ(placeShows(c.place, screens), c.shows) << c.place.x() << "," << c.place.y();
}

TEST(WindowPlace, TheNextWindowOpensWhereTheLastOneWasLeft) {
    WindowRig<> rig(1);
    GameWindow& first = rig.window;
    const QRect screen = first.screen()->availableGeometry();
    const QRect place(screen.left() + 30, screen.top() + 40, 640, 460);
    first.setGeometry(place);
    first.rememberPlace();
    {
        GameWindow next(rig.game);
        next.placeOnScreen();
        EXPECT_EQ(next.geometry(), place);
        EXPECT_FALSE(next.isFullScreen());
    }
    // Full screen: the next window opens full screen and goes back to the place.
    first.setWindowState(Qt::WindowFullScreen);
    first.rememberPlace();
    EXPECT_EQ(rig.store.read("tonvale", "window", "state"), "fullscreen");
    EXPECT_EQ(rig.store.read("tonvale", "window", "width"), "640");
    {
        GameWindow next(rig.game);
        next.placeOnScreen();
        next.show();
        EXPECT_TRUE(next.isFullScreen());
        next.setWindowState(Qt::WindowNoState);
        EXPECT_TRUE(QTest::qWaitFor([&next, &place] { return next.geometry() == place; }));
        next.hide();
    }
    // A place no screen shows any more: centred at the natural size instead.
    writeWindowPlace(rig.store,
                     WindowPlace{QRect(screen.right() + 500, 0, 640, 460), WindowPlace::State::normal});
    GameWindow next(rig.game);
    next.placeOnScreen();
    EXPECT_TRUE(screen.contains(next.geometry()));
    EXPECT_NEAR(next.geometry().center().x(), screen.center().x(), 2);
}

}  // namespace
}  // namespace tonvale::testing
