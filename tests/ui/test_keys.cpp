// SPDX-License-Identifier: MIT
// The cabinet from the keyboard and through the accessibility tree.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "spin/spincycle.h"
#include "ui/uirig.h"

namespace tonvale::testing {
namespace {

QAccessibleInterface* childNamed(QAccessibleInterface* root, const QString& name) {
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->text(QAccessible::Name) == name) return root->child(i);
    return nullptr;
}

TEST(Keys, ShortcutsPressTheCabinetsButtons) {
    UiRig rig;
    MachineState& s = rig.game.m.s;
    s.soundonoff = 0;
    const i32 bank = s.bank;
    QTest::keyClick(&rig.cabinet, Qt::Key_I);  // insert $50
    EXPECT_EQ(s.bank, bank + 5000);
    const auto ways = s.waysfactor;
    QTest::keyClick(&rig.cabinet, Qt::Key_W);
    EXPECT_NE(s.waysfactor, ways);
    // The first bet press gives bet 1 again, the second bet 2.
    QTest::keyClick(&rig.cabinet, Qt::Key_B);
    QTest::keyClick(&rig.cabinet, Qt::Key_B);
    EXPECT_EQ(s.bet, 2);
    // S spins: the stake leaves the credit.
    const i32 before = s.bank;
    QTest::keyClick(&rig.cabinet, Qt::Key_S);
    EXPECT_EQ(s.games, 1);
    EXPECT_LE(s.bank - before, s.winamount);
    // M opens the menu; Escape closes it.
    QTest::keyClick(&rig.cabinet, Qt::Key_M);
    EXPECT_TRUE(rig.ui().menupic.visible);
    QTest::keyClick(&rig.cabinet, Qt::Key_Escape);
    EXPECT_FALSE(rig.ui().menupic.visible);
    // F1 shows the help, with the keys.
    QTest::keyClick(&rig.cabinet, Qt::Key_F1);
    ASSERT_FALSE(rig.desktop.messages.empty());
    EXPECT_NE(rig.desktop.messages.back().text.find("S or Enter spin"), std::string::npos);
}

TEST(Keys, TheSpaceBarKeepsTheGamesOwnRule) {
    UiRig rig;
    MachineState& s = rig.game.m.s;
    s.soundonoff = 0;
    s.bank = 5000;
    // The game's rule counts key presses and spins on every space it takes.
    QTest::keyClick(&rig.cabinet, Qt::Key_Space);
    EXPECT_EQ(s.games, 1);
    EXPECT_EQ(s.keycount, 0);
}

// A key is a whole click: the button shows again (pressable or dimmed) at the first
// moment its press lets events in, as after a quick click of the mouse, not only
// once the press's handler is over, which for SPIN is the whole spin and for AUTO
// ON/OFF the notice and autoplay's first spin.
TEST(Keys, AKeyIsAWholeClickSoTheButtonShowsWhileItsPressRuns) {
    UiRig rig;
    MachineState& s = rig.game.m.s;
    s.soundonoff = 0;
    s.bank = 5000;
    std::vector<std::pair<bool, bool>> atSpinStart;  // SPIN shown, AUTO ON/OFF shown
    rig.game.spin.onSpinStart = [&] {
        atSpinStart.emplace_back(rig.ui().btnspin.visible, rig.ui().autoplayon.visible);
    };
    QTest::keyClick(&rig.cabinet, Qt::Key_S);
    QTest::keyClick(&rig.cabinet, Qt::Key_Return);
    ASSERT_EQ(atSpinStart.size(), 2u);
    EXPECT_TRUE(atSpinStart[0].first);
    EXPECT_TRUE(atSpinStart[1].first);
    EXPECT_FALSE(rig.ui().btnspin.enabled && rig.game.spin.spinning());

    // A with the one-time notice: AUTO ON/OFF, the button that stops autoplay, stays
    // in sight through the notice and the run.
    QTest::keyClick(&rig.cabinet, Qt::Key_A);
    ASSERT_EQ(rig.desktop.messages.size(), 1u);
    EXPECT_EQ(rig.desktop.messages[0].title, "Slots_Tonvale");
    ASSERT_GE(atSpinStart.size(), 3u);  // autoplay may have spun again meanwhile
    for (std::size_t i = 2; i < atSpinStart.size(); ++i) EXPECT_TRUE(atSpinStart[i].second) << i;
    EXPECT_EQ(s.autoplaymode, 10);
    EXPECT_TRUE(rig.ui().autoplayon.visible);
    EXPECT_TRUE(rig.cabinet.pressable(rig.ui().autoplayon));
    QTest::keyClick(&rig.cabinet, Qt::Key_A);
    EXPECT_EQ(s.autoplaymode, 0);
    EXPECT_TRUE(rig.ui().autoplayon.visible);
}

TEST(Keys, TabMovesAFocusRingOverThePressableButtonsAndEnterPressesIt) {
    UiRig rig;
    rig.cabinet.setFocus();
    rig.game.m.s.soundonoff = 0;
    QCoreApplication::processEvents();
    std::vector<const Control*> seen;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(&rig.cabinet, Qt::Key_Tab);
        ASSERT_NE(rig.cabinet.focusedControl(), nullptr);
        EXPECT_TRUE(rig.cabinet.focusedControl()->live());
        seen.push_back(rig.cabinet.focusedControl());
    }
    EXPECT_EQ(seen[0], &rig.ui().btncredit);
    // The ring comes round again; GAMBLE (not pressable now) is passed over.
    EXPECT_NE(std::find(seen.begin() + 1, seen.end(), seen[0]), seen.end());
    EXPECT_EQ(std::find(seen.begin(), seen.end(), &rig.ui().btndouble), seen.end());
    QTest::keyClick(&rig.cabinet, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(&rig.cabinet, Qt::Key_Tab, Qt::ShiftModifier);
    rig.cabinet.setFocusedControl(&rig.ui().btncredit);
    const i32 bank = rig.game.m.s.bank;
    QTest::keyClick(&rig.cabinet, Qt::Key_Return);
    EXPECT_EQ(rig.game.m.s.bank, bank + 5000);
    // The ring is painted: the frame differs with and without it.
    const QImage with = rig.cabinet.grab().toImage();
    rig.cabinet.setFocusedControl(nullptr);
    const QImage without = rig.cabinet.grab().toImage();
    EXPECT_NE(with, without);
}

TEST(Access, ScreenReadersFindTheButtonsAndTheMetersWithTheirAmounts) {
    UiRig rig;
    rig.game.m.s.soundonoff = 0;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&rig.cabinet);
    ASSERT_NE(root, nullptr);
    ASSERT_GT(root->childCount(), 20);

    QAccessibleInterface* spin = childNamed(root, QStringLiteral("Spin"));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->role(), QAccessible::Button);
    EXPECT_FALSE(spin->state().disabled);
    EXPECT_EQ(spin->text(QAccessible::Accelerator), QStringLiteral("S or Enter"));
    EXPECT_EQ(spin->parent(), root);
    EXPECT_EQ(root->indexOfChild(spin), root->indexOfChild(childNamed(root, QStringLiteral("Spin"))));

    QAccessibleInterface* gamble = childNamed(root, QStringLiteral("Gamble"));
    ASSERT_NE(gamble, nullptr);
    EXPECT_TRUE(gamble->state().disabled);  // no win to gamble yet

    QAccessibleInterface* credit = childNamed(root, QStringLiteral("Credit"));
    ASSERT_NE(credit, nullptr);
    EXPECT_EQ(credit->role(), QAccessible::StaticText);
    const QString before = credit->text(QAccessible::Value);
    rig.game.press(rig.ui().btncredit);
    EXPECT_NE(credit->text(QAccessible::Value), before);
    EXPECT_EQ(credit->text(QAccessible::Value),
              QString::fromStdString(rig.ui().Lblcredit.caption).simplified());
    EXPECT_TRUE(credit->text(QAccessible::Value).startsWith(QStringLiteral("$")));

    // The red bet lies on the closed gamble panel: out of sight.
    QAccessibleInterface* red = childNamed(root, QStringLiteral("Bet on red"));
    ASSERT_NE(red, nullptr);
    EXPECT_TRUE(red->state().invisible);
    // A point on the spin button finds it.
    const QPoint at = rig.cabinet.mapToGlobal(rig.cabinet.centreOf(rig.ui().btnspin).toPoint());
    EXPECT_EQ(root->childAt(at.x(), at.y()), spin);
}

}  // namespace
}  // namespace tonvale::testing
