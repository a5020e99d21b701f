// SPDX-License-Identifier: MIT
#include "ui/dialogs_paytable.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <map>

#include "core/picture.h"
#include "game/game.h"
#include "rules/paytable.h"
#include "ui/dialogs_paint.h"
#include "ui/symbolnames.h"
#include "ui/theatrestyle.h"
#include "windows/auxwindows.h"

namespace tonvale {

namespace {

const QColor kRedBorder(0xc0, 0x1a, 0x1a);
const QColor kTitle(0x7a, 0x14, 0x28);

// The free-spin awards and stake multiples of three, four and five scatters, as the
// evaluation decodes the scatter sums.
std::map<int, ScatterDecode> scatterAwards() {
    std::map<int, ScatterDecode> out;
    for (int sum = 0; sum <= 200; ++sum)
        if (const auto d = decodeScatter(sum)) out.emplace(d->scatters, *d);
    return out;
}

constexpr qreal kLeft = 12, kInnerWidth = PaytablePicture::kWidth - 24, kGap = 6;
constexpr qreal kSpecialTop = 254, kSpecialHeight = 114, kScatterWidth = 262;
constexpr qreal kFeatureTop = 374, kFeatureHeight = 104;

}  // namespace

QStringList PaytablePicture::payLines(int payingIndex) {
    QStringList out;
    const PayRow& row = kPayTable[static_cast<std::size_t>(payingIndex)];
    for (int kind = 5; kind >= 2; --kind) {
        const int pay = row.pays[static_cast<std::size_t>(kind - 2)];
        if (pay > 0) out << QCoreApplication::translate("Paytable", "%1 pays %2").arg(kind).arg(pay);
    }
    return out;
}

QStringList PaytablePicture::scatterLines() {
    QStringList out;
    for (const auto& [count, d] : scatterAwards())
        out << QCoreApplication::translate("Paytable", "%1 scatters pay %2 X Bet + %3 free spins")
                   .arg(count)
                   .arg(d.multiple)
                   .arg(d.freeSpins);
    out << QCoreApplication::translate("Paytable", "Scatters pay from left to right only");
    return out;
}

QStringList PaytablePicture::wildLines() {
    return {
        QCoreApplication::translate("Paytable", "Found on reels 2 and 4 only."),
        QCoreApplication::translate("Paytable", "Stands in for all other symbols."),
        QCoreApplication::translate("Paytable", "Can multiply a win by a random amount during free spins.")};
}

QStringList PaytablePicture::bellLines() {
    return {QCoreApplication::translate("Paytable", "3 bells on reels 1, 2 and 3 bring the jackpot board."),
            QCoreApplication::translate("Paytable", "Its ball stops on the GRAND, MAJOR or MINOR jackpot"),
            QCoreApplication::translate("Paytable", "or on 10, 20 or 30 X Total Bet.")};
}

QStringList PaytablePicture::gambleLines() {
    return {QCoreApplication::translate("Paytable", "Gamble a win on the next card:"),
            QCoreApplication::translate("Paytable", "red or black pays 2 X the stake,"),
            QCoreApplication::translate("Paytable", "its suit pays 4 X; a wrong guess loses it.")};
}

std::vector<PaytablePicture::Panel> PaytablePicture::panels() {
    std::vector<Panel> out;
    // Nine paying symbols: five panels, then four wider ones.
    for (int i = 0; i < kPayingSymbols; ++i) {
        const bool first = i < 5;
        const int column = first ? i : i - 5;
        const int columns = first ? 5 : 4;
        const qreal w = (kInnerWidth - kGap * (columns - 1)) / columns;
        const qreal x = kLeft + column * (w + kGap);
        const qreal y = first ? 48 : 151;
        const Symbol symbol = kPayTable[static_cast<std::size_t>(i)].symbol;
        const std::string_view n = symbolName(symbol);
        out.push_back({QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size())), symbol,
                       QRectF(x, y, w, 97), QRectF(x + 5, y + 5, 34, 34)});
    }
    const qreal wx = kLeft + kScatterWidth + kGap, ww = kInnerWidth - kScatterWidth - kGap;
    out.push_back({QStringLiteral("scatter"), Symbol::scatter,
                   QRectF(kLeft, kSpecialTop, kScatterWidth, kSpecialHeight),
                   QRectF(kLeft + 5, kSpecialTop + 5, 36, 36)});
    out.push_back({QStringLiteral("wild"), Symbol::wild, QRectF(wx, kSpecialTop, ww, kSpecialHeight),
                   QRectF(wx + 5, kSpecialTop + 5, 36, 36)});
    out.push_back({QStringLiteral("bell"), Symbol::bell,
                   QRectF(kLeft, kFeatureTop, kScatterWidth, kFeatureHeight),
                   QRectF(kLeft + 5, kFeatureTop + 5, 36, 36)});
    out.push_back({QStringLiteral("gamble"), Symbol::bell, QRectF(wx, kFeatureTop, ww, kFeatureHeight),
                   QRectF(wx + 5, kFeatureTop + 5, 36, 36),
                   picturePath(Picture(Sheet::imagelistcards, kFirstSuit))});
    return out;
}

std::vector<PaytablePicture::Line> PaytablePicture::lines() {
    using palette::kHeading;
    using palette::kInk;
    std::vector<Line> out;
    // The title leaves the top right corner to the ODDS and close buttons (from 336 on).
    Line title{QStringLiteral("title"),
               QCoreApplication::translate("Paytable", "TonVale Pays"),
               QRectF(12, 8, 318, 36),
               kTitle,
               26,
               true};
    title.title = true;
    out.push_back(title);
    const std::vector<Panel> all = panels();
    for (int i = 0; i < kPayingSymbols; ++i) {
        const Panel& panel = all[static_cast<std::size_t>(i)];
        const QRectF& b = panel.box;
        out.push_back({panel.name, QCoreApplication::translate("Paytable", "X Bet"),
                       QRectF(b.x() + 44, b.y() + 5, b.width() - 48, 34), kHeading, 13, true});
        const QStringList pays = payLines(i);
        for (int l = 0; l < pays.size(); ++l)
            out.push_back({panel.name, pays[l],
                           QRectF(b.x() + 8, b.y() + 41 + l * 13.5, b.width() - 14, 13.5), kInk, 11.5});
    }
    const Panel& scatter = all[kPayingSymbols];
    const QRectF& s = scatter.box;
    out.push_back({scatter.name, QCoreApplication::translate("Paytable", "Scatter"),
                   QRectF(s.x() + 48, s.y() + 5, s.width() - 54, 36), kHeading, 13, true});
    const QStringList scatterText = scatterLines();
    for (int l = 0; l < scatterText.size(); ++l) {
        const bool last = l + 1 == scatterText.size();
        out.push_back({scatter.name, scatterText[l],
                       QRectF(s.x() + 8, s.y() + 45 + l * 16, s.width() - 14, 16), last ? kHeading : kInk,
                       10.5, last});
    }
    const Panel& wild = all[kPayingSymbols + 1];
    const QRectF& w = wild.box;
    out.push_back({wild.name, QCoreApplication::translate("Paytable", "Wild"),
                   QRectF(w.x() + 48, w.y() + 5, w.width() - 54, 36), kHeading, 13, true});
    const QStringList wildText = wildLines();
    out.push_back({wild.name, wildText[0], QRectF(w.x() + 8, w.y() + 45, w.width() - 14, 16), kInk, 10.5});
    out.push_back({wild.name, wildText[1], QRectF(w.x() + 8, w.y() + 61, w.width() - 14, 16), kInk, 10.5});
    // The last line is long: it takes two rows.
    Line last{wild.name, wildText[2], QRectF(w.x() + 8, w.y() + 77, w.width() - 14, 34), kInk, 10.5};
    last.wraps = true;
    out.push_back(last);
    // The bell and the gamble: a heading beside the tile, three lines under it.
    for (const Panel* feature : {&all[kPayingSymbols + 2], &all[kPayingSymbols + 3]}) {
        const QRectF& f = feature->box;
        const bool bell = feature->name == QLatin1String("bell");
        out.push_back({feature->name,
                       bell ? QCoreApplication::translate("Paytable", "Bell")
                            : QCoreApplication::translate("Paytable", "Gamble"),
                       QRectF(f.x() + 48, f.y() + 5, f.width() - 54, 36), kHeading, 13, true});
        const QStringList text = bell ? bellLines() : gambleLines();
        for (int l = 0; l < text.size(); ++l)
            out.push_back({feature->name, text[l], QRectF(f.x() + 8, f.y() + 45 + l * 16, f.width() - 14, 16),
                           kInk, 10.5});
    }
    return out;
}

void PaytablePicture::paint(QPainter& p, const QRectF& target, SpriteCache& sprites, qreal dpr) {
    const qreal scale = target.width() / kWidth;
    const auto map = [&](const QRectF& r) {
        return QRectF(target.left() + r.x() * scale, target.top() + r.y() * scale, r.width() * scale,
                      r.height() * scale);
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(target, Qt::white);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRedBorder, 5 * scale));
    p.drawRect(map(QRectF(3.5, 3.5, kWidth - 7, kHeight - 7)));
    for (const Panel& panel : panels()) {
        const QRectF r = map(panel.box);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, dialogpaint::kIvory);
        g.setColorAt(1, dialogpaint::kIvoryShadow);
        p.setBrush(g);
        p.setPen(QPen(dialogpaint::kGold, std::max<qreal>(1, 1.5 * scale)));
        p.drawRoundedRect(r, 5 * scale, 5 * scale);
        const QRectF t = map(panel.tile);
        const QSize px(static_cast<int>(std::lround(t.width() * dpr)),
                       static_cast<int>(std::lround(t.height() * dpr)));
        const QPixmap pm = sprites.get(
            panel.picture.isEmpty() ? resourcePath(symbolTile(panel.symbol)) : panel.picture, px, dpr);
        if (!pm.isNull())
            p.drawPixmap(QPointF(std::round(t.left() * dpr) / dpr, std::round(t.top() * dpr) / dpr), pm);
    }
    p.restore();
}

PaytableDialog::PaytableDialog(Game& game, SpriteCache& sprites, TheatreStyle& style)
    : ModelDialog(game, game.windows.pays, game.windows.pays.form, sprites, style), ui_(game.windows.pays) {
    build();
    // Each panel is a group named after its symbol, holding its words; a screen
    // reader meets the title, the panels in the picture's order, then the buttons.
    const std::vector<PaytablePicture::Panel> panels = PaytablePicture::panels();
    for (const PaytablePicture::Line& line : PaytablePicture::lines()) {
        QWidget* parent = this;
        for (const auto& [panel, group] : panels_)
            if (panel.name == line.panel) parent = group;
        if (parent == this)
            for (const PaytablePicture::Panel& panel : panels)
                if (panel.name == line.panel) {
                    auto* group = new QGroupBox(this);
                    group->setStyle(&style_);
                    group->setProperty(framelook::kProperty, QString::fromLatin1(framelook::kSheet));
                    group->setObjectName(panel.name);
                    panels_.emplace_back(panel, group);
                    parent = group;
                }
        auto* label = new QLabel(line.text, parent);
        label->setStyle(&style_);
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(line.panel);
        label->setWordWrap(line.wraps);
        label->setAlignment(
            line.title ? Qt::AlignCenter
                       : (line.wraps ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, line.colour);
        label->setPalette(pal);
        labels_.push_back({line, label});
    }
    // The buttons stand over the picture's words.
    for (const Control* c : {&ui_.Command1, &ui_.cmdodds})
        if (QWidget* button = widgetOf(*c)) button->raise();
    retranslate();
    placeLines();
}

void PaytableDialog::retranslate() {
    // The lines come in the same order in every language.
    const std::vector<PaytablePicture::Line> lines = PaytablePicture::lines();
    for (std::size_t i = 0; i < lines.size() && i < labels_.size(); ++i) {
        labels_[i].line = lines[i];
        labels_[i].label->setText(lines[i].text);
    }
    for (auto& [panel, group] : panels_)
        static_cast<QGroupBox*>(group)->setTitle(panel.name == QLatin1String("gamble")
                                                     ? QCoreApplication::translate("Paytable", "Gamble")
                                                     : ui::symbolHeading(panel.symbol));
}

std::vector<PaytableDialog::Shown> PaytableDialog::shownLines() const {
    std::vector<Shown> out;
    for (const Placed& p : labels_)
        if (p.label->isVisibleTo(this)) out.push_back({p.line.panel, p.label->text()});
    return out;
}

void PaytableDialog::resizeEvent(QResizeEvent* e) {
    ModelDialog::resizeEvent(e);
    placeLines();
}

void PaytableDialog::placeLines() {
    const QRectF area = geometryNow().area();
    const qreal scale = area.width() / PaytablePicture::kWidth;
    const auto map = [&](const QRectF& r) {
        return QRectF(area.left() + r.x() * scale, area.top() + r.y() * scale, r.width() * scale,
                      r.height() * scale)
            .toAlignedRect();
    };
    for (const auto& [panel, group] : panels_) group->setGeometry(map(panel.box));
    for (const Placed& p : labels_) {
        QRect r = map(p.line.box);
        if (QWidget* group = p.label->parentWidget(); group != this) r.translate(-group->pos());
        p.label->setGeometry(r);
        QFont f(p.line.title ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
        f.setBold(p.line.bold);
        f.setItalic(p.line.title);
        f.setPixelSize(std::max(1, static_cast<int>(p.line.size * scale)));
        p.label->setFont(f);
    }
}

void PaytableDialog::paintBackground(QPainter& p, const ViewGeometry& g) {
    PaytablePicture::paint(p, g.area(), sprites_, g.dpr());
}

}  // namespace tonvale
