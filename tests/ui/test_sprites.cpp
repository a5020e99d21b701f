// SPDX-License-Identifier: MIT
// Picture names of the control model and the files they draw.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "ui/sprites.h"

namespace tonvale {
namespace {

TEST(Sprites, ImageListPicturesMapToTheirFiles) {
    // A text the scenarios use, as the control model holds it, to the file drawn.
    const auto path = [](const char* name) {
        const auto picture = parsePicture(name);
        return picture ? picturePath(*picture).toStdString() : std::string();
    };
    EXPECT_EQ(path("ImageList3/27"), ":/pictures/cellframe.svg");
    EXPECT_EQ(path("ImageList3/1"), ":/pictures/wild_01.svg");
    EXPECT_EQ(path("ImageList3/10"), ":/pictures/wild_10.svg");
    EXPECT_EQ(path("ImageList3/11"), ":/pictures/mult_x2_1.svg");
    EXPECT_EQ(path("ImageList3/14"), ":/pictures/mult_x2_4.svg");
    EXPECT_EQ(path("ImageList3/15"), ":/pictures/mult_x3_1.svg");
    EXPECT_EQ(path("ImageList3/22"), ":/pictures/mult_x5_4.svg");
    EXPECT_EQ(path("ImageList3/26"), ":/pictures/mult_x10_4.svg");
    EXPECT_EQ(path("ImageList1/3"), ":/pictures/scatter_03.svg");
    EXPECT_EQ(path("ImageList1/17"), ":/pictures/scatter_17.svg");
    EXPECT_EQ(path("morphing/6"), ":/pictures/bell_6.svg");
    EXPECT_EQ(path("jackpotwin/1"), ":/pictures/banner_minor_1.svg");
    EXPECT_EQ(path("jackpotwin/4"), ":/pictures/banner_major_1.svg");
    EXPECT_EQ(path("jackpotwin/9"), ":/pictures/banner_grand_3.svg");
    EXPECT_EQ(path("imagelistcards/4"), ":/pictures/card_4.svg");
    EXPECT_EQ(path("imagelistcards/5"), ":/pictures/card_back.svg");
    EXPECT_EQ(path("imagelistcards/6"), ":/pictures/suit_1.svg");
    EXPECT_EQ(path("imagelistcards/10"), ":/pictures/peel_10.svg");
    EXPECT_EQ(path("imagelistcards/24"), ":/pictures/peel_24.svg");
    EXPECT_EQ(path("hatch"), ":/pictures/hatch.svg");
    EXPECT_EQ(path("partner_advert"), ":/pictures/advert.svg");
    EXPECT_EQ(path("return_to_free_game"), ":/pictures/return_to_game.svg");
    EXPECT_EQ(resourcePath(pressedFile(Sheet::btn_spin)).toStdString(), ":/pictures/btn_spin_down.svg");
    // Indexes outside a list and malformed names draw nothing.
    EXPECT_EQ(path("ImageList3/0"), "");
    EXPECT_EQ(path("ImageList3/28"), "");
    EXPECT_EQ(path("jackpotwin/10"), "");
    EXPECT_EQ(path("ImageList1/x"), "");
    EXPECT_EQ(path("btn_spin_down"), "");
    EXPECT_EQ(path(""), "");
}

TEST(Sprites, RenderedAtTheDeviceSizeAndKept) {
    SpriteCache cache;
    const QPixmap tile = cache.get(QStringLiteral(":/pictures/sym_piano.svg"), QSize(250, 250), 2.0);
    ASSERT_FALSE(tile.isNull());
    EXPECT_EQ(tile.size(), QSize(250, 250));  // device pixels
    EXPECT_EQ(tile.devicePixelRatio(), 2.0);
    EXPECT_EQ(tile.deviceIndependentSize(), QSizeF(125, 125));
    const int kept = cache.size();
    cache.get(QStringLiteral(":/pictures/sym_piano.svg"), QSize(250, 250), 2.0);
    EXPECT_EQ(cache.size(), kept);

    EXPECT_TRUE(cache.get(QStringLiteral(":/pictures/no_such_picture.svg"), QSize(10, 10), 1.0).isNull());
    EXPECT_TRUE(cache.get(QString(), QSize(10, 10), 1.0).isNull());
}

// Pictures drawn over a reel cell in place of its symbol must hide the tile below
// completely; reel 3's bell stands over the logo tile.
TEST(Sprites, PicturesThatReplaceATileAreOpaque) {
    SpriteCache cache;
    for (const char* name : {"morphing/1", "morphing/8", "morphing/2", "morphing/5"}) {
        for (const qreal dpr : {1.0, 2.0}) {
            const QImage img =
                cache.get(picturePath(*parsePicture(name)), QSize(82, 82) * dpr, dpr).toImage();
            ASSERT_FALSE(img.isNull()) << name;
            int seeThrough = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qAlpha(img.pixel(x, y)) < 255) ++seeThrough;
            EXPECT_EQ(seeThrough, 0) << name << " at " << dpr << "x";
        }
    }
}

}  // namespace
}  // namespace tonvale
