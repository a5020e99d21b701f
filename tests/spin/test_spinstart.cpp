// SPDX-License-Identifier: MIT
// Starting a spin, bet and ways selection, and inserting credit.
#include <gtest/gtest.h>

#include "eval/spinsearch.h"
#include "eval/table.h"
#include "rules/money.h"
#include "spin/spincycle.h"

namespace tonvale::testing {
namespace {

std::optional<Trial> losingSpin() {
    static const auto found =
        findSpin(25, 20, [](const Trial& t) { return t.pays.win == 0 && !t.pays.scatter; });
    return found;
}

enum class Start { spinButton, starter };

void start(Rig& r, Start how) {
    if (how == Start::spinButton)
        r.game.press(r.ui().btnspin);
    else
        r.game.spin.btnstartall_Click();
}

TEST(SpinStart, CreditMustCoverTheStake) {
    const auto lose = losingSpin();
    ASSERT_TRUE(lose);
    struct Case {
        Start how;
        i32 bank;
        bool runs;
    } cases[] = {{Start::spinButton, 499, false},
                 {Start::spinButton, 500, true},
                 {Start::starter, 499, false},
                 {Start::starter, 500, true}};
    for (const Case& c : cases) {
        Rig r;
        seat(r, {.bank = c.bank, .bet = 20});
        r.s().autoplaymode = 10;
        r.ui().btncredit.enabled = false;
        scriptSpin(r, lose->stops, lose->bellcoin, 1);
        start(r, c.how);
        const auto clips = r.sounds();
        EXPECT_EQ(r.s().games, c.runs ? 1 : 0);
        EXPECT_EQ(r.platform.random.pending(), c.runs ? 0u : 7u);
        EXPECT_EQ(r.ui().pannomoney.visible, !c.runs);
        EXPECT_EQ(countOf(clips, "play 113"), c.runs ? 0 : 1);
        if (c.runs) {
            EXPECT_EQ(r.s().bank, c.bank - 500);
            EXPECT_EQ(r.s().autoplaymode, 10);
        } else {
            EXPECT_EQ(r.s().autoplaymode, 0);
            // The spin button's refusal offers the credit button; the starter's
            // refusal leaves the spin button off.
            if (c.how == Start::spinButton) {
                EXPECT_TRUE(r.ui().btncredit.enabled);
            } else {
                EXPECT_FALSE(r.ui().btnspin.enabled);
            }
        }
    }
}

TEST(SpinStart, ResetsTheSeriesAndWritesTheMeters) {
    auto win =
        findSpin(25, 1, [](const Trial& t) { return t.pays.win > 0 && t.pays.win <= 50 && !t.pays.scatter; });
    ASSERT_TRUE(win);
    for (Start how : {Start::spinButton, Start::starter}) {
        Rig r;
        seat(r, {.bank = 1000});
        MachineState& s = r.s();
        s.freespintotal = 700;
        s.gamblestake = 40;
        s.gamblecarry = 80;
        s.wincounted = 12;
        s.idleticks = 30;
        s.introticks = 20;
        s.bellframe = 3;
        s.keycount = 1;
        scriptSpin(r, win->stops, win->bellcoin, 1);
        start(r, how);
        EXPECT_EQ(countOf(r.sounds(), "play 115"), 1);
        EXPECT_EQ(s.freespintotal, 0);
        EXPECT_EQ(s.gamblestake, 0);
        EXPECT_EQ(s.gamblecarry, 0);
        EXPECT_EQ(s.wincounted, 0);
        EXPECT_EQ(s.idleticks, 0);
        EXPECT_EQ(s.introticks, 0);
        EXPECT_EQ(s.bellframe, 0);
        EXPECT_EQ(s.keycount, 0);
        // A won spin leaves the start captions until the roll-up writes the win.
        EXPECT_EQ(r.read("LABWIN.caption"), "Good Luck");
        EXPECT_EQ(r.read("lblwin.caption"), " ");
        EXPECT_EQ(r.read("lbllast.caption"), "25    $0.25");
        EXPECT_EQ(r.read("PANELBANK.caption"), "975");
        EXPECT_EQ(r.read("Lblcredit.caption"), "$ 9.75");
        EXPECT_EQ(s.bank, 975 + win->pays.win);
        EXPECT_TRUE(r.ui().btnspin.visible && r.ui().btnspin.enabled);
    }
}

TEST(SpinStart, PressDuringARunningSpinIsRefused) {
    const auto lose = losingSpin();
    ASSERT_TRUE(lose);
    for (Start how : {Start::spinButton, Start::starter}) {
        Rig r;
        // At speed 8 the reels run for more than the autoplay timer's half second,
        // so the timer ticks where the evaluation lets events run after the run.
        seat(r, {.bet = 20, .reelspeed = 8});
        int presses = 0;
        r.game.bindings.onTimer(TimerId::tmrautospin, [&] {
            ++presses;
            r.game.mouseDown(r.ui().btnspin);
            r.game.spin.btnstartall_Click();
        });
        r.game.m.setTimer(TimerId::tmrautospin, true);
        scriptSpin(r, lose->stops, lose->bellcoin, 1);
        const auto frames = r.platform.time.frames();
        start(r, how);
        EXPECT_GE(presses, 1);
        EXPECT_EQ(r.s().games, 1);
        EXPECT_EQ(r.platform.time.frames() - frames, 269);
        EXPECT_FALSE(r.game.spin.spinning());
    }
}

TEST(BetAndWays, BetStepsFromStart) {
    Rig r;
    seat(r, {.bank = 100000});
    const std::pair<i16, const char*> steps[] = {{1, "1"},   {2, "2"},   {5, "5"},
                                                 {10, "10"}, {20, "20"}, {1, "1"}};
    for (const auto& [bet, caption] : steps) {
        r.game.press(r.ui().btnbet);
        EXPECT_EQ(r.s().bet, bet);
        EXPECT_EQ(r.read("lblbet.caption"), caption);
        EXPECT_EQ(r.read("lbllast.caption"), totalBetCaption(25 * bet));
        EXPECT_TRUE(r.ui().btnbet.visible);
        EXPECT_TRUE(r.ui().btnlines.enabled && r.ui().btncredit.enabled);
    }
}

TEST(BetAndWays, WaysStepsAndHatching) {
    Rig r;
    seat(r, {.bank = 100000, .bet = 2});
    struct Step {
        i16 factor;
        const char* ways;
        std::vector<int> hatched;
    } steps[] = {
        {1, "3", {4, 6, 7, 9, 10, 12, 13, 15}},
        {3, "9", {7, 9, 10, 12, 13, 15}},
        {7, "27", {10, 12, 13, 15}},
        {15, "81", {13, 15}},
        {25, "243", {}},
        {1, "3", {4, 6, 7, 9, 10, 12, 13, 15}},
    };
    for (const Step& st : steps) {
        r.ui().flasher[3].visible = true;
        r.game.press(r.ui().btnlines);
        EXPECT_EQ(r.s().waysfactor, st.factor);
        EXPECT_EQ(r.read("lbllines.caption"), st.ways);
        EXPECT_EQ(r.read("lbllast.caption"), totalBetCaption(2 * st.factor));
        for (int i : MainWindow::kShapeIndexes) {
            const bool hatched = std::find(st.hatched.begin(), st.hatched.end(), i) != st.hatched.end();
            EXPECT_EQ(r.ui().Shape[static_cast<std::size_t>(i)].visible, hatched) << "Shape " << i;
        }
        EXPECT_FALSE(r.ui().flasher[3].visible);
    }
}

TEST(BetAndWays, BetAboveTheCreditStaysAndStopsAutoplay) {
    Rig r;
    seat(r, {.bank = 499});
    for (int i = 0; i < 4; ++i) r.game.press(r.ui().btnbet);  // 1, 2, 5, 10
    EXPECT_FALSE(r.ui().pannomoney.visible);
    r.s().autoplaymode = 10;
    r.sounds();
    r.game.press(r.ui().btnbet);  // 20: stake 500
    EXPECT_EQ(r.s().bet, 20);
    EXPECT_TRUE(r.ui().pannomoney.visible);
    EXPECT_EQ(r.s().autoplaymode, 0);
    EXPECT_FALSE(r.ui().autoplayon.enabled);
    EXPECT_EQ(r.read("lbllast.caption"), "250    $2.5");
    EXPECT_EQ(r.sounds(), (std::vector<std::string>{"play 115", "play 113"}));
}

TEST(BetAndWays, BetPressDuringASeriesKeepsTheBet) {
    Rig r;
    seat(r, {.bet = 5});
    r.s().freespinsawarded = 11;
    r.s().freespinsplayed = 3;
    r.s().freespintotal = 120;
    r.game.m.setTimer(TimerId::Timerflash, true);
    r.game.press(r.ui().btnbet);
    EXPECT_EQ(r.s().bet, 5);
    EXPECT_EQ(r.s().freespintotal, 120);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::Timerflash));
    EXPECT_TRUE(r.sounds().empty());
}

TEST(InsertCredit, AddsFiveThousandOutsideASeries) {
    struct Case {
        i16 awarded;
        i32 bank;
        std::vector<std::string> clips;
    } cases[] = {{0, 5100, {"stop", "play 130"}}, {1, 5100, {"stop", "play 130"}}, {11, 100, {}}};
    for (const Case& c : cases) {
        Rig r;
        seat(r, {.bank = 100});
        r.s().freespinsawarded = c.awarded;
        r.s().amountinvested = 700;
        r.ui().pannomoney.visible = true;
        r.ui().keypreview = false;
        r.ui().autoplayon.enabled = false;
        r.game.press(r.ui().btncredit);
        EXPECT_EQ(r.s().bank, c.bank);
        EXPECT_EQ(r.s().amountinvested, 700 + (c.bank - 100));
        EXPECT_EQ(r.sounds(), c.clips);
        EXPECT_TRUE(r.ui().btncredit.visible);
        if (c.bank != 100) {
            EXPECT_FALSE(r.ui().pannomoney.visible);
            EXPECT_EQ(r.read("PANELBANK.caption"), "5100");
            EXPECT_EQ(r.read("Lblcredit.caption"), "$ 51");
            EXPECT_TRUE(r.ui().keypreview);
            EXPECT_TRUE(r.ui().autoplayon.enabled);
        }
    }
}

}  // namespace
}  // namespace tonvale::testing
