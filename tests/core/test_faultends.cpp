// SPDX-License-Identifier: MIT
// A fault of the program inside a handler (an exception the rules never throw for
// a player's input) ends the game where it stands and saves nothing of the press
// that failed: the store keeps the record of the last settled point, and the next
// start goes on from it with books that agree.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/headless.h"
#include "core/store.h"
#include "eval/evaluation.h"
#include "game/game.h"
#include "game/startup.h"
#include "lines.h"
#include "tempfolder.h"

namespace tonvale {
namespace {

struct Opened {
    explicit Opened(const std::string& db) {
        platform.store = SqliteStore(db);
        game = std::make_unique<Game>(platform.ports());
        platform.time.setTickHandler([this](TimerId id) { game->timerTick(id); });
        game->startup.Form_Load();
    }
    HeadlessPlatform platform;
    std::unique_ptr<Game> game;
    MachineState& s() { return game->m.s; }
};

TEST(HandlerFault, EndsTheGameWithTheRecordOfTheLastSettledPoint) {
    for (const bool heard : {true, false}) {
        SCOPED_TRACE(heard ? "the view hears the fault" : "the fault goes on to the caller");
        const std::filesystem::path folder = testing::tempFolder("tonvale-handler-fault");
        std::filesystem::remove_all(folder);
        const std::string db = (folder / "tonvale.db").string();
        std::int64_t settledBank = 0;
        {
            Opened g(db);
            std::vector<std::string> faults;
            if (heard) g.game->onFault = [&faults](const std::string& what) { faults.push_back(what); };
            ASSERT_TRUE(g.game->press(g.game->m.ui.btncredit));
            // The second reel run fails after its stake was taken and its reels drawn.
            int runs = 0;
            const std::function<void()> run = g.game->eval.calls.reelrun;
            g.game->eval.calls.reelrun = [&] {
                run();
                if (++runs == 2) throw std::logic_error("a reel run that went wrong");
            };
            g.platform.random.script({4, 8, 2, 12, 16, 20});
            ASSERT_TRUE(g.game->press(g.game->m.ui.btnspin));
            g.platform.time.advance(5000);
            EXPECT_EQ(g.s().games, 1);
            settledBank = g.s().bank;
            g.platform.random.script({5, 9, 2, 13, 17, 21});
            if (heard) {
                EXPECT_TRUE(g.game->press(g.game->m.ui.btnspin));
                EXPECT_EQ(faults, std::vector<std::string>{"a reel run that went wrong"});
            } else {
                EXPECT_THROW(g.game->press(g.game->m.ui.btnspin), std::logic_error);
            }
            EXPECT_TRUE(g.game->faulted());
            EXPECT_EQ(g.s().games, 2);  // the failed spin counted in memory only
            // The game takes nothing more: no press, no tick, no close saves.
            EXPECT_FALSE(g.game->press(g.game->m.ui.btncredit));
            g.platform.time.advance(60000);
            g.game->startup.Form_QueryUnload();
            EXPECT_EQ(runs, 2);
        }
        // The next start finds the first spin settled and the failed one never played:
        // record and history agree.
        Opened again(db);
        EXPECT_FALSE(again.game->faulted());
        EXPECT_EQ(again.s().games, 1);
        EXPECT_EQ(again.s().amountinvested, 5000);
        EXPECT_EQ(again.s().wager, 25);
        EXPECT_EQ(again.s().bank, settledBank);
        EXPECT_EQ(testing::gameLines(again.platform.store.plays()), 1);
        EXPECT_TRUE(again.game->press(again.game->m.ui.btncredit));
        EXPECT_EQ(again.s().amountinvested, 10000);
        std::filesystem::remove_all(folder);
    }
}

}  // namespace
}  // namespace tonvale
