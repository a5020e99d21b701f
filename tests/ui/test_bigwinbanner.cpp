// SPDX-License-Identifier: MIT
// The big-win banner in the window: shown once for each celebration the game asks
// for, counting up (or whole at once under reduced motion), skipped by a click or
// the space bar (which then starts no spin), gone when the game moves on.
#include <gtest/gtest.h>

#include <QTest>

#include "ui/bigwinbanner.h"
#include "ui/uirig.h"

namespace tonvale {
namespace {

using testing::UiRig;

void celebrate(UiRig& rig, BigWin tier, std::int32_t amount) {
    Celebration& c = rig.game.m.celebration;
    c = {tier, amount, c.count + 1};
    rig.cabinet.refresh();
}

TEST(BigWinBanner, ShowsEachCelebrationOnceAndCountsUpToTheAmount) {
    UiRig rig;
    BigWinBanner& banner = rig.cabinet.bigWinBanner();
    EXPECT_FALSE(banner.showing());
    celebrate(rig, BigWin::huge, 80000);
    ASSERT_TRUE(banner.showing());
    EXPECT_EQ(banner.tier(), BigWin::huge);
    EXPECT_LT(banner.shownAmount(), 80000);  // counting up
    EXPECT_TRUE(banner.geometry().intersects(rig.cabinet.rect()));
    QTest::qWait(BigWinBanner::countMs(BigWin::huge) + 200);
    EXPECT_EQ(banner.shownAmount(), 80000);
    QTest::qWait(BigWinBanner::kHoldMs + 200);
    EXPECT_FALSE(banner.showing());
    // Looking again does not show the same celebration twice.
    rig.cabinet.refresh();
    EXPECT_FALSE(banner.showing());
}

TEST(BigWinBanner, AClickOrTheSpaceBarSkipsItAndStartsNothing) {
    UiRig rig;
    rig.game.m.s.soundonoff = 0;
    BigWinBanner& banner = rig.cabinet.bigWinBanner();
    rig.game.m.s.bank = 5000;
    celebrate(rig, BigWin::big, 400);
    ASSERT_TRUE(banner.showing());
    QTest::keyClick(&rig.cabinet, Qt::Key_Space);
    EXPECT_FALSE(banner.showing());
    EXPECT_EQ(rig.game.m.s.games, 0);  // the space bar spun nothing

    celebrate(rig, BigWin::mega, 2000);
    ASSERT_TRUE(banner.showing());
    QTest::mouseClick(&banner, Qt::LeftButton);
    EXPECT_FALSE(banner.showing());
    EXPECT_EQ(rig.game.m.s.games, 0);
}

TEST(BigWinBanner, UnderReducedMotionTheWholeAmountAtOnce) {
    UiRig rig;
    rig.game.m.reducedMotion = true;
    BigWinBanner& banner = rig.cabinet.bigWinBanner();
    celebrate(rig, BigWin::mega, 150000);
    ASSERT_TRUE(banner.showing());
    EXPECT_EQ(banner.shownAmount(), 150000);
    const QImage first = banner.grab().toImage();
    QTest::qWait(300);
    EXPECT_EQ(banner.grab().toImage(), first);  // held still
}

TEST(BigWinBanner, GoesWhenTheGambleOpens) {
    UiRig rig;
    BigWinBanner& banner = rig.cabinet.bigWinBanner();
    celebrate(rig, BigWin::big, 400);
    ASSERT_TRUE(banner.showing());
    rig.ui().pandouble.visible = true;
    rig.cabinet.refresh();
    EXPECT_FALSE(banner.showing());
}

}  // namespace
}  // namespace tonvale
