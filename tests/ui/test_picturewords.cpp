// SPDX-License-Identifier: MIT
// The words of the pictures: each stands in its picture as a placeholder, fits its
// box in English at the size it was drawn at, and is set in the player's language.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <map>
#include <set>

#include "ui/language.h"
#include "ui/picturewords.h"
#include "ui/sprites.h"

namespace tonvale {
namespace {

QByteArray pictureFile(const QString& stem) {
    QFile f(QStringLiteral(":/pictures/%1.svg").arg(stem));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(PictureWords, EveryPlaceholderHasItsWordAndEveryWordItsPlace) {
    std::map<QString, std::set<int>> table;
    for (const picturewords::Word& w : picturewords::kWords) {
        EXPECT_TRUE(table[QString::fromUtf8(w.picture)].insert(w.id).second) << w.picture << " " << w.id;
    }
    static const QRegularExpression placeholder(QStringLiteral("<g id=\"word-(\\d+)\"/>"));
    std::map<QString, std::set<int>> files;
    const QStringList names = QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.svg")});
    ASSERT_GT(names.size(), 100);
    for (const QString& name : names) {
        const QString stem = name.chopped(4);
        auto it = placeholder.globalMatch(QString::fromUtf8(pictureFile(stem)));
        while (it.hasNext()) files[stem].insert(it.next().captured(1).toInt());
    }
    EXPECT_EQ(files, table);
    // The pictures that hold words number them from 1 in paint order.
    for (const auto& [stem, ids] : table) {
        EXPECT_EQ(*ids.begin(), 1) << stem.toStdString();
        EXPECT_EQ(*ids.rbegin(), static_cast<int>(ids.size())) << stem.toStdString();
    }
}

TEST(PictureWords, InEnglishEveryWordFitsItsBoxAtItsOwnSize) {
    setLanguage(QStringLiteral("en"));
    for (const picturewords::Word& w : picturewords::kWords) {
        EXPECT_EQ(wordText(w), QString::fromUtf8(w.source.text));
        EXPECT_EQ(fittedWordSize(w, wordText(w)), w.size) << w.picture << " '" << w.source.text << "'";
    }
}

TEST(PictureWords, ALongerWordShrinksToItsBoxAndNoFurther) {
    const picturewords::Word& spin = [] {
        for (const picturewords::Word& w : picturewords::kWords)
            if (std::string_view(w.picture) == "btn_spin") return w;
        return picturewords::kWords[0];
    }();
    ASSERT_STREQ(spin.picture, "btn_spin");
    const double once = fittedWordSize(spin, QStringLiteral("SPIN"));
    const double twice = fittedWordSize(spin, QStringLiteral("SPIN SPIN SPIN"));
    EXPECT_EQ(once, spin.size);
    EXPECT_LT(twice, spin.size);
    // Shrunk in proportion to the width, a hair under the exact fit.
    EXPECT_GT(twice, spin.size * 0.25);
    const double fitsAgain =
        fittedWordSize(spin, QStringLiteral("SPIN SPIN SPIN") + QString(200, QLatin1Char('W')));
    EXPECT_LT(fitsAgain, twice);
    EXPECT_GT(fitsAgain, 0);
}

TEST(PictureWords, TheWordsAreSetInThePlayersLanguage) {
    setLanguage(QStringLiteral("xa"));
    for (const picturewords::Word& w : picturewords::kWords) {
        const QString text = wordText(w);
        EXPECT_TRUE(text.startsWith(QChar(0x27E6))) << w.source.text;
        // The test language runs 40 % longer: the word shrinks, and still fits.
        EXPECT_LE(fittedWordSize(w, text), w.size) << w.picture << " " << w.source.text;
    }
    const QByteArray spin = withWords(QStringLiteral("btn_spin"), pictureFile(QStringLiteral("btn_spin")));
    EXPECT_FALSE(spin.contains("<g id=\"word-")) << spin.constData();
    EXPECT_TRUE(QString::fromUtf8(spin).contains(QChar(0x27E6)));
    EXPECT_TRUE(QSvgRenderer(spin).isValid());
    setLanguage(QStringLiteral("en"));
    EXPECT_TRUE(
        withWords(QStringLiteral("btn_spin"), pictureFile(QStringLiteral("btn_spin"))).contains(">SPIN<"));
}

TEST(PictureWords, TheCacheDrawsAPictureAnewWhenTheLanguageChanges) {
    SpriteCache cache;
    const QString path = QStringLiteral(":/pictures/btn_spin.svg");
    setLanguage(QStringLiteral("en"));
    const QImage english = cache.get(path, QSize(218, 108), 1).toImage();
    setLanguage(QStringLiteral("de"));
    const QImage german = cache.get(path, QSize(218, 108), 1).toImage();
    setLanguage(QStringLiteral("en"));
    const QImage again = cache.get(path, QSize(218, 108), 1).toImage();
    EXPECT_NE(english, german);
    EXPECT_EQ(english, again);
}

}  // namespace
}  // namespace tonvale
