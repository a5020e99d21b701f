// SPDX-License-Identifier: MIT
// The options window: player slots, names, statistics, delete and the game
// options.
#include <gtest/gtest.h>

#include "core/store.h"
#include "players/options.h"
#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

struct OptionsRig : Rig {
    OptionsRig() {
        load();
        openOptions();
    }
    void openOptions() {
        ASSERT_TRUE(game.press(ui().btnoptions));
        ASSERT_TRUE(game.options.isOpen());
    }
    OptionsWindow& win() { return game.options.ui; }
    void type(const std::string& text) {
        for (char c : text) game.keyPress(win().player1, static_cast<unsigned char>(c));
        game.keyPress(win().player1, 13);
    }
    std::string stored(const char* app, const char* slot, const char* key) {
        return platform.store.read(app, std::string("player") + slot, key);
    }
    std::vector<std::string> messageTexts() {
        std::vector<std::string> out;
        for (const auto& m : platform.desktop.messages) out.push_back(m.text);
        return out;
    }
};

void storeSlot(StorePort& store, const char* slot, const ProgramValues& v) {
    saveRecord(store, v, slot, SaveOrder::keys);
}

TEST(OptionsName, TwelveCharactersAreAcceptedAndShownInUpperCase) {
    OptionsRig r;
    r.type("Ada Lovelace");
    EXPECT_TRUE(r.messageTexts().empty());
    EXPECT_EQ(r.s().currentplayer, "Ada Lovelace");
    EXPECT_EQ(r.win().player1.caption, "");
    EXPECT_EQ(r.win().machine[1].caption, "ADA LOVELACE");
    EXPECT_EQ(r.win().lblcurrentplayer.caption, "Current Player  ADA LOVELACE");
    EXPECT_EQ(r.ui().form.caption, "Current Player       ADA LOVELACE");
    EXPECT_EQ(r.stored("Tonvale", "1", "currentplayer"), "Ada Lovelace");
    EXPECT_EQ(r.stored("keys", "1", "currentplayer"), "Ada Lovelace");
}

TEST(OptionsName, EmptyOrTooLongNamesAreRefusedAndNothingIsSaved) {
    struct Case {
        std::string typed;
        const char* message;
    };
    for (const Case& c : {Case{"", "Nothing Entered"}, Case{"Ada Lovelaces", "Name Too Long"}}) {
        OptionsRig r;
        r.type("Bea");
        const int writes = r.platform.store.writes;
        r.type(c.typed);
        ASSERT_EQ(r.platform.desktop.messages.size(), 1u);
        const auto& box = r.platform.desktop.messages[0];
        EXPECT_EQ(box.title, "Slots_Tonvale");
        EXPECT_EQ(box.text, c.message);
        EXPECT_EQ(box.icon, MsgIcon::information);
        EXPECT_EQ(r.win().player1.caption, "");
        EXPECT_EQ(r.win().lblcurrentplayer.caption, "Current Player  BEA");
        EXPECT_EQ(r.s().currentplayer, "Bea");
        EXPECT_EQ(r.platform.store.writes, writes);
    }
}

TEST(OptionsName, TypingGoesNowhereWhileTheWindowIsClosed) {
    OptionsRig r;
    r.game.options.close();
    r.type("Zed");
    EXPECT_EQ(r.s().currentplayer, "");
    EXPECT_TRUE(r.messageTexts().empty());
}

TEST(OptionsSlots, AVacantSlotStartsFreshButCarriesTheSettingsAndPools) {
    Rig r;
    ProgramValues first;
    first.currentplayer = "ada";
    first.bank = 500;
    first.games = 10;
    first.wager = 250;
    first.total = 200;
    first.amountinvested = 5000;
    first.howmanyspins = 7;
    first.soundonoff = -1;
    first.machinepay = 1;
    first.reelspeed = 8;
    first.winroll = 1;
    first.grandwon = 2;
    first.jackpotbank = 300;
    first.grand = 123456;
    first.sizescreen = "wide";
    storeSlot(r.platform.store, "1", first);
    r.load();
    ASSERT_TRUE(r.game.press(r.ui().btnoptions));
    OptionsWindow& w = r.game.options.ui;
    EXPECT_EQ(w.machine[1].caption, "ADA");
    for (int k = 2; k <= 6; ++k) EXPECT_EQ(w.machine[static_cast<std::size_t>(k)].caption, "Vacant");
    EXPECT_TRUE(w.machine[1].value);

    ASSERT_TRUE(r.game.click(w.machine[2]));
    const MachineState& s = r.s();
    EXPECT_EQ(s.playerslot, "2");
    EXPECT_TRUE(w.machine[2].value);
    EXPECT_FALSE(w.machine[1].value);
    EXPECT_EQ(s.bank, 0);
    EXPECT_EQ(s.games, 0);
    EXPECT_EQ(s.wager, 0);
    EXPECT_EQ(s.amountinvested, 0);
    EXPECT_EQ(s.machinepay, 3);
    EXPECT_EQ(s.reelspeed, 1);
    EXPECT_EQ(s.winroll, 0);
    EXPECT_EQ(s.currentplayer, "");
    EXPECT_EQ(s.sizescreen, "");
    // The other player's statistics do not come along: the series and jackpot
    // counts and the jackpot total start at 0 too.
    EXPECT_EQ(s.howmanyspins, 0);
    EXPECT_EQ(s.grandwon, 0);
    EXPECT_EQ(s.jackpotbank, 0);
    // Not reset by the switch and not found in the vacant slot: carried over.
    EXPECT_EQ(s.soundonoff, -1);
    EXPECT_EQ(s.grand, 123456);
    EXPECT_EQ(w.machine[2].caption, "Vacant");
    EXPECT_EQ(r.ui().PANELBANK.caption, "0");
    EXPECT_EQ(r.ui().Lblcredit.caption, "$ 0");
    EXPECT_EQ(r.ui().form.caption, "Current Player       ");
    EXPECT_TRUE(w.setspeed[0].value);
    EXPECT_TRUE(w.Amtpayout[0].value);
    EXPECT_TRUE(w.wincounter[2].value);
    EXPECT_TRUE(w.sounds[1].value);

    r.game.options.close();
    EXPECT_EQ(r.platform.store.read("Tonvale", "player2", "howmanyspins"), "0");
    EXPECT_EQ(r.platform.store.read("keys", "player2", "bank"), "0");
    // Slot 1 was only saved at the opening, unchanged.
    EXPECT_EQ(r.platform.store.read("Tonvale", "player1", "bank"), "500");
}

// The win meter belongs to the player who won: another player starts with it
// empty, and a roll-up of the last player's win does not write it back later.
TEST(OptionsSlots, AnotherPlayerDoesNotSeeTheLastPlayersWin) {
    OptionsRig r;
    r.s().winamount = 1250;
    r.s().winroll = 1;
    r.ui().LABWIN.caption = "120";
    r.ui().lblwin.caption = "$ 1.2";
    r.s().wincounted = 120;
    r.s().rollstep = 14;
    r.game.m.setTimer(TimerId::Timerwincounter, true);
    // Opening on the same player keeps the meter and its count.
    EXPECT_TRUE(r.game.click(r.win().machine[1]));
    EXPECT_EQ(r.ui().lblwin.caption, "$ 1.2");
    EXPECT_TRUE(r.game.m.timerEnabled(TimerId::Timerwincounter));

    EXPECT_TRUE(r.game.click(r.win().machine[2]));
    EXPECT_EQ(r.ui().LABWIN.caption, "");
    EXPECT_EQ(r.ui().lblwin.caption, "");
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::Timerwincounter));
    r.game.options.close();
    r.advance(10000);
    EXPECT_EQ(r.ui().LABWIN.caption, "");
    EXPECT_EQ(r.ui().lblwin.caption, "");
    EXPECT_EQ(r.ui().Lblcredit.caption, "$ 0");
}

TEST(OptionsSlots, AnUnreadableNumberAfterTheSpeedStillTurnsTheSpeedToOne) {
    Rig r;
    ProgramValues v;
    v.reelspeed = 8;
    v.bank = 100;
    storeSlot(r.platform.store, "3", v);
    r.platform.store.write("Tonvale", "player3", "games", "many");
    r.load();
    r.game.press(r.ui().btnoptions);
    r.game.options.machine_Click(3);
    EXPECT_EQ(r.s().reelspeed, 1);
    EXPECT_EQ(r.s().bank, 100);
    EXPECT_EQ(r.s().games, 0);
}

TEST(OptionsDelete, YesClearsTheStatisticsButKeepsNameAndSettings) {
    Rig r;
    ProgramValues v;
    v.currentplayer = "Ada";
    v.bank = 900;
    v.games = 40;
    v.wager = 1000;
    v.total = 800;
    v.amountinvested = 5000;
    v.howmanyspins = 12;
    v.grandwon = v.majorwon = v.minorwon = 1;
    v.machinepay = 1;
    v.reelspeed = 4;
    v.winroll = 1;
    v.soundonoff = -1;
    v.jackpotbank = 77;
    v.grand = 5555;
    storeSlot(r.platform.store, "1", v);
    r.load();
    r.game.press(r.ui().btnoptions);
    r.ui().flasher[5].visible = true;
    r.platform.desktop.answers.push_back(Answer::yes);
    ASSERT_TRUE(r.game.click(r.game.options.ui.Btndeletedetails));

    const auto& box = r.platform.desktop.messages.back();
    EXPECT_EQ(box.text, "Are you sure you want to Delete Current Player's Details ?");
    EXPECT_EQ(box.buttons, MsgButtons::yesNo);
    EXPECT_EQ(box.icon, MsgIcon::question);
    const MachineState& s = r.s();
    for (std::int64_t value : std::initializer_list<std::int64_t>{
             s.bank, s.games, s.wager, s.total, s.amountinvested, s.grandwon, s.majorwon, s.minorwon})
        EXPECT_EQ(value, 0);
    EXPECT_EQ(s.howmanyspins, 0);
    EXPECT_EQ(s.machinepay, 3);
    EXPECT_EQ(s.currentplayer, "Ada");
    EXPECT_EQ(s.reelspeed, 4);
    EXPECT_EQ(s.winroll, 1);
    EXPECT_EQ(s.soundonoff, -1);
    EXPECT_EQ(s.jackpotbank, 77);
    EXPECT_EQ(s.grand, 5555);
    EXPECT_EQ(r.platform.store.read("Tonvale", "player1", "bank"), "0");
    EXPECT_EQ(r.platform.store.read("keys", "player1", "machinepay"), "3");
    EXPECT_EQ(r.platform.store.read("Tonvale", "player1", "currentplayer"), "Ada");
    // The credit meters are left empty, not at zero.
    EXPECT_EQ(r.ui().Lblcredit.caption, "");
    EXPECT_EQ(r.ui().PANELBANK.caption, "");
    EXPECT_FALSE(r.game.options.isOpen());
    EXPECT_TRUE(r.ui().form.enabled);
    EXPECT_FALSE(r.ui().flasher[5].visible);
}

TEST(OptionsDelete, NoClosesTheWindowAndTheCloseStillSaves) {
    Rig r;
    r.platform.store.write("keys", "player1", "bank", "900");
    r.load();
    r.game.press(r.ui().btnoptions);
    r.game.click(r.game.options.ui.setspeed[4]);
    r.game.click(r.game.options.ui.Btndeletedetails);  // no answer scripted: No
    EXPECT_EQ(r.platform.desktop.messages.back().answer, Answer::no);
    EXPECT_FALSE(r.game.options.isOpen());
    EXPECT_TRUE(r.ui().form.enabled);
    EXPECT_EQ(r.s().bank, 900);
    EXPECT_EQ(r.platform.store.read("Tonvale", "player1", "reelspeed"), "10");
    EXPECT_EQ(r.platform.store.read("keys", "player1", "reelspeed"), "10");
    EXPECT_EQ(r.ui().Lblcredit.caption, "$ 9");
}

TEST(OptionsClose, EveryWayOfClosingGivesTheMainWindowBack) {
    enum class Way { ok, closeBox, routine };
    for (Way way : {Way::ok, Way::closeBox, Way::routine}) {
        Rig r;
        r.load();
        r.game.press(r.ui().btnoptions);
        EXPECT_FALSE(r.ui().form.enabled);
        EXPECT_FALSE(r.game.press(r.ui().btnspin));  // the main window is disabled
        r.ui().flasher[3].visible = true;
        r.ui().btndouble.enabled = true;
        r.s().reelspeed = 0;
        r.game.options.ui.player1.caption = "half typed";
        switch (way) {
            case Way::ok:
                EXPECT_TRUE(r.game.click(r.game.options.ui.btnokplayer));
                break;
            case Way::closeBox:
                r.game.options.close();
                break;
            case Way::routine:
                EXPECT_TRUE(r.game.callRoutine("tonvaleoptions:QueryUnload"));
                break;
        }
        EXPECT_FALSE(r.game.options.isOpen());
        EXPECT_TRUE(r.ui().form.enabled);
        EXPECT_TRUE(r.ui().form.visible);
        EXPECT_FALSE(r.ui().flasher[3].visible);
        EXPECT_FALSE(r.ui().btndouble.enabled);
        EXPECT_EQ(r.s().reelspeed, 1);
        EXPECT_EQ(r.game.options.ui.player1.caption, "");
        EXPECT_EQ(r.platform.store.read("Tonvale", "player1", "reelspeed"), "1");
        EXPECT_FALSE(r.game.click(r.game.options.ui.btnokplayer));  // gone
    }
}

TEST(OptionsSettings, ButtonsSetTheSettingsAndExcludeEachOtherInTheirGroup) {
    OptionsRig r;
    OptionsWindow& w = r.win();
    r.game.click(w.setspeed[2]);  // captioned "3"
    EXPECT_EQ(w.setspeed[2].caption, "3");
    EXPECT_EQ(r.s().reelspeed, 4);
    EXPECT_EQ(w.speedlab.caption, "Current Speed =   3");
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(w.setspeed[i].value, i == 2);

    const i16 speeds[5] = {1, 2, 4, 8, 10};
    for (std::size_t i = 0; i < 5; ++i) {
        r.game.click(w.setspeed[i]);
        EXPECT_EQ(r.s().reelspeed, speeds[i]);
    }
    const struct {
        std::size_t button;
        i16 level;
        const char* caption;
    } levels[] = {{0, 3, "Realistic"}, {1, 2, "Loose"}, {2, 1, "Dream Machine !!"}};
    for (const auto& l : levels) {
        r.game.click(w.Amtpayout[l.button]);
        EXPECT_EQ(r.s().machinepay, l.level);
        EXPECT_EQ(w.Amtpayout[l.button].caption, l.caption);
    }
    r.game.click(w.sounds[1]);
    EXPECT_EQ(r.s().soundonoff, -1);
    r.game.click(w.sounds[2]);
    EXPECT_EQ(r.s().soundonoff, 0);
    EXPECT_FALSE(w.sounds[1].value);

    r.game.click(w.wincounter[1]);
    EXPECT_EQ(r.s().winroll, 1);
    EXPECT_EQ(w.wincounter[1].caption, " ON");
    EXPECT_EQ(w.wincounter[2].caption, "");
    r.game.click(w.wincounter[2]);
    EXPECT_EQ(r.s().winroll, 0);
    EXPECT_EQ(w.wincounter[1].caption, "");
    EXPECT_EQ(w.wincounter[2].caption, " OFF");
}

TEST(OptionsSettings, OpeningSelectsTheStoredSettings) {
    struct Case {
        const char* reelspeed;
        int button;  // -1: none
        const char* label;
    };
    for (const Case c :
         {Case{"5", -1, ""}, Case{"8", 3, "Current Speed =   4"}, Case{"1", 0, "Current Speed =   1"}}) {
        Rig r;
        r.platform.store.write("keys", "player1", "reelspeed", c.reelspeed);
        r.platform.store.write("keys", "player1", "winroll", "0");
        r.platform.store.write("keys", "player1", "machinepay", "2");
        r.load();
        r.game.press(r.ui().btnoptions);
        OptionsWindow& w = r.game.options.ui;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(w.setspeed[static_cast<std::size_t>(i)].value, i == c.button) << c.reelspeed;
        EXPECT_EQ(w.speedlab.caption, c.label);
        EXPECT_EQ(std::to_string(r.s().reelspeed), c.reelspeed);
        EXPECT_EQ(w.wincounter[1].caption, "");
        EXPECT_EQ(w.wincounter[2].caption, " OFF");
        EXPECT_TRUE(w.Amtpayout[1].value);
        EXPECT_TRUE(w.sounds[2].value);
    }
}

struct StatCaptions {
    const char *player, *games, *wager, *total, *winlose, *returned, *invested, *freespins, *grand, *major,
        *minor;
};

void expectCaptions(const OptionsWindow& w, const StatCaptions& c, const char* when) {
    EXPECT_EQ(w.lblcurrentplayer.caption, c.player) << when;
    EXPECT_EQ(w.lblgames.caption, c.games) << when;
    EXPECT_EQ(w.lblwager.caption, c.wager) << when;
    EXPECT_EQ(w.lbltotalwon.caption, c.total) << when;
    EXPECT_EQ(w.lblwinlose.caption, c.winlose) << when;
    EXPECT_EQ(w.lblreturned.caption, c.returned) << when;
    EXPECT_EQ(w.lblinvested.caption, c.invested) << when;
    EXPECT_EQ(w.lblfreespins.caption, c.freespins) << when;
    EXPECT_EQ(w.lblgrandwon.caption, c.grand) << when;
    EXPECT_EQ(w.lblmajorwon.caption, c.major) << when;
    EXPECT_EQ(w.lblminorwon.caption, c.minor) << when;
}

TEST(OptionsStatistics, EachHandlerWritesItsOwnPrefixes) {
    Rig r;
    ProgramValues v;
    v.currentplayer = "ada";
    v.games = 40;
    v.wager = 100;
    v.total = 29;  // 29 % returned, exactly
    v.amountinvested = 5000;
    v.howmanyspins = 11;
    v.grandwon = 1;
    v.majorwon = 2;
    v.minorwon = 3;
    storeSlot(r.platform.store, "1", v);
    r.load();
    r.game.press(r.ui().btnoptions);
    const OptionsWindow& w = r.game.options.ui;
    expectCaptions(w,
                   {"Current Player    ADA", "Games Played            40", "Total Wagered           100",
                    "Total Won                   29", "Winning/Losing 71", "Returned To Player     % 29",
                    "Total Invested             5000", "Freespins Won            11",
                    "Grand Jackpots Won     1", "Major jackpots Won     2", "Minor Jackpots Won     3"},
                   "opening");

    r.game.click(r.game.options.ui.machine[1]);
    expectCaptions(w,
                   {"Current Player   ADA", "Games Played            40", "Total Wagered           100",
                    "Total Won                   29", "Winning/Losing 71", "Returned To Player     % 29",
                    "Total Invested             5000", "Freespins Won     11", "Grand Jackpots Won     1",
                    "Major jackpots Won     2", "Minor Jackpots Won     3"},
                   "slot switch");

    r.game.click(r.game.options.ui.machine[2]);  // vacant: no games
    expectCaptions(
        w,
        {"Current Player    ", "Games Played          ", "Total Wagered         ", "Total Won          ",
         "Winning/Losing      ", "Returned To Player ", "Total Invested     ", "Freespins Won     ",
         "Grand Jackpots Won     ", "Major jackpots Won     ", "Minor Jackpots Won     "},
        "slot switch, no games");

    r.game.click(r.game.options.ui.machine[1]);
    r.platform.desktop.answers.push_back(Answer::yes);
    r.game.click(r.game.options.ui.Btndeletedetails);
    expectCaptions(w,
                   {"Current Player   ADA", "Games Played            0", "Total Wagered           0",
                    "Total Won                   0", "Winning/Losing 0", "Returned To Player     % ",
                    "Total Invested             0", "Freespins Won     0", "Grand Jackpots Won     ",
                    "Major jackpots Won     ", "Minor Jackpots Won     "},
                   "delete");

    // Reopened after the delete: no games, opening prefixes.
    r.game.press(r.ui().btnoptions);
    expectCaptions(
        w,
        {"Current Player    ADA", "Games Played      ", "Total Wagered     ", "Total Won      ",
         "Winning/Losing     ", "Returned To Player     ", "Total Invested      ", "Freespins Won     ",
         "Grand Jackpots Won     ", "Major jackpots Won     ", "Minor Jackpots Won     "},
        "opening, no games");
}

TEST(OptionsStatistics, APercentageWithoutWagerLeavesTheLabelAsItWas) {
    Rig r;
    ProgramValues v;
    v.games = 3;
    v.total = 50;
    storeSlot(r.platform.store, "1", v);
    r.load();
    r.game.press(r.ui().btnoptions);
    EXPECT_EQ(r.game.options.ui.lblreturned.caption, "");
    EXPECT_EQ(r.game.options.ui.lblwinlose.caption, "Winning/Losing -50");
}

}  // namespace
}  // namespace tonvale
