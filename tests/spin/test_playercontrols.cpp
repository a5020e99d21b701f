// SPDX-License-Identifier: MIT
// Autoplay, the space bar, the menu panel and the buttons that open the other
// windows.
#include <gtest/gtest.h>

#include <memory>

#include "game/startup.h"
#include "players/options.h"
#include "rig.h"
#include "spin/playercontrols.h"
#include "windows/auxwindows.h"
#include "windows/history.h"

namespace tonvale {
namespace {

using testing::Rig;

// Stops 1,1,1,1,1 pay nothing at any bet and show no bell.
void losingSpins(Rig& r, int count) {
    for (int i = 0; i < count; ++i) r.stops(1, 1, 1, 1, 1);
}

int notices(const Rig& r) {
    int n = 0;
    for (const auto& msg : r.platform.desktop.messages)
        if (msg.title == kNoticeTitle && msg.text == kNoticeText && msg.icon == MsgIcon::information) ++n;
    return n;
}

void pressAutoplay(Rig& r) { ASSERT_TRUE(r.game.press(r.ui().autoplayon)); }

TEST(Autoplay, NoticeShowsOnceOnACleanStoreAndNeverAfterARestart) {
    Rig r;
    r.load();
    r.s().bank = 100000;
    losingSpins(r, 3);
    pressAutoplay(r);  // on
    EXPECT_EQ(notices(r), 1);
    EXPECT_EQ(r.platform.desktop.messages.size(), 1u);
    EXPECT_EQ(r.platform.store.read("tonvale", "notice", "autoplay"), "-1");
    pressAutoplay(r);  // off
    pressAutoplay(r);  // on again
    EXPECT_EQ(r.platform.desktop.messages.size(), 1u);
    EXPECT_EQ(r.s().games, 2);

    // A later run on the same store finds the flag.
    Game again(r.platform.ports());
    r.platform.time.setTickHandler([&again](TimerId id) { again.timerTick(id); });
    again.startup.Form_Load();
    again.m.s.bank = 100000;
    losingSpins(r, 1);
    ASSERT_TRUE(again.press(again.m.ui.autoplayon));
    EXPECT_EQ(again.m.s.autoplaymode, 10);
    EXPECT_EQ(again.m.s.autoplaynotice, -1);
    EXPECT_EQ(r.platform.desktop.messages.size(), 1u);
}

TEST(Autoplay, SwitchingOnLocksThePlayerButtonsAndSwitchingOffFreesThem) {
    Rig r;
    r.load();
    r.s().bank = 100000;
    losingSpins(r, 1);
    MainWindow& ui = r.ui();
    // The options button too is locked, but every evaluation enables it again;
    // its own handler refuses while autoplay runs.
    Control* locked[] = {&ui.btnspin,   &ui.btnbet,    &ui.btnlines,
                         &ui.btndouble, &ui.btncredit, &ui.btnopenmenu};

    pressAutoplay(r);
    EXPECT_EQ(r.s().autoplaymode, 10);
    EXPECT_TRUE(r.game.m.timerEnabled(TimerId::tmrautospin));
    EXPECT_EQ(r.s().games, 1);  // the first spin starts at once
    EXPECT_TRUE(ui.autoplayon.visible);
    for (const Control* c : locked) EXPECT_FALSE(c->enabled) << c->name;

    ui.keypreview = false;
    pressAutoplay(r);
    EXPECT_EQ(r.s().autoplaymode, 0);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrautospin));
    EXPECT_TRUE(ui.keypreview);
    for (const Control* c : locked) EXPECT_TRUE(c->enabled) << c->name;
    EXPECT_TRUE(ui.btnoptions.enabled);
    const i32 games = r.s().games;
    r.advance(20000);
    EXPECT_EQ(r.s().games, games);
}

TEST(Autoplay, TimerStartsTheNextSpinOnceTheWaitIsOver) {
    struct Case {
        i16 mode, idle, wait;
        bool spins;
    };
    const Case cases[] = {{10, 9, 10, false}, {10, 10, 10, true}, {10, 30, 10, true}, {0, 30, 10, false}};
    for (const Case& c : cases) {
        Rig r;
        r.load();
        r.s().bank = 100000;
        losingSpins(r, 1);
        r.s().autoplaymode = c.mode;
        r.s().idleticks = c.idle;
        r.s().autospinwait = c.wait;
        r.game.controls.tmrautospin_Timer();
        EXPECT_EQ(r.s().games, c.spins ? 1 : 0) << c.idle << "/" << c.wait;
        if (!c.spins) {
            EXPECT_EQ(r.s().idleticks, c.idle);
        }
    }
}

TEST(Autoplay, SpinsFollowByThemselvesUntilTheCreditIsShort) {
    Rig r;
    r.load();
    r.s().soundonoff = -1;
    r.s().bank = 75;  // three spins at 25
    losingSpins(r, 4);
    pressAutoplay(r);
    r.advance(60000);
    EXPECT_EQ(r.s().games, 3);
    EXPECT_EQ(r.s().bank, 0);
    EXPECT_EQ(r.s().autoplaymode, 0);
    EXPECT_TRUE(r.ui().pannomoney.visible);
    // The timer runs on idle; the next press of the switch turns it off.
    EXPECT_TRUE(r.game.m.timerEnabled(TimerId::tmrautospin));
    pressAutoplay(r);
    EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrautospin));
    EXPECT_TRUE(r.ui().btnspin.enabled);
    EXPECT_EQ(r.s().games, 3);
}

TEST(Autoplay, KeysAreSwallowedWhileItRuns) {
    Rig r;
    r.load();
    r.s().bank = 100000;
    losingSpins(r, 2);
    pressAutoplay(r);
    for (int key : {32, int{'a'}, 32}) {
        const i32 games = r.s().games;
        int code = key;
        r.game.controls.Form_KeyPress(code);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(r.s().games, games);
    }
}

TEST(SpaceBar, StartsOneSpinOnlyForTheFirstKeySinceTheLastSpin) {
    Rig r;
    r.load();
    r.s().bank = 100000;
    losingSpins(r, 3);
    EXPECT_TRUE(r.game.keyPress(r.ui().form, 32));
    EXPECT_EQ(r.s().games, 1);
    EXPECT_EQ(r.s().keycount, 0);

    r.game.keyPress(r.ui().form, 'a');
    r.game.keyPress(r.ui().form, 32);
    EXPECT_EQ(r.s().games, 1);  // the letter used up the count
    EXPECT_EQ(r.s().keycount, 2);

    ASSERT_TRUE(r.game.press(r.ui().btnspin));  // a spin by other means resets it
    EXPECT_EQ(r.s().games, 2);
    r.game.keyPress(r.ui().form, 32);
    EXPECT_EQ(r.s().games, 3);
}

TEST(SpaceBar, DoesNothingInASeriesOrWithTheBarHiddenAndWarnsOfShortCredit) {
    Rig r;
    r.load();
    r.s().soundonoff = -1;
    r.sounds();
    int code = 32;
    r.s().bank = 24;
    r.game.controls.Form_KeyPress(code);
    EXPECT_EQ(r.sounds(), std::vector<std::string>{"play 113"});
    EXPECT_TRUE(r.ui().pannomoney.visible);
    EXPECT_EQ(r.s().keycount, 0);

    r.s().freespinsawarded = 11;
    r.game.controls.Form_KeyPress(code);
    EXPECT_TRUE(r.sounds().empty());
    EXPECT_EQ(r.s().keycount, 0);

    r.s().freespinsawarded = 0;
    r.s().bank = 1000;
    r.ui().panfreespin.visible = false;
    r.game.controls.Form_KeyPress(code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(r.s().games, 0);
    EXPECT_EQ(r.s().keycount, 1);
}

TEST(Menu, OpensOnHoverAClickTogglesItAndMovingAwayClosesIt) {
    Rig r;
    r.load();
    MainWindow& ui = r.ui();
    r.game.mouseMove(ui.btnopenmenu);
    EXPECT_TRUE(ui.menupic.visible);
    r.game.mouseMove(ui.form);
    EXPECT_FALSE(ui.menupic.visible);
    // Hover opened it: the click closes it, and it stays closed while the mouse
    // moves on over the button; the next click opens it again.
    r.game.mouseMove(ui.btnopenmenu);
    r.game.mouseUp(ui.btnopenmenu);
    EXPECT_FALSE(ui.menupic.visible);
    r.game.mouseMove(ui.btnopenmenu);
    EXPECT_FALSE(ui.menupic.visible);
    r.game.mouseUp(ui.btnopenmenu);
    EXPECT_TRUE(ui.menupic.visible);
    r.game.mouseUp(ui.btnopenmenu);
    EXPECT_FALSE(ui.menupic.visible);
    // Off the button and back, hover opens it as ever.
    r.game.mouseMove(ui.form);
    r.game.mouseMove(ui.btnopenmenu);
    EXPECT_TRUE(ui.menupic.visible);
    r.game.mouseMove(ui.form);
    // Not during a series, nor by a release reaching the button dimmed by autoplay.
    r.s().freespinsawarded = 21;
    r.game.mouseMove(ui.btnopenmenu);
    r.game.mouseUp(ui.btnopenmenu);
    EXPECT_FALSE(ui.menupic.visible);
    r.s().freespinsawarded = 0;
    ui.btnopenmenu.enabled = false;
    r.game.mouseUp(ui.btnopenmenu);
    EXPECT_FALSE(ui.menupic.visible);
}

// Every window the cabinet opens closes the menu, whichever way it was opened.
TEST(Menu, OpeningAnyWindowClosesIt) {
    struct Case {
        const char* name;
        Control& (*button)(Rig&);
        bool (*opened)(Rig&);
    };
    const Case cases[] = {
        {"help", [](Rig& r) -> Control& { return r.ui().btnhelp; },
         [](Rig& r) { return !r.platform.desktop.messages.empty(); }},
        {"pay table", [](Rig& r) -> Control& { return r.ui().mnuviewpaytable; },
         [](Rig& r) { return r.game.windows.pays.form.visible; }},
        {"about", [](Rig& r) -> Control& { return r.ui().about; },
         [](Rig& r) { return r.game.windows.about.form.visible; }},
        {"options", [](Rig& r) -> Control& { return r.ui().btnoptions; },
         [](Rig& r) { return r.game.options.ui.form.visible; }},
        {"history", [](Rig& r) -> Control& { return r.ui().btnhistory; },
         [](Rig& r) { return r.game.history.isOpen(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.load();
        r.game.mouseUp(r.ui().btnopenmenu);
        ASSERT_TRUE(r.ui().menupic.visible);
        ASSERT_TRUE(r.game.click(c.button(r)));
        EXPECT_TRUE(c.opened(r));
        EXPECT_FALSE(r.ui().menupic.visible);
    }
}

TEST(Menu, WindowButtonsOpenTheirWindowOnlyWhenAllowed) {
    enum class Button { options, about, paytable };
    struct Case {
        Button button;
        i16 freespins, autoplay;
        bool gamble, opens;
    };
    const Case cases[] = {
        {Button::options, 0, 0, false, true},   {Button::options, 11, 0, false, false},
        {Button::options, 0, 10, false, false}, {Button::options, 0, 0, true, false},
        {Button::about, 0, 0, false, true},     {Button::about, 11, 0, false, false},
        {Button::paytable, 0, 0, false, true},  {Button::paytable, 11, 0, false, false},
    };
    for (const Case& c : cases) {
        Rig r;
        r.platform.store.write("keys", "player1", "soundonoff", "-1");
        r.load();
        r.sounds();
        r.s().freespinsawarded = c.freespins;
        r.s().autoplaymode = c.autoplay;
        r.ui().pandouble.visible = c.gamble;
        r.ui().pannomoney.visible = true;
        r.ui().btndouble.enabled = true;
        r.ui().menupic.visible = true;
        const Control* window = nullptr;
        switch (c.button) {
            case Button::options:
                r.game.controls.btnoptions_Click();
                window = &r.game.options.ui.form;
                break;
            case Button::about:
                r.game.controls.about_Click();
                window = &r.game.windows.about.form;
                break;
            case Button::paytable:
                r.game.controls.mnuviewpaytable_Click();
                window = &r.game.windows.pays.form;
                break;
        }
        const int line = static_cast<int>(&c - cases);
        EXPECT_EQ(window->visible, c.opens) << line;
        EXPECT_EQ(r.ui().form.enabled, !c.opens) << line;
        EXPECT_EQ(r.sounds().size(), c.opens ? 1u : 0u) << line;
        if (c.button == Button::options) {
            EXPECT_FALSE(r.ui().menupic.visible) << line;
            EXPECT_EQ(r.ui().btndouble.enabled, !c.opens) << line;
        }
        if (c.button == Button::paytable) {
            EXPECT_EQ(r.ui().pannomoney.visible, !c.opens) << line;
        }
    }
}

TEST(PressedLook, ReleasingTheAutoplayButtonShowsItAgain) {
    Rig r;
    r.load();
    r.s().bank = 100000;
    losingSpins(r, 1);
    ASSERT_TRUE(r.game.mouseDown(r.ui().autoplayon));
    EXPECT_FALSE(r.ui().autoplayon.visible);
    r.game.mouseUp(r.ui().autoplayon);
    EXPECT_TRUE(r.ui().autoplayon.visible);
}

}  // namespace
}  // namespace tonvale
