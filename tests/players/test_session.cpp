// SPDX-License-Identifier: MIT
// The session meter, the reality check and the limits of an autoplay run, on
// virtual time.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/headless.h"
#include "eval/evaluation.h"
#include "eval/spinsearch.h"
#include "game/startup.h"
#include "players/options.h"
#include "players/session.h"
#include "rig.h"
#include "sleepwatch.h"
#include "spin/autolimits.h"
#include "windows/auxwindows.h"

namespace tonvale {
namespace {

using testing::Rig;

constexpr std::int64_t kMinute = 60 * 1000;

void losingSpins(Rig& r, int count) {
    for (int i = 0; i < count; ++i) r.stops(1, 1, 1, 1, 1);
}

// A fresh game with credit inserted, at bet 1 and 243 ways (stake 25).
void seated(Rig& r, int inserts = 1) {
    r.load();
    for (int i = 0; i < inserts; ++i) ASSERT_TRUE(r.game.press(r.ui().btncredit));
}

void spin(Rig& r) {
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    r.advance(5000);  // the presentation runs out
}

int realityChecks(const Rig& r) {
    int n = 0;
    for (const auto& m : r.platform.desktop.messages)
        if (m.buttons == MsgButtons::continueStop) ++n;
    return n;
}

void chooseLimits(Rig& r, int reality, int spins, int loss) {
    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    Options& o = r.game.options;
    if (reality >= 0) {
        ASSERT_TRUE(r.game.click(o.ui.realitycheck[static_cast<std::size_t>(reality)]));
    }
    if (spins >= 0) {
        ASSERT_TRUE(r.game.click(o.ui.autospins[static_cast<std::size_t>(spins)]));
    }
    if (loss >= 0) {
        ASSERT_TRUE(r.game.click(o.ui.autoloss[static_cast<std::size_t>(loss)]));
    }
    ASSERT_TRUE(r.game.click(o.ui.btnokplayer));
}

TEST(SessionText, ClockAndSignedMoney) {
    EXPECT_EQ(clockText(0), "0:00:00");
    EXPECT_EQ(clockText(59999), "0:00:59");
    EXPECT_EQ(clockText(65 * 1000), "0:01:05");
    EXPECT_EQ(clockText(10 * 3600 * 1000 + 61 * 1000), "10:01:01");
    EXPECT_EQ(signedMoney(0), "$ 0");
    EXPECT_EQ(signedMoney(125), "+$ 1.25");
    EXPECT_EQ(signedMoney(-50), "-$ 0.5");
    EXPECT_EQ(signedMoney(-500), "-$ 5");
}

TEST(Session, MeterShowsTimeAndNetResultWithoutCountingInsertedCredit) {
    Rig r;
    seated(r);
    EXPECT_EQ(r.ui().lblsession.caption, "0:00:00   $ 0");  // credit inserted is no result
    r.advance(65 * 1000);
    EXPECT_EQ(r.ui().lblsession.caption, "0:01:05   $ 0");

    losingSpins(r, 2);
    spin(r);
    spin(r);
    EXPECT_EQ(r.game.session.staked(), 50);
    EXPECT_EQ(r.game.session.won(), 0);
    EXPECT_EQ(r.game.session.net(), -50);
    EXPECT_EQ(r.ui().lblsession.caption.substr(r.ui().lblsession.caption.find("   ")), "   -$ 0.5");

    // A win counts as won: the net is the credit's change apart from inserts.
    const auto found =
        testing::findSpin(25, 1, [](const testing::Trial& t) { return t.pays.win > 0 && !t.pays.scatter; });
    ASSERT_TRUE(found);
    r.s().machinepay = 1;
    const auto& st = found->stops;
    r.stops(st[0], st[1], st[2], st[3], st[4], found->bellcoin);
    spin(r);
    const i32 win = found->pays.win;
    EXPECT_EQ(r.game.session.staked(), 75);
    EXPECT_EQ(r.game.session.won(), win);
    EXPECT_EQ(r.game.session.net(), win - 75);
    ASSERT_TRUE(r.game.press(r.ui().btncredit));
    EXPECT_EQ(r.game.session.net(), win - 75);
}

TEST(Session, ChangingThePlayerStartsANewSessionReopeningTheSameDoesNot) {
    Rig r;
    seated(r);
    losingSpins(r, 1);
    spin(r);
    r.advance(kMinute);
    ASSERT_NE(r.game.session.net(), 0);

    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    ASSERT_TRUE(r.game.click(r.game.options.ui.btnokplayer));
    EXPECT_EQ(r.game.session.net(), -25);
    EXPECT_GE(r.game.session.elapsedMs(), kMinute);

    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[2]));
    ASSERT_TRUE(r.game.click(r.game.options.ui.btnokplayer));
    EXPECT_EQ(r.game.session.elapsedMs(), 0);
    EXPECT_EQ(r.game.session.net(), 0);
    EXPECT_EQ(r.ui().lblsession.caption, "0:00:00   $ 0");
}

// The net result the meter shows: what follows the time.
std::string meterNet(Rig& r) {
    const std::string& c = r.ui().lblsession.caption;
    return c.substr(c.find("   ") + 3);
}

TEST(Session, TheMeterMovesWithWhatThePlayerSees) {
    // A win shows on the meter once its count-up has put it into the credit meter,
    // not while the reels run or it is still counting.
    {
        SCOPED_TRACE("a win counted up");
        Rig r;
        seated(r);
        r.s().machinepay = 1;
        r.s().winroll = 1;
        std::vector<std::string> duringReels;
        r.game.eval.calls.reelrun = [&r, &duringReels, run = r.game.eval.calls.reelrun] {
            run();
            r.game.session.tmrsession_Timer();  // the meter's own tick, as the reels stop
            duringReels.push_back(meterNet(r));
        };
        r.draws({21, 2, 2, 16, 11, 7, 1});  // a dollar won
        ASSERT_TRUE(r.game.press(r.ui().btnspin));
        ASSERT_EQ(r.s().winamount, 100);
        EXPECT_EQ(duringReels, std::vector<std::string>{"-$ 0.25"});
        ASSERT_TRUE(r.game.m.timerEnabled(TimerId::Timerwincounter));
        EXPECT_EQ(meterNet(r), "-$ 0.25");
        for (int k = 0; k < 100 && r.game.m.timerEnabled(TimerId::Timerwincounter); ++k) {
            EXPECT_EQ(meterNet(r), "-$ 0.25") << "counting " << r.ui().LABWIN.caption;
            r.advance(100);
        }
        EXPECT_EQ(r.ui().LABWIN.caption, "100");
        EXPECT_EQ(meterNet(r), "+$ 0.75");
    }
    // A lost card shows at once, through the pause that keeps the loss on view.
    {
        SCOPED_TRACE("a lost gamble");
        HeadlessPlatform p;
        std::vector<std::string> duringPause;
        Game* game = nullptr;
        SleepWatch events(p.time, [&](int ms) {
            if (ms >= 3000) duringPause.push_back(game->m.ui.lblsession.caption);
        });
        Game g(Ports{p.random, p.time, p.time, events, p.sound, p.store, p.desktop});
        game = &g;
        p.time.setTickHandler([&g](TimerId id) { g.timerTick(id); });
        g.startup.Form_Load();
        ASSERT_TRUE(g.press(g.m.ui.btncredit));
        g.m.s.machinepay = 1;
        p.random.script({21, 2, 2, 16, 11, 7, 1});
        ASSERT_TRUE(g.press(g.m.ui.btnspin));
        p.time.advance(5000);
        ASSERT_TRUE(g.click(g.m.ui.btndouble));
        p.random.script({2});  // clubs: red loses
        ASSERT_TRUE(g.click(g.m.ui.betred));
        ASSERT_EQ(duringPause.size(), 1u);
        const std::string& c = duringPause[0];
        EXPECT_EQ(c.substr(c.find("   ") + 3), "-$ 0.25");
    }
    // A series costs its one stake, from its start: its end drops nothing.
    {
        SCOPED_TRACE("a free-spin series");
        Rig r;
        seated(r);
        r.s().machinepay = 1;
        r.draws({1, 1, 2, 6, 1, 1, 1, 2});  // ten free spins and a 50-cent scatter pay
        ASSERT_TRUE(r.game.press(r.ui().btnspin));
        EXPECT_EQ(meterNet(r), "+$ 0.25");
        for (int k = 0; k < 10; ++k) {
            r.draws({2, 3, 2, 1, 1, 1, 25, 1});  // free spins that lose
            r.s().idleticks = 80;
            r.advance(100);
            EXPECT_EQ(meterNet(r), "+$ 0.25") << "after free spin " << k + 1;
        }
        ASSERT_TRUE(r.ui().takewin.visible);
        ASSERT_TRUE(r.game.click(r.ui().takewin));
        EXPECT_EQ(meterNet(r), "+$ 0.25");
        EXPECT_EQ(r.game.session.staked(), 25);
    }
}

TEST(RealityCheck, OffByDefaultNeverHoldsASpin) {
    Rig r;
    seated(r);
    losingSpins(r, 3);
    for (int i = 0; i < 3; ++i) {
        r.advance(61 * kMinute);
        spin(r);
    }
    EXPECT_EQ(r.s().games, 3);
    EXPECT_EQ(realityChecks(r), 0);
}

TEST(RealityCheck, DueAtTheIntervalHoldsTheSpinAndContinueResumes) {
    Rig r;
    seated(r);
    chooseLimits(r, 1, -1, -1);  // 15 minutes
    EXPECT_EQ(r.game.session.limits.realitycheck, 15);
    losingSpins(r, 4);

    r.advance(15 * kMinute - 5001);  // the spin below ends before the interval
    spin(r);
    EXPECT_EQ(realityChecks(r), 0);
    EXPECT_EQ(r.s().games, 1);

    r.advance(1);  // 15 minutes of session now
    r.platform.desktop.answers.push_back(Answer::yes);
    spin(r);
    ASSERT_EQ(realityChecks(r), 1);
    const auto& msg = r.platform.desktop.messages.back();
    EXPECT_EQ(msg.title, kRealityTitle);
    EXPECT_NE(msg.text.find("You have played for 0:15:00 this session."), std::string::npos) << msg.text;
    EXPECT_NE(msg.text.find("Staked        $ 0.25"), std::string::npos) << msg.text;
    EXPECT_NE(msg.text.find("Won            $ 0"), std::string::npos) << msg.text;
    EXPECT_NE(msg.text.find("Net result     -$ 0.25"), std::string::npos) << msg.text;
    EXPECT_EQ(r.s().games, 2);  // Continue: the held spin went ahead

    // The next check is due one interval after the last was answered.
    r.advance(15 * kMinute - 10001);
    spin(r);
    EXPECT_EQ(realityChecks(r), 1);
    r.advance(5001);
    r.platform.desktop.answers.push_back(Answer::no);  // "Stop autoplay" on a spin of the player's
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    EXPECT_EQ(realityChecks(r), 2);
    EXPECT_EQ(r.s().games, 3);  // not started
    EXPECT_TRUE(r.ui().btnspin.visible);
}

// A message box that lets virtual time run while it is open, as the real one
// lets timers run, and notes what autoplay did meanwhile.
class SlowDesktop : public ScriptedDesktop {
public:
    explicit SlowDesktop(VirtualTime& t) : time_(t) {}
    Answer message(const std::string& title, const std::string& text, MsgIcon icon,
                   MsgButtons buttons) override {
        if (buttons == MsgButtons::continueStop && game) {
            autoTimerWhileOpen = game->m.timerEnabled(TimerId::tmrautospin);
            const i32 games = game->m.s.games;
            time_.advance(20000);
            spinsWhileOpen += game->m.s.games - games;
        }
        return ScriptedDesktop::message(title, text, icon, buttons);
    }
    Game* game = nullptr;
    bool autoTimerWhileOpen = true;
    int spinsWhileOpen = 0;

private:
    VirtualTime& time_;
};

struct SlowRig {
    SlowRig() : desktop(platform.time) {
        platform.time.setTickHandler([this](TimerId id) { game.timerTick(id); });
        desktop.game = &game;
        game.startup.Form_Load();
    }
    HeadlessPlatform platform;
    SlowDesktop desktop;
    Game game{Ports{platform.random, platform.time, platform.time, platform.time, platform.sound,
                    platform.store, desktop}};
};

TEST(RealityCheck, AutoplayWaitsForTheAnswerAndStopAutoplaySwitchesItOff) {
    for (const Answer answer : {Answer::yes, Answer::no}) {
        SCOPED_TRACE(answer == Answer::yes ? "Continue" : "Stop autoplay");
        SlowRig r;
        Game& g = r.game;
        for (int i = 0; i < 8; ++i) g.press(g.m.ui.btncredit);
        g.session.limits.realitycheck = 15;
        for (int i = 0; i < 400; ++i) r.platform.random.script({1, 1, 2, 1, 1, 1});
        r.desktop.answers.push_back(Answer::ok);  // the autoplay notice
        r.desktop.answers.push_back(answer);
        ASSERT_TRUE(g.press(g.m.ui.autoplayon));
        // Autoplay waits while the advert hides the cabinet: the player closes it.
        for (std::int64_t t = 0; t < 15 * kMinute + 2000; t += 1000) {
            r.platform.time.advance(1000);
            if (g.windows.advert.form.visible) g.press(g.windows.advert.SSCommand2);
        }
        ASSERT_EQ(r.desktop.messages.size(), 2u);
        EXPECT_FALSE(r.desktop.autoTimerWhileOpen);
        EXPECT_EQ(r.desktop.spinsWhileOpen, 0);
        const i32 games = g.m.s.games;
        if (answer == Answer::yes) {
            EXPECT_EQ(g.m.s.autoplaymode, 10);
            EXPECT_TRUE(g.m.timerEnabled(TimerId::tmrautospin));
            r.platform.time.advance(30000);
            EXPECT_GT(g.m.s.games, games);
        } else {
            EXPECT_EQ(g.m.s.autoplaymode, 0);
            EXPECT_EQ(g.m.s.autoplaytoggle, 0);  // the next press switches it on
            EXPECT_FALSE(g.m.timerEnabled(TimerId::tmrautospin));
            EXPECT_TRUE(g.m.ui.btnspin.enabled);
            r.platform.time.advance(30000);
            EXPECT_EQ(g.m.s.games, games);
        }
    }
}

// Autoplay of losing spins until it stops by itself; the spins it played.
int autoplayRun(Rig& r) {
    losingSpins(r, 400);
    const i32 games = r.s().games;
    EXPECT_TRUE(r.game.press(r.ui().autoplayon));
    for (int i = 0; i < 400 && r.s().autoplaymode == 10; ++i) {
        r.advance(5000);
        // The advert after twenty-five losing spins is closed as a player would.
        if (r.game.windows.advert.form.visible) r.game.press(r.game.windows.advert.SSCommand2);
    }
    EXPECT_EQ(r.s().autoplaymode, 0);
    return r.s().games - games;
}

TEST(AutoplayLimits, StopsAfterExactlyTheChosenNumberOfSpins) {
    const int spins[] = {10, 25, 50, 100};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(spins[i]);
        Rig r;
        seated(r, 2);
        chooseLimits(r, -1, i, -1);
        EXPECT_EQ(autoplayRun(r), spins[i]);
        EXPECT_EQ(r.ui().LABWIN.caption, kSpinLimitMessage);
        EXPECT_EQ(r.ui().lblwin.caption, " ");  // the message alone in the win meter
        EXPECT_EQ(r.s().autoplaytoggle, 0);
        EXPECT_FALSE(r.game.m.timerEnabled(TimerId::tmrautospin));
        EXPECT_TRUE(r.ui().btnspin.enabled);
        EXPECT_TRUE(r.ui().btncredit.enabled);
        // The next run counts afresh.
        EXPECT_EQ(autoplayRun(r), spins[i]);
    }
}

TEST(AutoplayLimits, StopsBeforeTheLossLimitWouldBePassed) {
    struct Case {
        int button;  // $ 10, $ 25
        i16 bet, waysfactor;
        int spins;  // losing spins that keep within the limit
    } cases[] = {
        {0, 1, 25, 40},  // 40 x 25 = 1000 exactly
        {0, 2, 7, 71},   // 71 x 14 = 994; one more would lose 1008
        {1, 5, 25, 20},  // 20 x 125 = 2500
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spins);
        Rig r;
        seated(r, 2);
        chooseLimits(r, -1, 4, c.button);  // unlimited spins
        r.s().bet = c.bet;
        r.s().waysfactor = c.waysfactor;
        const i32 bank = r.s().bank;
        EXPECT_EQ(autoplayRun(r), c.spins);
        EXPECT_EQ(r.ui().LABWIN.caption, kLossLimitMessage);
        EXPECT_LE(bank - r.s().bank, kAutoplayLosses[static_cast<std::size_t>(c.button)]);
    }
}

TEST(AutoplayLimits, OffPlaysOnUntilTheCreditIsShortAsBefore) {
    Rig r;
    seated(r);  // $ 50: two hundred spins of 25 cents
    EXPECT_EQ(autoplayRun(r), 200);
    EXPECT_EQ(r.s().bank, 0);
    EXPECT_TRUE(r.ui().pannomoney.visible);
    EXPECT_NE(r.ui().LABWIN.caption, kSpinLimitMessage);
    EXPECT_NE(r.ui().LABWIN.caption, kLossLimitMessage);
    EXPECT_EQ(r.s().autoplaytoggle, 1);  // stopped by the credit, as it always was
}

TEST(PlayLimits, KeptWithThePlayerAndReadBackAtStartAndOnASlotSwitch) {
    Rig r;
    seated(r);
    chooseLimits(r, 3, 1, 2);  // 60 minutes, 25 spins, $ 50
    for (const char* app : {"keys", "Tonvale"}) {
        EXPECT_EQ(r.platform.store.read(app, "player1", "realitycheck"), "60");
        EXPECT_EQ(r.platform.store.read(app, "player1", "autoplayspins"), "25");
        EXPECT_EQ(r.platform.store.read(app, "player1", "autoplayloss"), "5000");
    }
    // Slot 2 has none; back on slot 1 they return and the window shows them.
    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[2]));
    EXPECT_EQ(r.game.session.limits, PlayLimits{});
    EXPECT_TRUE(r.game.options.ui.realitycheck[0].value);
    EXPECT_TRUE(r.game.options.ui.autospins[4].value);
    EXPECT_TRUE(r.game.options.ui.autoloss[4].value);
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[1]));
    EXPECT_EQ(r.game.session.limits, (PlayLimits{60, 25, 5000}));
    EXPECT_TRUE(r.game.options.ui.realitycheck[3].value);
    EXPECT_TRUE(r.game.options.ui.autospins[1].value);
    EXPECT_TRUE(r.game.options.ui.autoloss[2].value);
    ASSERT_TRUE(r.game.click(r.game.options.ui.btnokplayer));

    Game again(r.platform.ports());
    again.startup.Form_Load();
    EXPECT_EQ(again.session.limits, (PlayLimits{60, 25, 5000}));

    // What is no number, or no limit, leaves the limit off.
    r.platform.store.write("keys", "player1", "realitycheck", "abc");
    r.platform.store.write("keys", "player1", "autoplayspins", "-5");
    r.platform.store.write("keys", "player1", "autoplayloss", "99999999999");
    Game hostile(r.platform.ports());
    hostile.startup.Form_Load();
    EXPECT_EQ(hostile.session.limits, PlayLimits{});
}

}  // namespace
}  // namespace tonvale
