// SPDX-License-Identifier: MIT
// How the cabinet writes its meters and the gamble panel's lines: every message of
// the win meter at one size, whatever blanks the game put around it; the amounts
// in the middle of the boxes the cabinet picture draws; the gamble's pays centred
// one under the other.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <functional>

#include "ui/uirig.h"

namespace tonvale::testing {
namespace {

// The bounding box of the pixels of `region` that `ink` picks.
QRect inkBox(const QImage& image, const QRect& region, const std::function<bool(QRgb)>& ink) {
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (ink(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

bool lightText(QRgb c) { return qGray(c) > 170; }
bool darkInk(QRgb c) { return qGray(c) < 70; }

struct Look {
    UiRig rig;
    Look() {
        rig.cabinet.resize(821, 589);  // the cabinet's natural size: 15 twips a pixel
        QCoreApplication::processEvents();
    }
    QImage frame() {
        rig.cabinet.refresh();
        QCoreApplication::processEvents();
        return rig.cabinet.grab().toImage();
    }
    // A box of the cabinet picture, in pixels, from its place in twips.
    QRect px(int left, int top, int right, int bottom) const {
        const ViewGeometry g = rig.cabinet.geometryNow();
        return g.rect(left, top, right - left, bottom - top).toAlignedRect();
    }
};

TEST(MeterLook, EveryWinMeterMessageHasOneSizeAndSitsInTheMiddleOfItsBox) {
    Look look;
    MainWindow& ui = look.rig.ui();
    const QRect meter = look.px(6975, 7245, 9000, 7650);  // WINNER PAID's box
    const QRect inside = meter.adjusted(3, 3, -3, -3);
    struct Shown {
        const char *labwin, *lblwin;
    };
    // The messages without a descender; the lost gamble writes its own with blanks.
    const Shown shown[] = {{"No Win", ""}, {"         No Win", " "}, {"Loss Limit", " "}, {"Good Luck", " "}};
    std::vector<QRect> boxes;
    for (const Shown& s : shown) {
        ui.LABWIN.caption = s.labwin;
        ui.lblwin.caption = s.lblwin;
        boxes.push_back(inkBox(look.frame(), inside, lightText));
        SCOPED_TRACE(s.labwin);
        ASSERT_FALSE(boxes.back().isEmpty());
        // Centred across the meter and on its height.
        EXPECT_NEAR(boxes.back().center().x(), meter.center().x(), 2);
        EXPECT_NEAR(boxes.back().center().y(), meter.center().y(), 2);
    }
    EXPECT_EQ(boxes[1], boxes[0]);  // the lost gamble's "No Win" is the spin's
    for (const QRect& b : boxes) EXPECT_EQ(b.height(), boxes[0].height());
}

TEST(MeterLook, TheAmountsSitInTheMiddleOfTheBoxesOfTheCreditAndWinMeters) {
    Look look;
    MainWindow& ui = look.rig.ui();
    ui.PANELBANK.caption = "5000";
    ui.Lblcredit.caption = "$ 50";
    ui.LABWIN.caption = "250";
    ui.lblwin.caption = "$ 2.5";
    const QImage frame = look.frame();
    for (const QRect& meter : {look.px(675, 7245, 3525, 7650), look.px(6975, 7245, 9000, 7650)}) {
        const QRect text = inkBox(frame, meter.adjusted(3, 3, -3, -3), lightText);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_NEAR(text.center().y(), meter.center().y(), 1.5);
    }
}

TEST(MeterLook, TheGamblesPaysAreCentredOneUnderTheOther) {
    Look look;
    MainWindow& ui = look.rig.ui();
    ui.pandouble.visible = true;
    ui.risklab.caption = "At Risk  250";
    ui.lblsuit.caption = "Suit Win = 1000";
    ui.lblblackred.caption = "Black/Red Win = 500";
    ui.lblsuit.visible = ui.lblblackred.visible = true;
    const QImage frame = look.frame();
    const auto line = [&](const Control& c) {
        const QRect r = look.rig.cabinet.geometryNow().rect(c).toAlignedRect();
        const QRect panel = look.rig.cabinet.geometryNow().rect(ui.pandouble).toAlignedRect();
        return inkBox(frame, QRect(panel.left() + 4, r.top() + 1, panel.width() - 8, r.height() - 2),
                      darkInk);
    };
    const QRect risk = line(ui.risklab), suit = line(ui.lblsuit), colour = line(ui.lblblackred);
    ASSERT_FALSE(suit.isEmpty());
    ASSERT_FALSE(colour.isEmpty());
    EXPECT_NEAR(colour.center().x(), suit.center().x(), 1.5);
    EXPECT_NEAR(risk.center().x(), suit.center().x(), 1.5);
}

}  // namespace
}  // namespace tonvale::testing
