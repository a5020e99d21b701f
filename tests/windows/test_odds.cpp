// SPDX-License-Identifier: MIT
// The odds page of the pay table: its figures are the exact ones of the bet, ways
// setting and payout level in play, and it opens over the pay table and closes
// back to it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "rig.h"
#include "rules/odds.h"
#include "windows/auxwindows.h"
#include "windows/oddswindow.h"

namespace tonvale {
namespace {

using testing::Rig;

// The number that starts at `from` in `text`.
double numberAt(const std::string& text, std::size_t from) {
    EXPECT_LT(from, text.size()) << text;
    if (from >= text.size()) return NAN;
    char* end = nullptr;
    const double v = std::strtod(text.c_str() + from, &end);
    EXPECT_NE(end, text.c_str() + from) << "no number at " << from << " of \"" << text << "\"";
    return v;
}

double numberAfter(const std::string& text, const std::string& mark) {
    const auto at = text.find(mark);
    EXPECT_NE(at, std::string::npos) << "\"" << mark << "\" in \"" << text << "\"";
    return at == std::string::npos ? NAN : numberAt(text, at + mark.size());
}

// A share of the stake written with four decimals: "88.6437 %".
void expectPercentOfStake(const Control& c, double stakes) {
    ASSERT_EQ(c.caption.substr(c.caption.size() - 2), " %") << c.caption;
    EXPECT_NEAR(numberAt(c.caption, 0), 100 * stakes, 0.5e-4 + 1e-9) << c.name << ": " << c.caption;
}

// "1 in N  (P %)": N the odds against, P the percentage, each close to the exact chance.
void expectChance(const Control& c, double p) {
    ASSERT_GT(p, 0);
    EXPECT_NEAR(numberAfter(c.caption, "1 in "), 1 / p, 0.005 / p) << c.name << ": " << c.caption;
    EXPECT_NEAR(numberAfter(c.caption, "("), 100 * p, 100 * p * 1e-3) << c.name << ": " << c.caption;
}

// "N stakes  =  $ D": the win in stakes and its dollars at the stake, to the cent.
void expectWin(const Control& c, double stakes, std::int64_t stake) {
    EXPECT_NEAR(numberAt(c.caption, 0), stakes, 0.005) << c.name << ": " << c.caption;
    const double dollars = numberAfter(c.caption, "$ ");
    EXPECT_EQ(std::llround(dollars * 100), std::llround(stakes * static_cast<double>(stake)))
        << c.name << ": " << c.caption;
}

void openPaytable(Rig& r) {
    r.game.mouseMove(r.ui().btnopenmenu);
    ASSERT_TRUE(r.game.click(r.ui().mnuviewpaytable));
    ASSERT_TRUE(r.game.windows.pays.form.visible);
}

TEST(OddsPage, TheBoardIsToldInMoneyAndAsAChance) {
    // 243 ways at bet 1, level 3 (tonvale-cli rtp): the board returns 30.428628
    // stakes of 25 cents a spin and starts 1 in 1/0.00550994 spins.
    EXPECT_EQ(oddstext::boardWorth(30.428628, 25, 0.00550994), "$ 7.61 a spin  (1 in 181 spins)");
    EXPECT_EQ(oddstext::boardWorth(0.5, 500, 0.01), "$ 2.50 a spin  (1 in 100 spins)");
    EXPECT_EQ(oddstext::boardWorth(0, 25, 0), "$ 0.00 a spin");
}

TEST(OddsPage, FiguresAreTheExactOnesOfTheBetWaysAndPayoutInPlay) {
    struct Setting {
        int bet, waysfactor, level, ways;
    };
    Rig r;
    r.load();
    OddsPage& page = r.game.windows.odds;
    std::string lastPaidSpin;
    for (const Setting set : {Setting{1, 25, 3, 243}, Setting{20, 3, 1, 9}}) {
        SCOPED_TRACE("bet " + std::to_string(set.bet) + ", " + std::to_string(set.ways) + " ways, level " +
                     std::to_string(set.level));
        // The player changes the setting between two openings of the page.
        r.s().bet = static_cast<i16>(set.bet);
        r.s().waysfactor = static_cast<i16>(set.waysfactor);
        r.s().machinepay = static_cast<i16>(set.level);
        openPaytable(r);
        ASSERT_TRUE(r.game.click(r.game.windows.pays.cmdodds));
        ASSERT_TRUE(page.ui.form.visible);

        const Odds want = oddsFrom(tallyOdds(set.waysfactor), set.level, set.bet);
        const Odds& got = page.shown();
        EXPECT_EQ(got.ways, set.ways);
        EXPECT_EQ(got.bet, set.bet);
        EXPECT_EQ(got.level, set.level);
        EXPECT_EQ(got.paidSpin, want.paidSpin);
        EXPECT_EQ(got.freeSpins, want.freeSpins);
        EXPECT_EQ(got.jackpot, want.jackpot);
        EXPECT_EQ(got.total, want.total);
        EXPECT_EQ(got.hitRate, want.hitRate);
        EXPECT_EQ(got.pFreeSpins, want.pFreeSpins);
        EXPECT_EQ(got.pJackpot, want.pJackpot);
        EXPECT_EQ(got.maxWin, want.maxWin);

        const OddsWindow& ui = page.ui;
        const std::int64_t stake = static_cast<std::int64_t>(set.bet) * set.waysfactor;
        EXPECT_EQ(numberAfter(ui.lblsetting.caption, "Bet "), set.bet) << ui.lblsetting.caption;
        EXPECT_NE(ui.lblsetting.caption.find(std::to_string(set.ways) + " ways"), std::string::npos);
        EXPECT_NE(ui.lblsetting.caption.find(oddstext::levelName(set.level)), std::string::npos);
        expectPercentOfStake(ui.lblpaidspin, want.paidSpin);
        expectPercentOfStake(ui.lblfreespins, want.freeSpins);
        // The return in % is that of the spins; the board is told apart in money.
        expectPercentOfStake(ui.lbltotal, want.paidSpin + want.freeSpins);
        EXPECT_EQ(ui.lbljackpot.caption, oddstext::boardWorth(want.jackpot, stake, want.pJackpot));
        EXPECT_EQ(ui.lbljackpot.caption.find('%'), std::string::npos);
        expectChance(ui.lblhit, want.hitRate);
        expectChance(ui.lblpfree, want.pFreeSpins);
        expectChance(ui.lblpjackpot, want.pJackpot);
        expectWin(ui.lblmaxwin, want.maxWin, stake);
        expectWin(ui.lblmaxpaid, want.maxPaidWin, stake);
        // The note says where the jackpot figures stand.
        EXPECT_NE(ui.lblnote.caption.find("floor"), std::string::npos);

        EXPECT_NE(ui.lblpaidspin.caption, lastPaidSpin);
        lastPaidSpin = ui.lblpaidspin.caption;
        ASSERT_TRUE(r.game.click(page.ui.cmdclose));
        ASSERT_TRUE(r.game.click(r.game.windows.pays.Command1));
    }
}

TEST(OddsPage, OpensOverThePayTableAndTheGameWaitsUntilThePayTableCloses) {
    Rig r;
    r.load();
    r.s().bet = 2;
    r.s().waysfactor = 7;
    r.s().machinepay = 2;
    OddsPage& page = r.game.windows.odds;
    PaytableWindow& pays = r.game.windows.pays;
    openPaytable(r);
    EXPECT_EQ(pays.cmdodds.caption, "ODDS");
    EXPECT_FALSE(page.ui.form.visible);

    ASSERT_TRUE(r.game.click(pays.cmdodds));
    EXPECT_TRUE(page.ui.form.visible);
    EXPECT_EQ(page.ui.form.caption, "ODDS");
    EXPECT_TRUE(pays.form.visible);
    EXPECT_FALSE(r.ui().form.enabled);
    const OddsTally* counted = &page.tally(7);
    const std::string shown = page.ui.lblpaidspin.caption;

    // Its close button goes back to the pay table; the main window still waits.
    ASSERT_TRUE(r.game.click(page.ui.cmdclose));
    EXPECT_FALSE(page.ui.form.visible);
    EXPECT_TRUE(pays.form.visible);
    EXPECT_FALSE(r.ui().form.enabled);
    EXPECT_FALSE(r.game.click(page.ui.cmdclose));  // a hidden window takes no clicks

    // Opened again, the same setting is not counted again.
    ASSERT_TRUE(r.game.click(pays.cmdodds));
    EXPECT_EQ(&page.tally(7), counted);
    EXPECT_EQ(page.ui.lblpaidspin.caption, shown);
    // Its close box does what its button does.
    ASSERT_TRUE(r.game.callRoutine("tonvaleodds:QueryUnload"));
    EXPECT_FALSE(page.ui.form.visible);
    EXPECT_TRUE(pays.form.visible);

    // Closing the pay table closes the page with it and gives the game back.
    ASSERT_TRUE(r.game.click(pays.cmdodds));
    ASSERT_TRUE(r.game.callRoutine("tonvalepays:QueryUnload"));
    EXPECT_FALSE(page.ui.form.visible);
    EXPECT_FALSE(pays.form.visible);
    EXPECT_TRUE(r.ui().form.enabled);
    EXPECT_TRUE(r.ui().btnspin.live());
}

}  // namespace
}  // namespace tonvale
