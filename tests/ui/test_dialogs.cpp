// SPDX-License-Identifier: MIT
// The options, pay-table, about and advert windows, driven through the real main
// window and the real dialogs.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "core/headless.h"
#include "core/store.h"
#include "game/game.h"
#include "game/startup.h"
#include "players/options.h"
#include "players/text.h"
#include "rules/paytable.h"
#include "ui/dialogs_about.h"
#include "ui/dialogs_options.h"
#include "ui/dialogs_paytable.h"
#include "ui/gamewindow.h"
#include "ui/historydialog.h"
#include "ui/oddsdialog.h"
#include "ui/qtports.h"
#include "ui/windowrig.h"
#include "windows/auxwindows.h"
#include "windows/links.h"

// Collects the web addresses the desktop is asked to open while it lives.
class LinkRecorder : public QObject {
    Q_OBJECT
public:
    LinkRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "record"); }
    ~LinkRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QStringList opened;
public slots:
    void record(const QUrl& url) { opened << url.toString(); }
};

namespace tonvale::testing {
namespace {

// The Qt desktop with a connection and message boxes that answer at once.
class AnsweringDesktop : public QtDesktop {
public:
    Answer message(const std::string& title, const std::string& text, MsgIcon, MsgButtons) override {
        messages.push_back(title + "|" + text);
        return Answer::ok;
    }
    bool isConnected() override { return true; }
    std::vector<std::string> messages;
};

struct DialogRig : WindowRig<AnsweringDesktop> {
    DialogRig() : WindowRig(11) {}

    void clickMain(const Control& c) { click(window.cabinet(), window.cabinet().centreOf(c)); }
    // Opens the options window by its button and gives it the keyboard; false when it did not come.
    bool openOptions() {
        clickMain(ui().btnoptions);
        return window.dialogs().options().isVisible() && activate(window.dialogs().options());
    }
    // Opens the menu panel by moving over its button, then presses one of its buttons.
    void fromMenu(const Control& item) {
        QTest::mouseMove(&window.cabinet(), window.cabinet().centreOf(ui().Picture[3]).toPoint());
        QTest::mouseMove(&window.cabinet(), window.cabinet().centreOf(ui().btnopenmenu).toPoint());
        ASSERT_TRUE(ui().menupic.visible);
        clickMain(item);
    }
};

TEST(Dialogs, OptionsPickSlotNameAndSpeedThenOkBringsTheGameBack) {
    DialogRig rig;
    OptionsDialog& dialog = rig.window.dialogs().options();
    OptionsWindow& ui = rig.game.options.ui;
    MachineState& s = rig.game.m.s;

    rig.clickMain(rig.ui().btnoptions);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tonvale Options"));
    EXPECT_FALSE(rig.window.isEnabled());

    rig.clickIn(dialog, ui.machine[2]);
    EXPECT_EQ(s.playerslot, "2");
    EXPECT_TRUE(ui.machine[2].value);
    auto* slot2 = qobject_cast<QRadioButton*>(dialog.widgetOf(ui.machine[2]));
    ASSERT_NE(slot2, nullptr);
    EXPECT_TRUE(slot2->isChecked());
    // The slot switch hands the keyboard to the name box: typing goes there.
    ASSERT_EQ(dialog.focusedControl(), &ui.player1);
    QTest::keyClicks(&rig.keys(dialog), QStringLiteral("zoe"));
    EXPECT_EQ(ui.player1.caption, "zoe");
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Return);
    EXPECT_EQ(s.currentplayer, "zoe");
    EXPECT_EQ(ui.player1.caption, "");
    EXPECT_EQ(ui.machine[2].caption, "ZOE");
    EXPECT_EQ(slot2->text(), QStringLiteral("ZOE"));
    EXPECT_EQ(slot2->accessibleName(), QStringLiteral("Slot 2: ZOE"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.widgetOf(ui.player1))->text(), QString());

    rig.clickIn(dialog, ui.setspeed[2]);
    EXPECT_EQ(ui.speedlab.caption, "Current Speed =   3");

    rig.clickIn(dialog, ui.btnokplayer);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
    EXPECT_TRUE(rig.window.isVisible());
    EXPECT_EQ(s.reelspeed, 4);
    EXPECT_EQ(rig.window.windowTitle(), QStringLiteral("Current Player       ZOE"));
    EXPECT_TRUE(rig.desktop.messages.empty());
}

// Key presses of a keyboard layout that types `text`, one character a key (QTest
// knows only the keys of a Latin keyboard).
void typeKeys(QWidget& w, const QString& text) {
    for (const uint cp : text.toUcs4()) {
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
        QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, one);
        QKeyEvent up(QEvent::KeyRelease, 0, Qt::NoModifier, one);
        QCoreApplication::sendEvent(&w, &down);
        QCoreApplication::sendEvent(&w, &up);
    }
}

TEST(Dialogs, NameBoxTakesAnyAlphabetByKeysInputMethodAndPaste) {
    DialogRig rig;
    OptionsDialog& dialog = rig.window.dialogs().options();
    OptionsWindow& ui = rig.game.options.ui;
    MachineState& s = rig.game.m.s;
    rig.clickMain(rig.ui().btnoptions);
    rig.clickIn(dialog, ui.machine[3]);
    ASSERT_EQ(dialog.focusedControl(), &ui.player1);
    QWidget& box = rig.keys(dialog);
    EXPECT_TRUE(box.testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(box.inputMethodQuery(Qt::ImEnabled).toBool());

    // Keys of a Greek layout, then a character outside the 16-bit range.
    typeKeys(box, QStringLiteral("σοφία"));
    typeKeys(box, QString::fromUcs4(U"\U0001F3B5"));
    EXPECT_EQ(ui.player1.caption, "σοφία🎵");
    QTest::keyClick(&box, Qt::Key_Backspace);
    // An input method commits a whole word at once.
    QInputMethodEvent ime;
    ime.setCommitString(QStringLiteral("李"));
    QCoreApplication::sendEvent(&box, &ime);
    EXPECT_EQ(ui.player1.caption, "σοφία李");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(s.currentplayer, "σοφία李");
    EXPECT_EQ(ui.machine[3].caption, "ΣΟΦΊΑ李");

    // A paste types its characters; its line break does not stand in for Enter.
    QGuiApplication::clipboard()->setText(QStringLiteral("Иван\n"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui.player1.caption, "Иван");
    EXPECT_EQ(s.currentplayer, "σοφία李");
    // Twelve characters are a name, however many bytes they take; thirteen are not.
    QGuiApplication::clipboard()->setText(QStringLiteral("вановичвано"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(QString::fromStdString(ui.player1.caption).size(), 15);
    for (int i = 0; i < 3; ++i) QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(s.currentplayer, "Иванвановичв");
    EXPECT_TRUE(rig.desktop.messages.empty());
    typeKeys(box, QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖЖ"));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(rig.desktop.messages, (std::vector<std::string>{"Slots_Tonvale|Name Too Long"}));
    EXPECT_EQ(s.currentplayer, "Иванвановичв");
}

// The model's upper case agrees with Qt's for every character there is.
TEST(Names, UpperCaseAgreesWithQtForEveryCharacter) {
    int differ = 0;
    for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const QString one = QString::fromUcs4(&cp, 1);
        const std::string ours = upperCase(one.toStdString());
        const std::string qts = one.toUpper().toStdString();
        if (ours != qts && ++differ <= 5) ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(cp);
    }
    EXPECT_EQ(differ, 0);
}

TEST(Dialogs, OptionsWorkFromTheKeyboard) {
    DialogRig rig;
    ASSERT_TRUE(rig.openOptions());
    OptionsDialog& dialog = rig.window.dialogs().options();
    OptionsWindow& ui = rig.game.options.ui;
    ASSERT_EQ(dialog.focusedControl(), &ui.player1);

    // Tab walks the groups, each group one stop; an arrow moves the selection along a group.
    std::vector<std::string> stops;
    for (int i = 0; i < 16 && dialog.focusedControl()->name != "setspeed"; ++i) {
        QTest::keyClick(&rig.keys(dialog), Qt::Key_Tab);
        ASSERT_NE(dialog.focusedControl(), nullptr);
        stops.push_back(dialog.focusedControl()->name);
    }
    ASSERT_EQ(dialog.focusedControl()->name, "setspeed");
    EXPECT_EQ(std::count(stops.begin(), stops.end(), "machine"), 1);
    const Control* before = dialog.focusedControl();
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Right);
    const Control* after = dialog.focusedControl();
    ASSERT_NE(after, before);
    EXPECT_TRUE(after->value);
    static constexpr int kSpeeds[5] = {1, 2, 4, 8, 10};
    EXPECT_EQ(rig.game.m.s.reelspeed, kSpeeds[after->index]);

    for (int i = 0; i < 16 && dialog.focusedControl() != &ui.btnokplayer; ++i)
        QTest::keyClick(&rig.keys(dialog), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(dialog.focusedControl(), &ui.btnokplayer);
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Space);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
}

// The volume row: the slider moved by its keys and the mute box by a click and the
// space bar reach the player's volume, what the sound is told and the reading.
TEST(Dialogs, TheVolumeSliderAndMuteBoxWorkByMouseAndKeys) {
    DialogRig rig;
    ASSERT_TRUE(rig.openOptions());
    OptionsDialog& dialog = rig.window.dialogs().options();
    OptionsWindow& ui = rig.game.options.ui;
    auto* slider = qobject_cast<QSlider*>(dialog.widgetOf(ui.volume));
    auto* mute = qobject_cast<QCheckBox*>(dialog.widgetOf(ui.mute));
    auto* reading = qobject_cast<QLabel*>(dialog.widgetOf(ui.volumelab));
    ASSERT_TRUE(slider && mute && reading);
    EXPECT_EQ(slider->value(), 100);
    EXPECT_EQ(reading->text(), QStringLiteral("100 %"));

    slider->setFocus();
    struct Step {
        Qt::Key key;
        int count;
        int volume;
    } steps[] = {{Qt::Key_PageDown, 6, 40}, {Qt::Key_Left, 1, 35}, {Qt::Key_Right, 2, 45},
                 {Qt::Key_Home, 1, 0},      {Qt::Key_End, 1, 100}, {Qt::Key_PageDown, 6, 40}};
    for (const Step& st : steps) {
        for (int i = 0; i < st.count; ++i) QTest::keyClick(slider, st.key);
        EXPECT_EQ(rig.game.m.volume, st.volume) << st.key;
        EXPECT_EQ(rig.sound.volume, st.volume) << st.key;
        EXPECT_EQ(reading->text(), QString::number(st.volume) + QStringLiteral(" %"));
    }

    // On the box itself (past its caption the row is bare, as in any check box).
    QTest::mouseClick(mute, Qt::LeftButton, {}, QPoint(mute->height() / 2, mute->height() / 2));
    EXPECT_TRUE(mute->isChecked());
    EXPECT_TRUE(rig.game.m.muted);
    EXPECT_EQ(rig.sound.volume, 0);
    mute->setFocus();
    QTest::keyClick(mute, Qt::Key_Space);
    EXPECT_FALSE(mute->isChecked());
    EXPECT_FALSE(rig.game.m.muted);
    EXPECT_EQ(rig.sound.volume, 40);
    EXPECT_EQ(rig.store.read(kMainApp, "player1", kVolumeKey), "40");

    // Opened again, the window shows what the player has.
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Escape);
    ASSERT_FALSE(dialog.isVisible());
    ASSERT_TRUE(rig.openOptions());
    EXPECT_EQ(qobject_cast<QSlider*>(dialog.widgetOf(ui.volume))->value(), 40);
}

// A box ticked or an option chosen by a screen reader's toggle action (no click) reaches
// the game as a click does, and the window keeps showing it.
TEST(Dialogs, ABoxOrOptionToggledByAScreenReaderReachesTheGame) {
    DialogRig rig;
    ASSERT_TRUE(rig.openOptions());
    OptionsDialog& dialog = rig.window.dialogs().options();
    OptionsWindow& ui = rig.game.options.ui;
    auto toggle = [&](const Control& c) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dialog.widgetOf(c));
        ASSERT_TRUE(a && a->actionInterface());
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCoreApplication::processEvents();
    };
    toggle(ui.mute);
    EXPECT_TRUE(rig.game.m.muted);
    EXPECT_EQ(rig.sound.volume, 0);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(dialog.widgetOf(ui.mute))->isChecked());
    toggle(ui.mute);
    EXPECT_FALSE(rig.game.m.muted);
    EXPECT_EQ(rig.sound.volume, 100);

    toggle(ui.setspeed[3]);
    EXPECT_EQ(rig.game.m.s.reelspeed, 8);
    EXPECT_TRUE(ui.setspeed[3].value);
    EXPECT_FALSE(ui.setspeed[0].value);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(dialog.widgetOf(ui.setspeed[3]))->isChecked());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(dialog.widgetOf(ui.setspeed[0]))->isChecked());
}

// What a message box showed and whom it belonged to; `answer` presses one of its buttons.
struct SeenBox {
    QString text;
    QWidget* parent = nullptr;
    QWindow* transientParent = nullptr;
};

// Answers the next message box as soon as it is up.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.text = box->text();
        seen.parent = box->parentWidget();
        seen.transientParent = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
        box->button(answer)->click();
    });
}

// A message box raised from the options window belongs to it and stands over it,
// not over the main window behind.
TEST(Dialogs, AMessageBoxBelongsToTheWindowThatRaisedIt) {
    WindowRig<> rig(3);
    OptionsDialog& dialog = rig.window.dialogs().options();
    OptionsWindow& ui = rig.game.options.ui;
    ASSERT_TRUE(rig.game.click(rig.ui().btnoptions));
    rig.window.sync();
    ASSERT_TRUE(rig.activate(dialog));
    // The window itself stands over the main window.
    EXPECT_EQ(dialog.windowHandle()->transientParent(), rig.window.windowHandle());

    SeenBox tooLong;
    answerNextBox(tooLong, QMessageBox::Ok);
    QTest::keyClicks(&rig.keys(dialog), QStringLiteral("Thirteen char"));
    QTest::keyClick(&rig.keys(dialog), Qt::Key_Return);
    EXPECT_EQ(tooLong.text, QStringLiteral("Name Too Long"));
    EXPECT_EQ(tooLong.parent, &dialog);
    EXPECT_EQ(tooLong.transientParent, dialog.windowHandle());
    EXPECT_TRUE(dialog.isVisible());

    SeenBox question;
    answerNextBox(question, QMessageBox::No);
    rig.clickIn(dialog, ui.Btndeletedetails);
    EXPECT_TRUE(question.text.startsWith(QStringLiteral("Are you sure")));
    EXPECT_EQ(question.parent, &dialog);
    // Any answer but Yes closes the window.
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
}

// Escape closes every window as its close box does: its QueryUnload runs and the
// game comes back.
TEST(Dialogs, EscapeClosesEveryWindowAsItsCloseBoxDoes) {
    DialogRig rig;
    Dialogs& d = rig.window.dialogs();
    const auto escape = [&rig](ModelDialog& dialog) {
        rig.window.sync();
        ASSERT_TRUE(dialog.isVisible()) << dialog.windowTitle().toStdString();
        QTest::keyClick(&rig.keys(dialog), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible()) << dialog.windowTitle().toStdString();
        EXPECT_FALSE(dialog.form().visible);
    };
    rig.clickMain(rig.ui().btnoptions);
    escape(d.options());
    EXPECT_TRUE(rig.window.isEnabled());

    rig.fromMenu(rig.ui().mnuviewpaytable);
    rig.clickIn(d.paytable(), rig.game.windows.pays.cmdodds);
    escape(d.odds());
    EXPECT_TRUE(d.paytable().isVisible());
    escape(d.paytable());
    EXPECT_TRUE(rig.window.isEnabled());

    rig.fromMenu(rig.ui().about);
    escape(d.about());
    EXPECT_TRUE(rig.window.isEnabled());

    ASSERT_TRUE(rig.game.click(rig.ui().btnhistory));
    escape(d.history());
    EXPECT_TRUE(rig.window.isEnabled());

    rig.ui().form.visible = false;
    ASSERT_TRUE(rig.game.callRoutine("showAdvert"));
    escape(d.advert());
    rig.window.sync();
    EXPECT_TRUE(rig.window.isVisible());
}

TEST(Dialogs, PaytableShowsThePayTableAndItsCloseBoxEnablesTheGame) {
    DialogRig rig;
    PaytableDialog& dialog = rig.window.dialogs().paytable();
    rig.fromMenu(rig.ui().mnuviewpaytable);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("PAYTABLE"));
    EXPECT_FALSE(rig.window.isEnabled());

    std::multimap<QString, QString> drawn;
    for (const PaytableDialog::Shown& l : dialog.shownLines()) drawn.emplace(l.panel, l.text);
    const auto has = [&drawn](const QString& panel, const QString& text) {
        const auto [from, to] = drawn.equal_range(panel);
        for (auto it = from; it != to; ++it)
            if (it->second == text) return true;
        return false;
    };
    EXPECT_TRUE(has(QStringLiteral("title"), QStringLiteral("TonVale Pays")));
    EXPECT_TRUE(has(QStringLiteral("composer"), QStringLiteral("5 pays 1500")));
    EXPECT_TRUE(has(QStringLiteral("drum"), QStringLiteral("2 pays 2")));
    // Every pay of the table shows in its symbol's panel, and nothing else does.
    for (const PayRow& row : kPayTable) {
        const std::string_view n = symbolName(row.symbol);
        const QString panel = QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()));
        int expected = 0;
        for (int kind = 2; kind <= 5; ++kind) {
            const int pay = row.pays[static_cast<std::size_t>(kind - 2)];
            if (pay == 0) continue;
            ++expected;
            EXPECT_TRUE(has(panel, QStringLiteral("%1 pays %2").arg(kind).arg(pay))) << n << " " << kind;
        }
        EXPECT_EQ(static_cast<int>(drawn.count(panel)), expected + 1) << n;  // the pays and "X Bet"
    }
    for (int sum : {21, 31, 51}) {
        const auto d = decodeScatter(sum);
        ASSERT_TRUE(d);
        EXPECT_TRUE(has(QStringLiteral("scatter"), QStringLiteral("%1 scatters pay %2 X Bet + %3 free spins")
                                                       .arg(d->scatters)
                                                       .arg(d->multiple)
                                                       .arg(d->freeSpins)));
    }
    EXPECT_TRUE(has(QStringLiteral("scatter"), QStringLiteral("5 scatters pay 100 X Bet + 30 free spins")));
    // A row more: the bell with the jackpot board, and the gamble's payouts.
    EXPECT_TRUE(has(QStringLiteral("bell"), QStringLiteral("Bell")));
    EXPECT_TRUE(has(QStringLiteral("bell"), QStringLiteral("or on 10, 20 or 30 X Total Bet.")));
    EXPECT_TRUE(has(QStringLiteral("gamble"), QStringLiteral("red or black pays 2 X the stake,")));
    EXPECT_TRUE(has(QStringLiteral("gamble"), QStringLiteral("its suit pays 4 X; a wrong guess loses it.")));

    dialog.close();
    EXPECT_FALSE(rig.game.windows.pays.form.visible);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
}

TEST(Dialogs, AboutOpensTheSiteAndReturnToGameLeavesTheGamePlayable) {
    DialogRig rig;
    LinkRecorder links;
    AboutDialog& dialog = rig.window.dialogs().about();
    AboutWindow& ui = rig.game.windows.about;
    rig.fromMenu(rig.ui().about);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_FALSE(rig.window.isEnabled());

    rig.clickIn(dialog, ui.cmdvimble);
    EXPECT_EQ(links.opened, QStringList{QString::fromLatin1(links::kMakerSite)});

    rig.clickIn(dialog, ui.Picture2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
    EXPECT_TRUE(rig.window.isVisible());
    // The game takes input again: a credit press adds credit.
    const std::int32_t bank = rig.game.m.s.bank;
    rig.clickMain(rig.ui().btncredit);
    EXPECT_EQ(rig.game.m.s.bank, bank + 5000);
}

// The exit, site and mail buttons carry their icons at their left, drawn from the
// pictures the about window's model names.
TEST(Dialogs, AboutButtonsCarryTheirIcons) {
    DialogRig rig;
    AboutDialog& dialog = rig.window.dialogs().about();
    AboutWindow& ui = rig.game.windows.about;
    rig.fromMenu(rig.ui().about);
    ASSERT_TRUE(dialog.isVisible());
    const QImage withIcons = dialog.grab().toImage();
    if (const char* shot = std::getenv("TONVALE_ABOUT_SHOT")) withIcons.save(QString::fromLocal8Bit(shot));
    for (Control* button : {&ui.Btnxit, &ui.cmdvimble, &ui.cmdfeedback}) {
        SCOPED_TRACE(button->name);
        const Picture icon = button->picture;
        ASSERT_FALSE(icon.empty());
        // The icon's square at the left of the button, in view pixels.
        const QPointF centre = dialog.centreOf(*button);
        const qreal scale =
            std::min(dialog.width() / qreal(ui.form.width), dialog.height() / qreal(ui.form.height));
        const QRect square(
            QPoint(static_cast<int>(centre.x() - button->width * scale / 2),
                   static_cast<int>(centre.y() - button->height * scale / 2)),
            QSize(static_cast<int>(button->height * scale), static_cast<int>(button->height * scale)));
        button->picture.clear();
        dialog.sync();
        const QImage without = dialog.grab().toImage();
        button->picture = icon;
        dialog.sync();
        EXPECT_NE(withIcons.copy(square), without.copy(square)) << "no icon drawn";
    }
}

TEST(Dialogs, AdvertLeadsToThePartnerAndItsButtonBringsTheGameBack) {
    DialogRig rig;
    LinkRecorder links;
    AdvertDialog& dialog = rig.window.dialogs().advert();
    AdvertWindow& ui = rig.game.windows.advert;

    // The evaluation hides the game and puts up the advert after a losing run.
    rig.ui().form.visible = false;
    ASSERT_TRUE(rig.game.callRoutine("showAdvert"));
    rig.window.sync();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_FALSE(rig.window.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Play for Real Money "));

    rig.clickIn(dialog, ui.Picture1);
    ASSERT_EQ(rig.desktop.messages.size(), 1u);
    EXPECT_EQ(links.opened, QStringList{QString::fromLatin1(links::kPartnerLink)});
    EXPECT_TRUE(dialog.isVisible());

    rig.clickIn(dialog, ui.SSCommand2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
}

}  // namespace
}  // namespace tonvale::testing

#include "test_dialogs.moc"
