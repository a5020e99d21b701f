// SPDX-License-Identifier: MIT
// What the cabinet paints and when: the state before a pause is on view during it,
// and a heartbeat with nothing changing paints nothing.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>
#include <functional>

#include "offer.h"
#include "ui/uirig.h"

namespace tonvale::testing {
namespace {

// Looks at the model each time the cabinet paints, and keeps the painted areas.
class PaintWatcher : public QObject {
public:
    std::function<void()> onPaint;
    std::vector<QRect> areas;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            areas.push_back(static_cast<QPaintEvent*>(e)->rect());
            if (onPaint) onPaint();
        }
        return false;
    }
};

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

TEST(Frames, GambleLossIsOnViewThroughoutItsPause) {
    UiRig rig;
    MainWindow& ui = rig.ui();
    MachineState& s = rig.game.m.s;
    s.soundonoff = 0;
    s.winamount = 120;
    s.bank = 620;
    ui.btndouble.enabled = true;
    reportOffer(rig.game.m, 120);
    rig.game.click(ui.btndouble);
    rig.cabinet.ticked();
    settle();
    ASSERT_TRUE(ui.pandouble.visible);

    // Each paint records what it showed of the gamble panel.
    bool lossOnView = false;
    PaintWatcher watch;
    watch.onPaint = [&] {
        if (!ui.pandouble.visible || !ui.gamblelose.visible) return;
        const bool loss = ui.risklab.caption == "    No Win  " && !ui.lblsuit.visible &&
                          !ui.lblblackred.visible && !ui.betred.enabled && !ui.betblack.enabled &&
                          !ui.cancelbet.enabled;
        if (loss) lossOnView = true;
    };
    rig.cabinet.installEventFilter(&watch);
    rig.random.script({1});  // hearts: a black bet loses
    QTest::mouseClick(&rig.cabinet, Qt::LeftButton, {}, rig.cabinet.centreOf(ui.betblack).toPoint());
    rig.cabinet.removeEventFilter(&watch);

    EXPECT_FALSE(ui.pandouble.visible);  // the pause is over and the panel closed
    // The banner shows a moment before the labels change, as the game draws it;
    // the pause itself shows the whole loss.
    EXPECT_TRUE(lossOnView);
}

TEST(Frames, SleepAndWaitShowWhatChangedBeforeTheyBlock) {
    for (const bool sleeping : {true, false}) {
        SCOPED_TRACE(sleeping ? "sleep" : "wait");
        UiRig rig;
        settle();
        std::string painted;
        PaintWatcher watch;
        watch.onPaint = [&] { painted = rig.ui().lblwin.caption; };
        rig.cabinet.installEventFilter(&watch);
        rig.ui().lblwin.caption = "$ 7";
        if (sleeping)
            rig.events.sleep(1);
        else
            rig.events.wait(1);
        EXPECT_EQ(painted, "$ 7");
        rig.cabinet.removeEventFilter(&watch);
    }
}

TEST(Frames, HeartbeatWithNothingChangingPaintsOnlyTheSessionClock) {
    UiRig rig;
    rig.game.m.setTimer(TimerId::Tmrtick, true);
    settle();
    QTest::qWait(300);
    PaintWatcher watch;
    rig.cabinet.installEventFilter(&watch);
    const auto ticks = rig.game.m.s.idleticks;
    QTest::qWait(1500);
    EXPECT_GT(rig.game.m.s.idleticks, ticks + 5);  // the heartbeat ran
    // The session clock moves once a second; nothing else of the idle cabinet
    // changes, so nothing else is painted.
    EXPECT_LE(watch.areas.size(), 2u);
    const QRect clock = ViewGeometry(QSizeF(rig.cabinet.size()), 1).rect(rig.ui().lblsession).toAlignedRect();
    for (const QRect& a : watch.areas)
        EXPECT_TRUE(clock.adjusted(-4, -4, 4, 4).contains(a)) << a.x() << "," << a.y();
    rig.cabinet.removeEventFilter(&watch);
}

TEST(Frames, AChangedMeterRepaintsItsOwnAreaOnly) {
    UiRig rig;
    rig.cabinet.ticked();  // the first look paints everything
    settle();
    PaintWatcher watch;
    rig.cabinet.installEventFilter(&watch);
    rig.ui().lblwin.caption = "$ 12.5";
    rig.cabinet.ticked();
    settle();
    ASSERT_FALSE(watch.areas.empty());
    // The meter's place and the box of the cabinet picture its text is written in.
    const QRect meter =
        CabinetPainter::reach(ViewGeometry(QSizeF(rig.cabinet.size()), 1), rig.ui(), rig.ui().lblwin)
            .toAlignedRect();
    for (const QRect& a : watch.areas)
        EXPECT_TRUE(meter.adjusted(-4, -4, 4, 4).contains(a)) << a.x() << "," << a.y();
    rig.cabinet.removeEventFilter(&watch);
}

}  // namespace
}  // namespace tonvale::testing
