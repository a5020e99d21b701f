// SPDX-License-Identifier: MIT
// The options, pay-table, about and advert windows, driven through the real main
// window and the real dialogs.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QObject>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "core/headless.h"
#include "game/game.h"
#include "game/startup.h"
#include "players/options.h"
#include "players/text.h"
#include "rules/paytable.h"
#include "ui/dialogs_about.h"
#include "ui/dialogs_options.h"
#include "ui/dialogs_paytable.h"
#include "ui/gamewindow.h"
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
    // The slot switch hands the keyboard to the name box: typing goes there.
    ASSERT_EQ(dialog.focusedControl(), &ui.player1);
    QTest::keyClicks(&dialog, QStringLiteral("zoe"));
    EXPECT_EQ(ui.player1.caption, "zoe");
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(s.currentplayer, "zoe");
    EXPECT_EQ(ui.player1.caption, "");
    EXPECT_EQ(ui.machine[2].caption, "ZOE");

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
    EXPECT_TRUE(dialog.testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(dialog.inputMethodQuery(Qt::ImEnabled).toBool());

    // Keys of a Greek layout, then a character outside the 16-bit range.
    typeKeys(dialog, QStringLiteral("σοφία"));
    typeKeys(dialog, QString::fromUcs4(U"\U0001F3B5"));
    EXPECT_EQ(ui.player1.caption, "σοφία🎵");
    QTest::keyClick(&dialog, Qt::Key_Backspace);
    // An input method commits a whole word at once.
    QInputMethodEvent ime;
    ime.setCommitString(QStringLiteral("李"));
    QCoreApplication::sendEvent(&dialog, &ime);
    EXPECT_EQ(ui.player1.caption, "σοφία李");
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(s.currentplayer, "σοφία李");
    EXPECT_EQ(ui.machine[3].caption, "ΣΟΦΊΑ李");

    // A paste types its characters; its line break does not stand in for Enter.
    QGuiApplication::clipboard()->setText(QStringLiteral("Иван\n"));
    QTest::keyClick(&dialog, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui.player1.caption, "Иван");
    EXPECT_EQ(s.currentplayer, "σοφία李");
    // Twelve characters are a name, however many bytes they take; thirteen are not.
    QGuiApplication::clipboard()->setText(QStringLiteral("вановичвано"));
    QTest::keyClick(&dialog, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(QString::fromStdString(ui.player1.caption).size(), 15);
    for (int i = 0; i < 3; ++i) QTest::keyClick(&dialog, Qt::Key_Backspace);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(s.currentplayer, "Иванвановичв");
    EXPECT_TRUE(rig.desktop.messages.empty());
    typeKeys(dialog, QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖЖ"));
    QTest::keyClick(&dialog, Qt::Key_Return);
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
    OptionsDialog& dialog = rig.window.dialogs().options();
    OptionsWindow& ui = rig.game.options.ui;
    rig.clickMain(rig.ui().btnoptions);
    ASSERT_TRUE(dialog.isVisible());
    ASSERT_EQ(dialog.focusedControl(), &ui.player1);

    // Tab walks the groups; an arrow moves the selection along a group.
    for (int i = 0; i < 12 && dialog.focusedControl()->name != "setspeed"; ++i)
        QTest::keyClick(&dialog, Qt::Key_Tab);
    ASSERT_EQ(dialog.focusedControl()->name, "setspeed");
    const Control* before = dialog.focusedControl();
    QTest::keyClick(&dialog, Qt::Key_Right);
    const Control* after = dialog.focusedControl();
    ASSERT_NE(after, before);
    EXPECT_TRUE(after->value);
    static constexpr int kSpeeds[5] = {1, 2, 4, 8, 10};
    EXPECT_EQ(rig.game.m.s.reelspeed, kSpeeds[after->index]);

    for (int i = 0; i < 12 && dialog.focusedControl() != &ui.btnokplayer; ++i)
        QTest::keyClick(&dialog, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(dialog.focusedControl(), &ui.btnokplayer);
    QTest::keyClick(&dialog, Qt::Key_Space);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(rig.window.isEnabled());
}

TEST(Dialogs, PaytableShowsThePayTableAndItsCloseBoxEnablesTheGame) {
    DialogRig rig;
    PaytableDialog& dialog = rig.window.dialogs().paytable();
    rig.fromMenu(rig.ui().mnuviewpaytable);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("PAYTABLE"));
    EXPECT_FALSE(rig.window.isEnabled());

    (void)dialog.grab();
    std::multimap<QString, QString> drawn;
    for (const PaytablePicture::Line& l : dialog.picture().drawn()) drawn.emplace(l.panel, l.text);
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
        const QImage without = dialog.grab().toImage();
        button->picture = icon;
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
