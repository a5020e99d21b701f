// SPDX-License-Identifier: MIT
// The pictures of the control models: every one is drawn from files that exist,
// and the text the scenarios spell it with reads back as the same picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/picture.h"

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

}  // namespace
}  // namespace tonvale
