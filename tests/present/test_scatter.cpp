// SPDX-License-Identifier: MIT
// The scatter animation of Timerscatter over the cells of the paying scatter group.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;
using Cells = std::set<int>;

struct ScatterCase {
    const char* name;
    std::array<int, 6> scattercell;   // by reel 1..5; 0 where the reel shows none
    std::array<int, 5> scatterreels;  // flags of reels 1..4
    int fivescatters;
    Cells animated;
};

TEST(ScatterDisplay, AnimatesTheCellsOfThePayingGroup) {
    const ScatterCase cases[] = {
        {"three", {0, 2, 5, 8, 0, 0}, {0, 1, 1, 1, 0}, 0, {2, 5, 8}},
        {"three and a lone one on reel 5", {0, 1, 6, 9, 0, 15}, {0, 1, 1, 1, 0}, 0, {1, 6, 9}},
        {"four", {0, 3, 4, 7, 12, 0}, {0, 1, 1, 1, 1}, 0, {3, 4, 7, 12}},
        {"five", {0, 2, 5, 8, 11, 14}, {0, 1, 1, 1, 1}, 1, {2, 5, 8, 11, 14}},
        // A wild on reel 2 completes the group; it is no scatter and is not animated.
        {"wild completes", {0, 1, 0, 9, 0, 0}, {0, 1, 1, 1, 0}, 0, {1, 9}},
        // A cell outside its reel is not taken for that reel's scatter.
        {"misplaced cell", {0, 2, 5, 8, 3, 0}, {0, 1, 1, 1, 1}, 0, {2, 5, 8}},
    };
    for (const ScatterCase& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        for (int reel = 1; reel <= 5; ++reel)
            r.s().scattercell[static_cast<std::size_t>(reel)] =
                static_cast<std::int16_t>(c.scattercell[reel]);
        for (int reel = 1; reel <= 4; ++reel)
            r.s().scatterreels[static_cast<std::size_t>(reel)] =
                static_cast<std::int16_t>(c.scatterreels[reel]);
        r.s().fivescatters = static_cast<std::int16_t>(c.fivescatters);
        r.ui().flasher[3].overlay = Picture(Sheet::ImageList3, 19);  // left over from an earlier wild
        r.game.m.setTimer(TimerId::Timerscatter, true);
        r.advance(300);
        Cells shown;
        for (int cell = 1; cell <= 15; ++cell) {
            const Control& f = r.ui().flasher[cell];
            if (!f.visible) continue;
            shown.insert(cell);
            EXPECT_EQ(f.picture.text(), "ImageList1/3") << cell;
            EXPECT_EQ(f.overlay.text(), "") << cell;
        }
        EXPECT_EQ(shown, c.animated);
    }
}

TEST(ScatterDisplay, FramesRunOneToSeventeenThenTwoToSeventeen) {
    Rig r;
    r.s().scattercell[1] = 2;
    r.s().scattercell[2] = 5;
    r.s().scattercell[3] = 8;
    r.s().scatterreels = {0, 1, 1, 1, 0};
    r.game.m.setTimer(TimerId::Timerscatter, true);
    std::vector<std::string> frames;
    for (int i = 0; i < 34; ++i) {
        r.advance(100);
        frames.push_back(r.ui().flasher[8].picture.text());
    }
    std::vector<std::string> wanted;
    for (int f = 1; f <= 17; ++f) wanted.push_back("ImageList1/" + std::to_string(f));
    for (int f = 2; f <= 17; ++f) wanted.push_back("ImageList1/" + std::to_string(f));
    wanted.push_back("ImageList1/2");
    EXPECT_EQ(frames, wanted);
    EXPECT_EQ(r.s().scatterstep, 2);
}

}  // namespace
}  // namespace tonvale
