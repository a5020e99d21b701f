// SPDX-License-Identifier: MIT
// Safer play, the player's option, on virtual time: no autoplay, every game cycle
// at least 2.5 s from the press to the result, a return not above the stake shown
// but not celebrated, the reality check at 60 minutes unless the player chose
// another interval; the game's rules and odds as they are.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/headless.h"
#include "eval/spinsearch.h"
#include "game/startup.h"
#include "players/options.h"
#include "rig.h"
#include "rules/money.h"

namespace tonvale {
namespace {

using testing::Rig;

constexpr std::int64_t kOneMinute = 60 * 1000;

// A fresh game with $ 50 of credit at bet 1 and 243 ways (stake 25), every win
// kept (payout level 1), with the player's safer-play choice made in the options.
void seated(Rig& r, bool safer) {
    r.load();
    r.s().machinepay = 1;
    ASSERT_TRUE(r.game.press(r.ui().btncredit));
    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    ASSERT_TRUE(r.game.click(r.game.options.ui.safer[safer ? 1 : 2]));
    ASSERT_TRUE(r.game.click(r.game.options.ui.btnokplayer));
    r.s().machinepay = 1;
}

void script(Rig& r, const testing::Trial& t) {
    const auto& st = t.stops;
    r.stops(st[0], st[1], st[2], st[3], st[4], t.bellcoin);
}

TEST(SaferPlay, TheChoiceIsThePlayersKeptWithTheRecordAndReadAtStart) {
    Rig r;
    seated(r, true);
    EXPECT_TRUE(r.game.m.saferPlay);
    for (const char* app : {"keys", "Tonvale"})
        EXPECT_EQ(r.platform.store.read(app, "player1", "saferplay"), "1");
    // Another player plays as ever; back to the first, safer play again.
    ASSERT_TRUE(r.game.click(r.ui().btnoptions));
    OptionsWindow& w = r.game.options.ui;
    EXPECT_TRUE(w.safer[1].value);
    // The reality check the player did not choose shows the 60 minutes that apply.
    EXPECT_TRUE(w.realitycheck[3].value);
    EXPECT_FALSE(w.realitycheck[0].enabled);
    ASSERT_TRUE(r.game.click(w.machine[2]));
    EXPECT_TRUE(w.realitycheck[0].value);
    EXPECT_TRUE(w.realitycheck[0].enabled);
    EXPECT_FALSE(r.game.m.saferPlay);
    EXPECT_TRUE(w.safer[2].value);
    ASSERT_TRUE(r.game.click(w.machine[1]));
    EXPECT_TRUE(r.game.m.saferPlay);
    ASSERT_TRUE(r.game.click(w.btnokplayer));
    // The next start reads it with the player's record; off is the default.
    Game next(r.platform.ports());
    next.startup.Form_Load();
    EXPECT_TRUE(next.m.saferPlay);
    Rig fresh;
    fresh.load();
    EXPECT_FALSE(fresh.game.m.saferPlay);
}

TEST(SaferPlay, AutoplayIsNotOffered) {
    Rig r;
    seated(r, true);
    EXPECT_FALSE(r.game.pressable(r.ui().autoplayon));
    r.game.press(r.ui().autoplayon);  // as a script could press it: refused
    EXPECT_EQ(r.s().autoplaymode, 0);
    EXPECT_EQ(r.s().games, 0);
    EXPECT_TRUE(r.ui().autoplayon.visible);  // in sight, and painted as not to be pressed
    // Without safer play the same press starts autoplay.
    Rig ever;
    seated(ever, false);
    ever.platform.store.write("tonvale", "notice", "autoplay", "-1");
    EXPECT_TRUE(ever.game.pressable(ever.ui().autoplayon));
    ASSERT_TRUE(ever.game.press(ever.ui().autoplayon));
    EXPECT_EQ(ever.s().autoplaymode, 10);
}

// From the press to the result: the spin handler returns only once the reels
// have stopped and the win is credited.
TEST(SaferPlay, EveryGameCycleLastsAtLeastTwoAndAHalfSeconds) {
    const auto found =
        testing::findSpin(25, 1, [](const testing::Trial& t) { return t.pays.win > 25 && !t.pays.scatter; });
    ASSERT_TRUE(found);
    for (const int speed : {1, 2, 4, 8, 10}) {
        SCOPED_TRACE(speed);
        for (const bool safer : {true, false}) {
            Rig r;
            seated(r, safer);
            r.s().reelspeed = static_cast<i16>(speed);
            script(r, *found);
            const std::int64_t pressed = r.platform.time.nowMs();
            ASSERT_TRUE(r.game.press(r.ui().btnspin));
            const std::int64_t result = r.platform.time.nowMs();
            EXPECT_EQ(r.s().games, 1);
            EXPECT_EQ(r.s().winamount, found->pays.win);  // the same spin, the same pay
            if (safer) {
                EXPECT_GE(result - pressed, Machine::kSaferCycleMs);
            } else if (speed == 1) {
                EXPECT_LT(result - pressed, 1000);  // the game's own pace is much quicker
            }
        }
    }
}

TEST(SaferPlay, AReturnNotAboveTheStakeIsShownButNotCelebrated) {
    // A return not above the stake of 25 cents, and one above it; neither with a
    // scatter, whose pay has sounds of its own.
    const auto small = testing::findSpin(25, 1, [](const testing::Trial& t) {
        return t.pays.win >= 10 && t.pays.win <= 25 && !t.pays.scatter;
    });
    const auto large =
        testing::findSpin(25, 1, [](const testing::Trial& t) { return t.pays.win > 25 && !t.pays.scatter; });
    ASSERT_TRUE(small && large);
    struct Case {
        bool safer;
        const testing::Trial& trial;
        bool celebrated;
    } cases[] = {{true, *small, false}, {true, *large, true}, {false, *small, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.safer) + " " + std::to_string(c.trial.pays.win));
        Rig r;
        seated(r, c.safer);
        r.s().soundonoff = -1;
        r.s().winroll = 1;  // the win counter counts up
        script(r, c.trial);
        r.sounds();
        ASSERT_TRUE(r.game.press(r.ui().btnspin));
        const auto played = r.sounds();
        const bool winClip = std::any_of(played.begin(), played.end(), [](const std::string& s) {
            for (int clip = 101; clip <= 112; ++clip)
                if (s == "play " + std::to_string(clip)) return true;
            return false;
        });
        EXPECT_EQ(winClip, c.celebrated);
        // The first tick of the win counter: the whole amount, or the start of the count.
        r.advance(100);
        EXPECT_EQ(r.ui().lblwin.caption == money(c.trial.pays.win), !c.celebrated);
        // Over the next seconds: the winning frames flash, or none ever shows.
        bool framed = false;
        for (int tick = 0; tick < 40; ++tick) {
            r.advance(100);
            for (int cell = 1; cell <= 15; ++cell) framed = framed || r.ui().flasher[cell].visible;
        }
        EXPECT_EQ(framed, c.celebrated);
        // Either way the meters end on the amount and the credit holds it.
        EXPECT_EQ(r.ui().lblwin.caption, money(c.trial.pays.win));
        EXPECT_EQ(r.s().bank, 5000 - 25 + c.trial.pays.win);
    }
}

TEST(SaferPlay, TheRealityCheckComesAtSixtyMinutesUnlessAnotherIntervalWasChosen) {
    struct Case {
        int button;  // the options' reality check: -1 untouched, 2 30 minutes
        std::int64_t dueMinutes;
    } cases[] = {{-1, 60}, {2, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        Rig r;
        seated(r, true);
        if (c.button >= 0) {
            ASSERT_TRUE(r.game.click(r.ui().btnoptions));
            ASSERT_TRUE(r.game.click(r.game.options.ui.realitycheck[static_cast<std::size_t>(c.button)]));
            ASSERT_TRUE(r.game.click(r.game.options.ui.btnokplayer));
        }
        for (int i = 0; i < 3; ++i) r.stops(1, 1, 1, 1, 1);
        r.advance(c.dueMinutes * kOneMinute - 10000);
        ASSERT_TRUE(r.game.press(r.ui().btnspin));
        EXPECT_TRUE(r.platform.desktop.messages.empty());
        r.advance(10000);
        r.platform.desktop.answers.push_back(Answer::yes);
        ASSERT_TRUE(r.game.press(r.ui().btnspin));
        ASSERT_EQ(r.platform.desktop.messages.size(), 1u);
        EXPECT_EQ(r.platform.desktop.messages[0].buttons, MsgButtons::continueStop);
        EXPECT_EQ(r.s().games, 2);
    }
}

// Where a control sits on the cabinet, in twips from the window's corner, and
// whether it is drawn at all (a hidden container hides what it holds).
struct Place {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool shown = true;
};

Place placeOf(const Control& c) {
    Place p{c.left, c.top, c.left + c.width, c.top + c.height, c.visible};
    for (const Control* up = c.parent; up != nullptr; up = up->parent) {
        if (up->parent == nullptr) break;  // the window itself
        p.left += up->left;
        p.right += up->left;
        p.top += up->top;
        p.bottom += up->top;
        p.shown = p.shown && up->visible;
    }
    return p;
}

// The shown controls painted over the session meter, by name.
std::string coveringTheMeter(const MainWindow& ui) {
    const Place meter = placeOf(ui.lblsession);
    std::string over = meter.shown ? "" : "(hidden) ";
    const auto& all = ui.all();
    const auto at = std::find(all.begin(), all.end(), &ui.lblsession);
    for (auto it = at + 1; it != all.end(); ++it) {
        const Place p = placeOf(**it);
        if (p.shown && p.left < meter.right && meter.left < p.right && p.top < meter.bottom &&
            meter.top < p.bottom)
            over += (*it)->name + " ";
    }
    return over;
}

TEST(SaferPlay, TheSessionMeterIsInSightThroughoutAndShowsTimeAndNetResult) {
    const auto win =
        testing::findSpin(25, 1, [](const testing::Trial& t) { return t.pays.win > 50 && !t.pays.scatter; });
    ASSERT_TRUE(win);
    Rig r;
    seated(r, true);
    // Looked at on every timer tick: while the reels run, the win flashes and counts.
    std::string covered;
    int looked = 0;
    r.platform.time.setTickHandler([&](TimerId id) {
        r.game.timerTick(id);
        ++looked;
        const std::string over = coveringTheMeter(r.ui());
        if (!over.empty() && covered.empty()) covered = over;
    });
    r.advance(65 * 1000);
    script(r, *win);
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    r.advance(5000);
    r.stops(1, 1, 1, 1, 1);
    ASSERT_TRUE(r.game.press(r.ui().btnspin));
    r.advance(5000);
    EXPECT_GT(looked, 100);
    EXPECT_EQ(covered, "");
    EXPECT_EQ(coveringTheMeter(r.ui()), "");
    // Its text: the time of play and the net result of the two games.
    const std::string& shown = r.ui().lblsession.caption;
    EXPECT_EQ(shown.substr(0, 5), "0:01:") << shown;
    EXPECT_EQ(shown.substr(shown.find("   ") + 3), "+" + money(win->pays.win - 50));
}

}  // namespace
}  // namespace tonvale
