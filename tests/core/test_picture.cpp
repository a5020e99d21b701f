// SPDX-License-Identifier: MIT
// The pictures of the control models: every one is drawn from files that exist,
// and the text the scenarios spell it with reads back as the same picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>

#include "core/picture.h"
#include "players/options.h"
#include "rig.h"
#include "spin/spincycle.h"
#include "windows/auxwindows.h"
#include "windows/history.h"

namespace tonvale {
namespace {

const std::filesystem::path kPictures = TONVALE_PICTURES;

bool drawable(Picture p) {
    const auto files = pictureFiles(p);
    if (files.empty()) return false;
    for (const std::string& f : files)
        if (!std::filesystem::is_regular_file(kPictures / (f + ".svg"))) return false;
    return true;
}

// Every single picture and every frame of every image list, as the handlers count
// through them (the lists' lengths are the handlers' own constants).
TEST(Pictures, EveryPictureIsDrawnFromFilesThatExist) {
    int singles = 0, frames = 0;
    for (const Picture p : allPictures()) {
        (p.frame == 0 ? singles : frames) += 1;
        const auto files = pictureFiles(p);
        EXPECT_FALSE(files.empty()) << p.text() << " is drawn from nothing";
        for (const std::string& f : files)
            EXPECT_TRUE(std::filesystem::is_regular_file(kPictures / (f + ".svg")))
                << p.text() << " is drawn from " << f << ".svg, which is missing";
    }
    // The enumeration reaches both kinds (a broken table would give none).
    EXPECT_GT(frames, 0);
    EXPECT_GT(singles, 0);
}

TEST(Pictures, HandlersCountWithinTheirLists) {
    EXPECT_EQ(frameCount(Sheet::ImageList1), kScatterFrames);
    EXPECT_EQ(frameCount(Sheet::ImageList3), kCellFrame);
    for (const int multiplier : {2, 3, 5, 10}) {
        // The four frames of a multiplier end at its top frame and lie after the wild's.
        const int top = multiplierTopFrame(multiplier);
        EXPECT_GT(top - 3, kWildFrames) << multiplier;
        EXPECT_LT(top, kCellFrame) << multiplier;
    }
    EXPECT_EQ(multiplierTopFrame(1), 0);
    EXPECT_EQ(frameCount(Sheet::imagelistcards), kLastPeel);
    EXPECT_TRUE(drawable(Picture(Sheet::morphing, kBellCoinUp)));
    EXPECT_TRUE(drawable(Picture(Sheet::morphing, kBellCoinDown)));
}

TEST(Pictures, TextReadsBackAsTheSamePicture) {
    std::set<std::string> texts;
    for (const Picture p : allPictures()) {
        const std::string text = p.text();
        EXPECT_TRUE(texts.insert(text).second) << text << " names two pictures";
        const auto back = parsePicture(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(*back, p) << text;
    }
    // The spellings the scenarios use.
    EXPECT_EQ(parsePicture("ImageList3/27"), Picture(Sheet::ImageList3, 27));
    EXPECT_EQ(parsePicture("imagelistcards/8"), Picture(Sheet::imagelistcards, 8));
    EXPECT_EQ(parsePicture("btn_spin"), Picture(Sheet::btn_spin));
    EXPECT_EQ(parsePicture(""), Picture());
    EXPECT_EQ(Picture().text(), "");
    // A frame past its list is still a picture (a counter run wild shows it), drawn from nothing.
    const auto past = parsePicture("ImageList1/31");
    ASSERT_TRUE(past);
    EXPECT_EQ(past->text(), "ImageList1/31");
    EXPECT_TRUE(pictureFiles(*past).empty());
    EXPECT_TRUE(pictureFiles(Picture(Sheet::ImageList3, 0)).empty());
    for (const char* bad : {"no_such_picture", "ImageList3", "ImageList3/", "ImageList3/x", "ImageList3/2x",
                            "btn_spin/1", "btn_spin_down", "/3", "morphing/99999999999"})
        EXPECT_FALSE(parsePicture(bad)) << bad;
}

// The reel strips are laid out of the symbol tiles, reel 3 with the logo.
TEST(Pictures, StripsAreTheirReelsTiles) {
    for (int reel = 1; reel <= 5; ++reel) {
        const Picture strip(static_cast<Sheet>(static_cast<int>(Sheet::reel1) + reel - 1));
        EXPECT_EQ(strip.text(), "reel" + std::to_string(reel));
        EXPECT_EQ(stripReel(strip), reel);
        EXPECT_EQ(pictureFiles(strip).size(), 29u);
    }
    EXPECT_EQ(tileFile(3, 14), "sym_logo");
    EXPECT_EQ(stripReel(Sheet::hatch), 0);
    EXPECT_EQ(tileFile(0, 1), "");
    EXPECT_EQ(tileFile(1, 29), "");
}

// What the handlers set in play: the machine plays by autoplay, through free-spin
// series and jackpots, and every picture of every window is looked at after each
// timer tick.
TEST(Pictures, EveryPictureShownInPlayResolves) {
    testing::Rig r(7);
    std::set<std::string> seen, unresolved;
    const auto look = [&] {
        Game& g = r.game;
        for (ControlSet* set :
             std::initializer_list<ControlSet*>{&g.m.ui, &g.options.ui, &g.windows.pays, &g.windows.about,
                                                &g.windows.advert, &g.windows.odds.ui, &g.history.ui})
            for (const Control* c : set->all())
                for (const Picture p : {c->picture, c->overlay}) {
                    if (p.empty() || !seen.insert(p.text()).second) continue;
                    if (!drawable(p)) unresolved.insert(c->fullName() + " " + p.text());
                }
    };
    r.platform.time.setTickHandler([&](TimerId id) {
        r.game.timerTick(id);
        look();
    });
    r.load();
    look();
    MachineState& s = r.s();
    const auto credit = [&] {
        while (s.bank < 1000) r.game.press(r.ui().btncredit);
    };
    credit();
    r.game.press(r.ui().autoplayon);
    const auto seenOf = [&](Sheet sheet) {
        return std::count_if(seen.begin(), seen.end(), [&](const std::string& t) {
            const auto p = parsePicture(t);
            return p && p->sheet == sheet;
        });
    };
    for (int step = 0; step < 400000 && (seenOf(Sheet::jackpotwin) == 0 || seenOf(Sheet::ImageList1) == 0 ||
                                         !seen.count("ImageList3/14"));
         ++step) {
        r.advance(100);
        if (r.game.windows.advert.form.visible) r.game.press(r.game.windows.advert.SSCommand2);
        if (s.bank < s.stake()) {
            if (s.autoplaytoggle == 1) r.game.press(r.ui().autoplayon);
            credit();
            r.game.press(r.ui().autoplayon);
        }
    }

    EXPECT_GT(seenOf(Sheet::jackpotwin), 0) << "no jackpot was shown";
    EXPECT_GT(seenOf(Sheet::ImageList1), 0) << "no scatter was shown";
    EXPECT_GT(seenOf(Sheet::morphing), 0) << "no bell was shown";
    std::string missing;
    for (const std::string& u : unresolved) missing += "\n" + u;
    EXPECT_EQ(missing, "") << "pictures drawn from nothing";
}

}  // namespace
}  // namespace tonvale
