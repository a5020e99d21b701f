// SPDX-License-Identifier: MIT
// A click on spin runs a whole spin through the real view and event ports.
#include <gtest/gtest.h>

#include <QTest>

#include "rules/strips.h"
#include "ui/uirig.h"

namespace tonvale::testing {
namespace {

TEST(Cabinet, SpinClickRunsASpinShownFrameByFrame) {
    UiRig rig;
    MainWindow& ui = rig.ui();
    MachineState& s = rig.game.m.s;
    QTest::mouseClick(&rig.cabinet, Qt::LeftButton, {}, rig.cabinet.centreOf(ui.btncredit).toPoint());
    ASSERT_EQ(s.bank, 5000);
    ASSERT_EQ(ui.PANELBANK.caption, "5000");

    const int paintsBefore = rig.counter.paints;
    QTest::mouseClick(&rig.cabinet, Qt::LeftButton, {}, rig.cabinet.centreOf(ui.btnspin).toPoint());

    EXPECT_EQ(s.games, 1);
    EXPECT_EQ(s.wager, 25);
    const std::int16_t stops[6] = {0, s.reelstop1, s.reelstop2, s.reelstop3, s.reelstop4, s.reelstop5};
    for (int r = 1; r <= 5; ++r) {
        ASSERT_GE(stops[r], 1);
        ASSERT_LE(stops[r], 22);
        EXPECT_EQ(ui.reel[static_cast<std::size_t>(r)].top, restTop(stops[r])) << "reel " << r;
    }
    // The run is painted move by move while the handler runs, not once at its end.
    EXPECT_GT(rig.counter.paints - paintsBefore, 100);
    // The meters show the credit after the stake and any win.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.game.m.timerEnabled(TimerId::Timerwincounter); }, 10000));
    EXPECT_EQ(s.bank, 5000 - 25 + s.winamount);
    EXPECT_EQ(ui.PANELBANK.caption, std::to_string(s.bank));
    EXPECT_TRUE(ui.btnspin.visible);
}

}  // namespace
}  // namespace tonvale::testing
