// SPDX-License-Identifier: MIT
// The HISTORY window over a history of known games, the lines it writes for a
// game, and the numbers of the results plot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "core/database.h"
#include "eval/spinsearch.h"
#include "fakehistory.h"
#include "gamble/gamble.h"
#include "rig.h"
#include "rules/money.h"
#include "spin/spincycle.h"
#include "windows/auxwindows.h"
#include "windows/history.h"

namespace tonvale {
namespace {

using testing::Rig;

using testing::FakeHistory;

RecalledGame game(std::int64_t id, std::int64_t win, int freespins = 0, std::int64_t series = 0) {
    RecalledGame g;
    g.id = id;
    g.player = 1;
    g.timeMs = 1796000000000 + id * 1000;
    g.bet = 1;
    g.waysfactor = 25;
    g.machinepay = 3;
    g.stake = 25;
    for (int& s : g.stops) s = 1;
    g.win = win;
    g.freespins = freespins;
    g.freespinwin = series;
    return g;
}

bool has(const std::vector<std::string>& lines, const std::string& want) {
    for (const auto& l : lines)
        if (l == want) return true;
    return false;
}

TEST(Recall, LinesOfAPlainWinNameEachPayingSymbolWithItsWaysAndPay) {
    const auto found = testing::findSpin(
        25, 2, [](const testing::Trial& t) { return t.pays.pays.size() >= 2 && !t.pays.scatter; });
    ASSERT_TRUE(found);
    RecalledGame g = game(1, found->pays.win);
    g.bet = 2;
    g.stake = 50;
    for (int reel = 0; reel < 5; ++reel) g.stops[reel] = found->stops[static_cast<std::size_t>(reel)];
    g.bellcoin = found->bellcoin;
    g.creditBefore = 1000;
    g.creditAfter = 1000 - 50 + found->pays.win;
    const auto lines = recallLines(g);
    EXPECT_EQ(lines[0], recallTime(g.timeMs) + " UTC");
    EXPECT_EQ(lines[1], "243 ways   bet 2   stake $ 0.5");
    for (const SymbolPay& p : found->pays.pays) {
        std::string name(symbolName(p.symbol));
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const std::string line = name + "   " + std::to_string(p.ways) + (p.ways == 1 ? " way" : " ways") +
                                 "   " + money(static_cast<std::int64_t>(p.pay) * 2);
        EXPECT_TRUE(has(lines, line)) << line;
    }
    EXPECT_TRUE(has(lines, "Win   " + money(found->pays.win)));
    EXPECT_TRUE(has(lines, "Credit   $ 10  >  " + money(g.creditAfter)));
}

TEST(Recall, LinesOfASeriesAJackpotAndAGamble) {
    RecalledGame series = game(1, 50, 10, 1250);
    series.multipliers = {2, 3, 2, 10};
    const auto s = recallLines(series);
    EXPECT_TRUE(has(s, "10 free spins   x2 x3 x2 x10"));
    EXPECT_TRUE(has(s, "Series total   $ 12.5"));

    RecalledGame jackpot = game(2, 0);
    jackpot.jackpotfield = 7;
    jackpot.jackpotwin = 2000;
    EXPECT_TRUE(has(recallLines(jackpot), "Jackpot   $ 20"));
    EXPECT_TRUE(has(recallLines(jackpot), "No Win"));

    // A line kept before the bets' choices were recorded.
    RecalledGame gamble = game(3, 40);
    gamble.gamble = "2:won,4:lost";
    gamble.gamblewin = 0;
    const auto gl = recallLines(gamble);
    EXPECT_TRUE(has(gl, "Gamble   card 2 won card 4 lost"));
    EXPECT_TRUE(has(gl, "Gamble result   $ 0"));
    EXPECT_EQ(returned(gamble), 0);
    // The series total holds the winning spin's win: it is not counted twice.
    EXPECT_EQ(returned(series), 1250);
    EXPECT_EQ(returned(jackpot), 2000);

    // A gamble of a series total, collected after a red card: the total is staked
    // and what was collected comes back.
    RecalledGame carried = game(4, 50, 10, 1250);
    carried.gamble = "1:red:won";
    carried.gamblestake = 1250;
    carried.gamblewin = 2500;
    EXPECT_TRUE(has(recallLines(carried), "Gamble   card 1 won"));
    EXPECT_EQ(returned(carried), 2500);
}

TEST(Recall, InsertsCheckpointsRestoredAndUnreadableLines) {
    RecalledGame insert = game(5, 0);
    insert.kind = LineKind::insert;
    insert.inserted = 5000;
    insert.creditBefore = 25;
    insert.creditAfter = 5025;
    EXPECT_EQ(recallRow(insert), recallTime(insert.timeMs).substr(12) + "   insert   $ 50");
    EXPECT_TRUE(has(recallLines(insert), "Credit inserted   $ 50"));
    EXPECT_TRUE(has(recallLines(insert), "Credit   $ 0.25  >  $ 50.25"));
    EXPECT_FALSE(isPlayedGame(insert));

    RecalledGame restored = game(6, 40);
    restored.restored = 1;
    EXPECT_TRUE(has(recallLines(restored), "Restored after a close"));
    EXPECT_NE(recallRow(restored).find("restored"), std::string::npos);
    EXPECT_TRUE(isPlayedGame(restored));

    RecalledGame unreadable = game(7, 40);
    unreadable.bet = 3;
    unreadable.unreadable = "bet 3";
    EXPECT_EQ(recallLines(unreadable), (std::vector<std::string>{recallTime(unreadable.timeMs) + " UTC",
                                                                 "This line cannot be read."}));
    EXPECT_FALSE(isPlayedGame(unreadable));
}

TEST(ResultsPlot, RunningMeanAndBandsFromAKnownHistory) {
    // Returns 0, 2, 0, 4 stakes; a series in game 2, a jackpot in game 4. Games 1
    // and 2 were played at one setting, 3 and 4 at another.
    std::vector<RecalledGame> played = {game(1, 0), game(2, 25, 10, 25), game(3, 0), game(4, 100)};
    played[3].jackpotfield = 3;
    played[2].waysfactor = played[3].waysfactor = 7;
    int asked = 0;
    const FiguresOf figures = [&asked](int waysfactor, int, int) {
        ++asked;
        return waysfactor == 25 ? ExactFigures{1.0, 0.1, 0.01} : ExactFigures{0.5, 0.2, 0.02};
    };
    const ResultsPlot plot = resultsPlot(played, figures);
    EXPECT_EQ(asked, 2);  // once per setting
    ASSERT_EQ(plot.ret.points.size(), 4u);
    const double means[] = {0, 1, 2.0 / 3, 1.5};
    const double expected[] = {1, 1, 2.5 / 3, 0.75};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(plot.ret.points[i].n, static_cast<std::int64_t>(i + 1));
        EXPECT_NEAR(plot.ret.points[i].mean, means[i], 1e-12);
        EXPECT_NEAR(plot.ret.points[i].expected, expected[i], 1e-12);
    }
    // The return's band: 2.576 standard errors of the player's own returns
    // (sample variance of 0, 2, 0, 4 is 11/3).
    const double z = 2.5758293035489;
    EXPECT_NEAR(plot.ret.points[3].high - 0.75, z * std::sqrt(11.0 / 3 / 4), 1e-12);
    EXPECT_NEAR(0.75 - plot.ret.points[3].low, z * std::sqrt(11.0 / 3 / 4), 1e-12);
    EXPECT_NEAR(plot.ret.points[0].high, 1, 1e-12);  // one game has no spread yet
    // The chances have exact binomial bands around the mean chance.
    const PlotPoint& f = plot.freeSpins.points[3];
    EXPECT_NEAR(f.mean, 0.25, 1e-12);
    EXPECT_NEAR(f.expected, 0.15, 1e-12);
    EXPECT_NEAR(f.high - f.expected, z * std::sqrt(2 * 0.1 * 0.9 + 2 * 0.2 * 0.8) / 4, 1e-12);
    const PlotPoint& j = plot.jackpots.points[3];
    EXPECT_NEAR(j.mean, 0.25, 1e-12);
    EXPECT_NEAR(j.expected, 0.015, 1e-12);
    EXPECT_NEAR(j.expected - j.low, z * std::sqrt(2 * 0.01 * 0.99 + 2 * 0.02 * 0.98) / 4, 1e-12);
}

TEST(ResultsPlot, ReadsForTwentyGamesAndForAHundredThousand) {
    const FiguresOf figures = [](int, int, int) { return ExactFigures{0.9, 0.01, 0.005}; };
    for (const std::int64_t total : {std::int64_t{20}, std::int64_t{100000}}) {
        SCOPED_TRACE(total);
        std::vector<RecalledGame> played;
        for (std::int64_t i = 1; i <= total; ++i) played.push_back(game(i, i % 10 == 0 ? 225 : 0));
        const ResultsPlot plot = resultsPlot(played, figures, 400);
        const auto& pts = plot.ret.points;
        ASSERT_FALSE(pts.empty());
        EXPECT_EQ(pts.front().n, 1);
        EXPECT_EQ(pts.back().n, total);
        EXPECT_LE(pts.size(), 401u);
        if (total == 20) {
            EXPECT_EQ(pts.size(), 20u);  // every game of a short history
        }
        for (std::size_t i = 1; i < pts.size(); ++i) EXPECT_GT(pts[i].n, pts[i - 1].n);
        // Every tenth game returns 9 stakes: the mean settles at 0.9.
        EXPECT_NEAR(pts.back().mean, 0.9, 1e-9);
        EXPECT_NEAR(pts.back().expected, 0.9, 1e-12);
    }
}

struct HistoryRig : Rig {
    HistoryRig() {
        load();
        game.history.setSource(&fake);
        game.history.figures = [](int, int, int) { return ExactFigures{0.9, 0.01, 0.005}; };
    }
    FakeHistory fake;
    History& h() { return game.history; }
};

TEST(HistoryWindow, ListsTheTenNewestAndPagesThroughEveryStoredGame) {
    HistoryRig r;
    for (int i = 1; i <= 25; ++i) r.fake.games[1].push_back(game(i, i * 5));
    r.fake.games[2].push_back(game(99, 0));
    ASSERT_TRUE(r.game.press(r.ui().btnhistory));
    ASSERT_TRUE(r.h().isOpen());
    EXPECT_FALSE(r.ui().form.enabled);
    EXPECT_EQ(r.h().count(), 25);
    EXPECT_EQ(r.h().shown()->id, 25);  // newest first
    EXPECT_EQ(r.h().ui.Framegame.caption, "Game 1 of 25");
    EXPECT_EQ(r.h().ui.lstgame[1].caption.substr(0, 4), "1.  ");
    EXPECT_TRUE(r.h().ui.lstgame[1].value);
    EXPECT_EQ(r.h().page().back().id, 16);
    EXPECT_FALSE(r.h().ui.btnnewer.enabled);

    for (int i = 0; i < 10; ++i) ASSERT_TRUE(r.game.click(r.h().ui.btnolder));
    EXPECT_EQ(r.h().shown()->id, 15);
    EXPECT_EQ(r.h().ui.Framegame.caption, "Game 11 of 25");
    EXPECT_TRUE(r.h().ui.lstgame[1].value);
    EXPECT_EQ(r.h().page().front().id, 15);

    for (int i = 0; i < 30; ++i) r.game.click(r.h().ui.btnolder);
    EXPECT_EQ(r.h().shown()->id, 1);  // the oldest stays
    EXPECT_FALSE(r.h().ui.btnolder.enabled);
    EXPECT_EQ(r.h().ui.lstgame[5].caption, "25.  " + recallRow(game(1, 5)));
    EXPECT_EQ(r.h().ui.lstgame[6].caption, "");
    ASSERT_TRUE(r.game.click(r.h().ui.lstgame[2]));
    EXPECT_EQ(r.h().shown()->id, 4);
    ASSERT_TRUE(r.game.click(r.h().ui.btnnewer));
    EXPECT_EQ(r.h().shown()->id, 5);

    EXPECT_EQ(r.h().plot().ret.points.back().n, 25);
    ASSERT_TRUE(r.game.click(r.h().ui.btnclose));
    EXPECT_FALSE(r.h().isOpen());
    EXPECT_TRUE(r.ui().form.enabled);
}

TEST(HistoryWindow, EmptyHistoryAndRefusedInTheMiddleOfPlay) {
    HistoryRig r;
    ASSERT_TRUE(r.game.press(r.ui().btnhistory));
    EXPECT_EQ(r.h().ui.Framegame.caption, "No games played yet");
    EXPECT_EQ(r.h().shown(), nullptr);
    EXPECT_FALSE(r.h().ui.picreels.visible);
    r.game.callRoutine("tonvalehistory:QueryUnload");
    EXPECT_TRUE(r.ui().form.enabled);

    for (auto busy : {+[](Rig& g) { g.s().autoplaymode = 10; }, +[](Rig& g) { g.s().freespinsawarded = 11; },
                      +[](Rig& g) { g.ui().pandouble.visible = true; }}) {
        HistoryRig b;
        busy(b);
        b.game.press(b.ui().btnhistory);
        EXPECT_FALSE(b.h().isOpen());
        EXPECT_TRUE(b.ui().btnhistory.visible);
        EXPECT_FALSE(b.game.pressable(b.ui().btnhistory));  // and it looks so
    }
}

}  // namespace
}  // namespace tonvale

namespace tonvale {
namespace {

// The machine plays: a king win that is gambled, then autoplay until a series
// and a jackpot have come; the window shows each game as the history kept it.
TEST(HistoryWindow, ShowsTheGamesThePlayerPlayedAsPlayed) {
    Rig r(20261210);
    r.load();
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(r.game.press(r.ui().btncredit));
    r.s().soundonoff = 0;
    // A king three of a kind at bet 10 wins 200 cents, then red wins and red loses.
    r.s().machinepay = 1;
    r.s().bet = 10;
    r.draws({1, 3, 2, 9, 7, 11, 1});
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    r.advance(4000);
    ASSERT_TRUE(r.game.click(r.ui().btndouble));
    r.draws({1});
    ASSERT_TRUE(r.game.click(r.ui().betred));
    r.draws({2});
    ASSERT_TRUE(r.game.click(r.ui().betred));
    r.advance(5000);

    r.s().bet = 1;
    r.s().machinepay = 3;
    r.s().autoplaynotice = -1;
    ASSERT_TRUE(r.game.press(r.ui().autoplayon));
    auto seen = [&r] {
        bool series = false, jackpot = false;
        for (const Play& p : r.platform.store.plays(1)) {
            series = series || p.freespins > 0;
            jackpot = jackpot || p.jackpotfield > 0;
        }
        return series && jackpot;
    };
    for (int step = 0; step < 20000 && !(r.s().games > 10 && seen()); ++step) {
        r.advance(1000);
        if (r.game.windows.advert.form.visible) r.game.press(r.game.windows.advert.SSCommand2);
    }
    // Autoplay off as its switch leaves it, then the last spin settles.
    r.s().autoplaytoggle = 0;
    r.s().autoplaymode = 0;
    r.game.m.setTimer(TimerId::tmrautospin, false);
    for (int k = 0; k < 300 && (r.s().freespinsawarded > 0 || r.game.spin.spinning()); ++k) r.advance(1000);
    r.advance(10000);
    if (r.game.windows.advert.form.visible) r.game.press(r.game.windows.advert.SSCommand2);
    if (r.ui().takewin.visible) r.game.press(r.ui().takewin);  // a series ended with autoplay off
    r.advance(5000);
    ASSERT_TRUE(seen());

    const std::vector<Play> plays = r.platform.store.plays(1);
    ASSERT_TRUE(r.game.press(r.ui().btnhistory))
        << r.ui().form.visible << r.ui().form.enabled << r.ui().panfreespin.visible;
    History& h = r.game.history;
    ASSERT_TRUE(h.isOpen());
    ASSERT_EQ(h.count(), static_cast<std::int64_t>(plays.size()));
    int checked[4] = {0, 0, 0, 0};  // plain win, series, jackpot, gamble
    int inserts = 0;
    for (std::int64_t i = 0; i < h.count(); ++i) {
        const Play& p = plays[plays.size() - 1 - static_cast<std::size_t>(i)];
        const RecalledGame* g = h.shown();
        ASSERT_NE(g, nullptr);
        ASSERT_EQ(g->id, p.id);
        EXPECT_EQ(h.ui.Framegame.caption,
                  "Game " + std::to_string(i + 1) + " of " + std::to_string(h.count()));
        const auto lines = recallLines(*g);
        auto shows = [&](const std::string& line) {
            for (std::size_t k = 1; k < h.ui.lblline.size(); ++k)
                if (h.ui.lblline[k].caption == line) return true;
            return false;
        };
        for (std::size_t k = 0; k < lines.size() && k + 1 < h.ui.lblline.size(); ++k)
            EXPECT_EQ(h.ui.lblline[k + 1].caption, lines[k]);
        EXPECT_TRUE(shows("Credit   " + money(p.creditBefore) + "  >  " + money(p.creditAfter)));
        if (p.kind == LineKind::insert) {
            EXPECT_TRUE(shows("Credit inserted   $ 50"));
            ++inserts;
        } else if (!p.gamble.empty()) {
            EXPECT_EQ(p.gamble, "1:red:won,2:red:lost");
            EXPECT_TRUE(shows("KING   1 way   $ 2"));
            EXPECT_TRUE(shows("Win   $ 2"));
            EXPECT_TRUE(shows("Gamble   card 1 won card 2 lost"));
            EXPECT_TRUE(shows("Gamble result   $ 0"));
            EXPECT_EQ(h.ui.piccard[1].picture.text(), "imagelistcards/1");
            EXPECT_EQ(h.ui.piccard[2].picture.text(), "imagelistcards/2");
            EXPECT_FALSE(h.ui.piccard[3].visible);
            ++checked[3];
        } else if (p.freespins > 0) {
            std::string multipliers;
            for (const FreeSpin& f : p.spins) multipliers += " x" + std::to_string(f.draw.multiplier);
            EXPECT_TRUE(shows(std::to_string(p.freespins) + " free spins  " + multipliers));
            EXPECT_TRUE(shows("Series total   " + money(p.freespinwin)));
            ++checked[1];
        } else if (p.jackpotfield > 0) {
            EXPECT_TRUE(shows("Jackpot   " + money(p.jackpotwin)));
            ++checked[2];
        } else if (p.win > 0) {
            EXPECT_TRUE(shows("Win   " + money(p.win)));
            ++checked[0];
        } else {
            EXPECT_TRUE(shows("No Win"));
        }
        r.game.click(h.ui.btnolder);
    }
    for (int k = 0; k < 4; ++k) EXPECT_GT(checked[k], 0) << k;
    // The plot covers every game kept, not the inserts.
    const auto games =
        std::count_if(plays.begin(), plays.end(), [](const Play& p) { return p.kind == LineKind::spin; });
    EXPECT_EQ(h.plot().ret.points.back().n, games);
    EXPECT_EQ(inserts, 20);
}

}  // namespace
}  // namespace tonvale
