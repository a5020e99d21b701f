// SPDX-License-Identifier: MIT
// The play history: a line for every game cycle (a paid spin with its free-spin
// series, jackpot and gamble; an insert), written with the record of the same
// settled point; the credit before and after chained from line to line; the
// recorded stops replayed to the same win; the oldest lines trimmed into a
// checkpoint that carries their totals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/audit.h"
#include "cli/historycmd.h"
#include "cli/scenario.h"
#include "clirun.h"
#include "core/database.h"
#include "core/store.h"
#include "gamble/gamble.h"
#include "rig.h"
#include "spin/spincycle.h"
#include "tempfolder.h"
#include "windows/auxwindows.h"

namespace tonvale {
namespace {

using testing::Rig;
namespace fs = std::filesystem;

// Autoplay from a seed until `games` paid spins were counted, with a credit that lasts.
void autoplay(Rig& r, int games) {
    r.load();
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(r.game.press(r.ui().btncredit));
    r.s().autoplaynotice = -1;
    r.s().soundonoff = 0;
    ASSERT_TRUE(r.game.press(r.ui().autoplayon));
    for (int step = 0; step < 100000 && r.s().games < games; ++step) {
        r.advance(1000);
        // Autoplay waits while the advert hides the cabinet: the player closes it.
        if (r.game.windows.advert.form.visible) r.game.press(r.game.windows.advert.SSCommand2);
    }
    ASSERT_GE(r.s().games, games);
    // Autoplay off as its switch leaves it, then the last spin settles.
    r.s().autoplaytoggle = 0;
    r.s().autoplaymode = 0;
    r.game.m.setTimer(TimerId::tmrautospin, false);
    for (int k = 0; k < 300 && (r.s().freespinsawarded > 0 || r.game.spin.spinning()); ++k) r.advance(1000);
    r.advance(10000);
    ASSERT_FALSE(r.game.spin.spinning());
}

TEST(PlayHistory, EveryGameIsALineOfItsOwnChainedByTheCredit) {
    Rig r(20261210);
    autoplay(r, 400);
    const std::vector<Play> plays = r.platform.store.plays(1);
    ASSERT_FALSE(plays.empty());
    // A series and the spin that won it are one game, one line; every insert is a
    // line of its own.
    const auto count = [&plays](LineKind k) {
        return std::count_if(plays.begin(), plays.end(), [k](const Play& p) { return p.kind == k; });
    };
    EXPECT_EQ(count(LineKind::spin), r.s().games);
    EXPECT_EQ(count(LineKind::insert), 20);
    int series = 0;
    for (std::size_t i = 0; i < plays.size(); ++i) {
        const Play& p = plays[i];
        SCOPED_TRACE("line " + std::to_string(p.id));
        EXPECT_EQ(p.player, 1);
        EXPECT_EQ(p.phase, Phase::ended);
        if (i > 0) {
            EXPECT_EQ(p.creditBefore, plays[i - 1].creditAfter) << "credit moved between two lines";
            EXPECT_GT(p.id, plays[i - 1].id);
        }
        if (p.kind == LineKind::insert) {
            EXPECT_EQ(p.inserted, 5000);
            EXPECT_EQ(p.creditAfter - p.creditBefore, 5000);
            continue;
        }
        EXPECT_EQ(p.stake, static_cast<std::int64_t>(p.bet) * p.waysfactor);
        EXPECT_EQ(p.ways, 243);
        EXPECT_EQ(p.machinepay, 3);
        for (int stop : p.stops) EXPECT_TRUE(stop >= 1 && stop <= 22);
        EXPECT_TRUE(p.bellcoin == 1 || p.bellcoin == 2);
        if (p.freespins > 0) {
            ++series;
            EXPECT_EQ(p.freespins % 10 == 0 || p.freespins % 10 == 1, true) << p.freespins;
            EXPECT_EQ(p.spins.size(), static_cast<std::size_t>(p.freespins))
                << "every free spin is on the line";
        }
        // What the credit did is what the line says came back for its stake.
        EXPECT_EQ(p.creditAfter - p.creditBefore, returned(p) - p.stake);
    }
    EXPECT_EQ(plays.back().creditAfter, r.s().bank);
    EXPECT_GT(series, 0) << "the seed played no series; pick another";
    std::printf("%zu lines, %d with a series\n", plays.size(), series);

    // Worked out again with the rules, the history holds to the last cent.
    const AuditReport audit = auditStore(snapshotOf(r.platform.store));
    EXPECT_EQ(audit.differences(), 0)
        << (audit.players.empty() || audit.players[0].differences.empty() ? ""
                                                                          : audit.players[0].differences[0]);

    // The stops are the real ones: every plain line replays to its win.
    int replayed = 0;
    for (const Play& p : plays) {
        if (p.kind != LineKind::spin || p.freespins > 0 || replayed >= 60) continue;
        std::ostringstream out, err;
        ScenarioRunner runner(1, "", out, err);
        std::istringstream script(replayScript(p));
        EXPECT_EQ(runner.run(script, "replay"), 0) << err.str() << replayScript(p);
        ++replayed;
    }
    // And a replay can fail: a line whose win was changed does not come out.
    Play changed =
        *std::find_if(plays.begin(), plays.end(), [](const Play& p) { return p.kind == LineKind::spin; });
    changed.win += 1;
    std::ostringstream out, err;
    ScenarioRunner runner(1, "", out, err);
    std::istringstream script(replayScript(changed));
    EXPECT_EQ(runner.run(script, "replay"), 1);
}

TEST(PlayHistory, APaidSpinBeforeTheFirstSettledPointHasItsLine) {
    Rig r;
    r.platform.store.write("keys", "player1", "bank", "5000");
    r.platform.store.write("keys", "player1", "amountinvested", "5000");
    r.load();
    r.draws({3, 7, 2, 11, 15, 19, 1});
    ASSERT_TRUE(r.game.press(r.ui().btnspin));  // the first thing the game does
    const std::vector<Play> plays = r.platform.store.plays(1);
    // The record read had no history: a checkpoint carries it, then the spin.
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_EQ(plays[0].kind, LineKind::checkpoint);
    EXPECT_EQ(plays[0].creditAfter, 5000);
    EXPECT_EQ(plays[0].totals.amountinvested, 5000);
    EXPECT_EQ(plays[1].kind, LineKind::spin);
    EXPECT_EQ(plays[1].creditBefore, 5000);
    EXPECT_EQ(plays[1].creditAfter, r.s().bank);
    EXPECT_EQ(auditStore(snapshotOf(r.platform.store)).differences(), 0);
}

TEST(PlayHistory, TheLineAndTheRecordAreWrittenTogether) {
    const fs::path folder = testing::tempFolder("tonvale-history-together");
    fs::remove_all(folder);
    const std::string db = (folder / "tonvale.db").string();
    {
        Rig r;
        r.platform.store = SqliteStore(db);
        r.load();
        ASSERT_TRUE(r.game.press(r.ui().btncredit));
        // A king three of a kind at bet 10 wins 200 cents; then a gamble.
        r.s().machinepay = 1;
        r.s().soundonoff = 0;
        r.s().bet = 10;
        r.draws({1, 3, 2, 9, 7, 11, 1});
        ASSERT_TRUE(r.game.press(r.ui().btnspin));
        r.advance(4000);
        // Another opening of the store sees the lines and the record of this moment:
        // the insert, then the spin.
        {
            SqliteStore other(db);
            const auto plays = other.plays(1);
            ASSERT_EQ(plays.size(), 2u);
            EXPECT_EQ(plays.front().kind, LineKind::insert);
            const Play& p = plays.back();
            EXPECT_EQ(p.win, 200);
            EXPECT_EQ(p.stake, 250);
            EXPECT_EQ((std::vector<int>(p.stops, p.stops + 5)), (std::vector<int>{1, 3, 9, 7, 11}));
            EXPECT_EQ(p.bellcoin, 2);
            EXPECT_EQ(p.creditBefore, 5000);
            EXPECT_EQ(p.creditAfter, 4950);
            EXPECT_EQ(other.read("keys", "player1", "bank"), "4950");
        }
        ASSERT_TRUE(r.game.click(r.ui().btndouble));
        r.draws({1});  // a red card: red wins
        ASSERT_TRUE(r.game.click(r.ui().betred));
        r.draws({2});  // a black card: red loses
        ASSERT_TRUE(r.game.click(r.ui().betred));
        r.advance(5000);
        SqliteStore other(db);
        const auto plays = other.plays(1);
        ASSERT_EQ(plays.size(), 2u);
        EXPECT_EQ(plays.back().gamble, "1:red:won,2:red:lost");
        EXPECT_EQ(plays.back().gamblestake, 200);
        EXPECT_EQ(plays.back().gamblewin, 0);
        EXPECT_EQ(plays.back().creditAfter, 4750);
        EXPECT_EQ(other.read("keys", "player1", "bank"), "4750");
    }
    // The tool prints the same line.
    const testing::CliResult printed = testing::runCli("history --json --player 1 --store " + db);
    EXPECT_EQ(printed.status, 0);
    const std::string& text = printed.out;
    EXPECT_NE(text.find("\"stops\":[1,3,9,7,11]"), std::string::npos) << text;
    EXPECT_NE(text.find("\"gamble\":\"1:red:won,2:red:lost\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"credit_after\":4750"), std::string::npos) << text;
    fs::remove_all(folder);
}

// Lines of inserts only, chained: the n-th leaves 5000 * n.
Play insertLine(int player, int n) {
    Play p;
    p.player = player;
    p.kind = LineKind::insert;
    p.inserted = 5000;
    p.creditBefore = 5000LL * (n - 1);
    p.creditAfter = 5000LL * n;
    p.totals.amountinvested = p.creditAfter;
    return p;
}

TEST(PlayHistory, TheLastThousandOfEachPlayerAreKeptAndACheckpointCarriesTheRest) {
    const fs::path folder = testing::tempFolder("tonvale-history-kept");
    fs::remove_all(folder);
    const std::string db = (folder / "tonvale.db").string();
    {
        SqliteStore store(db);
        for (int i = 1; i <= 1234; ++i) {
            store.recordPlay(insertLine(1, i));
            if (i % 3 == 0) store.recordPlay(insertLine(2, i / 3));
            if (i % 10 == 0) {
                ASSERT_TRUE(store.flush());
            }
        }
        ASSERT_TRUE(store.flush());
        // A line recorded again with its id replaces itself.
        Play again = store.plays(2, 1).front();
        again.restored = 1;
        EXPECT_EQ(store.recordPlay(again), again.id);
        store.write("keys", "player1", "bank", "6170000");
        store.write("keys", "player1", "amountinvested", "6170000");
        store.write("keys", "player2", "bank", "2055000");
        store.write("keys", "player2", "amountinvested", "2055000");
    }
    SqliteStore store(db);
    // Trimmed now and then: never fewer than the last thousand, never many more,
    // and the newest line trimmed stands for all before it.
    const auto one = store.plays(1, 5000);
    ASSERT_GE(one.size(), kPlaysKept + 1);
    EXPECT_LT(one.size(), kPlaysKept + 60);
    EXPECT_EQ(one.back().creditAfter, 5000LL * 1234);
    const Play& checkpoint = one.front();
    EXPECT_EQ(checkpoint.kind, LineKind::checkpoint);
    EXPECT_EQ(checkpoint.note, "trimmed");
    EXPECT_EQ(checkpoint.creditAfter, one[1].creditBefore);
    EXPECT_EQ(checkpoint.totals.amountinvested, checkpoint.creditAfter);
    EXPECT_EQ(store.plays(1).size(), kPlaysKept);
    const auto two = store.plays(2, 5000);
    EXPECT_EQ(two.size(), 1234u / 3);
    EXPECT_EQ(two.back().restored, 1);
    EXPECT_EQ(store.plays({}, 5000).size(), one.size() + 1234 / 3);
    // The chain closes over the checkpoint, up to the records.
    const AuditReport audit = auditStore(snapshotOf(store));
    ASSERT_EQ(audit.players.size(), 2u);
    EXPECT_EQ(audit.differences(), 0) << audit.players[0].differences.front();
    EXPECT_EQ(audit.players[0].checkpoints, 1);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tonvale
