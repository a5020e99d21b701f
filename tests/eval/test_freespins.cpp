// SPDX-License-Identifier: MIT
// Free spins on the whole machine: the award, a series started by the free-spin
// timer, a retrigger, and a free spin withdrawn by the payout level.
#include <gtest/gtest.h>

#include "eval/spinsearch.h"
#include "eval/table.h"
#include "rules/money.h"
#include "spin/spincycle.h"

namespace tonvale::testing {
namespace {

constexpr i32 kStake = 25;  // bet 1, 243 ways

struct Spins {
    Trial award;  // three scatters, a win of at most twice the stake
    Trial win;    // a small win without scatters
    Trial lose;
};

const Spins& spins() {
    static const Spins found = [] {
        auto award = findSpin(
            25, 1,
            [](const Trial& t) {
                return t.pays.scatter && t.pays.scatter->scatters == 3 && t.pays.win <= 2 * kStake;
            },
            scatterStops(25));
        StopLists drums = anyStops();
        drums[0] = stopsShowing(1, {Symbol::drum}, 25);
        drums[1] = stopsShowing(2, {Symbol::drum}, 25);
        auto win = findSpin(
            25, 1, [](const Trial& t) { return !t.pays.scatter && t.pays.win > 0 && t.pays.win <= 5; },
            drums);
        auto lose = findSpin(25, 1, [](const Trial& t) { return !t.pays.scatter && t.pays.win == 0; });
        EXPECT_TRUE(award && win && lose);
        return Spins{award.value_or(Trial{}), win.value_or(Trial{}), lose.value_or(Trial{})};
    }();
    return found;
}

// Multiplier draws and what they give.
constexpr int kTimes10 = 1, kTimes5 = 3, kTimes3 = 10, kTimes2 = 20;

// The free-spin timer starts the next spin once the machine has been idle for six
// seconds of heartbeat ticks. After a won spin the idle count is brought there at
// once; a losing spin sets it there itself.
void nextFreeSpin(Rig& r) {
    if (r.s().idleticks <= 59) r.s().idleticks = 80;
    r.advance(100);
}

std::string remaining(int n) { return "     Freespins Remaining = " + std::to_string(n); }

// A paid spin with three scatters; the first tick of the free-spin timer will pick
// the series' clip with draw `soundPick`.
void award(Rig& r, int soundPick = 2) {
    scriptSpin(r, spins().award.stops, spins().award.bellcoin, 1);
    r.draws({soundPick});
    r.game.press(r.ui().btnspin);
}

TEST(FreeSpins, MultiplierTable) {
    struct Case {
        int draw;
        i16 multiplier, picture;
    } cases[] = {{1, 10, 26}, {2, 5, 22}, {5, 5, 22}, {6, 3, 18}, {14, 3, 18}, {15, 2, 14}, {25, 2, 14}};
    for (const Case& c : cases) {
        Rig r;
        seat(r, {});
        r.draws({c.draw});
        r.game.callRoutine("freespinbusiness");
        EXPECT_EQ(r.s().freespinmultiplier, c.multiplier);
        EXPECT_EQ(r.s().multiplierpicture, c.picture);
    }
}

TEST(FreeSpins, AwardAndTenFreeSpins) {
    const Spins& sp = spins();
    Rig r;
    seat(r, {.bank = 1000, .machinepay = 1});
    MachineState& s = r.s();
    s.games = 10;
    s.wager = 250;
    s.total = 90;

    const auto before = r.platform.time.nowMs();
    award(r);
    EXPECT_GE(r.platform.time.nowMs() - before, 12000) << "the award is shown for twelve seconds";
    EXPECT_EQ(s.freespinsawarded, 11);
    EXPECT_EQ(s.freespinsplayed, 1);
    EXPECT_EQ(s.howmanyspins, 1);
    EXPECT_EQ(s.autospinwait, 100);
    EXPECT_EQ(r.read("spinsleft.caption"), remaining(10));
    EXPECT_TRUE(r.ui().spinsleft.visible);
    EXPECT_FALSE(r.ui().panfreespin.visible);
    EXPECT_TRUE(r.game.m.timerEnabled(TimerId::Timerrespin));
    EXPECT_EQ(s.bank, 1000) << "the awarding spin's stake is given back";
    EXPECT_EQ(s.games, 10);
    EXPECT_EQ(s.freespintotal, sp.award.pays.win);
    EXPECT_EQ(r.read("LABWIN.caption"), std::to_string(sp.award.pays.win));
    EXPECT_EQ(countOf(r.sounds(), "play 126"), 1);

    // Ten free spins: odd ones win with a multiplier, even ones lose.
    const int multipliers[] = {kTimes10, kTimes5, kTimes3, kTimes2, kTimes2};
    const i32 factor[] = {10, 5, 3, 2, 2};
    i32 series = sp.award.pays.win;
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        const bool wins = i % 2 == 1;
        const Trial& t = wins ? sp.win : sp.lose;
        scriptSpin(r, t.stops, t.bellcoin, 1, wins ? multipliers[(i - 1) / 2] : kTimes3);
        nextFreeSpin(r);
        ASSERT_EQ(s.freespinsplayed, 1 + i);
        if (wins) series += factor[(i - 1) / 2] * t.pays.win;
        EXPECT_EQ(s.winamount, wins ? factor[(i - 1) / 2] * t.pays.win : 0);
        EXPECT_EQ(s.freespintotal, series);
        if (!wins) {
            EXPECT_EQ(s.idleticks, 80) << "a losing free spin lets the next follow at once";
        }
        if (i < 10) {
            EXPECT_EQ(r.read("spinsleft.caption"), remaining(10 - i));
            EXPECT_EQ(s.bank, 1000);
        }
    }
    EXPECT_EQ(r.platform.random.pending(), 0u);

    // One stake for the whole series; the wins wait in the series total.
    EXPECT_EQ(s.bank, 1000 - kStake);
    EXPECT_EQ(s.games, 11);
    EXPECT_EQ(s.wager, 250 + kStake);
    EXPECT_EQ(s.total, 90 + series);
    EXPECT_EQ(r.read("LABWIN.caption"), std::to_string(series));
    EXPECT_EQ(r.read("lblwin.caption"), money(series));
    EXPECT_EQ(r.read("spinsleft.caption"), "      Freespins Completed          ");
    EXPECT_TRUE(r.ui().takewin.visible);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::Timerrespin));
    // No free spin feeds the pools.
    EXPECT_EQ(s.grand, 2000000);
    EXPECT_EQ(s.major, 200000);
    EXPECT_EQ(s.minor, 2000);

    const auto clips = r.sounds();
    EXPECT_EQ(countOf(clips, "loop 125"), 1) << "the series clip starts once";
    EXPECT_EQ(countOf(clips, "play 114"), 0) << "free spins stop their reels silently";
    EXPECT_EQ(countOf(clips, "play 126"), 0);

    // Nothing more starts by itself.
    r.s().idleticks = 80;
    r.advance(1000);
    EXPECT_EQ(s.freespinsplayed, 11);
}

// A series whose last free spin lost ends with nothing for the win counter to
// count; the first win after the total was taken is counted onto the meters like any.
TEST(FreeSpins, TheFirstWinAfterATakenSeriesReachesTheMeters) {
    const Spins& sp = spins();
    Rig r;
    seat(r, {.bank = 1000, .machinepay = 1});
    MachineState& s = r.s();
    award(r);
    // The ninth free spin wins; its count ends in the six idle seconds before the
    // tenth, which loses.
    for (int i = 1; i <= 9; ++i) {
        const Trial& t = i == 9 ? sp.win : sp.lose;
        scriptSpin(r, t.stops, t.bellcoin, 1, kTimes2);
        nextFreeSpin(r);
    }
    scriptSpin(r, sp.lose.stops, sp.lose.bellcoin, 1, kTimes2);
    r.advance(8000);
    ASSERT_EQ(s.freespinsplayed, 11);
    ASSERT_TRUE(r.ui().takewin.visible);
    ASSERT_TRUE(r.game.click(r.ui().takewin));
    r.advance(2000);
    scriptSpin(r, sp.win.stops, sp.win.bellcoin, 1);
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    r.advance(5000);
    EXPECT_EQ(s.winamount, sp.win.pays.win);
    EXPECT_EQ(r.read("lblwin.caption"), money(sp.win.pays.win));
    EXPECT_EQ(r.read("LABWIN.caption"), std::to_string(sp.win.pays.win));
    EXPECT_EQ(r.read("Lblcredit.caption"), money(s.bank));
}

TEST(FreeSpins, RetriggerOnTheFourthFreeSpin) {
    const Spins& sp = spins();
    Rig r;
    seat(r, {.bank = 1000, .machinepay = 1});
    MachineState& s = r.s();
    award(r);
    r.sounds();
    for (int i = 1; i <= 3; ++i) {
        scriptSpin(r, sp.lose.stops, sp.lose.bellcoin, 1, kTimes2);
        nextFreeSpin(r);
    }
    ASSERT_EQ(s.freespinsplayed, 4);
    const i32 before = s.freespintotal;
    scriptSpin(r, sp.award.stops, sp.award.bellcoin, 1, kTimes5);
    nextFreeSpin(r);
    EXPECT_EQ(s.freespinsawarded, 22);
    EXPECT_EQ(s.freespinsplayed, 5);
    EXPECT_EQ(s.howmanyspins, 2);
    EXPECT_EQ(r.read("spinsleft.caption"), remaining(17));
    EXPECT_EQ(s.freespintotal, before + 5 * sp.award.pays.win) << "the retrigger's scatter pay is multiplied";
    EXPECT_EQ(s.bank, 1000);
    EXPECT_EQ(countOf(r.sounds(), "play 126"), 0);

    scriptSpin(r, sp.lose.stops, sp.lose.bellcoin, 1, kTimes2);
    nextFreeSpin(r);
    EXPECT_EQ(s.freespinsplayed, 6);
    EXPECT_EQ(r.read("spinsleft.caption"), remaining(16));
}

TEST(FreeSpins, WithdrawnFreeSpinIsDrawnAgainWithANewMultiplier) {
    const Spins& sp = spins();
    auto big = findSpin(25, 1, [](const Trial& t) { return !t.pays.scatter && 2 * t.pays.win > 2 * kStake; });
    ASSERT_TRUE(big);
    Rig r;
    seat(r, {.bank = 1000, .machinepay = 3});
    MachineState& s = r.s();
    award(r);
    const i32 afterAward = s.freespintotal;
    const i32 totalAfterAward = s.total;
    const i16 games = s.games;

    scriptSpin(r, big->stops, big->bellcoin, 2, kTimes2);       // withdrawn
    scriptSpin(r, sp.win.stops, sp.win.bellcoin, 1, kTimes10);  // stands
    const auto frames = r.platform.time.frames();
    nextFreeSpin(r);
    EXPECT_EQ(s.freespinmultiplier, 10);
    EXPECT_EQ(s.multiplierpicture, 26);
    EXPECT_EQ(s.freespinsplayed, 2);
    EXPECT_EQ(s.winamount, 10 * sp.win.pays.win);
    EXPECT_EQ(s.freespintotal, afterAward + 10 * sp.win.pays.win);
    EXPECT_EQ(s.total, totalAfterAward + 10 * sp.win.pays.win);
    EXPECT_EQ(s.games, games);
    EXPECT_EQ(s.bank, 1000);
    EXPECT_EQ(r.s().reelstop1, sp.win.stops[0]);
    EXPECT_EQ(r.platform.time.frames() - frames, 169);
    EXPECT_EQ(r.platform.random.pending(), 0u);
}

TEST(FreeSpins, AwardPauseLetsTimersRunButNoSpin) {
    Rig r;
    seat(r, {.bank = 1000});
    int ticks = 0;
    r.game.bindings.onTimer(TimerId::Timerscatter, [&] {
        ++ticks;
        r.game.spin.btnstartall_Click();
    });
    award(r);
    EXPECT_GE(ticks, 100);
    EXPECT_EQ(r.s().freespinsplayed, 1);
    EXPECT_EQ(r.platform.random.pending(), 1u) << "only the series clip's pick is left";
}

TEST(FreeSpins, SeriesEndUnderAutoplayGoesOn) {
    const Spins& sp = spins();
    Rig r;
    seat(r, {.bank = 1000});
    MachineState& s = r.s();
    s.freespinsawarded = 11;
    s.freespinsplayed = 10;
    s.autoplaymode = 10;
    scriptSpin(r, sp.lose.stops, sp.lose.bellcoin, 1, kTimes2);
    r.game.spin.btnstartall_Click();
    EXPECT_TRUE(r.game.m.timerEnabled(TimerId::tmrautospin));
    EXPECT_EQ(s.bank, 1000 - kStake);
}

}  // namespace
}  // namespace tonvale::testing
