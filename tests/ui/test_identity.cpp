// SPDX-License-Identifier: MIT
// How the game shows itself to the desktop: the icon on every one of its windows,
// and names that match its desktop entry.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QWidget>

#include "core/database.h"
#include "core/headless.h"
#include "game/game.h"
#include "tonvale_version.h"
#include "ui/dialogs.h"
#include "ui/gamewindow.h"
#include "ui/identity.h"
#include "ui/qtports.h"

namespace tonvale::testing {
namespace {

QImage picture(const QIcon& icon) {
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(Identity, EveryWindowOfTheGameCarriesTheGameIcon) {
    // Without an application icon to fall back on, each window must carry its own.
    QApplication::setWindowIcon(QIcon());
    const QImage expected = picture(gameIcon());
    ASSERT_FALSE(expected.isNull());
    ASSERT_NE(expected.pixel(16, 16), 0u) << "the icon picture is missing from the program";

    SeededRandom random{3};
    QtClock clock;
    QtTimers timers;
    QtEvents events;
    RecordingSound sound;
    SqliteStore store;
    ScriptedDesktop desktop;
    Game game{Ports{random, clock, timers, events, sound, store, desktop}};
    GameWindow window{game};

    // The main window, options, pay table, odds page, about and advert.
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_GE(windows.size(), 6);
    for (QWidget* w : windows) {
        SCOPED_TRACE(w->metaObject()->className());
        EXPECT_FALSE(w->windowIcon().isNull());
        EXPECT_TRUE(picture(w->windowIcon()) == expected) << "another picture";
    }
    timers.stopAll();
}

TEST(Identity, TheApplicationAnswersToItsDesktopEntry) {
    // The names are put back afterwards: the other tests of this program keep their own.
    const QString organisation = QCoreApplication::organizationName();
    const QString program = QCoreApplication::applicationName();
    QApplication::setWindowIcon(QIcon());
    identifyApplication();
    const QString name = QCoreApplication::applicationName();
    const QString desktopFile = QGuiApplication::desktopFileName();
    const QString version = QCoreApplication::applicationVersion();
    const QImage icon = picture(QApplication::windowIcon());
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(program);
    QApplication::setWindowIcon(QIcon());

    ASSERT_TRUE(QFile::exists(QStringLiteral(TONVALE_DESKTOP_FILE)));
    QSettings entry(QStringLiteral(TONVALE_DESKTOP_FILE), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    // On X11 the window class is the application name; the menu matches windows by it.
    EXPECT_EQ(entry.value(QStringLiteral("StartupWMClass")).toString(), name);
    // Wayland's application id is the desktop file's name.
    EXPECT_EQ(QFileInfo(QStringLiteral(TONVALE_DESKTOP_FILE)).completeBaseName(), desktopFile);
    EXPECT_EQ(entry.value(QStringLiteral("Icon")).toString(), desktopFile);
    EXPECT_EQ(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("tonvale"));
    EXPECT_EQ(version, QStringLiteral(TONVALE_VERSION));
    EXPECT_TRUE(icon == picture(gameIcon()));
}

}  // namespace
}  // namespace tonvale::testing
