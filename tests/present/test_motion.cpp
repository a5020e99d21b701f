// SPDX-License-Identifier: MIT
// Reduced motion: every animation holds one picture (no flashing frames, no
// sliding board), while the machine's state, its sounds and its timing stay
// exactly what they are with full motion.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/store.h"
#include "game/fields.h"
#include "players/options.h"
#include "rig.h"
#include "rules/paytable.h"

namespace tonvale {
namespace {

using testing::Rig;

// Every scalar field of the state, and the timers, as text.
std::string stateText(Rig& r) {
    std::string out;
    for (const std::string& name : stateFieldNames()) out += name + "=" + r.read(name) + ";";
    for (int t = 0; t < kTimerCount; ++t) {
        const TimerId id = static_cast<TimerId>(t);
        out +=
            std::to_string(r.game.m.timerEnabled(id)) + ":" + std::to_string(r.ui().timer(id).interval) + ";";
    }
    return out;
}

// What the animated controls look like: visibility, pictures and place.
struct Look {
    std::map<std::string, std::string> controls;  // name -> "visible|picture|overlay|top"
};

Look lookOf(Rig& r) {
    Look l;
    const auto take = [&l](const std::string& name, const Control& c) {
        l.controls[name] =
            c.visible ? "on|" + c.picture.text() + "|" + c.overlay.text() + "|" + std::to_string(c.top)
                      : "off";
    };
    for (int cell = 1; cell <= 15; ++cell) take("flasher" + std::to_string(cell), r.ui().flasher[cell]);
    take("jackpotframe", r.ui().jackpotframe);
    take("jackpotpicture", r.ui().jackpotpicture);
    // The emblem is one of three pictures on view at a time.
    std::string emblem = "off";
    for (const Control* b : {&r.ui().jackpotball11, &r.ui().jackpotball21, &r.ui().jackpotball31})
        if (b->visible)
            emblem = "on|" + b->name + "|" + std::to_string(b->left) + "|" + std::to_string(b->top);
    l.controls["emblem"] = emblem;
    return l;
}

struct Recording {
    std::vector<std::string> states;
    std::vector<std::string> sounds;
    std::vector<Look> looks;
};

Recording record(const std::function<void(Rig&)>& setUp, bool reduced, int ticks) {
    Rig r;
    r.game.m.reducedMotion = reduced;
    setUp(r);
    Recording out;
    for (int i = 0; i < ticks; ++i) {
        r.advance(100);
        out.states.push_back(stateText(r));
        out.looks.push_back(lookOf(r));
    }
    out.sounds = r.sounds();
    return out;
}

// How often a control changes its look while it stays on view, and how often
// it goes off and on again.
struct Changes {
    int whileShown = 0;
    int blinks = 0;
};

std::map<std::string, Changes> changesOf(const std::vector<Look>& looks) {
    std::map<std::string, Changes> out;
    std::map<std::string, bool> wentOff;
    for (std::size_t i = 1; i < looks.size(); ++i) {
        for (const auto& [name, now] : looks[i].controls) {
            const std::string& before = looks[i - 1].controls.at(name);
            if (before != "off" && now != "off" && before != now) ++out[name].whileShown;
            if (before != "off" && now == "off") wentOff[name] = true;
            if (before == "off" && now != "off" && wentOff[name]) ++out[name].blinks;
        }
    }
    return out;
}

void placeCells(Rig& r, Symbol s, std::initializer_list<std::pair<int, int>> cells) {
    for (auto [cell, tenths] : cells)
        r.s().cells(s)[static_cast<std::size_t>(cell)] = Decimal::fromTenths(tenths);
}

TEST(ReducedMotion, EveryAnimationHoldsOnePictureAndTheMachineRunsTheSame) {
    struct Case {
        const char* what;
        std::function<void(Rig&)> setUp;
        int ticks;
    };
    const std::vector<Case> cases = {
        {"the frames of two paying symbols",
         [](Rig& r) {
             placeCells(r, Symbol::king, {{1, 80}, {6, 70}, {7, 60}});
             placeCells(r, Symbol::harp, {{3, 80}, {4, 70}, {9, 60}});
             const SpinPays pays = settlePays(r.s(), 25, 1);
             r.s().winamount = pays.win;
             r.game.m.setTimer(TimerId::Timerflash, true);
         },
         60},
        {"a wild after a win",
         [](Rig& r) {
             r.s().winamount = 40;
             r.s().wildflags[5] = 1;
             r.game.m.setTimer(TimerId::timerballflash, true);
         },
         25},
        {"a wild with the series multiplier",
         [](Rig& r) {
             r.s().freespinsplayed = 1;
             r.s().freespinmultiplier = 5;
             r.s().multiplierpicture = 22;
             r.s().winamount = 300;
             r.s().wildflags[8] = 1;
             r.game.m.setTimer(TimerId::timerballflash, true);
         },
         25},
        {"a wild on the award of the first series, before any multiplier",
         [](Rig& r) {
             r.s().freespinsplayed = 1;
             r.s().freespinmultiplier = 0;
             r.s().winamount = 300;
             r.s().wildflags[8] = 1;
             r.game.m.setTimer(TimerId::timerballflash, true);
         },
         25},
        {"the scatters of a paying group",
         [](Rig& r) {
             const int cells[6] = {0, 2, 5, 8, 11, 14};
             for (int reel = 1; reel <= 5; ++reel)
                 r.s().scattercell[static_cast<std::size_t>(reel)] = static_cast<std::int16_t>(cells[reel]);
             for (int reel = 1; reel <= 4; ++reel) r.s().scatterreels[static_cast<std::size_t>(reel)] = 1;
             r.s().fivescatters = 1;
             r.game.m.setTimer(TimerId::Timerscatter, true);
         },
         40},
        {"the bells and the board coming down",
         [](Rig& r) {
             r.s().soundonoff = -1;
             r.s().bellcell[1] = 2;
             r.s().bellcell[2] = 5;
             r.s().bellcell[3] = 8;
             r.game.m.setTimer(TimerId::Tmrtick, true);
             r.game.m.setTimer(TimerId::tmrbell, true);
         },
         50},  // the ball's run on the board that follows is the draw itself, shown as ever
        {"the banner and the emblem of a minor prize",
         [](Rig& r) {
             r.s().bank = 10000;
             r.s().minor = 2000;
             r.s().bellcount = 3;
             r.s().jackpotfield = 6;
             r.s().jackpotwon = 2000;
             r.s().ballx = 8350;
             r.s().bally = -120;
             r.ui().jackpotframe.visible = true;
             r.game.m.setTimer(TimerId::tmrshowjackpot, true);
         },
         59},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Recording full = record(c.setUp, false, c.ticks);
        const Recording still = record(c.setUp, true, c.ticks);
        EXPECT_EQ(still.states, full.states);
        EXPECT_EQ(still.sounds, full.sounds);

        int fullChanges = 0;
        for (const auto& [name, n] : changesOf(full.looks)) fullChanges += n.whileShown + n.blinks;
        EXPECT_GT(fullChanges, 0) << "the case shows no motion to take away";
        for (const auto& [name, n] : changesOf(still.looks)) {
            EXPECT_EQ(n.whileShown, 0) << name;
            EXPECT_EQ(n.blinks, 0) << name;
        }
        // What is on view at the end is on view with full motion too.
        std::set<std::string> fullShown, stillShown;
        for (const auto& [name, look] : full.looks.back().controls)
            if (look != "off") fullShown.insert(name);
        for (const auto& [name, look] : still.looks.back().controls)
            if (look != "off") stillShown.insert(name);
        for (const std::string& name : fullShown) EXPECT_TRUE(stillShown.count(name)) << name;
    }
}

TEST(ReducedMotion, TheBoardStandsWhereItComesToRest) {
    Rig r;
    r.game.m.reducedMotion = true;
    r.s().bellcell[1] = 2;
    r.s().bellcell[2] = 5;
    r.s().bellcell[3] = 8;
    r.game.m.setTimer(TimerId::Tmrtick, true);
    r.game.m.setTimer(TimerId::tmrbell, true);
    r.advance(100 * 29);
    EXPECT_FALSE(r.ui().jackpotframe.visible);
    for (int i = 30; i <= 50; ++i) {
        r.advance(100);
        EXPECT_TRUE(r.ui().jackpotframe.visible);
        EXPECT_EQ(r.ui().jackpotframe.top, 650) << i;
    }
}

// Autoplay for a while with the same draws: spins, wins, free spins and the
// credit come out the same, tick by tick.
TEST(ReducedMotion, PlayIsTheSameTickByTick) {
    const auto setUp = [](Rig& r) {
        r.load();
        r.s().autoplaynotice = -1;
        r.s().soundonoff = -1;
        for (int i = 0; i < 4; ++i) r.game.press(r.ui().btncredit);
        r.game.press(r.ui().btnbet);
        r.game.press(r.ui().autoplayon);
    };
    const Recording full = record(setUp, false, 3000);
    const Recording still = record(setUp, true, 3000);
    ASSERT_EQ(still.states.size(), full.states.size());
    for (std::size_t i = 0; i < full.states.size(); ++i)
        ASSERT_EQ(still.states[i], full.states[i]) << "tick " << i;
    EXPECT_EQ(still.sounds, full.sounds);
    EXPECT_NE(full.states.front(), full.states.back());
}

TEST(ReducedMotion, TheChoiceIsThePlayersAndIsKept) {
    Rig r;
    r.load();
    ASSERT_FALSE(r.game.m.reducedMotion);
    r.game.options.open();
    ASSERT_TRUE(r.game.options.ui.motion[2].value);
    ASSERT_TRUE(r.game.click(r.game.options.ui.motion[1]));
    EXPECT_TRUE(r.game.m.reducedMotion);
    EXPECT_TRUE(r.game.options.ui.motion[1].value);
    EXPECT_FALSE(r.game.options.ui.motion[2].value);
    for (const char* app : {kMainApp, kOptionsApp})
        EXPECT_EQ(r.platform.store.read(app, "player1", kReducedMotionKey), "1") << app;

    // Another slot has its own choice; coming back brings the first one again.
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[2]));
    EXPECT_FALSE(r.game.m.reducedMotion);
    EXPECT_TRUE(r.game.options.ui.motion[2].value);
    ASSERT_TRUE(r.game.click(r.game.options.ui.machine[1]));
    EXPECT_TRUE(r.game.m.reducedMotion);
    r.game.options.close();

    // The next start reads it with the record.
    Rig next;
    for (const char* app : {kMainApp, kOptionsApp})
        next.platform.store.write(app, "player1", kReducedMotionKey,
                                  r.platform.store.read(app, "player1", kReducedMotionKey));
    next.load();
    EXPECT_TRUE(next.game.m.reducedMotion);

    // Only a stored 1 means reduced motion.
    for (const char* text : {"0", "2", "-1", "yes", ""}) {
        Rig other;
        other.platform.store.write(kMainApp, "player1", kReducedMotionKey, text);
        other.load();
        EXPECT_FALSE(other.game.m.reducedMotion) << text;
    }
}

}  // namespace
}  // namespace tonvale
