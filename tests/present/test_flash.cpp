// SPDX-License-Identifier: MIT
// The winning-symbol frames of Timerflash and the wild animation of timerballflash.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "rig.h"
#include "rules/paytable.h"

namespace tonvale {
namespace {

using testing::Rig;
using Cells = std::set<int>;

// Puts a symbol's weights into its cells: {cell, weight in tenths}.
void place(Rig& r, Symbol s, std::initializer_list<std::pair<int, int>> cells) {
    for (auto [cell, tenths] : cells)
        r.s().cells(s)[static_cast<std::size_t>(cell)] = Decimal::fromTenths(tenths);
}

// Settles the pays as the evaluation does (totals and paid marks) and starts the flash.
void settleAndFlash(Rig& r) {
    const SpinPays pays = settlePays(r.s(), 25, 1);
    r.s().winamount = pays.win > 0 ? pays.win : 10;
    r.game.m.setTimer(TimerId::Timerflash, true);
}

Cells framed(Rig& r) {
    Cells out;
    for (int cell = 1; cell <= 15; ++cell)
        if (r.ui().flasher[cell].visible) out.insert(cell);
    return out;
}

// The sets of cells shown, one entry per blink (a run of ticks with frames shown).
std::vector<Cells> blinks(Rig& r, int ticks) {
    std::vector<Cells> out;
    Cells last;
    for (int i = 0; i < ticks; ++i) {
        r.advance(100);
        const Cells now = framed(r);
        if (!now.empty() && now != last) out.push_back(now);
        last = now;
    }
    return out;
}

TEST(Flash, TwoPayingSymbolsTakeTurnsTwoBlinksEach) {
    Rig r;
    place(r, Symbol::king, {{1, 80}, {6, 70}, {7, 60}});
    place(r, Symbol::harp, {{3, 80}, {4, 70}, {9, 60}});
    settleAndFlash(r);
    const Cells king = {1, 6, 7}, harp = {3, 4, 9};
    const auto seen = blinks(r, 60);
    ASSERT_GE(seen.size(), 12u);
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], (i / 2) % 2 == 0 ? king : harp) << i;
    // Timerflash counts idle ticks too.
    EXPECT_EQ(r.s().idleticks, 60);
}

TEST(Flash, NextWinContinuesFromWhereTheLastFlashStopped) {
    Rig r;
    place(r, Symbol::king, {{1, 80}, {6, 70}, {7, 60}});
    place(r, Symbol::harp, {{3, 80}, {4, 70}, {9, 60}});
    settleAndFlash(r);
    EXPECT_EQ(blinks(r, 6), (std::vector<Cells>{{1, 6, 7}, {1, 6, 7}}));
    // The next spin stops the flash and hides the frames; its win flashes on.
    r.game.m.setTimer(TimerId::Timerflash, false);
    r.game.m.hideFlashers();
    r.game.m.setTimer(TimerId::Timerflash, true);
    const auto next = blinks(r, 6);
    ASSERT_FALSE(next.empty());
    EXPECT_EQ(next.front(), (Cells{3, 4, 9}));
}

TEST(Flash, ScatterOnlyWinFramesNothing) {
    Rig r;
    r.s().winamount = 50;  // the scatter pay alone
    r.game.m.setTimer(TimerId::Timerflash, true);
    for (int i = 0; i < 40; ++i) {
        r.advance(100);
        EXPECT_TRUE(framed(r).empty());
    }
    EXPECT_EQ(r.s().flashposition, 1);
}

TEST(Flash, CopyBeyondThePaidReelsStaysDark) {
    Rig r;
    // Three of a kind on reels 1..3 and another king on reel 5 (8 + 7 + 6 + 20 = 41).
    place(r, Symbol::king, {{2, 80}, {5, 70}, {8, 60}, {14, 200}});
    settleAndFlash(r);
    ASSERT_EQ(decodeTotal(r.s().kingcells[16], Symbol::king)->kind, 3);
    const auto seen = blinks(r, 24);
    ASSERT_GE(seen.size(), 4u);
    for (const Cells& c : seen) EXPECT_EQ(c, (Cells{2, 5, 8}));
}

TEST(Flash, WildCellAnimatesWhileTheSymbolCellsBlink) {
    Rig r;
    place(r, Symbol::king, {{2, 80}, {5, 115}, {8, 60}});  // a wild on reel 2 completes the three
    r.s().wildflags[5] = 1;
    settleAndFlash(r);
    // The frame highlight neither shows nor hides a wild cell.
    for (int i = 0; i < 6; ++i) {
        r.advance(100);
        EXPECT_FALSE(r.ui().flasher[5].visible);
    }
    const auto seen = blinks(r, 9);
    ASSERT_FALSE(seen.empty());
    for (const Cells& c : seen) EXPECT_EQ(c, (Cells{2, 8}));
    r.ui().flasher[5].visible = true;
    for (int i = 0; i < 6; ++i) {
        r.advance(100);
        EXPECT_TRUE(r.ui().flasher[5].visible);
    }
    r.game.m.setTimer(TimerId::timerballflash, true);

    std::vector<std::string> wildFrames;
    bool symbolCellsWentDark = false;
    for (int i = 0; i < 12; ++i) {
        r.advance(100);
        const Control& wild = r.ui().flasher[5];
        EXPECT_TRUE(wild.visible);
        EXPECT_EQ(wild.overlay.text(), "");
        wildFrames.push_back(wild.picture.text());
        if (!r.ui().flasher[2].visible && !r.ui().flasher[8].visible) symbolCellsWentDark = true;
        EXPECT_EQ(r.ui().flasher[2].visible, r.ui().flasher[8].visible);
    }
    EXPECT_TRUE(symbolCellsWentDark);
    EXPECT_EQ(wildFrames,
              (std::vector<std::string>{"ImageList3/1", "ImageList3/2", "ImageList3/3", "ImageList3/4",
                                        "ImageList3/5", "ImageList3/6", "ImageList3/7", "ImageList3/8",
                                        "ImageList3/9", "ImageList3/10", "ImageList3/1", "ImageList3/2"}));
}

TEST(WildFlash, OnlyWildsOfTheMiddleReelsAnimateAndOnlyAfterAWin) {
    Rig r;
    r.s().wildflags[2] = 1;  // reel 1: never animated
    r.s().wildflags[11] = 1;
    r.s().wildflags[14] = 1;  // reel 5: never animated
    r.game.m.setTimer(TimerId::timerballflash, true);
    r.advance(300);
    EXPECT_TRUE(framed(r).empty());  // no win: nothing happens
    EXPECT_EQ(r.s().wildflashstep, 0);

    r.s().winamount = 40;
    r.advance(100);
    EXPECT_EQ(framed(r), Cells{11});
    EXPECT_EQ(r.ui().flasher[11].picture.text(), "ImageList3/1");
}

TEST(WildFlash, DuringASeriesTheMultiplierIsDrawnOverTheWild) {
    struct Case {
        std::int16_t multiplier, picture;
        std::vector<std::string> overlays;
    };
    const Case cases[] = {
        {5, 22, {"ImageList3/19", "ImageList3/20", "ImageList3/21", "ImageList3/22", "ImageList3/19"}},
        {2, 14, {"ImageList3/11", "ImageList3/12", "ImageList3/13", "ImageList3/14", "ImageList3/11"}},
        {10, 26, {"ImageList3/23", "ImageList3/24", "ImageList3/25", "ImageList3/26", "ImageList3/23"}},
        // The award of the first series since start-up: no multiplier drawn yet.
        {0, 0, {"ImageList3/3", "ImageList3/3", "ImageList3/3", "ImageList3/3", "ImageList3/3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.multiplier);
        Rig r;
        r.s().freespinsplayed = 1;
        r.s().freespinmultiplier = c.multiplier;
        r.s().multiplierpicture = c.picture;
        r.s().winamount = 300;
        r.s().wildflags[8] = 1;
        r.game.m.setTimer(TimerId::timerballflash, true);
        std::vector<std::string> overlays, pictures;
        for (int i = 0; i < 5; ++i) {
            r.advance(100);
            EXPECT_TRUE(r.ui().flasher[8].visible);
            overlays.push_back(r.ui().flasher[8].overlay.text());
            pictures.push_back(r.ui().flasher[8].picture.text());
        }
        EXPECT_EQ(overlays, c.overlays);
        EXPECT_EQ(pictures, (std::vector<std::string>{"ImageList3/1", "ImageList3/2", "ImageList3/3",
                                                      "ImageList3/4", "ImageList3/5"}));
    }
}

TEST(WildFlash, MultiplierOfOneShowsNothing) {
    Rig r;
    r.s().freespinsplayed = 2;
    r.s().freespinmultiplier = 1;
    r.s().winamount = 300;
    r.s().wildflags[8] = 1;
    r.game.m.setTimer(TimerId::timerballflash, true);
    r.advance(500);
    EXPECT_FALSE(r.ui().flasher[8].visible);
    EXPECT_EQ(r.s().wildflashstep, 0);
}

}  // namespace
}  // namespace tonvale
