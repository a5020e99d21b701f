// SPDX-License-Identifier: MIT
#include "ui/helpdialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "core/picture.h"
#include "rules/symbols.h"
#include "ui/dialogs_paint.h"
#include "ui/dialogs_paytable.h"
#include "ui/identity.h"
#include "ui/sprites.h"
#include "ui/symbolnames.h"
#include "ui/theatrestyle.h"
#include "ui/uitext.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

// The text sizes of the window, in pixels: its words and its headings.
constexpr int kBody = 13, kHead = 15;

QFont textFont(int px, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// The ivory sheet the help is written on, with a gold rim.
class IvorySheet : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), kIvory);
    }
};

}  // namespace

HelpDialog::HelpDialog(SpriteCache& sprites, TheatreStyle& style, QWidget* parent)
    : QDialog(parent), sprites_(sprites), style_(style) {
    // Closing it never ends the game.
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("tonvalehelp"));
    setStyle(&style_);
    setWindowIcon(gameIcon());
    setModal(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kVelvetLo);
    pal.setColor(QPalette::WindowText, kInk);
    pal.setColor(QPalette::Button, kWalnut);
    pal.setColor(QPalette::ButtonText, kGoldHi);
    setPalette(pal);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(22, 22, 22, 14);
    outer->setSpacing(12);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("helptext"));
    scroll_->setStyle(&style_);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("helpclose"));
    close_->setStyle(&style_);
    close_->setFont(textFont(kBody, true));
    close_->setMinimumSize(130, 34);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close_);
    outer->addLayout(buttons);
    resize(660, 600);
}

void HelpDialog::setHelp(const std::string& title, const std::string& text, const std::string& keys) {
    title_ = title;
    text_ = text;
    keys_ = keys;
    rebuild();
}

QStringList HelpDialog::paragraphsOf(const QString& text) {
    // The game broke its lines where its box was full, inside sentences. A paragraph
    // ends with a line that ends a sentence, or that is followed by a line starting
    // with a capital (the "243 ways" before "Clicking on"); the lines of a paragraph
    // are joined with one blank unless the line already ends with one.
    QString all = text;
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = all.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList out;
    QString current;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!current.isEmpty() && !current.endsWith(QLatin1Char(' '))) current += QLatin1Char(' ');
        current += lines[i];
        const QString trimmed = lines[i].trimmed();
        const QChar last = trimmed.isEmpty() ? QChar() : trimmed.back();
        const bool sentence =
            last == QLatin1Char('.') || last == QLatin1Char('!') || last == QLatin1Char('?');
        const QString next = i + 1 < lines.size() ? lines[i + 1].trimmed() : QString();
        const bool capital = !next.isEmpty() && next.front().isUpper() && last != QLatin1Char(',');
        if (next.isEmpty() || sentence || capital) {
            out << current.trimmed();
            current.clear();
        }
    }
    return out;
}

std::vector<HelpDialog::Section> HelpDialog::featureSections() {
    std::vector<Section> out;
    out.push_back({QCoreApplication::translate("Help", "Bells and the jackpot board"),
                   {QCoreApplication::translate(
                        "Help",
                        "Three bells on reels 1, 2 and 3 in one spin (not in free spins) bring down the "
                        "jackpot board. A ball runs round its 16 prize fields and stops on one drawn at "
                        "random: the GRAND, MAJOR or MINOR jackpot, or 10, 20 or 30 times your total bet."),
                    QCoreApplication::translate(
                        "Help",
                        "The three jackpots at the top of the cabinet grow with every paid spin. A jackpot "
                        "that is paid starts again: the GRAND at $ 20000, the MAJOR at $ 2000, the MINOR at "
                        "$ 20.")}});
    Section free{QCoreApplication::translate("Help", "Scatters and free spins"), {}};
    free.paragraphs << PaytablePicture::scatterLines().join(QStringLiteral(". ")) + QLatin1Char('.');
    free.paragraphs << QCoreApplication::translate(
        "Help",
        "The free spins play by themselves at no cost. Each one multiplies its wins by "
        "2, 3, 5 or 10, drawn anew for every spin and shown over the wilds. When the "
        "series ends, TAKE WIN collects its total, which you may then gamble.");
    out.push_back(free);
    out.push_back({QCoreApplication::translate("Help", "The gamble"),
                   {QCoreApplication::translate(
                       "Help",
                       "After a win, GAMBLE stakes the win on the next card drawn. Its colour, red or "
                       "black, pays 2 times the stake; its suit, hearts, clubs, diamonds or spades, pays "
                       "4 times. A wrong guess loses the stake. After a right guess you may gamble the "
                       "new amount again or collect it with TAKE WIN. The strip under the card shows the "
                       "suits of the last five cards.")}});
    out.push_back({QCoreApplication::translate("Help", "HISTORY"),
                   {QCoreApplication::translate(
                        "Help",
                        "HISTORY (key H) lists your last games. Choose one to see its reels, what paid, "
                        "its free spins, jackpot and gamble, and the credit before and after it."),
                    QCoreApplication::translate(
                        "Help",
                        "Its three plots set your results against the odds: the return, the free-spin "
                        "series and the jackpots per paid spin. The solid line is yours, the dashed line "
                        "is what the game's odds give, and the band shows where 99 of 100 players' results "
                        "would lie after as many games.")}});
    out.push_back({QCoreApplication::translate("Help", "SESSION"),
                   {QCoreApplication::translate(
                       "Help",
                       "The SESSION meter above OPTIONS and MENU shows how long you have played since the "
                       "game started or the player changed, and what you have won or lost in that time. "
                       "Credit inserted does not count as a win.")}});
    out.push_back({QCoreApplication::translate("Help", "Play limits"),
                   {QCoreApplication::translate(
                       "Help",
                       "The Play Limits column of OPTIONS keeps your limits with your player. A Reality "
                       "Check every 15, 30 or 60 minutes stops before the next spin to show your time and "
                       "your result, and asks whether to go on. Autoplay Spins ends autoplay after 10, 25, "
                       "50 or 100 spins; the Autoplay Loss Limit ends it once the run has lost $ 10, $ 25, "
                       "$ 50 or $ 100.")}});
    out.push_back({QCoreApplication::translate("Help", "Reduced motion"),
                   {QCoreApplication::translate(
                       "Help",
                       "With Reduced Motion ON in OPTIONS the animations hold still: winning symbols, "
                       "wilds, scatters, bells and the jackpot board each keep one picture. The game, its "
                       "timing and its sounds stay the same.")}});
    out.push_back({QCoreApplication::translate("Help", "Safer play"),
                   {QCoreApplication::translate(
                       "Help",
                       "Safer Play in OPTIONS (off until you choose it, kept with your player) follows the "
                       "rules set for online slots: no autoplay; every game lasts at least 2.5 seconds from "
                       "the press to the result; a return not above the stake is shown without a win sound, "
                       "flashing or counting up; the SESSION meter stays in view; and a Reality Check comes "
                       "every 60 minutes unless you chose another interval. The pays and the odds are the "
                       "same.")}});
    return out;
}

QLabel* HelpDialog::words(const QString& text, bool isHeading) {
    // A heading stands off the paragraph above it; a paragraph can be selected.
    auto* label = new QLabel(text, sheet_);
    label->setStyle(&style_);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(textFont(isHeading ? kHead : kBody, isHeading));
    colour(label, isHeading ? kHeading : kInk);
    if (isHeading) {
        label->setContentsMargins(0, 10, 0, 0);
        headings_.push_back(label);
    } else {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    column_->addWidget(label);
    texts_.push_back(label);
    return label;
}

QLabel* HelpDialog::heading(const QString& text) { return words(text, true); }

QLabel* HelpDialog::paragraph(const QString& text) { return words(text, false); }

void HelpDialog::pictures(const std::vector<std::pair<QString, QString>>& pathsAndNames) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    const qreal dpr = devicePixelRatioF();
    for (const auto& [path, name] : pathsAndNames) {
        auto* label = new QLabel(sheet_);
        const bool board = path == picturePath(Picture(Sheet::jackpot_board));
        const QSize size = board ? QSize(96, 64) : QSize(44, 44);
        QPixmap pm = sprites_.get(path,
                                  QSize(static_cast<int>(std::lround(size.width() * dpr)),
                                        static_cast<int>(std::lround(size.height() * dpr))),
                                  dpr);
        label->setPixmap(pm);
        label->setFixedSize(size);
        label->setAccessibleName(name);
        label->setToolTip(name);
        row->addWidget(label);
    }
    row->addStretch(1);
    column_->addLayout(row);
}

void HelpDialog::pictures(const std::vector<std::pair<Picture, QString>>& picturesAndNames) {
    std::vector<std::pair<QString, QString>> paths;
    for (const auto& [picture, name] : picturesAndNames) paths.emplace_back(picturePath(picture), name);
    pictures(paths);
}

void HelpDialog::rebuild() {
    const QString title = ui::modelText(title_);
    setWindowTitle(title);
    close_->setText(QCoreApplication::translate("Help", "Close"));
    close_->setAccessibleName(close_->text());
    headings_.clear();
    texts_.clear();
    delete scroll_->takeWidget();
    sheet_ = new IvorySheet;
    sheet_->setObjectName(QStringLiteral("helpsheet"));
    sheet_->setAccessibleName(title.trimmed());
    column_ = new QVBoxLayout(sheet_);
    column_->setContentsMargins(22, 14, 22, 22);
    column_->setSpacing(7);

    const auto tile = [](Symbol s) { return resourcePath(symbolTile(s)); };
    heading(QCoreApplication::translate("Help", "How to play"));
    for (const QString& p : paragraphsOf(ui::modelText(text_))) paragraph(p);
    heading(QCoreApplication::translate("Help", "Keys"));
    paragraph(ui::modelText(keys_));

    const std::vector<Section> sections = featureSections();
    for (const Section& s : sections) {
        heading(s.heading);
        if (s.heading == sections[0].heading)
            pictures(std::vector<std::pair<QString, QString>>{
                {tile(Symbol::bell), ui::symbolWords(Symbol::bell)},
                {picturePath(Picture(Sheet::jackpot_board)),
                 QCoreApplication::translate("Help", "The jackpot board")}});
        else if (s.heading == sections[1].heading) {
            std::vector<std::pair<QString, QString>> shown{
                {tile(Symbol::scatter), ui::symbolWords(Symbol::scatter)},
                {tile(Symbol::wild), ui::symbolWords(Symbol::wild)}};
            for (const int m : {2, 3, 5, 10})
                shown.emplace_back(picturePath(Picture(Sheet::ImageList3, multiplierTopFrame(m))),
                                   QCoreApplication::translate("Help", "Multiplier %1").arg(m));
            pictures(shown);
        } else if (s.heading == sections[2].heading) {
            std::vector<std::pair<Picture, QString>> suits;
            for (int card = kFirstSuit; card < kFirstSuit + 4; ++card)
                suits.emplace_back(Picture(Sheet::imagelistcards, card),
                                   ui::suitWords(card - kFirstSuit + 1));
            pictures(suits);
        }
        for (const QString& p : s.paragraphs) paragraph(p);
    }
    column_->addStretch(1);
    scroll_->setWidget(sheet_);
    scroll_->viewport()->setAutoFillBackground(false);
}

QStringList HelpDialog::headings() const {
    QStringList out;
    for (const QLabel* l : headings_) out << l->text();
    return out;
}

QStringList HelpDialog::texts() const {
    QStringList out;
    for (const QLabel* l : texts_) out << l->text();
    return out;
}

void HelpDialog::paintEvent(QPaintEvent*) {
    // Velvet round a walnut band trimmed in gold, as the other windows' sheets.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    velvet(p, rect());
    const QRectF sheet = QRectF(scroll_->geometry()).adjusted(-12, -12, 12, 12);
    walnutSheet(p, sheet, 1.0 / 15);
}

void HelpDialog::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange && !text_.empty()) rebuild();
}

}  // namespace tonvale
