// SPDX-License-Identifier: MIT
// The win counter's roll-up and the idle heartbeat, driven by their timers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

// A paying spin as the evaluation leaves it: the win credited, the first step 1.
void startRollUp(Rig& r, std::int32_t win, std::int16_t winroll = 1) {
    r.s().winamount = win;
    r.s().bank = 7000 + win;
    r.s().winroll = winroll;
    r.s().rollstep = 1;
    r.s().wincounted = 0;
    r.ui().Lblcredit.caption = "before";
    r.game.m.setTimer(TimerId::Timerwincounter, true);
}

// Ticks until the counter stops, with the win meter after each tick.
std::vector<std::string> rollUp(Rig& r) {
    std::vector<std::string> meter;
    while (r.game.m.timerEnabled(TimerId::Timerwincounter) && meter.size() < 1000) {
        r.advance(100);
        meter.push_back(r.ui().LABWIN.caption);
    }
    return meter;
}

TEST(WinCounter, CountsUpAndFinishesOnTheTickTheWinIsReached) {
    struct Case {
        std::int32_t win;
        std::size_t ticks;
        const char* winMeter;
        const char* creditMeter;
    };
    for (const Case c : {Case{1, 1, "$ 0.01", "$ 70.01"}, Case{50, 14, "$ 0.5", "$ 70.5"},
                         Case{100, 19, "$ 1", "$ 71"}, Case{1000, 51, "$ 10", "$ 80"}}) {
        SCOPED_TRACE(c.win);
        Rig r;
        startRollUp(r, c.win);
        const auto meter = rollUp(r);
        ASSERT_EQ(meter.size(), c.ticks);
        EXPECT_EQ(meter.back(), std::to_string(c.win));
        EXPECT_EQ(r.ui().lblwin.caption, c.winMeter);
        // The credit meter is refreshed only when the count is complete.
        EXPECT_EQ(r.ui().Lblcredit.caption, c.creditMeter);
        EXPECT_EQ(r.ui().PANELBANK.caption, std::to_string(7000 + c.win));
        EXPECT_EQ(r.s().wincounted, 0);
        EXPECT_EQ(r.s().bank, 7000 + c.win);
    }
}

TEST(WinCounter, MeterRisesByTheStepOfTheAmountCountedSoFar) {
    Rig r;
    startRollUp(r, 1000);
    std::vector<std::string> dollars, cents;
    for (int i = 0; i < 14; ++i) {
        r.advance(100);
        dollars.push_back(r.ui().lblwin.caption);
        cents.push_back(r.ui().LABWIN.caption);
        EXPECT_EQ(r.ui().Lblcredit.caption, "before");
    }
    EXPECT_EQ(cents, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "8", "10", "12", "16", "24",
                                               "34", "44", "54"}));
    EXPECT_EQ(dollars.front(), "$ 0.01");
    EXPECT_EQ(dollars.back(), "$ 0.54");
}

TEST(WinCounter, StepChangesAtFifteenHundredCents) {
    struct Case {
        std::int32_t countedBefore;
        std::int16_t stepAfter;
    };
    for (const Case c : {Case{1499, 150}, Case{1500, 500}, Case{999, 50}, Case{1000, 150}}) {
        SCOPED_TRACE(c.countedBefore);
        Rig r;
        startRollUp(r, 100000);
        r.s().wincounted = c.countedBefore;
        r.advance(100);
        EXPECT_EQ(r.s().wincounted, c.countedBefore + 1);
        EXPECT_EQ(r.s().rollstep, c.stepAfter);
        EXPECT_EQ(r.ui().LABWIN.caption, std::to_string(c.countedBefore + 1));
    }
}

TEST(WinCounter, SettingOffShowsTheWinWholeOnTheFirstTick) {
    Rig r;
    startRollUp(r, 2345, 0);
    const auto meter = rollUp(r);
    ASSERT_EQ(meter.size(), 1u);
    EXPECT_EQ(meter[0], "2345");
    EXPECT_EQ(r.ui().lblwin.caption, "$ 23.45");
    EXPECT_EQ(r.ui().Lblcredit.caption, "$ 93.45");
}

TEST(WinCounter, FreeSpinWinIsNotCountedAndSwitchesTheSettingOff) {
    struct Case {
        std::int16_t awarded, over;
    };
    for (const Case c : {Case{11, 0}, Case{0, 1}}) {
        SCOPED_TRACE(c.awarded);
        Rig r;
        startRollUp(r, 600);
        r.s().freespinsawarded = c.awarded;
        r.s().freespinsover = c.over;
        r.ui().LABWIN.caption = "series total";
        r.advance(100);
        EXPECT_FALSE(r.game.m.timerEnabled(TimerId::Timerwincounter));
        EXPECT_EQ(r.s().winroll, 0);
        EXPECT_EQ(r.s().wincounted, 0);
        EXPECT_EQ(r.s().rollstep, 0);
        EXPECT_EQ(r.s().freespinsover, 0);
        EXPECT_EQ(r.ui().LABWIN.caption, "series total");
        EXPECT_EQ(r.ui().Lblcredit.caption, "before");

        // The next normal win is then shown whole.
        r.s().freespinsawarded = 0;
        r.s().winamount = 700;
        r.s().rollstep = 1;
        r.game.m.setTimer(TimerId::Timerwincounter, true);
        EXPECT_EQ(rollUp(r), std::vector<std::string>{"700"});
    }
}

TEST(Heartbeat, ReshowsButtonsCountsTicksAndRefreshesPools) {
    Rig r;
    MainWindow& ui = r.ui();
    for (Control* c : {&ui.btnlines, &ui.btncredit, &ui.btnbet, &ui.btndouble, &ui.autoplayon})
        c->visible = false;
    ui.btndouble.enabled = false;
    ui.keypreview = false;
    r.s().idleticks = 32765;
    r.s().introticks = 49;
    r.s().grand = 2000050;
    r.s().major = 200030;
    r.s().minor = 2020;
    r.game.m.setTimer(TimerId::Tmrtick, true);

    r.advance(100);
    for (Control* c : {&ui.btnlines, &ui.btncredit, &ui.btnbet, &ui.btndouble, &ui.autoplayon})
        EXPECT_TRUE(c->visible) << c->name;
    EXPECT_FALSE(ui.btndouble.enabled);  // shown again, never offered
    EXPECT_TRUE(ui.keypreview);
    EXPECT_EQ(r.s().introticks, 50);
    EXPECT_EQ(ui.lblgrand.caption, "$ 20000.5");
    EXPECT_EQ(ui.lblmajor.caption, "$ 2000.3");
    EXPECT_EQ(ui.lblminor.caption, "$ 20.2");

    r.s().minor = 2040;
    r.advance(300);
    EXPECT_EQ(r.s().introticks, 3);     // 50 wraps to 1
    EXPECT_EQ(r.s().idleticks, 32767);  // saturates instead of overflowing
    EXPECT_EQ(ui.lblminor.caption, "$ 20.4");
}

}  // namespace
}  // namespace tonvale
