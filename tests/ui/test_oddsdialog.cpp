// SPDX-License-Identifier: MIT
// The odds page through the real windows: the pay table's ODDS button opens it,
// it paints its figures, and it closes back to the pay table.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/headless.h"
#include "game/game.h"
#include "game/startup.h"
#include "ui/dialogs_paytable.h"
#include "ui/gamewindow.h"
#include "ui/oddsdialog.h"
#include "ui/qtports.h"
#include "ui/windowrig.h"
#include "windows/auxwindows.h"

namespace tonvale::testing {
namespace {

struct OddsRig : WindowRig<> {
    OddsRig() : WindowRig(5) {}
};

TEST(OddsDialog, OddsButtonOpensThePageOverThePayTableAndCloseGoesBack) {
    OddsRig rig;
    PaytableDialog& pays = rig.window.dialogs().paytable();
    OddsDialog& odds = rig.window.dialogs().odds();
    OddsWindow& page = rig.game.windows.odds.ui;

    rig.game.mouseMove(rig.ui().btnopenmenu);
    ASSERT_TRUE(rig.game.click(rig.ui().mnuviewpaytable));
    rig.window.sync();
    ASSERT_TRUE(pays.isVisible());
    EXPECT_FALSE(odds.isVisible());

    rig.clickIn(pays, rig.game.windows.pays.cmdodds);
    ASSERT_TRUE(odds.isVisible());
    EXPECT_TRUE(pays.isVisible());
    EXPECT_FALSE(rig.window.isEnabled());
    EXPECT_EQ(odds.windowTitle(), QStringLiteral("ODDS"));
    EXPECT_FALSE(page.lblpaidspin.caption.empty());

    // The figures are painted: without their words the value labels' places look
    // different.
    const QImage shot = odds.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    std::vector<std::string> words;
    const std::array<Control*, 3> figures = {&page.lblpaidspin, &page.lblhit, &page.lblmaxwin};
    for (Control* c : figures) words.push_back(std::exchange(c->caption, std::string()));
    odds.sync();
    const QImage blank = odds.grab().toImage();
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const QRect band = odds.geometryNow().rect(*figures[i]).toAlignedRect();
        EXPECT_GT(differing(shot, blank, band), 0.03) << figures[i]->name;
        figures[i]->caption = words[i];
    }

    // The page takes the keyboard on its close button; Space closes it.
    EXPECT_EQ(odds.focusedControl(), &page.cmdclose);
    QTest::keyClick(&rig.keys(odds), Qt::Key_Space);
    EXPECT_FALSE(odds.isVisible());
    EXPECT_TRUE(pays.isVisible());
    EXPECT_FALSE(rig.window.isEnabled());

    // Opened again and closed by its button, then the pay table's close box.
    rig.clickIn(pays, rig.game.windows.pays.cmdodds);
    ASSERT_TRUE(odds.isVisible());
    rig.clickIn(odds, page.cmdclose);
    EXPECT_FALSE(odds.isVisible());
    rig.clickIn(pays, rig.game.windows.pays.cmdodds);
    ASSERT_TRUE(odds.isVisible());
    pays.close();
    EXPECT_FALSE(odds.isVisible());
    EXPECT_FALSE(pays.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
}

}  // namespace
}  // namespace tonvale::testing
