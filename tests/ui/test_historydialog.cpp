// SPDX-License-Identifier: MIT
// The HISTORY window through the real windows: the cabinet's button opens it over
// a history of known games, it paints the reels, lines, cards and plots, the
// arrow keys step through the games and Esc closes it. With TONVALE_SHOTS set to
// a folder, the frames are written there to be looked at.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "core/database.h"
#include "core/headless.h"
#include "eval/spinsearch.h"
#include "fakehistory.h"
#include "game/game.h"
#include "game/startup.h"
#include "players/options.h"
#include "players/session.h"
#include "tempfolder.h"
#include "ui/dialogs_options.h"
#include "ui/dialogs_paint.h"
#include "ui/gamewindow.h"
#include "ui/historydialog.h"
#include "ui/historyviews.h"
#include "ui/qtports.h"
#include "ui/windowrig.h"
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

struct HistoryOf {
    FakeHistory history;
};

// The history is there before the game is loaded and outlives it.
struct HistoryUiRig : HistoryOf, WindowRig<> {
    HistoryUiRig()
        : WindowRig(5, [this](Game& g) {
              g.history.setSource(&history);
              g.history.figures = [](int, int, int) { return ExactFigures{0.93, 0.013, 0.0055}; };
          }) {}

    void shoot(QWidget& w, const char* name) {
        const char* dir = std::getenv("TONVALE_SHOTS");
        if (dir) w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
    }
};

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

    // The page's games are a list of rows, the one shown selected; a click on a
    // row shows that game.
    QListWidget& list = dialog.games();
    ASSERT_EQ(list.count(), HistoryWindow::kRows);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_TRUE(list.item(2)->text().startsWith(QStringLiteral("3.  ")));
    const QRect third = list.visualItemRect(list.item(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(rig.game.history.shown()->id, 38);
    EXPECT_EQ(list.currentRow(), 2);
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Up);
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Up);
    EXPECT_EQ(rig.game.history.shown()->id, 40);

    // Step back to the gamble, the jackpot, the series and the plain win.
    for (int i = 0; i < 36; ++i) QTest::keyClick(&rig.keys(dialog), Qt::Key_Right);
    EXPECT_EQ(rig.game.history.shown()->id, 4);
    EXPECT_TRUE(rig.game.history.ui.piccard[3].visible);
    EXPECT_FALSE(rig.game.history.ui.piccard[4].visible);
    const QImage withCards = dialog.grab().toImage();
    rig.shoot(dialog, "history_gamble.png");
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Down);
    rig.shoot(dialog, "history_jackpot.png");
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Right);
    EXPECT_EQ(rig.game.history.shown()->id, 2);
    const QImage seriesShot = dialog.grab().toImage();
    rig.shoot(dialog, "history_series.png");
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Right);
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Right);  // the oldest stays
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
    dialog.sync();
    const QImage noPlot = dialog.grab().toImage();
    rig.game.history.ui.picplot[1].visible = true;
    dialog.sync();
    EXPECT_GT(differing(plain, noPlot, plot), 0.3);

    QTest::keyClick(&rig.keys(dialog), Qt::Key_Left);
    EXPECT_EQ(rig.game.history.shown()->id, 2);
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Escape);
    rig.window.sync();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
    rig.shoot(rig.window, "cabinet.png");
}

}  // namespace
}  // namespace tonvale::testing

namespace tonvale::testing {
namespace {

// A store whose lines a player edited by hand: the newest game's bet set to 3, an
// older game's ways factor to 9; the rules know neither, so neither can be replayed.
void playAndEdit(const std::string& db) {
    {
        HeadlessPlatform platform;
        platform.store = SqliteStore(db);
        Game game(platform.ports());
        platform.time.setTickHandler([&game](TimerId id) { game.timerTick(id); });
        game.startup.Form_Load();
        ASSERT_TRUE(game.press(game.m.ui.btncredit));
        for (int i = 0; i < 3; ++i) {
            platform.random.script({4 + i, 8, 2, 12, 16, 20});
            ASSERT_TRUE(game.press(game.m.ui.btnspin));
            platform.time.advance(5000);
        }
        game.startup.xit_Click();
    }
    sqlite3* edit = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &edit), SQLITE_OK);
    EXPECT_EQ(
        sqlite3_exec(edit,
                     "UPDATE plays SET bet = 3 WHERE id = (SELECT MAX(id) FROM plays WHERE kind = 'spin');"
                     "UPDATE plays SET waysfactor = 9 WHERE id = (SELECT MIN(id) FROM plays WHERE kind = "
                     "'spin');",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    EXPECT_EQ(sqlite3_total_changes(edit), 2);
    sqlite3_close(edit);
}

TEST(HistoryDialog, ALineTheRulesCannotReplayReadsUnreadableAndTheGamePlaysOn) {
    const std::filesystem::path folder = tempFolder("tonvale-edited-history");
    std::filesystem::remove_all(folder);
    const std::string db = (folder / "tonvale.db").string();
    ASSERT_NO_FATAL_FAILURE(playAndEdit(db));
    {
        WindowRig<> rig(5, {}, db);
        HistoryDialog& dialog = rig.window.dialogs().history();
        const QPointF at = rig.window.cabinet().geometryNow().rect(rig.game.m.ui.btnhistory).center();
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round == 0 ? "opened" : "opened again after a spin");
            QTest::mouseClick(&rig.window.cabinet(), Qt::LeftButton, {}, at.toPoint());
            rig.window.sync();
            ASSERT_TRUE(dialog.isVisible());
            // Two rows read "unreadable line"; stepping onto each shows why, and the
            // game stays up.
            QListWidget& list = dialog.games();
            std::set<std::string> why;
            for (int row = 0; row < list.count(); ++row) {
                if (!list.item(row)->text().endsWith(QStringLiteral("unreadable line"))) continue;
                QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                                  list.visualItemRect(list.item(row)).center());
                EXPECT_EQ(list.currentRow(), row);
                ASSERT_NE(rig.game.history.shown(), nullptr);
                why.insert(rig.game.history.shown()->unreadable);
            }
            EXPECT_EQ(why, (std::set<std::string>{"bet 3", "ways factor 9"}));
            if (round == 1) {
                EXPECT_TRUE(list.item(0)->text().startsWith(QStringLiteral("1. ")));
                EXPECT_FALSE(list.item(0)->text().contains(QStringLiteral("unreadable")));
            }
            QTest::keyClick(&rig.keys(dialog), Qt::Key_Escape);
            rig.window.sync();
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_FALSE(rig.game.faulted());
            EXPECT_FALSE(rig.game.m.ended);
            // A later press plays a game, which the next opening shows first.
            if (round == 0) {
                const std::int32_t games = rig.game.m.s.games;
                QTest::keyClick(&rig.window.cabinet(), Qt::Key_S);
                EXPECT_TRUE(
                    QTest::qWaitFor([&rig] { return !rig.game.busy() && rig.game.history.mayOpen(); }));
                EXPECT_EQ(rig.game.m.s.games, games + 1);
            }
        }
    }
    std::filesystem::remove_all(folder);
}

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

// With a few games the curves run from the first game at the plot's left edge to the
// last at its right edge (the band once ended in a cut in the middle of the plot),
// and the scales, the legend and the reading are written at the window's text size.
TEST(HistoryDialog, PlotsOfAFewGamesFillTheirWidthWithReadableWordsAndALegend) {
    for (const int count : {1, 3, 7}) {
        HistoryUiRig rig;
        auto& games = rig.history.games[1];
        for (int i = 1; i <= count; ++i) games.push_back(played(i, {1, 1, 1, 1, 1}, i % 2 ? 50 : 0, 5000));
        HistoryDialog& dialog = rig.window.dialogs().history();
        ASSERT_TRUE(rig.game.click(rig.game.m.ui.btnhistory));
        rig.window.sync();
        ASSERT_TRUE(dialog.isVisible());
        auto* plot = qobject_cast<PlotView*>(dialog.widgetOf(rig.game.history.ui.picplot[2]));
        ASSERT_NE(plot, nullptr);
        std::vector<dialogpaint::Written> written;
        dialogpaint::watchWritten([&](const dialogpaint::Written& w) { written.push_back(w); });
        const QImage image = plot->grab().toImage();
        dialogpaint::watchWritten({});
        rig.shoot(*plot, ("history_plot_" + std::to_string(count) + ".png").c_str());

        // The band (the free-spin chance's exact band is never empty) reaches the
        // right edge: a column just inside it is not the bare ground.
        const PlotView::Layout l = plot->layout();
        const qreal dpr = image.devicePixelRatioF();
        const QColor ground = image.pixelColor(QPoint(2, 2));
        int banded = 0;
        const int column = static_cast<int>((l.area.right() - 4) * dpr);
        for (int y = static_cast<int>((l.area.top() + 3) * dpr);
             y < static_cast<int>((l.area.bottom() - 3) * dpr); ++y)
            if (image.pixelColor(column, y) != ground) ++banded;
        EXPECT_GT(banded, 3) << count << " games";

        // Every word of the plot at nine tenths of the window's text or more (11 pixels
        // at this size; the scales were 7 before), the legend's three among them.
        const qreal em = plot->font().pixelSize();
        ASSERT_GE(em, 10);
        QStringList words;
        for (const dialogpaint::Written& w : written) {
            words << w.text;
            EXPECT_GE(w.drawn, std::floor(em * 0.9)) << w.text.toStdString() << ", " << count << " games";
        }
        for (int item = 0; item < 3; ++item) EXPECT_TRUE(words.contains(PlotView::legendWords(item))) << item;
        EXPECT_TRUE(words.contains(QStringLiteral("1")));
        if (count > 1) {
            EXPECT_TRUE(words.contains(QString::number(count))) << "the last game is counted at the right";
        }
    }
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
    rig.clickIn(dialog, o.realitycheck[2]);
    rig.clickIn(dialog, o.autospins[1]);
    rig.clickIn(dialog, o.autoloss[3]);
    EXPECT_EQ(rig.game.session.limits, (PlayLimits{30, 25, 10000}));
    EXPECT_TRUE(o.realitycheck[2].value);
    EXPECT_FALSE(o.realitycheck[0].value);
    EXPECT_EQ(rig.store.read("Tonvale", "player1", "realitycheck"), "30");
    rig.shoot(dialog, "options.png");
}

}  // namespace
}  // namespace tonvale::testing
