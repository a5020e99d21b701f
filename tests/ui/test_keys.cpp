// SPDX-License-Identifier: MIT
// The cabinet from the keyboard and through the accessibility tree.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "eval/spinsearch.h"
#include "rules/money.h"
#include "spin/spincycle.h"
#include "ui/menupanel.h"
#include "ui/symbolnames.h"
#include "ui/uirig.h"
#include "windows/auxwindows.h"
#include "windows/history.h"

namespace tonvale::testing {
namespace {

QAccessibleInterface* childNamed(QAccessibleInterface* root, const QString& name) {
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->text(QAccessible::Name) == name) return root->child(i);
    return nullptr;
}

// The accessibility events a cabinet sends, as a bridge gets them.
struct HeardEvents {
    explicit HeardEvents(CabinetWidget& cabinet) : cabinet_(cabinet) {
        cabinet.narrator().watch([this](QAccessibleEvent& e) {
            QAccessibleInterface* iface = e.accessibleInterface();
            events.push_back({e.type(), iface ? iface->text(QAccessible::Name) : QString()});
        });
    }
    ~HeardEvents() { cabinet_.narrator().watch({}); }
    bool heard(QAccessible::Event type, const QString& name) const {
        for (const auto& [t, n] : events)
            if (t == type && n == name) return true;
        return false;
    }
    CabinetWidget& cabinet_;
    std::vector<std::pair<QAccessible::Event, QString>> events;
};

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

// HISTORY is a stop of the Tab ring, and H opens the history.
TEST(Keys, HistoryIsInTheTabRingWithItsKey) {
    UiRig rig;
    rig.game.m.s.soundonoff = 0;
    std::vector<const Control*> ring;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(&rig.cabinet, Qt::Key_Tab);
        ring.push_back(rig.cabinet.focusedControl());
    }
    EXPECT_NE(std::find(ring.begin(), ring.end(), &rig.ui().btnhistory), ring.end());
    QTest::keyClick(&rig.cabinet, Qt::Key_H);
    EXPECT_TRUE(rig.game.history.isOpen());
}

// M is a click on the menu's button: it opens the menu and closes it again, also
// with the keyboard on the menu's buttons; P and F1 open their window and close it.
TEST(Keys, MTogglesTheMenuAndAWindowOpenedClosesIt) {
    UiRig rig;
    rig.game.m.s.soundonoff = 0;
    MainWindow& ui = rig.ui();
    MenuPanel& menu = rig.cabinet.menuPanel();
    QWidget* window = rig.cabinet.window();
    QTest::keyClick(&rig.cabinet, Qt::Key_M);
    ASSERT_TRUE(menu.isVisible());
    ASSERT_EQ(window->focusWidget(), menu.buttonFor(ui.about));
    QTest::keyClick(window->focusWidget(), Qt::Key_M);
    EXPECT_FALSE(ui.menupic.visible);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(window->focusWidget(), &rig.cabinet);

    QTest::keyClick(&rig.cabinet, Qt::Key_M);
    ASSERT_TRUE(menu.isVisible());
    QTest::keyClick(window->focusWidget(), Qt::Key_P);
    EXPECT_TRUE(rig.game.windows.pays.form.visible);
    EXPECT_FALSE(ui.menupic.visible);
    EXPECT_FALSE(menu.isVisible());
    rig.game.callRoutine("tonvalepays:QueryUnload");
    rig.cabinet.refresh();

    QTest::keyClick(&rig.cabinet, Qt::Key_M);
    ASSERT_TRUE(menu.isVisible());
    QTest::keyClick(window->focusWidget(), Qt::Key_F1);
    EXPECT_EQ(rig.desktop.messages.size(), 1u);
    EXPECT_FALSE(ui.menupic.visible);
    EXPECT_FALSE(menu.isVisible());
}

// The menu panel is push buttons: M opens it with the keyboard on its first button,
// the arrows move and Enter presses, a click presses, Escape closes it.
TEST(Keys, TheMenusPushButtonsTakeTheKeyboard) {
    UiRig rig;
    rig.game.m.s.soundonoff = 0;
    MainWindow& ui = rig.ui();
    MenuPanel& menu = rig.cabinet.menuPanel();
    EXPECT_FALSE(menu.isVisible());
    QTest::keyClick(&rig.cabinet, Qt::Key_M);
    ASSERT_TRUE(ui.menupic.visible);
    EXPECT_TRUE(menu.isVisible());
    QWidget* window = rig.cabinet.window();
    EXPECT_EQ(window->focusWidget(), menu.buttonFor(ui.about));
    EXPECT_EQ(menu.buttonFor(ui.about)->text(), QStringLiteral("About"));
    QTest::keyClick(window->focusWidget(), Qt::Key_Down);
    QTest::keyClick(window->focusWidget(), Qt::Key_Down);
    ASSERT_EQ(window->focusWidget(), menu.buttonFor(ui.btnhelp));
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    ASSERT_EQ(rig.desktop.messages.size(), 1u);
    EXPECT_EQ(rig.desktop.messages.back().title, kHelpTitle);

    QTest::keyClick(&rig.cabinet, Qt::Key_M);
    QTest::mouseClick(menu.buttonFor(ui.mnuviewpaytable), Qt::LeftButton);
    EXPECT_TRUE(rig.game.windows.pays.form.visible);
    // The window in front closed the menu; behind it the game is disabled and M
    // opens nothing.
    EXPECT_FALSE(menu.isVisible());
    QTest::keyClick(&rig.cabinet, Qt::Key_M);
    EXPECT_FALSE(menu.isVisible());
    rig.game.callRoutine("tonvalepays:QueryUnload");
    rig.cabinet.refresh();

    QTest::keyClick(&rig.cabinet, Qt::Key_M);
    ASSERT_TRUE(menu.isVisible());
    EXPECT_TRUE(menu.buttonFor(ui.about)->isEnabled());
    QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(ui.menupic.visible);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(window->focusWidget(), &rig.cabinet);
}

// A screen reader presses a button through its action and reads a meter's amount
// as its text.
TEST(Access, ButtonsPressByTheirActionAndMetersReadTheirAmounts) {
    UiRig rig;
    rig.game.m.s.soundonoff = 0;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&rig.cabinet);
    QAccessibleInterface* insert = childNamed(root, QStringLiteral("Insert $50"));
    QAccessibleInterface* credit = childNamed(root, QStringLiteral("Credit"));
    ASSERT_TRUE(insert && credit);
    ASSERT_NE(insert->actionInterface(), nullptr);
    EXPECT_EQ(insert->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(insert->text(QAccessible::Description), QStringLiteral("Key: I"));
    EXPECT_EQ(credit->actionInterface(), nullptr);
    ASSERT_NE(credit->textInterface(), nullptr);
    const std::int32_t bank = rig.game.m.s.bank;
    insert->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The press runs once the reader's call has returned.
    EXPECT_EQ(rig.game.m.s.bank, bank);
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.game.m.s.bank, bank + 5000);
    QAccessibleTextInterface* amount = credit->textInterface();
    EXPECT_EQ(amount->text(0, amount->characterCount()), QString::fromStdString(money(bank + 5000)));
    EXPECT_EQ(rig.cabinet.narrator().said(),
              QStringLiteral("Credit %1.").arg(QString::fromStdString(money(bank + 5000))));
    // The session meter and HISTORY are there too; the menu's buttons are the menu panel's.
    EXPECT_NE(childNamed(root, QStringLiteral("Session")), nullptr);
    EXPECT_NE(childNamed(root, QStringLiteral("History")), nullptr);
    EXPECT_EQ(childNamed(root, QStringLiteral("About")), nullptr);
    QAccessibleInterface* menu = childNamed(root, QStringLiteral("Menu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->role(), QAccessible::Button);
    QAccessibleInterface* panel = root->child(root->childCount() - 1);
    ASSERT_EQ(panel->object(), &rig.cabinet.menuPanel());
    EXPECT_EQ(panel->parent(), root);
    EXPECT_EQ(root->indexOfChild(panel), root->childCount() - 1);
}

// After a spin the reels read their symbols and the win is said with what paid.
TEST(Access, AfterASpinTheReelsReadAndTheWinIsSaidWithWhatPaid) {
    UiRig rig;
    MachineState& s = rig.game.m.s;
    s.soundonoff = 0;
    rig.game.press(rig.ui().btncredit);
    // One symbol pays, no scatter, no bells, and not above twice the stake (no redraw).
    const auto spin = findSpin(25, 1, [](const Trial& t) {
        return t.pays.pays.size() == 1 && !t.pays.scatter && t.pays.win <= 50 && t.bells == 0;
    });
    ASSERT_TRUE(spin);
    const auto& [a, b, c, d, e] = spin->stops;
    rig.random.script({a, b, spin->bellcoin, c, d, e});
    HeardEvents heard(rig.cabinet);
    QTest::keyClick(&rig.cabinet, Qt::Key_S);
    ASSERT_EQ(s.games, 1);

    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&rig.cabinet);
    for (int reel = 1; reel <= 5; ++reel) {
        QStringList symbols;
        for (Symbol sym : visibleSymbols(reel, spin->stops[static_cast<std::size_t>(reel - 1)]))
            symbols << ui::symbolWords(sym);
        const QString name = QStringLiteral("Reel %1: %2").arg(reel).arg(symbols.join(QStringLiteral(", ")));
        if (reel == 3 && name.contains(QStringLiteral("bell"))) continue;  // the logo tile reads as the logo
        EXPECT_NE(childNamed(root, name), nullptr) << name.toStdString();
        EXPECT_TRUE(heard.heard(QAccessible::NameChanged, name)) << name.toStdString();
    }
    const SymbolPay& paid = spin->pays.pays.front();
    const QString ways = paid.ways == 1 ? QStringLiteral("1 way") : QStringLiteral("%1 ways").arg(paid.ways);
    const QString said =
        QStringLiteral("Win %1: %2, %3, %4. Credit %5.")
            .arg(QString::fromStdString(money(spin->pays.win)), ui::symbolWords(paid.symbol), ways,
                 QString::fromStdString(money(paid.pay)), QString::fromStdString(money(s.bank)));
    EXPECT_EQ(rig.cabinet.narrator().said(), said);
    QAccessibleInterface* note = nullptr;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->role() == QAccessible::Notification) note = root->child(i);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(QAccessible::Name), said);
    EXPECT_TRUE(heard.heard(QAccessible::ObjectShow, said));
    // The credit meter told its change.
    EXPECT_TRUE(heard.heard(QAccessible::TextUpdated, QStringLiteral("Credit")));
}

// As the ring moves, the button it is on gets the focus, as a screen reader hears it.
TEST(Access, TheRingsMovesAreFocusEvents) {
    UiRig rig;
    rig.cabinet.activateWindow();
    rig.cabinet.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&rig] { return rig.cabinet.hasFocus(); }));
    HeardEvents heard(rig.cabinet);
    QTest::keyClick(&rig.cabinet, Qt::Key_Tab);
    QTest::keyClick(&rig.cabinet, Qt::Key_Tab);
    EXPECT_TRUE(heard.heard(QAccessible::Focus, QStringLiteral("Insert $50")));
    EXPECT_TRUE(heard.heard(QAccessible::Focus, QStringLiteral("Select ways")));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&rig.cabinet);
    QAccessibleInterface* ways = childNamed(root, QStringLiteral("Select ways"));
    ASSERT_NE(ways, nullptr);
    EXPECT_TRUE(ways->state().focused);
    EXPECT_TRUE(ways->state().focusable);
    EXPECT_EQ(root->focusChild(), ways);
}

}  // namespace
}  // namespace tonvale::testing
