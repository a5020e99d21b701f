// SPDX-License-Identifier: MIT
// The help window: the game's own help text word for word, laid out as paragraphs,
// then a section with pictures for every feature; Escape closes it, and the game's
// help key opens it through the desktop and waits until it is closed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "game/game.h"
#include "game/startup.h"
#include "ui/dialogs.h"
#include "ui/helpdialog.h"
#include "ui/language.h"
#include "ui/qtports.h"
#include "ui/sprites.h"
#include "ui/theatrestyle.h"
#include "ui/uitext.h"
#include "windowrig.h"
#include "windows/auxwindows.h"

namespace tonvale {
namespace {

QStringList wordsOf(const QString& text) {
    return QString(text)
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct HelpRig {
    SpriteCache sprites;
    TheatreStyle style;
    HelpDialog help{sprites, style};
    HelpRig() { help.setHelp(kHelpTitle, kHelpText, kKeysHelp); }
};

TEST(HelpWindow, TheGamesTextWordForWordInParagraphsThenEveryFeatureWithPictures) {
    HelpRig rig;
    HelpDialog& help = rig.help;
    EXPECT_EQ(help.windowTitle(), QString::fromLatin1(kHelpTitle));
    const QStringList texts = help.texts();
    ASSERT_GE(texts.size(), 8);
    EXPECT_EQ(texts[0], QStringLiteral("How to play"));
    // Six paragraphs where the game had eleven ragged lines: its words, all of them,
    // in their order, and no line broken inside a sentence.
    const QStringList paragraphs = texts.mid(1, 6);
    EXPECT_EQ(wordsOf(paragraphs.join(QLatin1Char(' '))), wordsOf(QString::fromLatin1(kHelpText)));
    EXPECT_EQ(paragraphs[0],
              QStringLiteral(
                  "Click on 'Select Ways' to select the amount of ways you wish to play, from 3 to 243."));
    EXPECT_TRUE(paragraphs[1].contains(QStringLiteral("those on the centre of all other reels, therefore")));
    EXPECT_TRUE(paragraphs[2].endsWith(QStringLiteral("243 ways ie. 3 X 3 X 3 X 3 X 3 = 243 ways")));
    EXPECT_EQ(paragraphs[3],
              QStringLiteral("Clicking on 'Select Bet' will simply toggle your bet 1,2,5,10 or 20 ."));
    for (const QString& p : paragraphs)
        EXPECT_FALSE(p.contains(QLatin1Char('\r')) || p.contains(QLatin1Char('\n')));
    EXPECT_EQ(texts[7], QStringLiteral("Keys"));
    EXPECT_EQ(texts[8], QString::fromLatin1(kKeysHelp));

    // A section for every feature, in the order of a game's life.
    const QStringList headings = help.headings();
    const QStringList features = {QStringLiteral("Bells and the jackpot board"),
                                  QStringLiteral("Scatters and free spins"),
                                  QStringLiteral("The gamble"),
                                  QStringLiteral("HISTORY"),
                                  QStringLiteral("SESSION"),
                                  QStringLiteral("Play limits"),
                                  QStringLiteral("Reduced motion"),
                                  QStringLiteral("Safer play")};
    EXPECT_EQ(headings.mid(2), features);
    const QString all = texts.join(QLatin1Char(' '));
    for (const char* fact :
         {"GRAND, MAJOR or MINOR", "3 scatters pay 2 X Bet + 10 free spins", "2, 3, 5 or 10",
          "pays 2 times the stake", "pays 4 times", "dashed line", "Reality Check", "2.5 seconds"})
        EXPECT_TRUE(all.contains(QString::fromLatin1(fact))) << fact;

    // The pictures: the bell and the board, the scatter, the wild and the four
    // multipliers, the four suits; each drawn and named for a screen reader.
    QStringList named;
    for (const QLabel* l : help.findChildren<QLabel*>()) {
        if (l->pixmap().isNull()) continue;
        EXPECT_FALSE(l->accessibleName().isEmpty());
        named << l->accessibleName();
    }
    EXPECT_EQ(named.size(), 12) << named.join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(named.contains(QStringLiteral("The jackpot board")));
    EXPECT_TRUE(named.contains(QStringLiteral("Multiplier 10")));
}

TEST(HelpWindow, EscapeAndCloseCloseIt) {
    for (const bool byEscape : {true, false}) {
        HelpRig rig;
        rig.help.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&rig.help));
        if (byEscape)
            QTest::keyClick(&rig.help, Qt::Key_Escape);
        else
            rig.help.findChild<QPushButton*>(QStringLiteral("helpclose"))->click();
        EXPECT_FALSE(rig.help.isVisible()) << byEscape;
    }
}

// In every language the game's translated text falls into whole sentences, and the
// window's own words are translated.
TEST(HelpWindow, EveryLanguageKeepsWholeSentences) {
    for (const char* code : {"de", "fr", "es", "ru"}) {
        setLanguage(QString::fromLatin1(code));
        HelpRig rig;
        // The translation's own lines are its sentences: each a paragraph, none broken,
        // no word lost.
        const QString translated = ui::modelText(kHelpText);
        const QStringList paragraphs = HelpDialog::paragraphsOf(translated);
        EXPECT_GE(paragraphs.size(), 6) << code;
        EXPECT_EQ(wordsOf(paragraphs.join(QLatin1Char(' '))),
                  wordsOf(QString(translated).replace(QLatin1Char('\n'), QLatin1Char(' '))))
            << code;
        for (const QString& p : paragraphs)
            EXPECT_TRUE(p.endsWith(QLatin1Char('.'))) << code << ": " << p.toStdString();
        EXPECT_NE(rig.help.texts()[0], QStringLiteral("How to play")) << code;
        EXPECT_NE(rig.help.windowTitle(), QString::fromLatin1(kHelpTitle)) << code;
    }
    setLanguage(QStringLiteral("en"));
}

// The game's help button asks the desktop, which shows the help window over the
// game (as GameWindow wires it) and returns once the player has closed it.
TEST(HelpWindow, TheHelpButtonOpensItAndWaitsUntilItIsClosed) {
    testing::WindowRig<> rig(3);
    rig.desktop.setHelpWindow(
        [&rig](const std::string& title, const std::string& text, const std::string& keys) {
            rig.window.dialogs().showHelp(title, text, keys);
        });
    HelpDialog& help = rig.window.dialogs().help();
    bool shown = false, modal = false;
    QTimer::singleShot(100, &help, [&] {
        shown = help.isVisible();
        modal = help.isModal();
        QTest::keyClick(&help, Qt::Key_Escape);
    });
    rig.game.mouseMove(rig.game.m.ui.btnopenmenu);
    ASSERT_TRUE(rig.game.click(rig.game.m.ui.btnhelp));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.texts().value(1).left(8), QStringLiteral("Click on"));
}

}  // namespace
}  // namespace tonvale
