// SPDX-License-Identifier: MIT
// A game that was open when the game ended, by its close box or by a kill, goes
// on at the next start as it stood: a free-spin series with the spins it has left,
// an open gamble with its stake at risk, a jackpot from its bells; the player is
// told once; the money comes out as if nothing had happened, and the history
// keeps one line for the game, marked as restored.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cli/audit.h"
#include "core/database.h"
#include "core/durable.h"
#include "core/store.h"
#include "game/resume.h"
#include "game/startup.h"
#include "players/options.h"
#include "rig.h"
#include "rules/board.h"

namespace tonvale {
namespace {

using testing::Rig;

// The game ended (closed or killed) and started again on the same store.
std::unique_ptr<Rig> restarted(Rig& r, bool kill) {
    if (!kill) r.game.callRoutine("Form_QueryUnload");
    auto again = std::make_unique<Rig>(99);
    again->platform.store = std::move(r.platform.store);
    again->load();
    return again;
}

// Credit in, then a paid spin that wins ten free spins (three scatters, 50 cents).
void seriesWon(Rig& r) {
    r.load();
    ASSERT_TRUE(r.game.press(r.ui().btncredit));
    r.s().machinepay = 1;
    r.draws({1, 1, 2, 6, 1, 1, 1, 2});
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    ASSERT_EQ(r.s().freespinsawarded, 11);
}

// One free spin: a drum pair times 10 (20 cents), or a losing one.
void freeSpin(Rig& r, bool wins) {
    if (wins)
        r.draws({2, 1, 2, 3, 1, 1, 1, 1});
    else
        r.draws({2, 3, 2, 1, 1, 1, 25, 1});
    const int played = r.s().freespinsplayed;
    r.s().idleticks = 80;
    for (int k = 0; k < 20 && r.s().freespinsplayed == played; ++k) r.advance(100);
    ASSERT_EQ(r.s().freespinsplayed, played + 1);
}

std::int64_t audited(Rig& r) {
    const AuditReport a = auditStore(snapshotOf(r.platform.store));
    for (const PlayerAudit& p : a.players)
        for (const std::string& d : p.differences) ADD_FAILURE() << d;
    return a.differences();
}

TEST(Resume, AFreeSpinSeriesGoesOnWithTheSpinsItHasLeft) {
    for (const bool kill : {false, true}) {
        SCOPED_TRACE(kill ? "killed" : "closed");
        Rig r;
        seriesWon(r);
        freeSpin(r, true);
        freeSpin(r, false);
        freeSpin(r, false);
        ASSERT_EQ(r.s().freespinsplayed, 4);
        ASSERT_EQ(r.s().freespintotal, 70);
        ASSERT_EQ(r.s().bank, 5000);
        // The record counts the series total as the player's.
        EXPECT_EQ(r.platform.store.read("keys", "player1", "bank"), "5070");

        auto g = restarted(r, kill);
        Rig& a = *g;
        EXPECT_EQ(a.s().freespinsawarded, 11);
        EXPECT_EQ(a.s().freespinsplayed, 4);
        EXPECT_EQ(a.s().freespintotal, 70);
        EXPECT_EQ(a.s().bank, 5000);
        EXPECT_EQ(a.ui().spinsleft.caption, "     Freespins Remaining = 7");
        EXPECT_FALSE(a.ui().panfreespin.visible);
        EXPECT_TRUE(a.game.m.timerEnabled(TimerId::Timerrespin));
        EXPECT_EQ(a.game.m.cycles.phase(), Phase::series);
        // Told once, before the spins go on.
        ASSERT_EQ(a.platform.desktop.messages.size(), 1u);
        EXPECT_EQ(a.platform.desktop.messages[0].text, Resume::notice(*a.game.m.cycles.line()));
        EXPECT_NE(a.platform.desktop.messages[0].text.find("Free spins left:  7"), std::string::npos);
        // Neither the options, the insert nor a spin of its own interrupts it.
        EXPECT_FALSE(a.game.pressable(a.ui().btncredit));
        EXPECT_FALSE(a.game.pressable(a.ui().btnoptions));

        a.draws({1});  // the series' clip, picked again as it goes on
        for (int k = 0; k < 7; ++k) freeSpin(a, false);
        EXPECT_EQ(a.s().freespinsplayed, 11);
        ASSERT_TRUE(a.ui().takewin.visible);
        ASSERT_TRUE(a.game.click(a.ui().takewin));
        // One stake for the whole series, its total once.
        EXPECT_EQ(a.s().bank, 5000 - 25 + 70);
        EXPECT_EQ(a.s().games, 1);
        EXPECT_EQ(a.s().wager, 25);
        const Play line = *a.platform.store.lastPlay(1);
        EXPECT_EQ(line.restored, 1);
        EXPECT_EQ(line.spins.size(), 10u);
        EXPECT_EQ(line.freespinwin, 70);
        EXPECT_EQ(audited(a), 0);
        // Started once more, nothing is open: nothing is told, nothing goes on.
        auto b = restarted(a, true);
        EXPECT_TRUE(b->platform.desktop.messages.empty());
        EXPECT_EQ(b->s().freespinsawarded, 0);
        EXPECT_EQ(b->s().bank, 5045);
    }
}

TEST(Resume, AnOpenGambleGoesOnWithItsStakeAtRisk) {
    for (const bool win : {true, false}) {
        SCOPED_TRACE(win ? "then won" : "then lost");
        Rig r;
        r.load();
        ASSERT_TRUE(r.game.press(r.ui().btncredit));
        // A king three of a kind at bet 10 wins 200 cents; red wins, the stake is 400.
        r.s().machinepay = 1;
        r.s().bet = 10;
        r.draws({1, 3, 2, 9, 7, 11, 1});
        ASSERT_TRUE(r.game.press(r.ui().btnspin));
        r.advance(4000);
        ASSERT_TRUE(r.game.click(r.ui().btndouble));
        r.draws({1});
        ASSERT_TRUE(r.game.click(r.ui().betred));
        ASSERT_EQ(r.s().gamblestake, 400);
        ASSERT_EQ(r.s().bank, 4750);

        auto g = restarted(r, true);
        Rig& a = *g;
        EXPECT_TRUE(a.ui().pandouble.visible);
        EXPECT_EQ(a.s().gamblestake, 400);
        EXPECT_EQ(a.s().bank, 4750);
        EXPECT_EQ(a.ui().risklab.caption, "At Risk  400");
        EXPECT_EQ(a.s().bet, 10);
        EXPECT_TRUE(a.ui().historypic[1].visible);  // the card drawn before the kill
        EXPECT_EQ(durableValues(a.game.m).bank, 5150);
        EXPECT_NE(a.platform.desktop.messages.at(0).text.find("At risk:  $ 4"), std::string::npos);
        EXPECT_FALSE(a.game.pressable(a.ui().btnspin));

        a.draws({win ? 3 : 2});
        ASSERT_TRUE(a.game.click(a.ui().betred));
        if (win) {
            ASSERT_TRUE(a.game.click(a.ui().cancelbet));
        }
        EXPECT_FALSE(a.ui().pandouble.visible);
        EXPECT_EQ(a.s().bank, win ? 4750 + 800 : 4750);
        EXPECT_EQ(a.s().total, win ? 800 : 200);
        const Play line = *a.platform.store.lastPlay(1);
        EXPECT_EQ(line.gamble, win ? "1:red:won,3:red:won" : "1:red:won,2:red:lost");
        EXPECT_EQ(line.restored, 1);
        EXPECT_EQ(audited(a), 0);
    }
}

TEST(Resume, AJackpotStoppedInItsBellsStartsAgainAndPaysOnce) {
    Rig r;
    r.load();
    ASSERT_TRUE(r.game.press(r.ui().btncredit));
    r.s().machinepay = 1;
    // Three bells (reel 3's counts): the jackpot feature starts; the ball's first field.
    r.draws({4, 17, 1, 13, 21, 13, 1, 5});
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    ASSERT_TRUE(r.game.m.timerEnabled(TimerId::tmrbell));
    r.advance(1000);  // the bells ring; no prize drawn yet
    ASSERT_EQ(r.game.m.cycles.phase(), Phase::jackpot);

    auto g = restarted(r, true);
    Rig& a = *g;
    EXPECT_TRUE(a.game.m.timerEnabled(TimerId::tmrbell));
    EXPECT_FALSE(a.game.pressable(a.ui().btnspin));
    EXPECT_NE(a.platform.desktop.messages.at(0).text.find("starts again"), std::string::npos);
    // The ball's first field (drawn again at the restart), then the stop: field 2, ten times the bet.
    a.draws({2, 2});
    for (int k = 0; k < 400 && a.game.m.cycles.phase() == Phase::jackpot; ++k) a.advance(100);
    EXPECT_EQ(a.game.m.cycles.phase(), Phase::ended);
    EXPECT_EQ(a.s().bank, 5000 - 25 + 250);
    EXPECT_EQ(a.platform.store.lastPlay(1)->jackpotwin, 250);
    EXPECT_EQ(audited(a), 0);
}

TEST(Resume, AGameOfAnotherSlotGoesOnWhenItsSlotIsPlayedAgain) {
    Rig r;
    r.load();
    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[2]));
    r.game.options.close();
    ASSERT_EQ(r.s().playerslot, "2");
    ASSERT_TRUE(r.game.press(r.ui().btncredit));
    r.s().machinepay = 1;
    r.draws({1, 1, 2, 6, 1, 1, 1, 2});
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    ASSERT_EQ(r.s().freespinsawarded, 11);

    // The start plays slot 1, where nothing was open.
    auto g = restarted(r, true);
    Rig& a = *g;
    EXPECT_EQ(a.s().playerslot, "1");
    EXPECT_EQ(a.s().freespinsawarded, 0);
    EXPECT_TRUE(a.platform.desktop.messages.empty());
    // Back to slot 2: its series goes on once the options window has closed.
    ASSERT_TRUE(a.game.click(a.ui().btnoptions));
    ASSERT_TRUE(a.game.click(a.game.options.ui.machine[2]));
    EXPECT_EQ(a.s().freespinsawarded, 0);
    a.game.options.close();
    EXPECT_EQ(a.s().freespinsawarded, 11);
    EXPECT_EQ(a.s().freespinsplayed, 1);
    EXPECT_EQ(a.s().bank, 5000);
    EXPECT_EQ(a.s().freespintotal, 50);
    EXPECT_TRUE(a.game.m.timerEnabled(TimerId::Timerrespin));
    EXPECT_EQ(audited(a), 0);
}

// A slot left with a drawn grand by a kill, chosen in the options and passed over
// for a slot without a record: the record read counts the prize as paid, its pool
// started again, and that is what the new slot takes over. The prize is shown and
// paid, as drawn, once its own slot is played again.
TEST(Resume, ANewSlotTakesThePoolsOfARecordWithItsDrawnPrizePaid) {
    Rig r;
    r.platform.store.write(kPoolsApp, "player1", "grand", "2115200");
    r.load();
    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[2]));
    r.game.options.close();
    ASSERT_EQ(r.s().grand, 2115200);  // slot 2, new, took slot 1's pools
    ASSERT_TRUE(r.game.press(r.ui().btncredit));
    r.s().machinepay = 1;
    // Three bells, the ball's first field, then its stop: field 4, the grand.
    r.draws({4, 17, 1, 13, 21, 13, 1, 5, 4});
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    for (int k = 0; k < 400 && !r.game.m.timerEnabled(TimerId::tmrshowjackpot); ++k) r.advance(100);
    ASSERT_TRUE(r.game.m.timerEnabled(TimerId::tmrshowjackpot));
    const std::int32_t prize = r.s().jackpotwon;
    ASSERT_EQ(prize, 2115250);  // the pool grew by the spin's step
    r.advance(100);             // a settled point in the award

    auto g = restarted(r, true);
    Rig& a = *g;
    ASSERT_EQ(a.s().playerslot, "1");
    ASSERT_TRUE(a.game.click(a.ui().btnoptions));
    ASSERT_TRUE(a.game.click(a.game.options.ui.machine[2]));
    EXPECT_EQ(a.s().grand, kGrandReset);
    EXPECT_EQ(a.s().jackpotbank, prize);
    ASSERT_TRUE(a.game.click(a.game.options.ui.machine[3]));
    a.game.options.close();
    ASSERT_EQ(a.s().playerslot, "3");
    EXPECT_EQ(a.s().grand, kGrandReset);
    EXPECT_EQ(a.s().jackpotbank, 0);
    EXPECT_EQ(a.platform.store.read(kPoolsApp, "player3", "grand"), std::to_string(kGrandReset));
    EXPECT_TRUE(a.platform.desktop.messages.empty());

    ASSERT_TRUE(a.game.click(a.ui().btnoptions));
    ASSERT_TRUE(a.game.click(a.game.options.ui.machine[2]));
    a.game.options.close();
    EXPECT_TRUE(a.game.m.timerEnabled(TimerId::tmrshowjackpot));
    EXPECT_EQ(a.s().grand, prize);  // shown as it was drawn
    for (int k = 0; k < 100 && a.game.m.timerEnabled(TimerId::tmrshowjackpot); ++k) a.advance(100);
    EXPECT_EQ(a.s().bank, 5000 - 25 + prize);
    EXPECT_EQ(a.s().jackpotbank, prize);
    EXPECT_EQ(a.s().grandwon, 1);
    EXPECT_EQ(a.s().grand, kGrandReset);
    EXPECT_EQ(audited(a), 0);
}

// A slot left in its jackpot's bells or in a series by a kill, chosen again in
// the options and its details deleted there: the game ends with the details (it
// is not resumed against the cleared record), its line says so, and the history
// goes on from the checkpoint "deleted" alone.
TEST(Resume, AGameLeftOpenEndsWithTheDetailsDeletedInTheOptions) {
    struct Case {
        const char* name;
        std::vector<int> draws;  // slot 2's paid spin
        Phase left;
    };
    const Case cases[] = {
        {"jackpot", {4, 17, 1, 13, 21, 13, 1, 5}, Phase::jackpot},
        {"series", {1, 1, 2, 6, 1, 1, 1, 2}, Phase::series},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.load();
        ASSERT_TRUE(r.game.click(r.ui().btnoptions));
        ASSERT_TRUE(r.game.click(r.game.options.ui.machine[2]));
        r.game.options.close();
        ASSERT_TRUE(r.game.press(r.ui().btncredit));
        r.s().machinepay = 1;
        r.draws(c.draws);
        ASSERT_TRUE(r.game.press(r.ui().btnspin));
        r.advance(1000);
        ASSERT_EQ(r.game.m.cycles.phase(), c.left);
        const std::int64_t lineId = r.platform.store.lastPlay(2)->id;

        auto g = restarted(r, true);
        Rig& a = *g;
        ASSERT_TRUE(a.game.click(a.ui().btnoptions));
        ASSERT_TRUE(a.game.click(a.game.options.ui.machine[2]));
        a.platform.desktop.answers.push_back(Answer::yes);
        ASSERT_TRUE(a.game.click(a.game.options.ui.Btndeletedetails));
        EXPECT_FALSE(a.game.options.isOpen());
        EXPECT_EQ(a.game.m.cycles.phase(), Phase::ended);
        EXPECT_FALSE(a.game.m.timerEnabled(TimerId::tmrbell));
        EXPECT_EQ(a.s().freespinsawarded, 0);
        EXPECT_EQ(a.s().bank, 0);
        a.game.press(a.ui().btnbet);  // a settled point

        const auto plays = a.platform.store.plays(2);
        ASSERT_GE(plays.size(), 2u);
        const Play& game = plays[plays.size() - 2];
        EXPECT_EQ(game.id, lineId);
        EXPECT_EQ(game.phase, Phase::ended);
        EXPECT_EQ(game.note, "deleted");
        EXPECT_EQ(plays.back().kind, LineKind::checkpoint);
        EXPECT_EQ(plays.back().note, "deleted");
        EXPECT_EQ(audited(a), 0);
    }
}

TEST(Resume, ALineTheRecordDoesNotHoldIsNotResumed) {
    Rig r;
    seriesWon(r);
    // Someone edited the record: it no longer holds what the line says.
    r.game.callRoutine("Form_QueryUnload");
    r.platform.store.write("keys", "player1", "bank", "9999");
    auto g = restarted(r, true);
    Rig& a = *g;
    EXPECT_EQ(a.s().freespinsawarded, 0);
    EXPECT_TRUE(a.platform.desktop.messages.empty());
    EXPECT_EQ(a.s().bank, 9999);
    // The series' line ends as it stood, and a checkpoint takes the record as read.
    a.game.press(a.ui().btnbet);
    const auto plays = a.platform.store.plays(1);
    ASSERT_GE(plays.size(), 2u);
    EXPECT_EQ(plays.back().kind, LineKind::checkpoint);
    EXPECT_EQ(plays.back().note, "start");
    EXPECT_EQ(plays[plays.size() - 2].phase, Phase::ended);
}

}  // namespace
}  // namespace tonvale
