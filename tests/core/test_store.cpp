// SPDX-License-Identifier: MIT
// The settings store: number form, record layout, the two player-key copies, and
// the record of slot 1 read at every start.
#include <gtest/gtest.h>

#include <memory>

#include "core/store.h"
#include "players/options.h"
#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

// A store that remembers the order of its writes.
class LoggingStore : public SqliteStore {
public:
    bool write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override {
        log.push_back(app + "/" + key);
        return SqliteStore::write(app, section, key, value);
    }
    std::vector<std::string> log;
};

// A new program on the same store: the old one has ended.
std::unique_ptr<Game> restart(HeadlessPlatform& p) {
    auto g = std::make_unique<Game>(p.ports());
    Game* raw = g.get();
    p.time.setTickHandler([raw](TimerId id) { raw->timerTick(id); });
    g->startup.Form_Load();
    return g;
}

TEST(StoreNumbers, OnlyPlainDecimalTextCountsAndMustFitTheField) {
    struct Case {
        const char* text;
        bool read;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},           {"-1", true, -1},
        {"2500", true, 2500},     {" 12 ", true, 12},
        {"\t-3", true, -3},       {"+7", true, 7},
        {"-32768", true, -32768}, {"32767", true, 32767},
        {"32768", false, 0},      {"-32769", false, 0},
        {"", false, 0},           {"   ", false, 0},
        {"abc", false, 0},        {"1e3", false, 0},
        {"0x10", false, 0},       {"12abc", false, 0},
        {"1.5", false, 0},        {"- 1", false, 0},
        {"+", false, 0},          {"-", false, 0},
        {"1 2", false, 0},        {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        SqliteStore store;
        store.write("keys", "player1", "reelspeed", c.text);
        i16 field = 42;
        EXPECT_EQ(readNumber(store, "keys", "player1", "reelspeed", field), c.read) << '"' << c.text << '"';
        EXPECT_EQ(field, c.read ? c.value : 42) << '"' << c.text << '"';
    }
}

TEST(StoreNumbers, ThirtyTwoBitFieldsTakeTheirWholeRange) {
    SqliteStore store;
    store.write("keys", "player1", "bank", "-2147483648");
    i32 bank = 5;
    EXPECT_TRUE(readNumber(store, "keys", "player1", "bank", bank));
    EXPECT_EQ(bank, INT32_MIN);
    store.write("keys", "player1", "bank", "2147483648");
    EXPECT_FALSE(readNumber(store, "keys", "player1", "bank", bank));
    EXPECT_EQ(bank, INT32_MIN);
}

// The credit keeps the game's 32 bits; the statistics take 64, in the store's
// text as in the model, and an older store's values read as they were.
TEST(StoreNumbers, StatisticsTakeSixtyFourBits) {
    SqliteStore store;
    ProgramValues out;
    out.wager = 9000000000000;
    out.total = INT64_MAX;
    out.games = std::int64_t{INT32_MAX} + 1;
    out.jackpotbank = 4294967296;
    out.howmanyspins = 40000;
    saveRecord(store, out, "1", SaveOrder::keys, true);
    EXPECT_EQ(store.read("keys", "player1", "total"), "9223372036854775807");
    ProgramValues in;
    ASSERT_TRUE(readRecord(store, in, "keys", "1"));
    EXPECT_EQ(in.wager, out.wager);
    EXPECT_EQ(in.total, out.total);
    EXPECT_EQ(in.games, out.games);
    EXPECT_EQ(in.jackpotbank, out.jackpotbank);
    EXPECT_EQ(in.howmanyspins, 40000);
    store.write("keys", "player1", "total", "9223372036854775808");
    EXPECT_FALSE(readRecord(store, in, "keys", "1"));
    EXPECT_EQ(in.total, INT64_MAX);
}

TEST(StoreRecord, NegativeSoundSwitchRoundTrips) {
    SqliteStore store;
    ProgramValues out;
    out.soundonoff = -1;
    out.bank = -250;
    saveRecord(store, out, "2", SaveOrder::keys);
    EXPECT_EQ(store.read("keys", "player2", "soundonoff"), "-1");
    EXPECT_EQ(store.read("keys", "player2", "bank"), "-250");
    ProgramValues in;
    EXPECT_TRUE(readRecord(store, in, "keys", "2"));
    EXPECT_EQ(in.soundonoff, -1);
    EXPECT_EQ(in.bank, -250);
}

TEST(StoreRecord, EverySaveWritesBothPlayerCopiesAndThePoolsOnce) {
    ProgramValues v;
    v.bank = 4321;
    v.games = 17;
    v.reelspeed = 8;
    v.currentplayer = "Ada";
    v.sizescreen = "big";
    v.grand = 100000;
    v.jackpotbank = 9;
    for (SaveOrder order : {SaveOrder::keys, SaveOrder::exit}) {
        SqliteStore store;
        saveRecord(store, v, "4", order);
        for (const auto& [k, text] : store.values()) {
            const auto& [app, section, key] = k;
            EXPECT_EQ(section, "player4");
            if (app == "allslot") continue;
            EXPECT_EQ(store.read(app == "keys" ? "Tonvale" : "keys", section, key), text) << key;
        }
        ProgramValues fromMain, fromOptions;
        readRecord(store, fromMain, "keys", "4");
        readRecord(store, fromOptions, "Tonvale", "4");
        for (const ProgramValues* r : {&fromMain, &fromOptions}) {
            EXPECT_EQ(r->bank, 4321);
            EXPECT_EQ(r->games, 17);
            EXPECT_EQ(r->reelspeed, 8);
            EXPECT_EQ(r->currentplayer, "Ada");
            EXPECT_EQ(r->sizescreen, "big");
            EXPECT_EQ(r->grand, 100000);
            EXPECT_EQ(r->jackpotbank, 9);
        }
        EXPECT_EQ(store.read("keys", "player4", "grand"), "");
        EXPECT_EQ(store.read("Tonvale", "player4", "grand"), "");
    }
}

TEST(StoreRecord, WritesFollowTheKeyOrderOrTheExitOrder) {
    const std::vector<std::string> keyOrder = {
        "sizescreen", "howmanyspins",   "soundonoff", "machinepay", "winroll",
        "reelspeed",  "amountinvested", "wager",      "total",      "bank",
        "games",      "currentplayer",  "grand",      "major",      "minor",
        "grandwon",   "majorwon",       "minorwon",   "jackpotbank"};
    const std::vector<std::string> exitOrder = {
        "sizescreen",  "howmanyspins",   "soundonoff", "machinepay", "winroll",
        "reelspeed",   "amountinvested", "wager",      "total",      "bank",
        "games",       "currentplayer",  "grandwon",   "majorwon",   "minorwon",
        "jackpotbank", "grand",          "major",      "minor"};
    for (const auto& [order, expected] :
         {std::pair{SaveOrder::keys, keyOrder}, std::pair{SaveOrder::exit, exitOrder}}) {
        LoggingStore store;
        saveRecord(store, ProgramValues{}, "1", order);
        std::vector<std::string> keys;  // one entry per key: the "keys" copy or the pool
        for (const std::string& w : store.log)
            if (w.rfind("keys/", 0) == 0 || w.rfind("allslot/", 0) == 0)
                keys.push_back(w.substr(w.find('/') + 1));
        EXPECT_EQ(keys, expected);
    }
}

TEST(StoreRecord, SavingWithoutTheNameLeavesTheStoredNameAlone) {
    SqliteStore store;
    ProgramValues v;
    v.currentplayer = "Ada";
    saveRecord(store, v, "1", SaveOrder::keys);
    v.currentplayer = "Bea";
    v.bank = 77;
    saveRecord(store, v, "1", SaveOrder::keys, false);
    EXPECT_EQ(store.read("Tonvale", "player1", "currentplayer"), "Ada");
    EXPECT_EQ(store.read("keys", "player1", "currentplayer"), "Ada");
    EXPECT_EQ(store.read("Tonvale", "player1", "bank"), "77");
}

TEST(StoreRecord, FailuresAreReportedInReadingOrderAndLeaveValuesAlone) {
    SqliteStore store;
    store.write("Tonvale", "player1", "reelspeed", "8");
    store.write("Tonvale", "player1", "bank", "oops");
    ProgramValues v;
    v.bank = 300;
    v.howmanyspins = 4;
    std::vector<i16> speedAtFailure;
    EXPECT_FALSE(readRecord(store, v, "Tonvale", "1", [&] { speedAtFailure.push_back(v.reelspeed); }));
    EXPECT_EQ(v.bank, 300);
    EXPECT_EQ(v.howmanyspins, 4);
    EXPECT_EQ(v.reelspeed, 8);
    // Every number but "reelspeed" fails: four before it was read, twelve after.
    ASSERT_EQ(speedAtFailure.size(), 16u);
    EXPECT_EQ(speedAtFailure[3], 0);
    EXPECT_EQ(speedAtFailure[4], 8);
}

TEST(StoreStart, CleanStoreStartsWithTheCorrectedDefaults) {
    Rig r;
    r.load();
    EXPECT_EQ(r.s().bank, 0);
    EXPECT_EQ(r.s().soundonoff, 0);
    EXPECT_EQ(r.s().winroll, 0);
    EXPECT_EQ(r.s().machinepay, 3);
    EXPECT_EQ(r.s().reelspeed, 1);
    EXPECT_EQ(r.s().currentplayer, "");
    EXPECT_EQ(r.s().playerslot, "1");
    EXPECT_TRUE(r.sounds().empty());  // sound is off: no clip 106
    EXPECT_EQ(r.ui().form.caption, "Current Player       ");
    for (const Control* c : {&r.ui().Lblcredit, &r.ui().lblgrand, &r.ui().lblmajor, &r.ui().lblminor})
        EXPECT_EQ(c->caption, "$ 0") << c->name;
}

TEST(StoreStart, StoredReelSpeedIsCorrectedOnlyBelowOne) {
    struct Case {
        const char* stored;
        i16 speed;
    };
    for (const Case c :
         {Case{"abc", 1}, Case{"8", 8}, Case{"5", 5}, Case{"0", 1}, Case{"-3", 1}, Case{"40000", 1}}) {
        Rig r;
        r.platform.store.write("keys", "player1", "reelspeed", c.stored);
        r.load();
        EXPECT_EQ(r.s().reelspeed, c.speed) << c.stored;
    }
}

TEST(StoreStart, EachSlotHasItsOwnPools) {
    HeadlessPlatform p;
    p.store.write("allslot", "player1", "grand", "150000");
    p.store.write("allslot", "player2", "grand", "260000");
    auto g = restart(p);
    EXPECT_EQ(g->m.s.grand, 150000);
    EXPECT_EQ(g->m.ui.lblgrand.caption, "$ 1500");
    g->m.s.playerslot = "2";
    g->m.s.grand = 270000;
    g->startup.xit_Click();
    EXPECT_EQ(p.store.read("allslot", "player2", "grand"), "270000");
    EXPECT_EQ(p.store.read("allslot", "player1", "grand"), "150000");
}

TEST(StoreStart, ExitSavesTheChosenSlotButTheNextStartLoadsSlotOne) {
    HeadlessPlatform p;
    ProgramValues one, three;
    one.bank = 1000;
    one.currentplayer = "first";
    three.bank = 3000;
    three.currentplayer = "third";
    saveRecord(p.store, one, "1", SaveOrder::keys);
    saveRecord(p.store, three, "3", SaveOrder::keys);

    auto g = restart(p);
    g->m.ui.form.enabled = false;
    g->options.open();
    g->options.machine_Click(3);
    g->options.close();
    EXPECT_EQ(g->m.s.bank, 3000);
    g->m.s.bank = 3500;  // play after the switch
    g->startup.xit_Click();
    EXPECT_EQ(p.store.read("keys", "player3", "bank"), "3500");
    EXPECT_EQ(p.store.read("Tonvale", "player3", "bank"), "3500");

    g = restart(p);
    EXPECT_EQ(g->m.s.playerslot, "1");
    EXPECT_EQ(g->m.s.bank, 1000);
    EXPECT_EQ(g->m.s.currentplayer, "first");
    g->m.s.bank = 1100;
    g->options.open();  // first saves what the main window holds for slot 1
    EXPECT_EQ(p.store.read("Tonvale", "player1", "bank"), "1100");
    EXPECT_EQ(g->m.s.bank, 1100);
}

}  // namespace
}  // namespace tonvale
