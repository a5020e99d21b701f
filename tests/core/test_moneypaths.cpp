// SPDX-License-Identifier: MIT
// The ways an ordinary game could lose or miscount credit, each as the player
// meets it: play beside an open gamble, the gamble under autoplay, autoplay behind
// other windows, a jackpot under autoplay, a close during the award display or the
// loss pause, a credit at its limit, stored settings outside their ranges, and a
// fresh slot after one with jackpots.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/durable.h"
#include "core/store.h"
#include "eval/spinsearch.h"
#include "gamble/gamble.h"
#include "game/startup.h"
#include "players/options.h"
#include "present/presentation.h"
#include "rig.h"
#include "rules/board.h"
#include "sleepwatch.h"
#include "spin/spincycle.h"

namespace tonvale {
namespace {

using testing::afterWin;
using testing::findSpin;
using testing::prizeShowing;
using testing::Rig;
using testing::Trial;

// Real stops of a small win at bet 1 and 243 ways (no scatter award, no jackpot).
const Trial& smallWin() {
    static const Trial t = *findSpin(
        25, 1, [](const Trial& x) { return x.pays.waysWin > 30 && x.pays.waysWin < 200 && !x.pays.scatter; });
    return t;
}

void scriptSpin(Rig& r, const Trial& t) {
    r.stops(t.stops[0], t.stops[1], t.stops[2], t.stops[3], t.stops[4], t.bellcoin);
    r.draws({1});  // the payout level lets the win stand
}

std::string stored(StorePort& store, const char* key, const char* app = "keys") {
    return store.read(app, "player1", key);
}

TEST(OpenGamble, IsTheOnlyPlayWhileItsPanelIsShown) {
    struct Case {
        const char* what;
        std::function<void(Rig&)> press;
    };
    const std::vector<Case> cases = {
        {"spin", [](Rig& r) { r.game.press(r.ui().btnspin); }},
        {"bet", [](Rig& r) { r.game.press(r.ui().btnbet); }},
        {"ways", [](Rig& r) { r.game.press(r.ui().btnlines); }},
        {"autoplay", [](Rig& r) { r.game.press(r.ui().autoplayon); }},
        {"insert", [](Rig& r) { r.game.press(r.ui().btncredit); }},
        {"options", [](Rig& r) { r.game.click(r.ui().btnoptions); }},
        {"space bar", [](Rig& r) { r.game.keyPress(r.ui().form, 32); }},
        {"the starter pressed from code", [](Rig& r) { r.game.spin.btnstartall_Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        r.load();
        afterWin(r, 250);
        ASSERT_TRUE(r.game.click(r.ui().btndouble));
        r.ui().keypreview = true;  // the tick timer turns it back on while the panel is open
        for (Control* b : {&r.ui().btnspin, &r.ui().btnbet, &r.ui().btnlines, &r.ui().autoplayon,
                           &r.ui().btncredit, &r.ui().btnoptions})
            EXPECT_FALSE(r.game.pressable(*b)) << b->name;
        scriptSpin(r, smallWin());
        c.press(r);
        r.advance(2000);
        EXPECT_TRUE(r.ui().pandouble.visible);
        EXPECT_EQ(r.s().gamblestake, 250);
        EXPECT_EQ(r.s().bank, 9750);
        EXPECT_EQ(r.s().games, 0);
        EXPECT_EQ(r.s().bet, 1);
        EXPECT_EQ(r.s().waysfactor, 25);
        EXPECT_EQ(r.s().autoplaymode, 0);
        EXPECT_FALSE(r.game.options.ui.form.visible);
        // Taking the win pays the whole stake.
        ASSERT_TRUE(r.game.click(r.ui().cancelbet));
        EXPECT_EQ(r.s().bank, 10000);
        EXPECT_EQ(r.s().total, 40000);
    }
}

TEST(AutoplayGamble, AWinUnderAutoplayOffersNoGamble) {
    for (const bool autoplay : {false, true}) {
        SCOPED_TRACE(autoplay ? "autoplay" : "by hand");
        Rig r;
        r.load();
        r.s().autoplaynotice = -1;
        r.game.press(r.ui().btncredit);
        scriptSpin(r, smallWin());
        r.game.press(autoplay ? r.ui().autoplayon : r.ui().btnspin);
        ASSERT_EQ(r.s().games, 1);
        ASSERT_GT(r.s().winamount, 0);
        EXPECT_EQ(r.ui().btndouble.enabled, !autoplay);
        EXPECT_EQ(r.game.pressable(r.ui().btndouble), !autoplay);
        // Even a press on the button itself opens nothing while autoplay runs.
        r.ui().btndouble.enabled = true;
        r.game.click(r.ui().btndouble);
        EXPECT_EQ(r.ui().pandouble.visible, !autoplay);
        EXPECT_EQ(r.s().bank, autoplay ? 5000 - 25 + r.s().winamount : 5000 - 25);
    }
}

TEST(AutoplayWindows, AutoplayWaitsWhileTheMainWindowIsHiddenOrDisabled) {
    struct Case {
        const char* what;
        std::function<void(Rig&, bool)> cover;
    };
    const std::vector<Case> cases = {
        {"the advert hides it", [](Rig& r, bool on) { r.ui().form.visible = !on; }},
        {"another window disables it", [](Rig& r, bool on) { r.ui().form.enabled = !on; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        r.load();
        r.s().autoplaynotice = -1;
        r.s().soundonoff = 0;
        r.game.press(r.ui().btncredit);
        r.game.press(r.ui().autoplayon);
        ASSERT_EQ(r.s().games, 1);
        c.cover(r, true);
        r.advance(60000);
        EXPECT_EQ(r.s().games, 1);
        EXPECT_EQ(r.s().autoplaymode, 10);
        c.cover(r, false);
        r.advance(10000);
        EXPECT_GT(r.s().games, 1);
    }
}

TEST(JackpotUnderAutoplay, MenuAndOptionsStayHeldAfterThePayment) {
    for (const int mode : {0, 10}) {
        Rig r;
        r.s().autoplaymode = static_cast<i16>(mode);
        r.s().minor = 2500;
        prizeShowing(r, 2, 250);  // 10 x the total bet
        r.advance(100);
        ASSERT_FALSE(r.game.m.timerEnabled(TimerId::tmrshowjackpot));
        EXPECT_EQ(r.s().bank, 250);
        EXPECT_EQ(r.ui().btnoptions.enabled, mode == 0) << mode;
        EXPECT_EQ(r.ui().btnopenmenu.enabled, mode == 0) << mode;
        EXPECT_EQ(r.game.m.timerEnabled(TimerId::tmrautospin), mode == 10);
    }
}

TEST(DrawnJackpot, IsThePlayersFromTheDrawOnAndSurvivesACloseOrAKill) {
    struct Case {
        const char* what;
        std::int16_t field;
        std::int32_t prize;
        std::int32_t jackpotbank;   // after
        std::int32_t minor, grand;  // pools after
    };
    const Case cases[] = {
        {"minor pool", 6, 2500, 2500, kMinorReset, 2100000},
        {"grand pool", 4, 2100000, 2100000, 2500, kGrandReset},
        {"ten times the bet", 2, 250, 0, 2500, 2100000},
    };
    for (const Case& c : cases) {
        for (const bool kill : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (kill ? ", killed" : ", closed"));
            Rig r;
            r.load();
            r.s().bank = 1000;
            r.s().minor = 2500;
            r.s().grand = 2100000;
            prizeShowing(r, c.field, c.prize);
            r.s().showticks = 10;  // in the middle of the six seconds
            r.advance(100);        // a settled point
            if (!kill) r.game.callRoutine("Form_QueryUnload");
            EXPECT_EQ(stored(r.platform.store, "bank"), std::to_string(1000 + c.prize));
            EXPECT_EQ(stored(r.platform.store, "jackpotbank"), std::to_string(c.jackpotbank));
            EXPECT_EQ(stored(r.platform.store, "minor", "allslot"), std::to_string(c.minor));
            EXPECT_EQ(stored(r.platform.store, "grand", "allslot"), std::to_string(c.grand));
            // The game started again shows the award and pays it, once.
            HeadlessPlatform again;
            again.store = std::move(r.platform.store);
            Game g(again.ports());
            again.time.setTickHandler([&g](TimerId id) { g.timerTick(id); });
            g.startup.Form_Load();
            EXPECT_TRUE(g.m.timerEnabled(TimerId::tmrshowjackpot));
            EXPECT_EQ(g.m.s.bank, 1000);
            EXPECT_EQ(durableValues(g.m).bank, 1000 + c.prize);
            again.time.advance(10000);
            EXPECT_FALSE(g.m.timerEnabled(TimerId::tmrshowjackpot));
            EXPECT_EQ(g.m.s.bank, 1000 + c.prize);
            EXPECT_EQ(g.m.s.jackpotbank, c.jackpotbank);
            EXPECT_EQ(g.m.s.minor, c.minor);
            EXPECT_EQ(g.m.s.grand, c.grand);
        }
    }
}

TEST(DrawnJackpot, PaidOnceWhenTheDisplayEnds) {
    Rig r;
    r.load();
    r.s().bank = 1000;
    r.s().minor = 2500;
    prizeShowing(r, 6, 2500);
    r.advance(100);
    EXPECT_EQ(r.s().bank, 3500);
    EXPECT_EQ(r.s().jackpotbank, 2500);
    EXPECT_EQ(r.s().minor, kMinorReset);
    EXPECT_EQ(durableValues(r.game.m).bank, 3500);
    EXPECT_EQ(durableValues(r.game.m).jackpotbank, 2500);
}

TEST(LostCard, IsSavedTheMomentTheCardIsDecided) {
    HeadlessPlatform p;
    std::vector<std::string> bankDuringPause;
    SleepWatch events(p.time, [&](int ms) {
        if (ms >= 3000) bankDuringPause.push_back(stored(p.store, "bank"));
    });
    Game g(Ports{p.random, p.time, p.time, events, p.sound, p.store, p.desktop});
    p.time.setTickHandler([&g](TimerId id) { g.timerTick(id); });
    g.startup.Form_Load();
    g.m.s.winamount = 250;
    g.m.s.bank = 10000;
    g.m.ui.btndouble.enabled = true;
    g.m.cycles.spinStarts();
    g.m.cycles.drawn(Draw{{1, 1, 1, 1, 1}, 2, 1});
    g.m.cycles.stood(250, false);
    g.m.cycles.offers();
    g.m.cycles.spinEnds();
    ASSERT_TRUE(g.click(g.m.ui.btndouble));
    EXPECT_EQ(stored(p.store, "bank"), "10000");  // the stake at risk is still the player's
    p.random.script({2});                         // clubs: a red bet loses
    ASSERT_TRUE(g.click(g.m.ui.betred));
    // Killed during the three seconds of the loss, the game comes back without the stake.
    EXPECT_EQ(bankDuringPause, std::vector<std::string>{"9750"});
    EXPECT_EQ(stored(p.store, "bank"), "9750");
}

TEST(CreditLimit, MoneyMovesWithItsStatisticOrNotAtAll) {
    const i32 max = INT32_MAX;
    {
        SCOPED_TRACE("insert into a full credit");
        Rig r;
        r.load();
        r.s().bank = max - 4999;
        r.s().amountinvested = 100;
        r.game.press(r.ui().btncredit);
        EXPECT_EQ(r.s().bank, max - 4999);
        EXPECT_EQ(r.s().amountinvested, 100);
        EXPECT_EQ(r.ui().LABWIN.caption, "Credit Full");
        ASSERT_EQ(r.platform.desktop.messages.size(), 1u);
        EXPECT_EQ(r.platform.desktop.messages[0].text, "The credit is full.");
    }
    {
        SCOPED_TRACE("insert with the invested statistic full");
        Rig r;
        r.load();
        r.s().bank = 100;
        r.s().amountinvested = INT64_MAX - 10;
        r.game.press(r.ui().btncredit);
        EXPECT_EQ(r.s().bank, 100);
        EXPECT_EQ(r.s().amountinvested, INT64_MAX - 10);
    }
    {
        SCOPED_TRACE("a win the credit cannot hold after the stake");
        Rig r;
        r.load();
        r.s().bank = max;
        r.s().total = 500;
        scriptSpin(r, smallWin());
        ASSERT_GT(smallWin().pays.win, 25);
        r.game.press(r.ui().btnspin);
        EXPECT_EQ(r.s().games, 1);
        EXPECT_EQ(r.s().wager, 25);
        EXPECT_EQ(r.s().winamount, 0);
        EXPECT_EQ(r.s().total, 500);
        EXPECT_EQ(r.s().bank, max - 25);
        EXPECT_EQ(r.ui().LABWIN.caption, "Credit Full");
    }
    {
        // The credit after the spin holds the win: it counts, though the credit
        // before the stake could not have held it.
        SCOPED_TRACE("a win that fits once the stake is taken");
        Rig r;
        r.load();
        const std::int64_t win = smallWin().pays.win;
        r.s().bank = static_cast<i32>(max - win + 25);
        r.s().total = 500;
        scriptSpin(r, smallWin());
        r.game.press(r.ui().btnspin);
        EXPECT_EQ(r.s().winamount, win);
        EXPECT_EQ(r.s().total, 500 + win);
        EXPECT_EQ(r.s().bank, max);
        EXPECT_NE(r.ui().LABWIN.caption, "Credit Full");
    }
    {
        SCOPED_TRACE("a doubling the credit could not take back");
        Rig r;
        afterWin(r, 200, max - 100);
        ASSERT_TRUE(r.game.click(r.ui().btndouble));
        r.draws({1});  // hearts: red wins
        ASSERT_TRUE(r.game.click(r.ui().betred));
        EXPECT_EQ(r.s().gamblestake, 200);
        ASSERT_TRUE(r.game.click(r.ui().cancelbet));
        EXPECT_EQ(r.s().bank, max - 100);
        EXPECT_EQ(r.s().total, 40000);
    }
    {
        SCOPED_TRACE("a jackpot the credit cannot hold");
        Rig r;
        r.s().bank = max - 100;
        r.s().minor = 2500;
        r.s().bet = 1;
        r.s().waysfactor = 25;
        r.s().ballstep = 5;  // the next step is field 6, the minor pool
        r.s().balldrawn = 1;
        r.s().ballstop = 6;
        r.game.m.setTimer(TimerId::tmrdecidejackpot, true);
        r.advance(10000);
        EXPECT_EQ(r.s().minorwon, 0);
        r.advance(7000);
        EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrshowjackpot));
        EXPECT_EQ(r.s().bank, max - 100);
        EXPECT_EQ(r.s().jackpotbank, 0);
        EXPECT_EQ(r.s().minor, 2500);
    }
}

// The statistics are counted in 64 bits: a lifetime of play never fills one, and
// a statistic past 32 bits never costs an insert, a win or a prize.
TEST(CreditLimit, StatisticsPastThirtyTwoBitsStillCount) {
    const std::int64_t past = std::int64_t{INT32_MAX} + 1000;
    {
        SCOPED_TRACE("an insert");
        Rig r;
        r.load();
        r.s().amountinvested = past;
        r.game.press(r.ui().btncredit);
        EXPECT_EQ(r.s().bank, 5000);
        EXPECT_EQ(r.s().amountinvested, past + 5000);
        EXPECT_EQ(stored(r.platform.store, "amountinvested"), std::to_string(past + 5000));
    }
    {
        SCOPED_TRACE("a win");
        Rig r;
        r.load();
        r.s().bank = 1000;
        r.s().games = past;
        r.s().wager = past;
        r.s().total = past;
        scriptSpin(r, smallWin());
        r.game.press(r.ui().btnspin);
        const std::int64_t win = smallWin().pays.win;
        EXPECT_EQ(r.s().winamount, win);
        EXPECT_EQ(r.s().bank, 1000 - 25 + win);
        EXPECT_EQ(r.s().games, past + 1);
        EXPECT_EQ(r.s().wager, past + 25);
        EXPECT_EQ(r.s().total, past + win);
        EXPECT_NE(r.ui().LABWIN.caption, "Credit Full");
    }
    {
        SCOPED_TRACE("a doubling collected");
        Rig r;
        afterWin(r, 200, 10000);
        r.s().total = past;
        ASSERT_TRUE(r.game.click(r.ui().btndouble));
        r.draws({1});  // hearts: red wins
        ASSERT_TRUE(r.game.click(r.ui().betred));
        EXPECT_EQ(r.s().gamblestake, 400);
        ASSERT_TRUE(r.game.click(r.ui().cancelbet));
        EXPECT_EQ(r.s().total, past + 200);
    }
    {
        SCOPED_TRACE("a pool prize");
        Rig r;
        r.s().bank = 100;
        r.s().minor = 2500;
        r.s().jackpotbank = past;
        r.s().minorwon = past;
        r.s().bet = 1;
        r.s().waysfactor = 25;
        r.s().ballstep = 5;  // the next step is field 6, the minor pool
        r.s().balldrawn = 1;
        r.s().ballstop = 6;
        r.game.m.setTimer(TimerId::tmrdecidejackpot, true);
        r.advance(17000);
        EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrshowjackpot));
        EXPECT_EQ(r.s().bank, 2600);
        EXPECT_EQ(r.s().jackpotbank, past + 2500);
        EXPECT_EQ(r.s().minorwon, past + 1);
    }
}

TEST(StoredSettings, OutOfRangeValuesAreTakenSanelyAndWrittenBack) {
    struct Case {
        const char* key;
        const char* storedText;
        int taken;
    };
    const Case cases[] = {
        {"machinepay", "32767", 3}, {"machinepay", "-1", 3}, {"machinepay", "0", 3},
        {"machinepay", "2", 2},     {"soundonoff", "7", 0},  {"soundonoff", "-1", -1},
        {"winroll", "9", 0},        {"winroll", "1", 1},     {"reelspeed", "-1", 1},
    };
    for (const Case& c : cases) {
        for (const bool bySlotSwitch : {false, true}) {
            SCOPED_TRACE(std::string(c.key) + " " + c.storedText + (bySlotSwitch ? " by a slot switch" : ""));
            Rig r;
            const char* app = bySlotSwitch ? "Tonvale" : "keys";
            const char* slot = bySlotSwitch ? "player2" : "player1";
            r.platform.store.write(app, slot, c.key, c.storedText);
            r.load();
            if (bySlotSwitch) {
                ASSERT_TRUE(r.game.click(r.ui().btnoptions));
                ASSERT_TRUE(r.game.click(r.game.options.ui.machine[2]));
            }
            EXPECT_EQ(r.read(c.key), std::to_string(c.taken));
            if (bySlotSwitch) r.game.options.close();
            r.game.press(r.ui().btncredit);  // a settled point with a change saves the record
            EXPECT_EQ(r.platform.store.read("keys", slot, c.key), std::to_string(c.taken));
        }
    }
}

TEST(SlotSwitch, AFreshSlotStartsWithoutThePreviousPlayersJackpots) {
    Rig r;
    r.load();
    r.s().grandwon = 1;
    r.s().majorwon = 2;
    r.s().minorwon = 3;
    r.s().jackpotbank = 2300000;
    r.s().howmanyspins = 4;
    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[5]));
    for (const char* key : {"grandwon", "majorwon", "minorwon", "jackpotbank", "howmanyspins", "bank"})
        EXPECT_EQ(r.read(key), "0") << key;
    // The first slot keeps its own.
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[1]));
    EXPECT_EQ(r.s().jackpotbank, 2300000);
    EXPECT_EQ(r.s().grandwon, 1);
}

// What a press can do, by state: the one rule the view paints by.
TEST(PressRule, SaysWhichButtonsAPressWouldActOn) {
    HeadlessPlatform p;
    std::vector<std::string> refusedMidSpin, refusedRevealing;
    Game* game = nullptr;
    const auto refusedNow = [&game] {
        std::string out;
        MainWindow& ui = game->m.ui;
        for (Control* c :
             {&ui.btncredit, &ui.btnlines, &ui.btnbet, &ui.btnspin, &ui.btndouble, &ui.autoplayon,
              &ui.btnoptions, &ui.btnhistory, &ui.btnopenmenu, &ui.betred, &ui.cancelbet})
            if (!game->pressable(*c)) out += (out.empty() ? "" : " ") + c->name;
        return out;
    };
    struct Watch : EventsPort {
        EventsPort& inner;
        std::function<void()> then;
        explicit Watch(EventsPort& e) : inner(e) {}
        void doEvents() override {
            inner.doEvents();
            if (then) then();
        }
        void sleep(int ms) override { inner.sleep(ms); }
        void present() override { inner.present(); }
        void wait(int ms) override { inner.wait(ms); }
    } events(p.time);
    Game g(Ports{p.random, p.time, p.time, events, p.sound, p.store, p.desktop});
    game = &g;
    p.time.setTickHandler([&g](TimerId id) { g.timerTick(id); });
    g.startup.Form_Load();
    MainWindow& ui = g.m.ui;
    g.m.s.autoplaynotice = -1;
    g.press(ui.btncredit);

    // The gamble panel is closed at the start: its buttons take no press.
    EXPECT_EQ(refusedNow(), "btndouble betred cancelbet");

    events.then = [&] {
        if (g.spin.spinning()) refusedMidSpin.push_back(refusedNow());
    };
    const Trial& win = smallWin();
    p.random.script({win.stops[0], win.stops[1], win.bellcoin, win.stops[2], win.stops[3], win.stops[4], 1});
    g.press(ui.btnspin);
    events.then = nullptr;
    ASSERT_FALSE(refusedMidSpin.empty());
    // While the spin runs nothing but its own end can act.
    EXPECT_EQ(
        refusedMidSpin.front(),
        "btncredit btnlines btnbet btnspin btndouble autoplayon btnoptions btnhistory btnopenmenu betred "
        "cancelbet");
    // After a win by hand: everything but the panel's own buttons.
    EXPECT_EQ(refusedNow(), "betred cancelbet");

    ASSERT_TRUE(g.click(ui.btndouble));
    EXPECT_EQ(refusedNow(), "btncredit btnlines btnbet btnspin btndouble autoplayon btnoptions btnhistory");
    events.then = [&] {
        if (g.gamble.revealing()) refusedRevealing.push_back(refusedNow());
    };
    p.random.script({1});
    g.click(ui.betred);
    events.then = nullptr;
    ASSERT_FALSE(refusedRevealing.empty());
    EXPECT_EQ(
        refusedRevealing.front(),
        "btncredit btnlines btnbet btnspin btndouble autoplayon btnoptions btnhistory betred cancelbet");
    ASSERT_TRUE(g.click(ui.cancelbet));

    // Autoplay: the options, HISTORY and the gamble look and are unavailable, between
    // its games too; the switch is not.
    g.press(ui.autoplayon);
    ASSERT_EQ(g.m.s.autoplaymode, 10);
    p.time.advance(100);
    std::string autoplay = refusedNow();
    EXPECT_NE(autoplay.find("btnoptions"), std::string::npos);
    EXPECT_NE(autoplay.find("btnhistory"), std::string::npos);
    EXPECT_NE(autoplay.find("btndouble"), std::string::npos);
    EXPECT_EQ(autoplay.find("autoplayon"), std::string::npos);
    // A hidden or disabled window takes no press at all.
    g.press(ui.autoplayon);
    ui.form.enabled = false;
    EXPECT_EQ(
        refusedNow(),
        "btncredit btnlines btnbet btnspin btndouble autoplayon btnoptions btnhistory btnopenmenu betred "
        "cancelbet");
    EXPECT_FALSE(g.keyPress(ui.form, 32));
}

}  // namespace
}  // namespace tonvale
