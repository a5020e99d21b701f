// SPDX-License-Identifier: MIT
// The cabinet paints the model and routes the mouse and keys to the game.
#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QSet>
#include <QTest>

#include "players/options.h"
#include "rules/strips.h"
#include "ui/uirig.h"

namespace tonvale::testing {
namespace {

struct Routed {
    QString control;
    Ev ev;
    bool handled;
};

void record(CabinetWidget& cabinet, std::vector<Routed>& out) {
    QObject::connect(&cabinet, &CabinetWidget::routed, [&out](const QString& c, Ev ev, bool handled) {
        out.push_back({c, ev, handled});
    });
}

bool contains(const std::vector<Routed>& log, const QString& control, Ev ev) {
    for (const Routed& r : log)
        if (r.control == control && r.ev == ev) return true;
    return false;
}

TEST(Cabinet, ClickOnSpinReachesItsMouseDownAndRepaints) {
    UiRig rig;
    std::vector<Routed> log;
    record(rig.cabinet, log);
    QCoreApplication::processEvents();
    const int paintsBefore = rig.counter.paints;

    const QPoint at = rig.cabinet.centreOf(rig.ui().btnspin).toPoint();
    QTest::mousePress(&rig.cabinet, Qt::LeftButton, {}, at);
    EXPECT_EQ(rig.cabinet.pressed(), &rig.ui().btnspin);  // drawn pressed while held
    QTest::mouseRelease(&rig.cabinet, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();

    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().control, QStringLiteral("btnspin"));
    EXPECT_EQ(log.front().ev, Ev::MouseDown);
    EXPECT_TRUE(log.front().handled);
    EXPECT_TRUE(contains(log, QStringLiteral("btnspin"), Ev::MouseUp));
    EXPECT_EQ(rig.cabinet.pressed(), nullptr);
    EXPECT_TRUE(rig.ui().btnspin.visible);  // shown again by its MouseUp
    EXPECT_GT(rig.counter.paints, paintsBefore);
}

TEST(Cabinet, ScalesUniformlyAndMapsClicksAtTheScaledPlace) {
    UiRig rig;
    std::vector<Routed> log;
    record(rig.cabinet, log);
    rig.cabinet.resize(1600, 700);  // wider than the cabinet: bars left and right
    QCoreApplication::processEvents();

    const QRectF area = rig.cabinet.geometryNow().area();
    const double s = 700.0 / MainWindow::kHeight;
    EXPECT_NEAR(area.height(), 700.0, 1e-6);
    EXPECT_NEAR(area.width(), MainWindow::kWidth * s, 1e-6);
    EXPECT_NEAR(area.left(), (1600 - MainWindow::kWidth * s) / 2, 1e-6);

    // btnspin: 5910, 30 inside the bar at 0, 7780; 1590 x 810.
    const QPointF spinCentre(area.left() + (5910 + 795) * s, (7780 + 30 + 405) * s);
    QTest::mouseClick(&rig.cabinet, Qt::LeftButton, {}, spinCentre.toPoint());
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().control, QStringLiteral("btnspin"));
    EXPECT_EQ(log.front().ev, Ev::MouseDown);

    // The bar beside the cabinet is nobody's: the press goes to the window.
    log.clear();
    QTest::mouseClick(&rig.cabinet, Qt::LeftButton, {}, QPoint(10, 600));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().control, QStringLiteral("tonvale"));

    // Tall and narrow: bars above and below, the same aspect.
    rig.cabinet.resize(600, 900);
    const QRectF tall = rig.cabinet.geometryNow().area();
    EXPECT_NEAR(tall.width(), 600.0, 1e-6);
    EXPECT_NEAR(tall.width() / tall.height(), double(MainWindow::kWidth) / MainWindow::kHeight, 1e-9);
    EXPECT_NEAR(tall.top(), (900 - tall.height()) / 2, 1e-6);
}

TEST(Cabinet, NeverSmallerThanItsCaptionsCanBeRead) {
    UiRig rig;
    rig.cabinet.resize(205, 150);
    EXPECT_GE(rig.cabinet.width(), 547);
    EXPECT_GE(rig.cabinet.height(), 392);
    // At the smallest size the lowest meter is still about ten pixels of text high.
    const qreal meter = rig.cabinet.geometryNow().rect(rig.ui().PANELBANK).height();
    EXPECT_GE(meter * 0.62, 10.0);
}

// Pixels of a reel window in a grabbed frame.
QImage reelWindow(UiRig& rig, int reel) {
    const QImage frame = rig.cabinet.grab().toImage();
    const QRect r = rig.cabinet.geometryNow().rect(rig.ui().Picture[static_cast<std::size_t>(reel)]).toRect();
    return frame.copy(r.adjusted(2, 2, -2, -2));
}

TEST(Cabinet, GrabbedFrameShowsTheReelsAtTheirStrips) {
    UiRig rig;
    MainWindow& ui = rig.ui();
    for (int r = 1; r <= 5; ++r) ui.reel[static_cast<std::size_t>(r)].top = restTop(1);
    const QImage atStop1 = reelWindow(rig, 1);

    // Symbols, not a blank ivory well: many colours, most pixels off the ivory.
    QSet<QRgb> colours;
    int offIvory = 0;
    for (int y = 0; y < atStop1.height(); ++y)
        for (int x = 0; x < atStop1.width(); ++x) {
            const QRgb px = atStop1.pixel(x, y);
            colours.insert(px);
            if (px != qRgb(0xfb, 0xf6, 0xe9)) ++offIvory;
        }
    EXPECT_GT(colours.size(), 50);
    EXPECT_GT(offIvory, atStop1.width() * atStop1.height() / 5);

    // The strip's Top decides what shows.
    ui.reel[1].top = restTop(9);
    const QImage atStop9 = reelWindow(rig, 1);
    EXPECT_NE(atStop1, atStop9);
    ui.reel[1].top = restTop(1);
    EXPECT_EQ(reelWindow(rig, 1), atStop1);

    // A cell overlay with a frame past the end of its list draws nothing and breaks nothing.
    ui.flasher[2].picture = Picture(Sheet::ImageList3, 99);
    ui.flasher[2].visible = true;
    EXPECT_EQ(reelWindow(rig, 1), atStop1);
}

TEST(Cabinet, HiddenAndDisabledControlsAreNotHit) {
    UiRig rig;
    MainWindow& ui = rig.ui();
    const QPointF spin = rig.cabinet.centreOf(ui.btnspin);
    EXPECT_EQ(rig.cabinet.controlAt(spin), &ui.btnspin);

    ui.btnspin.visible = false;
    EXPECT_EQ(rig.cabinet.controlAt(spin), &ui.panfreespin);
    std::vector<Routed> log;
    record(rig.cabinet, log);
    QTest::mouseClick(&rig.cabinet, Qt::LeftButton, {}, spin.toPoint());
    EXPECT_FALSE(contains(log, QStringLiteral("btnspin"), Ev::MouseDown));

    // A hidden container hides what it holds.
    ui.btnspin.visible = true;
    ui.panfreespin.visible = false;
    EXPECT_EQ(rig.cabinet.controlAt(spin), nullptr);
    ui.panfreespin.visible = true;

    // The gamble button starts disabled: the press falls through to the bar.
    EXPECT_FALSE(ui.btndouble.enabled);
    EXPECT_EQ(rig.cabinet.controlAt(rig.cabinet.centreOf(ui.btndouble)), &ui.panfreespin);

    // The menu's buttons are hit only while the menu is shown.
    const QPointF exitButton = rig.cabinet.centreOf(ui.xit);
    EXPECT_NE(rig.cabinet.controlAt(exitButton), &ui.xit);
    ui.menupic.visible = true;
    EXPECT_EQ(rig.cabinet.controlAt(exitButton), &ui.xit);
}

TEST(Cabinet, KeysArriveAsTheirCharacterCodes) {
    const QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    const QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    const QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    const QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(keyCodeOf(space), 32);
    EXPECT_EQ(keyCodeOf(enter), 13);
    EXPECT_EQ(keyCodeOf(letter), 65);
    EXPECT_EQ(keyCodeOf(shift), 0);
}

// Mean grey of a control's place in a grabbed frame.
double greyOf(UiRig& rig, const Control& c) {
    const QImage frame = rig.cabinet.grab().toImage();
    const QRect r = rig.cabinet.geometryNow().rect(c).toAlignedRect().adjusted(2, 2, -2, -2) & frame.rect();
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) sum += qGray(frame.pixel(x, y));
    return sum / std::max(1, r.width() * r.height());
}

TEST(Cabinet, ButtonsAPressWouldNotActOnAreDimmedAndTakeNoPress) {
    UiRig rig;
    MainWindow& ui = rig.ui();
    const double bright = greyOf(rig, ui.btnoptions);
    const double spinBright = greyOf(rig, ui.btnspin);
    // Autoplay leaves the options button enabled but its press does nothing: the
    // game's rule says so, and the cabinet paints and routes by that rule.
    rig.game.m.s.autoplaymode = 10;
    ASSERT_TRUE(ui.btnoptions.enabled);
    ASSERT_FALSE(rig.game.pressable(ui.btnoptions));
    const double dimmed = greyOf(rig, ui.btnoptions);
    EXPECT_LT(dimmed, bright * 0.75);
    // The spin button, which the rule does not refuse here, keeps its look.
    EXPECT_NEAR(greyOf(rig, ui.btnspin), spinBright, 1.0);
    std::vector<Routed> seen;
    QObject::connect(&rig.cabinet, &CabinetWidget::routed, [&seen](const QString& c, Ev ev, bool handled) {
        seen.push_back({c, ev, handled});
    });
    QTest::mouseClick(&rig.cabinet, Qt::LeftButton, {}, rig.cabinet.centreOf(ui.btnoptions).toPoint());
    ASSERT_FALSE(seen.empty());
    for (const Routed& r : seen) EXPECT_EQ(r.control, QString("tonvale"));
    EXPECT_FALSE(rig.game.options.ui.form.visible);
    // Back out of autoplay the button is bright again.
    rig.game.m.s.autoplaymode = 0;
    EXPECT_NEAR(greyOf(rig, ui.btnoptions), bright, 1.0);
}

}  // namespace
}  // namespace tonvale::testing
