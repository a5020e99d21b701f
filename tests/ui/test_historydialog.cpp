// SPDX-License-Identifier: MIT
// The HISTORY window through the real windows: the cabinet's button opens it over
// a history of known games, it paints the reels, lines, cards and plots, the
// arrow keys step through the games and Esc closes it. With TONVALE_SHOTS set to
// a folder, the frames are written there to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>
#include <cstdlib>

#include "core/database.h"
#include "core/headless.h"
#include "eval/spinsearch.h"
#include "fakehistory.h"
#include "game/game.h"
#include "game/startup.h"
#include "players/options.h"
#include "players/session.h"
#include "ui/dialogs_options.h"
#include "ui/gamewindow.h"
#include "ui/historydialog.h"
#include "ui/qtports.h"
#include "windows/history.h"

namespace tonvale::testing {
namespace {

RecalledGame played(std::int64_t id, std::array<int, 5> stops, std::int64_t win, std::int64_t before) {
    RecalledGame g;
    g.id = id;
    g.player = 1;
    g.timeMs = 1796900000000 + id * 7000;
    g.bet = 1;
    g.waysfactor = 25;
    g.machinepay = 3;
    g.stake = 25;
    for (int i = 0; i < 5; ++i) g.stops[i] = stops[static_cast<std::size_t>(i)];
    g.win = win;
    g.creditBefore = before;
    g.creditAfter = before - 25 + win;
    return g;
}

struct HistoryUiRig {
    HistoryUiRig() {
        timers.setTickHandler([this](TimerId id) {
            game.timerTick(id);
            window.cabinet().ticked();
        });
        events.setView(&window.cabinet());
        desktop.setWindow(&window);
        desktop.setTimers(&timers);
        game.history.setSource(&history);
        game.history.figures = [](int, int, int) { return ExactFigures{0.93, 0.013, 0.0055}; };
        window.show();
        game.startup.Form_Load();
        window.sync();
    }
    ~HistoryUiRig() { timers.stopAll(); }

    void shoot(QWidget& w, const char* name) {
        const char* dir = std::getenv("TONVALE_SHOTS");
        if (dir) w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
    }

    SeededRandom random{5};
    QtClock clock;
    QtTimers timers;
    QtEvents events;
    RecordingSound sound;
    SqliteStore store;
    QtDesktop desktop;
    FakeHistory history;
    Game game{Ports{random, clock, timers, events, sound, store, desktop}};
    GameWindow window{game};
};

// `band` in the window's logical pixels; the grabs may have more pixels than that.
double differing(const QImage& a, const QImage& b, const QRect& band) {
    const qreal d = a.devicePixelRatio();
    const QRect scaled(QPoint(static_cast<int>(band.left() * d), static_cast<int>(band.top() * d)),
                       QSize(static_cast<int>(band.width() * d), static_cast<int>(band.height() * d)));
    const QRect r = scaled & a.rect() & b.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return r.isEmpty() ? 0 : static_cast<double>(n) / (r.width() * r.height());
}

TEST(HistoryDialog, OpensFromTheCabinetPaintsTheGameAndStepsByKeys) {
    HistoryUiRig rig;
    auto& games = rig.history.games[1];
    // A plain win, a series, a jackpot and a gamble, on stops that make them, then
    // ordinary games.
    const auto win =
        findSpin(25, 1, [](const Trial& t) { return t.pays.pays.size() >= 2 && !t.pays.scatter; });
    const auto award = findSpin(
        25, 1, [](const Trial& t) { return t.pays.scatter && t.pays.scatter->freeSpins == 10; },
        scatterStops(25));
    const auto bells = findSpin(
        25, 1, [](const Trial& t) { return t.bells > 2; }, anyStops(), 1, true);
    ASSERT_TRUE(win && award && bells);
    games.push_back(played(1, win->stops, win->pays.win, 5000));
    RecalledGame series = played(2, award->stops, award->pays.win, games.back().creditAfter);
    series.freespins = 10;
    series.multipliers = {2, 2, 3, 5, 2, 3, 2, 2, 10, 3};
    series.freespinwin = 1840;
    series.creditAfter += 1840;
    games.push_back(series);
    RecalledGame jackpot = played(3, bells->stops, bells->pays.win, games.back().creditAfter);
    jackpot.bellcoin = 1;
    jackpot.jackpotfield = 5;
    jackpot.jackpotwin = 2000;
    jackpot.creditAfter += 2000;
    games.push_back(jackpot);
    RecalledGame gamble = played(4, win->stops, win->pays.win, games.back().creditAfter);
    gamble.gamble = "1:won,3:won,2:lost";
    gamble.gamblewin = 0;
    gamble.creditAfter -= win->pays.win;
    games.push_back(gamble);
    for (int i = 5; i <= 40; ++i)
        games.push_back(
            played(i, {1 + i % 22, 1 + (i * 3) % 22, 1 + (i * 5) % 22, 1 + (i * 7) % 22, 1 + (i * 11) % 22},
                   0, games.back().creditAfter));
    for (std::size_t i = 4; i < games.size(); ++i) {
        RecalledGame& g = games[i];
        g.win = trialOf({g.stops[0], g.stops[1], g.stops[2], g.stops[3], g.stops[4]}, 25, 1).pays.win;
        g.creditBefore = games[i - 1].creditAfter;
        g.creditAfter = g.creditBefore - 25 + g.win;
    }

    HistoryDialog& dialog = rig.window.dialogs().history();
    const QPointF at = rig.window.cabinet().geometryNow().rect(rig.game.m.ui.btnhistory).center();
    QTest::mouseClick(&rig.window.cabinet(), Qt::LeftButton, {}, at.toPoint());
    rig.window.sync();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_FALSE(rig.window.isEnabled());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tonvale History"));
    EXPECT_EQ(rig.game.history.shown()->id, 40);

    // Step back to the gamble, the jackpot, the series and the plain win.
    for (int i = 0; i < 36; ++i) QTest::keyClick(&dialog, Qt::Key_Right);
    EXPECT_EQ(rig.game.history.shown()->id, 4);
    EXPECT_TRUE(rig.game.history.ui.piccard[3].visible);
    EXPECT_FALSE(rig.game.history.ui.piccard[4].visible);
    const QImage withCards = dialog.grab().toImage();
    rig.shoot(dialog, "history_gamble.png");
    QTest::keyClick(&dialog, Qt::Key_Down);
    rig.shoot(dialog, "history_jackpot.png");
    QTest::keyClick(&dialog, Qt::Key_Right);
    EXPECT_EQ(rig.game.history.shown()->id, 2);
    const QImage seriesShot = dialog.grab().toImage();
    rig.shoot(dialog, "history_series.png");
    QTest::keyClick(&dialog, Qt::Key_Right);
    QTest::keyClick(&dialog, Qt::Key_Right);  // the oldest stays
    EXPECT_EQ(rig.game.history.shown()->id, 1);
    const QImage plain = dialog.grab().toImage();
    rig.shoot(dialog, "history_win.png");

    // The reels and the cards are painted: the shown game's stops change the reels'
    // pixels, and a game without a gamble shows no cards.
    const QRect reels = dialog.geometryNow().rect(rig.game.history.ui.picreels).toAlignedRect();
    EXPECT_GT(differing(seriesShot, plain, reels), 0.05);
    const QRect cards = dialog.geometryNow().rect(rig.game.history.ui.piccard[1]).toAlignedRect();
    EXPECT_GT(differing(withCards, plain, cards), 0.3);
    // The plots hold their curves.
    const QRect plot = dialog.geometryNow().rect(rig.game.history.ui.picplot[1]).toAlignedRect();
    rig.game.history.ui.picplot[1].visible = false;
    const QImage noPlot = dialog.grab().toImage();
    rig.game.history.ui.picplot[1].visible = true;
    EXPECT_GT(differing(plain, noPlot, plot), 0.3);

    QTest::keyClick(&dialog, Qt::Key_Left);
    EXPECT_EQ(rig.game.history.shown()->id, 2);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    rig.window.sync();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
    rig.shoot(rig.window, "cabinet.png");
}

}  // namespace
}  // namespace tonvale::testing

namespace tonvale::testing {
namespace {

TEST(HistoryDialog, PlotsAHundredThousandGames) {
    HistoryUiRig rig;
    auto& games = rig.history.games[1];
    std::uint64_t x = 12345;
    for (int i = 1; i <= 100000; ++i) {
        x = x * 6364136223846793005ULL + 1442695040888963407ULL;
        const int roll = static_cast<int>((x >> 33) % 1000);
        // Returns of 0, 1, 2 or 40 stakes; a series one game in 80, a jackpot one in 180.
        const std::int64_t win = roll < 300 ? 25 : roll < 400 ? 50 : roll < 406 ? 1000 : 0;
        RecalledGame g = played(i, {1 + i % 22, 1 + (i / 22) % 22, 1, 1, 1}, win, 100000);
        if (roll % 80 == 7) g.freespins = 10;
        if (roll % 180 == 11) g.jackpotfield = 2;
        games.push_back(g);
    }
    HistoryDialog& dialog = rig.window.dialogs().history();
    ASSERT_TRUE(rig.game.click(rig.game.m.ui.btnhistory));
    rig.window.sync();
    ASSERT_TRUE(dialog.isVisible());
    const auto& ret = rig.game.history.plot().ret.points;
    ASSERT_FALSE(ret.empty());
    EXPECT_EQ(ret.back().n, 100000);
    EXPECT_LE(ret.size(), 401u);
    rig.shoot(dialog, "history_100000.png");
}

TEST(OptionsDialog, PlayLimitsColumnTakesClicksAndKeepsTheChoice) {
    HistoryUiRig rig;
    OptionsDialog& dialog = rig.window.dialogs().options();
    const QPointF at = rig.window.cabinet().geometryNow().rect(rig.game.m.ui.btnoptions).center();
    QTest::mouseClick(&rig.window.cabinet(), Qt::LeftButton, {}, at.toPoint());
    rig.window.sync();
    ASSERT_TRUE(dialog.isVisible());
    OptionsWindow& o = rig.game.options.ui;
    EXPECT_TRUE(o.realitycheck[0].value);  // off, as the game always was
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.centreOf(o.realitycheck[2]).toPoint());
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.centreOf(o.autospins[1]).toPoint());
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.centreOf(o.autoloss[3]).toPoint());
    EXPECT_EQ(rig.game.session.limits, (PlayLimits{30, 25, 10000}));
    EXPECT_TRUE(o.realitycheck[2].value);
    EXPECT_FALSE(o.realitycheck[0].value);
    EXPECT_EQ(rig.store.read("Tonvale", "player1", "realitycheck"), "30");
    rig.shoot(dialog, "options.png");
}

}  // namespace
}  // namespace tonvale::testing
