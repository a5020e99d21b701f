// SPDX-License-Identifier: MIT
// Saves at settled points: what reaches the store after each kind of input, the
// credit resolved in the player's favour, and nothing saved while a handler runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/durable.h"
#include "core/store.h"
#include "game/startup.h"
#include "rig.h"
#include "tempfolder.h"

namespace tonvale {
namespace {

using testing::Rig;

std::string stored(Rig& r, const char* app, const char* key) {
    return r.platform.store.read(app, "player1", key);
}

// A paying spin as the evaluation leaves it: the win credited and the gamble offered.
void wonSpin(Rig& r) { testing::afterWin(r, 250); }

// A free-spin series that has ended with its total not yet collected.
void seriesOver(Rig& r) {
    r.s().freespinsawarded = 11;
    r.s().freespinsplayed = 11;
    r.s().freespinsover = 1;
    r.s().freespintotal = 3000;
    r.s().bank = 5000;
    r.ui().takewin.visible = true;
    r.ui().panfreespin.visible = false;
}

TEST(DurableSaves, EverySettledPointLeavesTheCreditThePlayerIsOwed) {
    struct Case {
        const char* what;
        std::function<void(Rig&)> before;  // the state, as earlier handlers left it
        std::function<void(Rig&)> input;   // the input that settles
        const char* storedBank;            // in both player copies
        std::int32_t bankInMemory;
    };
    const Case cases[] = {
        {"credit insert", [](Rig&) {}, [](Rig& r) { ASSERT_TRUE(r.game.press(r.ui().btncredit)); }, "5000",
         5000},
        {"gamble opened: the stake at risk counts as collected", wonSpin,
         [](Rig& r) { ASSERT_TRUE(r.game.click(r.ui().btndouble)); }, "10000", 9750},
        {"gamble lost",
         [](Rig& r) {
             wonSpin(r);
             ASSERT_TRUE(r.game.click(r.ui().btndouble));
         },
         [](Rig& r) {
             r.draws({2});  // a black card
             ASSERT_TRUE(r.game.click(r.ui().betred));
         },
         "9750", 9750},
        {"gamble won and collected",
         [](Rig& r) {
             wonSpin(r);
             ASSERT_TRUE(r.game.click(r.ui().btndouble));
             r.draws({1});  // a red card
             ASSERT_TRUE(r.game.click(r.ui().betred));
         },
         [](Rig& r) { ASSERT_TRUE(r.game.click(r.ui().cancelbet)); }, "10250", 10250},
        {"series total not yet collected counts as collected", seriesOver,
         [](Rig& r) { ASSERT_TRUE(r.game.mouseMove(r.ui().form)); }, "8000", 5000},
        {"take-win", seriesOver, [](Rig& r) { ASSERT_TRUE(r.game.click(r.ui().takewin)); }, "8000", 8000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        r.load();
        c.before(r);
        c.input(r);
        EXPECT_EQ(r.s().bank, c.bankInMemory);
        EXPECT_EQ(stored(r, "keys", "bank"), c.storedBank);
        EXPECT_EQ(stored(r, "Tonvale", "bank"), c.storedBank);
        EXPECT_EQ(stored(r, "keys", "machinepay"), "3");
        EXPECT_EQ(stored(r, "allslot", "grand"), "0");
    }
}

// Clips report what the store holds at the moment they sound.
class ProbeSound : public RecordingSound {
public:
    std::function<void()> probe;
    void play(int clip) override {
        if (probe) probe();
        RecordingSound::play(clip);
    }
};

TEST(DurableSaves, APaidSpinReachesTheStoreOnlyWhenItIsOver) {
    HeadlessPlatform p;
    ProbeSound sound;
    Game g(Ports{p.random, p.time, p.time, p.time, sound, p.store, p.desktop});
    p.time.setTickHandler([&g](TimerId id) { g.timerTick(id); });
    g.startup.Form_Load();
    const auto stored = [&p](const char* app, const char* key) { return p.store.read(app, "player1", key); };

    ASSERT_TRUE(g.press(g.m.ui.btncredit));
    ASSERT_EQ(stored("keys", "bank"), "5000");
    p.random.script({3, 7, 2, 11, 15, 19});
    ASSERT_TRUE(g.press(g.m.ui.btnspin));
    EXPECT_EQ(stored("keys", "games"), "1");
    EXPECT_EQ(stored("keys", "wager"), "25");
    EXPECT_EQ(stored("keys", "bank"), std::to_string(g.m.s.bank));
    EXPECT_EQ(stored("allslot", "minor"), std::to_string(g.m.s.minor));
    // The presentation's ticks change nothing stored: no further saves.
    const int afterSpin = g.saves.saves();
    p.time.advance(8000);
    EXPECT_EQ(g.saves.saves(), afterSpin);

    // Every clip that sounds inside the next spin finds the store as the first
    // spin left it, though the spin has long taken its stake.
    const std::string first = stored("keys", "bank") + "/" + stored("keys", "games");
    std::vector<std::string> seenInside;
    sound.probe = [&] {
        if (g.busy()) seenInside.push_back(stored("keys", "bank") + "/" + stored("keys", "games"));
    };
    g.m.s.soundonoff = -1;
    p.random.script({5, 9, 2, 13, 17, 21});
    ASSERT_TRUE(g.press(g.m.ui.btnspin));
    EXPECT_FALSE(seenInside.empty());
    for (const std::string& seen : seenInside) EXPECT_EQ(seen, first) << "saved while the spin ran";
    EXPECT_EQ(g.saves.saves(), afterSpin + 1);
    EXPECT_EQ(stored("keys", "games"), "2");
    EXPECT_EQ(stored("keys", "bank"), std::to_string(g.m.s.bank));
}

TEST(DurableSaves, NothingIsSavedAfterTheEnd) {
    Rig r;
    r.load();
    ASSERT_TRUE(r.game.callRoutine("Form_QueryUnload"));
    const int writes = r.platform.store.writes;
    r.game.saves.settle();
    r.s().bank = 777;
    r.game.saves.settle();
    EXPECT_EQ(r.platform.store.writes, writes);
}

TEST(DurableSaves, ExitDuringAGambleKeepsTheStakeAtRisk) {
    Rig r;
    r.load();
    wonSpin(r);
    ASSERT_TRUE(r.game.click(r.ui().btndouble));
    ASSERT_EQ(r.s().bank, 9750);
    ASSERT_TRUE(r.game.callRoutine("Form_QueryUnload"));
    EXPECT_EQ(stored(r, "keys", "bank"), "10000");
}

TEST(DurableSaves, EverySaveIsInTheDatabaseAtOnce) {
    const std::filesystem::path folder = testing::tempFolder("tonvale-durable-db");
    std::filesystem::remove_all(folder);
    const std::string path = (folder / "tonvale.db").string();
    {
        HeadlessPlatform p;
        p.store = SqliteStore(path);
        ASSERT_EQ(p.store.state(), SqliteStore::State::file);
        Game g(p.ports());
        g.startup.Form_Load();
        ASSERT_TRUE(g.press(g.m.ui.btncredit));
        // Another opening of the store sees the save while the game still runs.
        SqliteStore other(path);
        EXPECT_EQ(other.read("keys", "player1", "bank"), "5000");
        EXPECT_EQ(other.read("Tonvale", "player1", "bank"), "5000");
        EXPECT_EQ(other.read("allslot", "player1", "grand"), "0");
        g.startup.xit_Click();
    }
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    // The last connection to close folds the log back into the database.
    EXPECT_EQ(names, (std::vector<std::string>{"tonvale.db"}));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tonvale
