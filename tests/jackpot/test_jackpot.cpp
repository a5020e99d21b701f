// SPDX-License-Identifier: MIT
// The jackpot feature: bell introduction, ball run and draw, award display and payment.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

// The trigger as the evaluation leaves it after three bells.
void triggerIntro(Rig& r) {
    r.s().bellcell[1] = 2;
    r.s().bellcell[2] = 5;
    r.s().bellcell[3] = 8;
    r.s().introticks = 0;
    r.game.m.setTimer(TimerId::Tmrtick, true);
    r.game.m.setTimer(TimerId::tmrbell, true);
}

// The ball about to make its first free step from `start`.
void startRun(Rig& r, std::int16_t start) {
    r.s().bet = 1;
    r.s().waysfactor = 25;
    r.s().ballstep = start;
    r.s().ballrounds = 0;
    r.s().balldrawn = 0;
    r.s().ballinterval = 0;
    r.s().ballx = 0;
    r.s().bally = 0;
    r.game.m.setTimer(TimerId::tmrdecidejackpot, true);
}

bool stopped(Rig& r) { return r.game.m.timerEnabled(TimerId::tmrshowjackpot); }

TEST(JackpotIntro, BellsRingAndTheBoardSlidesDownOverFiveSeconds) {
    Rig r;
    r.s().soundonoff = -1;
    triggerIntro(r);
    std::vector<std::string> frames;
    for (int i = 0; i < 12; ++i) {
        r.advance(100);
        frames.push_back(r.ui().flasher[5].picture.text());
        EXPECT_EQ(r.ui().flasher[2].picture.text(), r.ui().flasher[5].picture.text());
        EXPECT_EQ(r.ui().flasher[8].picture.text(), r.ui().flasher[5].picture.text());
    }
    EXPECT_EQ(frames, (std::vector<std::string>{"morphing/2", "morphing/3", "morphing/4", "morphing/5",
                                                "morphing/6", "morphing/7", "morphing/2", "morphing/3",
                                                "morphing/4", "morphing/5", "morphing/6", "morphing/7"}));
    EXPECT_EQ(r.sounds(), (std::vector<std::string>{"play 129", "play 129"}));
    EXPECT_FALSE(r.ui().panfreespin.visible);
    EXPECT_FALSE(r.ui().jackpotframe.visible);

    r.advance(100 * (30 - 12));
    EXPECT_TRUE(r.ui().jackpotframe.visible);
    EXPECT_EQ(r.ui().jackpotframe.left, 945);
    EXPECT_EQ(r.ui().jackpotframe.top, -1810);
    r.advance(100 * 10);
    EXPECT_EQ(r.ui().jackpotframe.top, 40 * 123 - 5500);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrdecidejackpot));

    r.game.m.setInterval(TimerId::tmrdecidejackpot, 900);  // left from the last feature
    r.advance(100 * 10);
    EXPECT_EQ(r.ui().jackpotframe.top, 650);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrbell));
    EXPECT_TRUE(r.game.m.timerEnabled(TimerId::tmrdecidejackpot));
    EXPECT_EQ(r.ui().timer(TimerId::tmrdecidejackpot).interval, 100);
    EXPECT_EQ(r.s().introticks, 0);
}

TEST(JackpotIntro, BellOutsideItsReelIsNotAnimated) {
    Rig r;
    triggerIntro(r);
    r.s().bellcell[3] = 2;  // not a cell of reel 3
    r.ui().flasher[2].picture = Picture(Sheet::ImageList3, kCellFrame);
    r.s().bellcell[1] = 0;
    r.advance(300);
    EXPECT_FALSE(r.ui().flasher[2].visible);
    EXPECT_EQ(r.ui().flasher[2].picture.text(), "ImageList3/27");
    EXPECT_TRUE(r.ui().flasher[5].visible);
}

TEST(JackpotRun, FromFieldSixteenTheBallJumpsToFieldOneInTheFirstTick) {
    Rig r;
    startRun(r, 16);
    r.advance(100);
    EXPECT_EQ(r.s().ballstep, 1);
    EXPECT_EQ(r.s().ballrounds, 1);
    EXPECT_EQ(r.s().balldrawn, 0);
    EXPECT_EQ(r.ui().jackpotball11.left, -50);
    EXPECT_EQ(r.ui().jackpotball11.top, -120);
    EXPECT_TRUE(r.ui().jackpotball11.visible);
    EXPECT_FALSE(r.ui().jackpotpicture.visible);
}

TEST(JackpotRun, FreeLapsThenTheDrawAndAStopOnFieldOneInTheSameTick) {
    Rig r;
    r.s().soundonoff = -1;
    startRun(r, 10);
    r.draws({1});
    // Fields 11..16, then a whole lap 1..16: 22 ticks without a draw.
    r.advance(22 * 100);
    EXPECT_EQ(r.s().ballstep, 16);
    EXPECT_EQ(r.s().balldrawn, 0);
    EXPECT_EQ(r.platform.random.pending(), 1u);
    EXPECT_EQ(r.ui().jackpotball11.left, -50);
    EXPECT_EQ(r.ui().jackpotball11.top, 1300);
    r.sounds();
    r.advance(100);
    EXPECT_EQ(r.s().balldrawn, 1);
    EXPECT_EQ(r.s().ballstop, 1);
    EXPECT_TRUE(stopped(r));
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrdecidejackpot));
    EXPECT_EQ(r.s().jackpotfield, 1);
    EXPECT_EQ(r.s().jackpotwon, 500);  // 20 x the 25-cent stake
    EXPECT_EQ(r.sounds(), (std::vector<std::string>{"loop 127", "stop", "play 128"}));
}

TEST(JackpotRun, AfterTheDrawEachStepTakesAHundredMillisecondsLonger) {
    Rig r;
    startRun(r, 15);
    r.draws({4});
    r.s().grand = 2345650;
    r.s().grandwon = 2;
    r.advance(18 * 100);  // 16, then the lap, then the draw and field 1
    ASSERT_EQ(r.s().balldrawn, 1);
    EXPECT_EQ(r.s().ballstep, 1);
    EXPECT_EQ(r.ui().timer(TimerId::tmrdecidejackpot).interval, 100);
    r.advance(100);
    EXPECT_EQ(r.s().ballstep, 2);
    EXPECT_EQ(r.ui().timer(TimerId::tmrdecidejackpot).interval, 200);
    r.advance(199);
    EXPECT_EQ(r.s().ballstep, 2);
    r.advance(1);
    EXPECT_EQ(r.s().ballstep, 3);
    EXPECT_EQ(r.ui().timer(TimerId::tmrdecidejackpot).interval, 300);
    r.advance(299);
    EXPECT_FALSE(stopped(r));
    r.advance(1);
    EXPECT_TRUE(stopped(r));
    EXPECT_EQ(r.ui().jackpotball11.left, 5050);
    EXPECT_EQ(r.s().jackpotwon, 2345650);
    EXPECT_EQ(r.s().grandwon, 3);
}

TEST(JackpotRun, EveryFieldHasItsPlaceAndPrize) {
    struct Case {
        int field;
        int left, top;
        std::int32_t prize;  // with bet 20 at 243 ways, minor 2500, major 250000, grand 2500000
        int minorwon, majorwon, grandwon;
    };
    const Case cases[] = {
        {1, -50, -120, 10000, 0, 0, 0},    {2, 1700, -120, 5000, 0, 0, 0},  {3, 3300, -120, 10000, 0, 0, 0},
        {4, 5050, -120, 2500000, 0, 0, 1}, {5, 6700, -120, 5000, 0, 0, 0},  {6, 8350, -120, 2500, 1, 0, 0},
        {7, 8350, 1300, 5000, 0, 0, 0},    {8, 8350, 2650, 15000, 0, 0, 0}, {9, 8350, 4050, 10000, 0, 0, 0},
        {10, 6700, 4050, 5000, 0, 0, 0},   {11, 5050, 4050, 2500, 1, 0, 0}, {12, 3300, 4050, 5000, 0, 0, 0},
        {13, 1700, 4050, 250000, 0, 1, 0}, {14, -50, 4050, 5000, 0, 0, 0},  {15, -50, 2650, 10000, 0, 0, 0},
        {16, -50, 1300, 15000, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        Rig r;
        r.s().minor = 2500;
        r.s().major = 250000;
        r.s().grand = 2500000;
        startRun(r, static_cast<std::int16_t>(c.field - 1));
        r.s().bet = 20;  // the bet in force when the ball stops counts
        r.s().balldrawn = 1;
        r.s().ballstop = static_cast<std::int16_t>(c.field);
        r.advance(100);
        ASSERT_TRUE(stopped(r));
        EXPECT_EQ(r.ui().jackpotball11.left, c.left);
        EXPECT_EQ(r.ui().jackpotball11.top, c.top);
        EXPECT_EQ(r.s().ballx, c.left);
        EXPECT_EQ(r.s().bally, c.top);
        EXPECT_EQ(r.s().jackpotwon, c.prize);
        EXPECT_EQ(r.s().betx10, 5000);
        EXPECT_EQ(r.s().betx20, 10000);
        EXPECT_EQ(r.s().betx30, 15000);
        EXPECT_EQ(r.s().minorwon, c.minorwon);
        EXPECT_EQ(r.s().majorwon, c.majorwon);
        EXPECT_EQ(r.s().grandwon, c.grandwon);
    }
}

// The bet multiples are money and kept in its width: a stake beyond the game's own
// bets (a stored or scripted bet) is still paid ten, twenty and thirty times over,
// not left at a 16-bit value of an earlier run.
TEST(JackpotRun, BetMultiplesAreMoneyOfTheMoneyWidth) {
    Rig r;
    startRun(r, 7);
    r.s().bet = 100;  // a stake of 2500 at 243 ways
    r.s().balldrawn = 1;
    r.s().ballstop = 8;  // thirty times the stake
    r.advance(100);
    ASSERT_TRUE(stopped(r));
    EXPECT_EQ(r.s().betx10, 25000);
    EXPECT_EQ(r.s().betx20, 50000);
    EXPECT_EQ(r.s().betx30, 75000);
    EXPECT_EQ(r.s().jackpotwon, 75000);
}

// The ball has stopped on `field` with the prize it drew.
void stopOn(Rig& r, std::int16_t field, std::int32_t prize) {
    r.s().jackpotfield = field;
    r.s().jackpotwon = prize;
    r.s().ballx = 8350;
    r.s().bally = -120;
    r.ui().jackpotframe.visible = true;
    r.ui().panfreespin.visible = false;
    r.ui().btnoptions.enabled = false;
    r.ui().btnopenmenu.enabled = false;
    r.game.m.setTimer(TimerId::tmrshowjackpot, true);
}

TEST(JackpotAward, MinorPrizeShowsItsBannerForSixSecondsThenPays) {
    Rig r;
    r.s().bank = 10000;
    r.s().minor = 2000;
    r.s().bellcount = 3;
    stopOn(r, 6, 2000);
    std::vector<std::string> banners;
    std::vector<std::string> balls;
    for (int i = 0; i < 8; ++i) {
        r.advance(100);
        banners.push_back(r.ui().jackpotpicture.picture.text());
        std::string shown;
        for (const Control* b : {&r.ui().jackpotball11, &r.ui().jackpotball21, &r.ui().jackpotball31}) {
            if (!b->visible) continue;
            shown += b->name.substr(11, 1);
            EXPECT_EQ(b->left, 8350);
            EXPECT_EQ(b->top, -120);
        }
        balls.push_back(shown);
    }
    EXPECT_EQ(banners,
              (std::vector<std::string>{"jackpotwin/1", "jackpotwin/2", "jackpotwin/3", "jackpotwin/1",
                                        "jackpotwin/2", "jackpotwin/3", "jackpotwin/1", "jackpotwin/2"}));
    EXPECT_EQ(balls, (std::vector<std::string>{"1", "2", "3", "1", "1", "2", "3", "1"}));
    EXPECT_TRUE(r.ui().jackpotpicture.visible);
    EXPECT_FALSE(r.ui().lbljackpotwon.visible);
    EXPECT_EQ(r.ui().LABWIN.caption, "2000");
    EXPECT_EQ(r.ui().lblwin.caption, "$ 20");

    r.advance(100 * 51);  // the 59th tick
    EXPECT_EQ(r.s().bank, 10000);
    EXPECT_TRUE(r.ui().jackpotframe.visible);
    r.advance(100);
    EXPECT_EQ(r.s().bank, 12000);
    EXPECT_EQ(r.s().jackpotbank, 2000);
    EXPECT_EQ(r.s().minor, 2000);
    EXPECT_EQ(r.ui().PANELBANK.caption, "12000");
    EXPECT_EQ(r.ui().Lblcredit.caption, "$ 120");
    EXPECT_EQ(r.ui().lblminor.caption, "$ 20");
    EXPECT_EQ(r.s().showticks, 0);
    EXPECT_EQ(r.s().bellcount, 0);
    EXPECT_FALSE(stopped(r));
    EXPECT_FALSE(r.ui().jackpotframe.visible);
    EXPECT_FALSE(r.ui().jackpotpicture.visible);
    for (const Control* b : {&r.ui().jackpotball11, &r.ui().jackpotball21, &r.ui().jackpotball31})
        EXPECT_FALSE(b->visible);
    EXPECT_TRUE(r.ui().panfreespin.visible);
    EXPECT_TRUE(r.ui().btnoptions.enabled);
    EXPECT_TRUE(r.ui().btnopenmenu.enabled);
}

TEST(JackpotAward, PaidPoolStartsAgainAndBetMultiplesPayWithoutStatistics) {
    struct Case {
        const char* name;
        std::int16_t field;
        std::int32_t prize;
        const char* banner;  // the first banner frame, or "" for the label
        const char* label;   // the prize label, or ""
        std::int32_t jackpotbank, grand, major, minor;
    };
    const Case cases[] = {
        {"grand", 4, 2345600, "jackpotwin/7", "", 2345600, 2000000, 210000, 3000},
        {"major", 13, 210000, "jackpotwin/4", "", 210000, 2345600, 200000, 3000},
        {"minor", 11, 3000, "jackpotwin/1", "", 3000, 2345600, 210000, 2000},
        {"ten times", 12, 250, "", "BET X 10  = 250", 0, 2345600, 210000, 3000},
        {"twenty times", 9, 500, "", "BET X 20  = 500", 0, 2345600, 210000, 3000},
        {"thirty times", 8, 750, "", "BET X 30  = 750", 0, 2345600, 210000, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.s().bank = 500;
        r.s().grand = 2345600;
        r.s().major = 210000;
        r.s().minor = 3000;
        r.s().betx10 = 250;
        r.s().betx20 = 500;
        r.s().betx30 = 750;
        r.s().bannerframe = 9;  // left from an earlier grand display
        stopOn(r, c.field, c.prize);
        r.advance(100);
        EXPECT_EQ(r.ui().jackpotpicture.visible, *c.banner != '\0');
        if (*c.banner) {
            EXPECT_EQ(r.ui().jackpotpicture.picture.text(), c.banner);
        }
        EXPECT_EQ(r.ui().lbljackpotwon.visible, *c.label != '\0');
        if (*c.label) {
            EXPECT_EQ(r.ui().lbljackpotwon.caption, c.label);
        }
        r.advance(5900);
        EXPECT_EQ(r.s().bank, 500 + c.prize);
        EXPECT_EQ(r.s().jackpotbank, c.jackpotbank);
        EXPECT_EQ(r.s().grand, c.grand);
        EXPECT_EQ(r.s().major, c.major);
        EXPECT_EQ(r.s().minor, c.minor);
    }
}

TEST(JackpotAward, GrandMeterShowsTheResetValueAfterPayment) {
    Rig r;
    r.s().grand = 2400000;
    stopOn(r, 4, 2400000);
    r.advance(6000);
    EXPECT_EQ(r.ui().lblgrand.caption, "$ 20000");
}

// A bet multiple that happens to equal a pool is still a bet multiple.
TEST(JackpotAward, BetMultipleEqualToAPoolPaysTheMultipleAndResetsNothing) {
    Rig r;
    r.s().bet = 10;
    r.s().waysfactor = 25;
    r.s().minor = 2500;
    r.s().bank = 1000;
    startRun(r, 1);
    r.s().bet = 10;
    r.s().balldrawn = 1;
    r.s().ballstop = 2;  // BET X 10: 10 x 250 = 2500, the minor pool's value
    r.advance(100);
    ASSERT_TRUE(stopped(r));
    EXPECT_EQ(r.s().jackpotwon, 2500);
    EXPECT_EQ(r.s().minorwon, 0);
    r.advance(100);
    EXPECT_FALSE(r.ui().jackpotpicture.visible);
    EXPECT_EQ(r.ui().lbljackpotwon.caption, "BET X 10  = 2500");
    r.advance(5900);
    EXPECT_EQ(r.s().bank, 3500);
    EXPECT_EQ(r.s().jackpotbank, 0);
    EXPECT_EQ(r.s().minor, 2500);
}

// A spin made during the display grows the pools; the drawn prize is still paid.
TEST(JackpotAward, PoolThatGrewDuringTheDisplayPaysTheDrawnAmountAndStartsAgain) {
    Rig r;
    r.s().major = 230000;
    r.s().bank = 100;
    startRun(r, 12);
    r.s().balldrawn = 1;
    r.s().ballstop = 13;
    r.advance(100);
    ASSERT_EQ(r.s().jackpotwon, 230000);
    r.advance(2000);
    r.s().major += 30;
    r.s().grand += 50;
    r.advance(1000);
    EXPECT_EQ(r.ui().jackpotpicture.picture.sheet, Sheet::jackpotwin);
    EXPECT_TRUE(r.ui().jackpotpicture.visible);
    r.advance(3000);
    EXPECT_FALSE(stopped(r));
    EXPECT_EQ(r.s().bank, 230100);
    EXPECT_EQ(r.s().jackpotbank, 230000);
    EXPECT_EQ(r.s().major, 200000);
    EXPECT_EQ(r.s().grand, 50);
}

TEST(JackpotAward, AutoplayResumesOnlyAfterThePayment) {
    Rig r;
    r.s().autoplaymode = 10;
    stopOn(r, 2, 250);
    r.advance(5900);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrautospin));
    r.advance(100);
    EXPECT_TRUE(r.game.m.timerEnabled(TimerId::tmrautospin));
    EXPECT_EQ(r.s().bank, 250);
}

}  // namespace
}  // namespace tonvale
