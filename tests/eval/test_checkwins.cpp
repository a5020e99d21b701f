// SPDX-License-Identifier: MIT
// The evaluation of a spin on the whole machine, with real stops found by the rules
// library and scripted draws.
#include <gtest/gtest.h>

#include "eval/spinsearch.h"
#include "eval/table.h"
#include "rules/money.h"

namespace tonvale::testing {
namespace {

bool only(const Trial& t, Symbol s, int kind, int ways) {
    return !t.pays.scatter && t.pays.pays.size() == 1 && t.pays.pays[0].symbol == s &&
           t.pays.pays[0].kind == kind && t.pays.pays[0].ways == ways;
}

bool losing(const Trial& t) { return t.pays.win == 0 && !t.pays.scatter; }

// Plays one paid spin by the spin button and returns the frames it showed.
std::int64_t spin(Rig& r) {
    const std::int64_t before = r.platform.time.frames();
    r.game.press(r.ui().btnspin);
    return r.platform.time.frames() - before;
}

TEST(Checkwins, ThreeWaysCountsReelOneAndTheMiddleRowsOnly) {
    const int bet = 5;
    auto kingIn = [](const Trial& t, int reel, Row row) { return t.shown(reel, row) == Symbol::king; };
    auto kingAnywhereOn1 = [&](const Trial& t) {
        return kingIn(t, 1, Row::top) || kingIn(t, 1, Row::middle) || kingIn(t, 1, Row::bottom);
    };
    // Kings on reel 1 and in the top rows of reels 2 and 3: they would pay with all
    // rows counted, and pay nothing with 3 ways.
    StopLists kings = anyStops();
    for (int reel = 1; reel <= 3; ++reel)
        kings[static_cast<std::size_t>(reel - 1)] = stopsShowing(reel, {Symbol::king}, 25);
    auto top = findSpin(
        1, bet,
        [&](const Trial& t) {
            return kingAnywhereOn1(t) && kingIn(t, 2, Row::top) && kingIn(t, 3, Row::top) && losing(t) &&
                   trialOf(t.stops, 25, bet, t.bellcoin).paid(Symbol::king);
        },
        kings);
    auto middle = findSpin(
        1, bet,
        [&](const Trial& t) {
            return kingAnywhereOn1(t) && kingIn(t, 2, Row::middle) && kingIn(t, 3, Row::middle) &&
                   only(t, Symbol::king, 3, 1);
        },
        kings);
    ASSERT_TRUE(top && middle);

    struct Case {
        const Trial& trial;
        i32 win;
        const char* paid;
    } cases[] = {{*top, 0, "0"}, {*middle, 20 * bet, "1"}};
    for (const Case& c : cases) {
        Rig r;
        seat(r, {.bet = bet, .waysfactor = 1});
        scriptSpin(r, c.trial.stops, c.trial.bellcoin, 1);
        spin(r);
        EXPECT_EQ(r.s().winamount, c.win);
        EXPECT_EQ(r.read("kingcells(17)"), c.paid);
        // The top and bottom rows of reels 2 to 5 were emptied before the totals.
        for (int cell : {4, 6, 7, 9, 10, 12, 13, 15})
            EXPECT_TRUE(r.s().kingcells[static_cast<std::size_t>(cell)].isZero());
    }
}

TEST(Checkwins, ScatterPayAndWaysPayAddUp) {
    // Three scatters and twenty bet units of ways pays.
    auto found = findSpin(
        25, 5,
        [](const Trial& t) {
            return t.pays.scatter && t.pays.scatter->scatters == 3 && t.pays.waysUnits == 20;
        },
        scatterStops(25));
    ASSERT_TRUE(found);
    Rig r;
    seat(r, {.bet = 5, .waysfactor = 25, .machinepay = 3});
    scriptSpin(r, found->stops, found->bellcoin, 1);
    spin(r);
    EXPECT_EQ(r.s().scatterwin, 5 * 2 * 25);
    EXPECT_EQ(r.s().winamount, 350);
    EXPECT_EQ(r.s().freespintotal, 350);
    for (int reel = 1; reel <= 3; ++reel) EXPECT_EQ(r.s().scatterreels[static_cast<std::size_t>(reel)], 1);
}

// A win above twice the stake is withdrawn on every payout draw but 1; the spin is
// drawn again inside the evaluation and only the new draw is shown.
TEST(Checkwins, PayoutLevelWithdrawsWinsAboveTwiceTheStake) {
    // With bet 1 a win of twice the stake plus one cent exists at 27 ways (three
    // queens, 15 on a stake of 7), a win of exactly twice the stake at 243 ways
    // (three harps, 50 on 25). The search looks where that symbol shows on reels 1-3.
    struct Case {
        i16 waysfactor;
        int extra;  // cents above twice the stake
        Symbol symbol;
        int payout;
        bool withdrawn;
    } cases[] = {{7, 1, Symbol::queen, 1, false},
                 {7, 1, Symbol::queen, 2, true},
                 {7, 1, Symbol::queen, 3, true},
                 {25, 0, Symbol::harp, 2, false},
                 {25, 0, Symbol::harp, 3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.waysfactor << " ways factor, payout draw " << c.payout);
        const i32 stake = c.waysfactor;
        StopLists showing = anyStops();
        for (int reel = 1; reel <= 3; ++reel)
            showing[static_cast<std::size_t>(reel - 1)] = stopsShowing(reel, {c.symbol}, c.waysfactor);
        auto drawn = findSpin(
            c.waysfactor, 1,
            [&](const Trial& t) { return !t.pays.scatter && t.pays.win == 2 * stake + c.extra; }, showing);
        auto redraw = findSpin(c.waysfactor, 1, losing);
        ASSERT_TRUE(drawn && redraw);
        Rig r;
        seat(r, {.bank = 1000, .waysfactor = c.waysfactor, .machinepay = 3});
        r.s().games = 40;
        r.s().wager = 900;
        r.s().total = 600;
        scriptSpin(r, drawn->stops, drawn->bellcoin, c.payout);
        if (c.withdrawn) scriptSpin(r, redraw->stops, redraw->bellcoin, 2);
        const std::int64_t frames = spin(r);

        const Trial& shown = c.withdrawn ? *redraw : *drawn;
        const i32 win = c.withdrawn ? 0 : drawn->pays.win;
        EXPECT_EQ(r.s().winamount, win);
        EXPECT_EQ(r.s().games, 41);
        EXPECT_EQ(r.s().wager, 900 + stake);
        EXPECT_EQ(r.s().total, 600 + win);
        EXPECT_EQ(r.s().bank, 1000 - stake + win);
        EXPECT_EQ(r.s().reelstop1, shown.stops[0]);
        EXPECT_EQ(r.s().reelstop5, shown.stops[4]);
        EXPECT_EQ(frames, 169) << "one reel run per press";
        EXPECT_EQ(r.platform.random.pending(), 0u);
    }
}

TEST(Checkwins, LosingSpinSetsTheIdleMetersAndWaits) {
    auto lose = findSpin(25, 1, losing);
    ASSERT_TRUE(lose);
    struct Case {
        i16 sound;
        i16 wait;
        i16 rollstep;
    } cases[] = {{-1, 20, 0}, {0, 40, 9}};
    for (const Case& c : cases) {
        Rig r;
        seat(r, {.bank = 1000, .soundonoff = c.sound});
        r.s().rollstep = 9;
        r.s().nowincount = 3;
        scriptSpin(r, lose->stops, lose->bellcoin, 1);
        spin(r);
        EXPECT_EQ(r.s().autospinwait, c.wait);
        EXPECT_EQ(r.s().rollstep, c.rollstep);
        EXPECT_EQ(r.s().idleticks, 80);
        EXPECT_EQ(r.s().nowincount, 4);
        EXPECT_EQ(r.s().bank, 975);
        EXPECT_EQ(r.read("LABWIN.caption"), "No Win");
        EXPECT_EQ(r.read("lblwin.caption"), "");
        EXPECT_EQ(r.read("PANELBANK.caption"), "975");
        EXPECT_EQ(r.read("Lblcredit.caption"), "$ 9.75");
        EXPECT_TRUE(r.game.m.timerEnabled(TimerId::Tmrtick));
        EXPECT_FALSE(r.game.m.timerEnabled(TimerId::Timerwincounter));
        EXPECT_FALSE(r.ui().btndouble.enabled);
    }
}

TEST(Checkwins, TwentyFifthLosingSpinShowsTheAdvert) {
    auto lose = findSpin(25, 1, losing);
    ASSERT_TRUE(lose);
    Rig r;
    seat(r, {});
    r.s().nowincount = 23;
    scriptSpin(r, lose->stops, lose->bellcoin, 1);
    spin(r);
    EXPECT_EQ(r.s().nowincount, 24);
    EXPECT_TRUE(r.ui().form.visible);
    scriptSpin(r, lose->stops, lose->bellcoin, 1);
    spin(r);
    EXPECT_EQ(r.s().nowincount, 0);
    EXPECT_FALSE(r.ui().form.visible);
}

TEST(Checkwins, PoolsRiseFromTheirFloors) {
    auto lose = findSpin(25, 1, losing);
    ASSERT_TRUE(lose);
    struct Case {
        i32 grand, major, minor;
        i32 wantGrand, wantMajor, wantMinor;
    } cases[] = {
        {0, 0, 0, 2000000, 200000, 2000},
        {1999999, 199999, 1999, 2000000, 200000, 2000},
        {2000000, 200000, 2000, 2000050, 200030, 2020},
        {2500000, 300000, 4000, 2500050, 300030, 4020},
    };
    for (const Case& c : cases) {
        Rig r;
        seat(r, {});
        r.s().grand = c.grand;
        r.s().major = c.major;
        r.s().minor = c.minor;
        scriptSpin(r, lose->stops, lose->bellcoin, 1);
        spin(r);
        EXPECT_EQ(r.s().grand, c.wantGrand);
        EXPECT_EQ(r.s().major, c.wantMajor);
        EXPECT_EQ(r.s().minor, c.wantMinor);
    }
}

TEST(Checkwins, WinTierChoosesClipAndAutoplayWait) {
    struct Case {
        i16 bet;
        i32 low, high;
        i16 wait;
        std::string clip;
    } cases[] = {
        {1, 1, 25, 10, "play 101"},
        {2, 61, 100, 30, "play 102"},
        {20, 1211, 100000, 100, "play 112"},
    };
    for (const Case& c : cases) {
        auto win = findSpin(25, c.bet, [&](const Trial& t) {
            return !t.pays.scatter && t.pays.win >= c.low && t.pays.win <= c.high;
        });
        ASSERT_TRUE(win);
        Rig r;
        seat(r, {.bet = c.bet});
        scriptSpin(r, win->stops, win->bellcoin, 1);
        spin(r);
        EXPECT_EQ(r.s().winamount, win->pays.win);
        EXPECT_EQ(r.s().autospinwait, c.wait);
        EXPECT_EQ(r.sounds().back(), c.clip);
        EXPECT_EQ(r.s().rollstep, 1);
        EXPECT_EQ(r.s().bank, 100000 - 25 * c.bet + win->pays.win);
        EXPECT_TRUE(r.ui().btndouble.enabled);
        EXPECT_TRUE(r.game.m.timerEnabled(TimerId::Timerflash));
        EXPECT_TRUE(r.game.m.timerEnabled(TimerId::Timerwincounter));
    }
}

TEST(Checkwins, BellOnReelThreeAndThreeBellsStartTheJackpot) {
    StopLists bellStops = anyStops();
    for (int reel = 1; reel <= 3; ++reel)
        bellStops[static_cast<std::size_t>(reel - 1)] = stopsShowing(reel, {Symbol::bell}, 25);
    auto bells = findSpin(
        25, 1, [](const Trial& t) { return t.bells == 3 && !t.pays.scatter; }, bellStops, 1, true);
    ASSERT_TRUE(bells);
    Rig r;
    seat(r, {});
    r.game.m.setTimer(TimerId::tmrautospin, true);
    scriptSpin(r, bells->stops, 1, 1);
    r.draws({11});  // where the ball starts
    spin(r);
    const int cell = r.s().bellcell[3];
    ASSERT_GE(cell, 7);
    EXPECT_EQ(r.ui().flasher[static_cast<std::size_t>(cell)].picture.text(), "morphing/1");
    EXPECT_TRUE(r.ui().flasher[static_cast<std::size_t>(cell)].visible);
    EXPECT_EQ(r.s().bellcount, 0);
    EXPECT_EQ(r.s().ballstep, 11);
    EXPECT_TRUE(r.game.m.timerEnabled(TimerId::tmrbell));
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrautospin));
    EXPECT_FALSE(r.ui().btnoptions.enabled);
    EXPECT_FALSE(r.ui().btnopenmenu.enabled);

    // With the coin against it the reel-3 bell shows its other picture and does not count.
    Rig other;
    seat(other, {});
    scriptSpin(other, bells->stops, 2, 1);
    spin(other);
    EXPECT_EQ(other.ui().flasher[static_cast<std::size_t>(cell)].picture.text(), "morphing/8");
    EXPECT_EQ(other.s().bellcount, 2);
    EXPECT_FALSE(other.game.m.timerEnabled(TimerId::tmrbell));
}

}  // namespace
}  // namespace tonvale::testing
