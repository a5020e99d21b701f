// SPDX-License-Identifier: MIT
// Big wins: a win of at least 15, 30 or 60 times the stake is celebrated as a big,
// huge or mega win, with its own clip instead of the win's tune; a return not above
// the stake never is.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/bigwin.h"
#include "eval/spinsearch.h"
#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

TEST(BigWin, TheStepsAtFifteenThirtyAndSixtyTimesTheStake) {
    struct Case {
        std::int64_t win, stake;
        BigWin expected;
    } cases[] = {
        {0, 25, BigWin::none},
        {25, 25, BigWin::none},
        {374, 25, BigWin::none},
        {375, 25, BigWin::big},
        {749, 25, BigWin::big},
        {750, 25, BigWin::huge},
        {1499, 25, BigWin::huge},
        {1500, 25, BigWin::mega},
        {9000000, 25, BigWin::mega},
        {15, 1, BigWin::big},
        {14, 1, BigWin::none},
        {60, 1, BigWin::mega},
        {36450, 2430, BigWin::big},
        {36449, 2430, BigWin::none},
        {145800, 2430, BigWin::mega},
        // No stake (nothing to measure against) and a stake as large as the win: never.
        {1000, 0, BigWin::none},
        {1000, -5, BigWin::none},
        {1000, 1000, BigWin::none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.win) + " on " + std::to_string(c.stake));
        EXPECT_EQ(bigWinOf(c.win, c.stake), c.expected);
    }
    EXPECT_EQ(bigWinClip(BigWin::none), 0);
    EXPECT_EQ(bigWinClip(BigWin::big), 131);
    EXPECT_EQ(bigWinClip(BigWin::mega), 133);
}

// A fresh game with $ 50 of credit at bet 1 and 243 ways (stake 25), every win kept.
void seatedForBigWins(Rig& r) {
    r.load();
    r.s().soundonoff = -1;
    ASSERT_TRUE(r.game.press(r.ui().btncredit));
    r.s().machinepay = 1;
}

TEST(BigWin, ASpinWinningFifteenTimesTheStakeIsCelebratedWithItsOwnClip) {
    const auto want = [](std::int32_t from, std::int32_t below) {
        return testing::findSpin(25, 1, [=](const testing::Trial& t) {
            return t.pays.win >= from && t.pays.win < below && !t.pays.scatter;
        });
    };
    const auto small = want(26, 375), big = want(375, 750), huge = want(750, 1500),
               mega = want(1500, 1000000);
    ASSERT_TRUE(small && big && huge && mega);
    struct Case {
        const testing::Trial& trial;
        BigWin tier;
    } cases[] = {{*small, BigWin::none}, {*big, BigWin::big}, {*huge, BigWin::huge}, {*mega, BigWin::mega}};
    for (const bool soundOn : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.trial.pays.win) + (soundOn ? " sound on" : " sound off"));
            Rig r;
            seatedForBigWins(r);
            r.s().soundonoff = soundOn ? -1 : 0;
            const auto& st = c.trial.stops;
            r.stops(st[0], st[1], st[2], st[3], st[4], c.trial.bellcoin);
            r.sounds();
            ASSERT_TRUE(r.game.press(r.ui().btnspin));
            const Celebration& shown = r.game.m.celebration;
            EXPECT_EQ(shown.tier, c.tier);
            EXPECT_EQ(shown.count, c.tier == BigWin::none ? 0u : 1u);
            if (c.tier != BigWin::none) {
                EXPECT_EQ(shown.amount, c.trial.pays.win);
            }
            // The step's clip instead of the win's tune, and only with the sound on.
            const auto played = r.sounds();
            const auto has = [&](int clip) {
                return std::count(played.begin(), played.end(), "play " + std::to_string(clip)) > 0;
            };
            for (const BigWin w : {BigWin::big, BigWin::huge, BigWin::mega})
                EXPECT_EQ(has(bigWinClip(w)), soundOn && w == c.tier) << bigWinClip(w);
            const bool tune = std::any_of(played.begin(), played.end(), [](const std::string& s) {
                for (int clip = 101; clip <= 112; ++clip)
                    if (s == "play " + std::to_string(clip)) return true;
                return false;
            });
            EXPECT_EQ(tune, soundOn && c.tier == BigWin::none);
        }
    }
}

}  // namespace
}  // namespace tonvale
