// SPDX-License-Identifier: MIT
// The double-up gamble: entering, betting on colour or suit, collecting, losing,
// the history strip, and collecting a free-spin total with take-win.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "gamble/gamble.h"
#include "rig.h"

namespace tonvale {
namespace {

using testing::afterWin;
using testing::Rig;

void enter(Rig& r) { ASSERT_TRUE(r.game.click(r.ui().btndouble)); }

void betRed(Rig& r, int card) {
    r.draws({card});
    ASSERT_TRUE(r.game.click(r.ui().betred));
}

std::vector<std::string> stakeLabels(Rig& r) {
    return {r.ui().risklab.caption, r.ui().lblblackred.caption, r.ui().lblsuit.caption};
}

TEST(Gamble, EnteringShowsTheStakeAndTakesItFromTheCredit) {
    Rig r;
    r.s().soundonoff = -1;
    afterWin(r, 250);
    r.ui().flasher[4].visible = true;
    r.game.m.setTimer(TimerId::Timerwincounter, true);
    r.s().wincounted = 120;
    enter(r);
    EXPECT_EQ(stakeLabels(r),
              (std::vector<std::string>{"At Risk  250", "Black/Red Win = 500", "Suit Win = 1000"}));
    EXPECT_EQ(r.s().gamblestake, 250);
    EXPECT_EQ(r.s().bank, 9750);
    EXPECT_EQ(r.ui().PANELBANK.caption, "9750");
    EXPECT_EQ(r.ui().Lblcredit.caption, "$ 97.5");
    EXPECT_EQ(r.ui().LABWIN.caption, "250");
    EXPECT_EQ(r.ui().lblwin.caption, "$ 2.5");
    EXPECT_TRUE(r.ui().pandouble.visible);
    EXPECT_EQ(r.ui().piccardholder.picture.text(), "imagelistcards/5");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(r.ui().suitbet[i].picture.text(), "imagelistcards/" + std::to_string(5 + i));
    EXPECT_FALSE(r.ui().flasher[4].visible);
    EXPECT_FALSE(r.ui().btndouble.visible);
    EXPECT_FALSE(r.ui().btndouble.enabled);
    EXPECT_FALSE(r.ui().btncredit.enabled);
    EXPECT_FALSE(r.ui().btnlines.enabled);
    EXPECT_TRUE(r.ui().btnspin.enabled);  // the spin stays available
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::Timerwincounter));
    EXPECT_EQ(r.s().wincounted, 120);
    EXPECT_FALSE(r.ui().keypreview);
    EXPECT_EQ(r.sounds(), std::vector<std::string>{"play 115"});
}

TEST(Gamble, RedWinDoublesTheStakeAndCollectingCreditsIt) {
    Rig r;
    r.s().soundonoff = -1;
    afterWin(r, 250);
    enter(r);
    r.sounds();
    const auto slept = r.platform.time.slept();
    betRed(r, 3);  // diamonds
    EXPECT_EQ(r.s().gamblestake, 500);
    EXPECT_EQ(stakeLabels(r),
              (std::vector<std::string>{"At Risk  500", "Black/Red Win = 1000", "Suit Win = 2000"}));
    EXPECT_EQ(r.ui().piccardholder.picture.text(), "imagelistcards/3");
    EXPECT_EQ(r.ui().piccardholder.overlay.text(), "");
    EXPECT_TRUE(r.ui().gamblewin.visible);
    EXPECT_EQ(r.ui().gamblewin.top, 4800);
    EXPECT_EQ(r.ui().gamblewin.left, 700);
    EXPECT_EQ(r.platform.time.slept() - slept, 15 * 50);  // the peel, frame by frame
    EXPECT_EQ(r.s().bank, 9750);
    EXPECT_TRUE(r.ui().pandouble.visible);
    EXPECT_EQ(r.sounds(), (std::vector<std::string>{"play 115", "play 117"}));

    ASSERT_TRUE(r.game.click(r.ui().cancelbet));
    EXPECT_FALSE(r.ui().pandouble.visible);
    EXPECT_EQ(r.s().bank, 10250);
    EXPECT_EQ(r.s().total, 40000 + 500 - 250);
    EXPECT_EQ(r.ui().PANELBANK.caption, "10250");
    EXPECT_EQ(r.ui().Lblcredit.caption, "$ 102.5");
    EXPECT_EQ(r.ui().LABWIN.caption, "500");
    EXPECT_EQ(r.ui().lblwin.caption, "$ 5");
    EXPECT_TRUE(r.ui().btnlines.enabled);
    EXPECT_TRUE(r.ui().btncredit.enabled);
    EXPECT_FALSE(r.ui().btndouble.enabled);
    EXPECT_TRUE(r.ui().keypreview);
    EXPECT_EQ(r.sounds(), std::vector<std::string>{"play 101"});
}

TEST(Gamble, LossKeepsTheStakeOutOfTheCreditAndClosesThePanel) {
    Rig r;
    r.s().soundonoff = -1;
    afterWin(r, 250);
    enter(r);
    betRed(r, 1);
    r.sounds();
    const auto slept = r.platform.time.slept();
    betRed(r, 4);  // spades
    EXPECT_EQ(r.platform.time.slept() - slept, 15 * 50 + 3000);
    EXPECT_EQ(r.s().bank, 9750);
    EXPECT_EQ(r.s().total, 40000);
    EXPECT_EQ(r.s().gamblestake, 500);  // kept until the next spin clears it
    EXPECT_FALSE(r.ui().pandouble.visible);
    EXPECT_TRUE(r.ui().gamblelose.visible);
    EXPECT_EQ(r.ui().gamblelose.top, 4800);
    EXPECT_EQ(r.ui().risklab.caption, "    No Win  ");
    EXPECT_FALSE(r.ui().lblblackred.visible);
    EXPECT_FALSE(r.ui().lblsuit.visible);
    EXPECT_EQ(r.ui().LABWIN.caption, "         No Win");
    EXPECT_EQ(r.ui().lblwin.caption, " ");
    EXPECT_EQ(r.ui().PANELBANK.caption, "9750");
    for (const Control* c : {&r.ui().betred, &r.ui().betblack, &r.ui().cancelbet, &r.ui().btndouble})
        EXPECT_FALSE(c->enabled) << c->name;
    for (const Control* c :
         {&r.ui().autoplayon, &r.ui().btncredit, &r.ui().btnlines, &r.ui().btnspin, &r.ui().btnbet})
        EXPECT_TRUE(c->enabled) << c->name;
    EXPECT_TRUE(r.ui().keypreview);
    EXPECT_EQ(r.sounds(), (std::vector<std::string>{"play 115", "play 113"}));
}

TEST(Gamble, ColourAndSuitDecisionsOverAllFourCards) {
    // Cards: 1 hearts, 2 clubs, 3 diamonds, 4 spades.
    struct Case {
        const char* bet;
        std::array<bool, 5> winsOn;  // by card 1..4
        int multiple;
        int clip;
    };
    const Case cases[] = {
        {"betred", {false, true, false, true, false}, 2, 117},
        {"betblack", {false, false, true, false, true}, 2, 103},
        {"suitbet(1)", {false, true, false, false, false}, 4, 116},
        {"suitbet(2)", {false, false, true, false, false}, 4, 116},
        {"suitbet(3)", {false, false, false, true, false}, 4, 116},
        {"suitbet(4)", {false, false, false, false, true}, 4, 116},
    };
    for (const Case& c : cases) {
        for (int card = 1; card <= 4; ++card) {
            SCOPED_TRACE(std::string(c.bet) + " on card " + std::to_string(card));
            Rig r;
            r.s().soundonoff = -1;
            afterWin(r, 100);
            enter(r);
            r.sounds();
            r.draws({card});
            const std::string name = c.bet;
            const bool suit = name.rfind("suitbet", 0) == 0;
            Control* button = suit ? r.ui().find("suitbet", name[8] - '0') : r.ui().find(name);
            ASSERT_NE(button, nullptr);
            ASSERT_TRUE(r.game.click(*button));
            EXPECT_EQ(r.ui().piccardholder.picture.text(), "imagelistcards/" + std::to_string(card));
            const bool wins = c.winsOn[static_cast<std::size_t>(card)];
            EXPECT_EQ(r.ui().pandouble.visible, wins);
            EXPECT_EQ(r.s().gamblestake, wins ? 100 * c.multiple : 100);
            const auto played = r.sounds();
            ASSERT_EQ(played.size(), 2u);
            EXPECT_EQ(played[1], "play " + std::to_string(wins ? c.clip : 113));
        }
    }
}

// The suit icons of the strip, left to right.
std::vector<std::string> strip(Rig& r) {
    std::vector<std::pair<int, std::string>> slots;
    for (int i = 1; i <= 5; ++i) {
        const Control& h = r.ui().historypic[i];
        if (h.visible) slots.emplace_back(h.left, h.picture.text());
    }
    std::sort(slots.begin(), slots.end());
    std::vector<std::string> out;
    for (auto& [left, picture] : slots) out.push_back(picture);
    return out;
}

TEST(Gamble, HistoryStripShowsTheLastFiveCardsOldestFirst) {
    Rig r;
    afterWin(r, 1);
    enter(r);
    // Always bet on the suit that comes, so the panel stays open.
    const int cards[] = {1, 2, 3, 4, 4, 2, 1, 3, 3, 2, 4, 1};
    std::vector<std::string> drawn;
    for (std::size_t n = 0; n < std::size(cards); ++n) {
        const int card = cards[n];
        r.draws({card});
        if (n == 5) {
            // Lefts before the sixth card: slot i at its own place.
            for (int i = 1; i <= 5; ++i) EXPECT_EQ(r.ui().historypic[i].left, 360 + 600 * (i - 1));
        }
        ASSERT_TRUE(r.game.click(r.ui().suitbet[card]));
        drawn.push_back("imagelistcards/" + std::to_string(card + 5));
        const std::size_t shown = std::min<std::size_t>(drawn.size(), 5);
        EXPECT_EQ(strip(r),
                  std::vector<std::string>(drawn.end() - static_cast<std::ptrdiff_t>(shown), drawn.end()))
            << "after card " << n + 1;
        if (n == 5 || n == 10) {
            // The sixth card, and the eleventh like it, go into slot 1 at the right end.
            EXPECT_EQ(r.s().gamblecount, 6);
            EXPECT_EQ(r.ui().historypic[1].left, 2760);
            for (int i = 2; i <= 5; ++i) EXPECT_EQ(r.ui().historypic[i].left, 360 + 600 * (i - 2));
            for (int i = 1; i <= 5; ++i) EXPECT_EQ(r.ui().historypic[i].top, 3960);
        }
    }
    EXPECT_EQ(r.s().gamblecount, 7);
}

TEST(Gamble, DoublingBeyondTheMoneyWidthKeepsTheStake) {
    Rig r;
    afterWin(r, 1500000000, 1600000000);
    enter(r);
    betRed(r, 1);
    EXPECT_EQ(r.s().gamblestake, 1500000000);
    EXPECT_TRUE(r.ui().gamblewin.visible);  // still a win
    // The pays that no longer fit are never written.
    EXPECT_EQ(r.ui().risklab.caption, "At Risk  1500000000");
    EXPECT_EQ(r.ui().lblblackred.caption, "");
    EXPECT_EQ(r.ui().lblsuit.caption, "");
}

// The gamble is offered only for a win still to be collected: never for nothing,
// whether a spin or a series came to nothing.
TEST(Gamble, NothingWonIsNothingOffered) {
    Rig r;
    afterWin(r, 0, 800);
    EXPECT_FALSE(r.game.pressable(r.ui().btndouble));
    EXPECT_FALSE(r.game.click(r.ui().btndouble) && r.ui().pandouble.visible);
    EXPECT_FALSE(r.ui().pandouble.visible);
    EXPECT_EQ(r.s().bank, 800);
}

// The series has ended: its total waits on the meters for take-win. The game's
// cycle is a series, as the evaluation reports one.
void seriesEnded(Rig& r, std::int16_t autoplay, std::int32_t total = 3000) {
    MachineState& s = r.s();
    CycleBook& game = r.game.m.cycles;
    game.spinStarts();
    game.charged(25);
    game.drawn(Draw{{1, 1, 1, 1, 1}, 2, 1});
    game.stood(0, false);
    game.seriesAwarded(10);
    game.seriesTotal(total);
    s.freespinsawarded = 11;
    game.spinEnds();
    s.freespinsplayed = 11;
    s.respinsoundpick = 2;
    s.respinsounddone = 1;
    s.freespintotal = total;
    s.winamount = 40;  // the last free spin's win
    s.bank = 5000;
    s.idleticks = 33;
    s.wincounted = 12;
    s.rollstep = 4;
    s.keycount = 2;
    s.autoplaymode = autoplay;
    r.ui().takewin.visible = true;
    r.ui().spinsleft.visible = true;
    r.ui().panfreespin.visible = false;
    r.game.m.setTimer(TimerId::Timerrespin, true);
}

TEST(TakeWin, CollectsTheSeriesTotalAndOffersItAsTheNextStake) {
    Rig r;
    r.s().soundonoff = -1;
    seriesEnded(r, 0);
    r.game.m.setTimer(TimerId::tmrautospin, true);
    r.game.m.setTimer(TimerId::Timerrespin, false);
    ASSERT_TRUE(r.game.click(r.ui().takewin));
    const MachineState& s = r.s();
    EXPECT_EQ(s.bank, 8000);
    EXPECT_EQ(r.ui().PANELBANK.caption, "8000");
    EXPECT_EQ(r.ui().LABWIN.caption, "3000");
    EXPECT_EQ(r.ui().lblwin.caption, "$ 30");
    EXPECT_EQ(s.gamblecarry, 3000);
    EXPECT_EQ(s.freespintotal, 0);
    for (int v : {s.freespinsawarded, s.freespinsplayed, s.respinsoundpick, s.respinsounddone, s.idleticks,
                  s.rollstep, s.keycount})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(s.wincounted, 0);
    EXPECT_TRUE(r.ui().panfreespin.visible);
    EXPECT_FALSE(r.ui().spinsleft.visible);
    EXPECT_FALSE(r.ui().takewin.visible);
    EXPECT_TRUE(r.ui().btndouble.visible);
    EXPECT_TRUE(r.ui().btndouble.enabled);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrautospin));
    EXPECT_EQ(r.sounds(), std::vector<std::string>{"play 116"});
    EXPECT_EQ(s.total, 0);  // the series wins were counted by the evaluation

    // The gamble takes the series total, not the last spin's win.
    enter(r);
    EXPECT_EQ(r.s().gamblestake, 3000);
    EXPECT_EQ(r.s().gamblecarry, 0);
    EXPECT_EQ(r.s().bank, 5000);
    EXPECT_EQ(r.ui().risklab.caption, "At Risk  3000");

    // Won on red and collected: the statistic gains what the gamble added to the
    // series total (6000 - 3000), not 6000 less the last free spin's win.
    betRed(r, 1);
    ASSERT_TRUE(r.game.click(r.ui().cancelbet));
    EXPECT_EQ(r.s().bank, 11000);
    EXPECT_EQ(r.s().total, 3000);
}

TEST(TakeWin, ASeriesThatWonNothingOffersNoGamble) {
    Rig r;
    seriesEnded(r, 0, 0);
    ASSERT_TRUE(r.game.click(r.ui().takewin));
    EXPECT_FALSE(r.game.pressable(r.ui().btndouble));
    r.game.click(r.ui().btndouble);
    EXPECT_FALSE(r.ui().pandouble.visible);
    EXPECT_EQ(r.s().bank, 5000);
}

TEST(TakeWin, WithAutoplayOnTheGambleIsNotOffered) {
    Rig r;
    seriesEnded(r, 10);
    r.ui().btndouble.enabled = false;
    ASSERT_TRUE(r.game.click(r.ui().takewin));
    EXPECT_EQ(r.s().bank, 8000);
    EXPECT_EQ(r.s().gamblecarry, 3000);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::Timerrespin));
    EXPECT_FALSE(r.ui().btnopenmenu.enabled);
    EXPECT_FALSE(r.ui().btndouble.enabled);
    EXPECT_FALSE(r.ui().takewin.visible);
    EXPECT_TRUE(r.ui().keypreview);
}

// A click on the panel while the card is being revealed (the reveal lets events run).
TEST(Gamble, ClicksDuringTheRevealAreIgnored) {
    Rig r;
    afterWin(r, 250);
    enter(r);
    int clicksTried = 0;
    bool sawReveal = false;
    r.game.bindings.onTimer(TimerId::Tmrtick, [&] {
        if (!r.game.gamble.revealing()) return;
        sawReveal = true;
        clicksTried += r.game.click(r.ui().betblack) ? 1 : 0;
        clicksTried += r.game.click(r.ui().cancelbet) ? 1 : 0;
        clicksTried += r.game.click(r.ui().suitbet[2]) ? 1 : 0;
    });
    r.game.m.setTimer(TimerId::Tmrtick, true);
    r.draws({1, 2});
    ASSERT_TRUE(r.game.click(r.ui().betred));
    EXPECT_TRUE(sawReveal);
    EXPECT_GT(clicksTried, 0);  // the buttons were live and the clicks reached the handlers
    EXPECT_FALSE(r.game.gamble.revealing());
    EXPECT_EQ(r.s().gamblecount, 1);
    EXPECT_EQ(r.platform.random.pending(), 1u);  // no second card drawn
    EXPECT_EQ(r.s().gamblestake, 500);
    EXPECT_EQ(r.s().bank, 9750);  // not collected
    EXPECT_TRUE(r.ui().pandouble.visible);

    // Once the card is shown the panel answers again.
    ASSERT_TRUE(r.game.click(r.ui().cancelbet));
    EXPECT_EQ(r.s().bank, 10250);
}

}  // namespace
}  // namespace tonvale
