// SPDX-License-Identifier: MIT
#include "ui/dialogs_paytable.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <map>

#include "game/game.h"
#include "rules/paytable.h"
#include "ui/dialogs_paint.h"
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

QString symbolTitle(Symbol s) {
    const std::string_view n = symbolName(s);
    return QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()));
}

}  // namespace

QStringList PaytablePicture::payLines(int payingIndex) {
    QStringList out;
    const PayRow& row = kPayTable[static_cast<std::size_t>(payingIndex)];
    for (int kind = 5; kind >= 2; --kind) {
        const int pay = row.pays[static_cast<std::size_t>(kind - 2)];
        if (pay > 0) out << QStringLiteral("%1 pays %2").arg(kind).arg(pay);
    }
    return out;
}

QStringList PaytablePicture::scatterLines() {
    QStringList out;
    for (const auto& [count, d] : scatterAwards())
        out << QStringLiteral("%1 scatters pay %2 X Bet + %3 free spins")
                   .arg(count)
                   .arg(d.multiple)
                   .arg(d.freeSpins);
    out << QStringLiteral("Scatters pay from left to right only");
    return out;
}

QStringList PaytablePicture::wildLines() {
    return {QStringLiteral("Found on reels 2 and 4 only."),
            QStringLiteral("Stands in for all other symbols."),
            QStringLiteral("Can multiply a win by a random amount during free spins.")};
}

QRectF PaytablePicture::map(qreal x, qreal y, qreal w, qreal h) const {
    return QRectF(target_.left() + x * scale_, target_.top() + y * scale_, w * scale_, h * scale_);
}

void PaytablePicture::text(QPainter& p, const QString& panelName, const QRectF& box, const QString& words,
                           const QColor& colour, qreal size, bool bold, bool centred) {
    drawn_.push_back({panelName, words});
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(bold);
    qreal px = size * scale_;
    f.setPixelSize(std::max(1, static_cast<int>(px)));
    const QRectF r = map(box.x(), box.y(), box.width(), box.height());
    for (int i = 0; i < 6; ++i) {
        const qreal w = QFontMetricsF(f).horizontalAdvance(words);
        if (w <= r.width() || px <= 4) break;
        px = std::max<qreal>(4, std::floor(px * r.width() / w));
        f.setPixelSize(static_cast<int>(px));
    }
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft), words);
}

void PaytablePicture::panel(QPainter& p, const QRectF& box) {
    const QRectF r = map(box.x(), box.y(), box.width(), box.height());
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, dialogpaint::kIvory);
    g.setColorAt(1, dialogpaint::kIvoryShadow);
    p.setBrush(g);
    p.setPen(QPen(dialogpaint::kGold, std::max<qreal>(1, 1.5 * scale_)));
    p.drawRoundedRect(r, 5 * scale_, 5 * scale_);
}

void PaytablePicture::tile(QPainter& p, SpriteCache& sprites, Symbol symbol, const QRectF& box) {
    const QRectF r = map(box.x(), box.y(), box.width(), box.height());
    const QSize px(static_cast<int>(std::lround(r.width() * dpr_)),
                   static_cast<int>(std::lround(r.height() * dpr_)));
    const QPixmap pm = sprites.get(resourcePath(symbolTile(symbol)), px, dpr_);
    if (!pm.isNull())
        p.drawPixmap(QPointF(std::round(r.left() * dpr_) / dpr_, std::round(r.top() * dpr_) / dpr_), pm);
}

void PaytablePicture::paint(QPainter& p, const QRectF& target, SpriteCache& sprites, qreal dpr) {
    drawn_.clear();
    target_ = target;
    scale_ = target.width() / kWidth;
    dpr_ = dpr;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(target, Qt::white);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRedBorder, 5 * scale_));
    p.drawRect(map(3.5, 3.5, kWidth - 7, kHeight - 7));

    // The title leaves the top right corner to the close button.
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setBold(true);
    serif.setItalic(true);
    serif.setPixelSize(std::max(1, static_cast<int>(26 * scale_)));
    p.setFont(serif);
    p.setPen(kTitle);
    drawn_.push_back({QStringLiteral("title"), QStringLiteral("TonVale Pays")});
    p.drawText(map(12, 8, 400, 36), Qt::AlignCenter, QStringLiteral("TonVale Pays"));

    // Nine paying symbols: five panels, then four wider ones.
    constexpr qreal left = 12, width = kWidth - 24, gap = 6;
    for (int i = 0; i < kPayingSymbols; ++i) {
        const bool first = i < 5;
        const int column = first ? i : i - 5;
        const int columns = first ? 5 : 4;
        const qreal w = (width - gap * (columns - 1)) / columns;
        const qreal x = left + column * (w + gap);
        const qreal y = first ? 48 : 151;
        const qreal h = 97;
        const Symbol symbol = kPayTable[static_cast<std::size_t>(i)].symbol;
        const QString name = symbolTitle(symbol);
        panel(p, QRectF(x, y, w, h));
        tile(p, sprites, symbol, QRectF(x + 5, y + 5, 34, 34));
        text(p, name, QRectF(x + 44, y + 5, w - 48, 34), QStringLiteral("X Bet"), palette::kHeading, 13,
             true);
        const QStringList lines = payLines(i);
        for (int l = 0; l < lines.size(); ++l)
            text(p, name, QRectF(x + 8, y + 41 + l * 13.5, w - 14, 13.5), lines[l], dialogpaint::kInk, 11.5,
                 false);
    }

    // The scatter and the wild.
    const qreal y = 254, h = 114;
    const qreal scatterWidth = 262;
    panel(p, QRectF(left, y, scatterWidth, h));
    tile(p, sprites, Symbol::scatter, QRectF(left + 5, y + 5, 36, 36));
    text(p, QStringLiteral("scatter"), QRectF(left + 48, y + 5, scatterWidth - 54, 36),
         QStringLiteral("Scatter"), palette::kHeading, 13, true);
    const QStringList scatter = scatterLines();
    for (int l = 0; l < scatter.size(); ++l)
        text(p, QStringLiteral("scatter"), QRectF(left + 8, y + 45 + l * 16, scatterWidth - 14, 16),
             scatter[l], l + 1 == scatter.size() ? palette::kHeading : dialogpaint::kInk, 10.5,
             l + 1 == scatter.size());

    const qreal wx = left + scatterWidth + gap, ww = width - scatterWidth - gap;
    panel(p, QRectF(wx, y, ww, h));
    tile(p, sprites, Symbol::wild, QRectF(wx + 5, y + 5, 36, 36));
    text(p, QStringLiteral("wild"), QRectF(wx + 48, y + 5, ww - 54, 36), QStringLiteral("Wild"),
         palette::kHeading, 13, true);
    const QStringList wild = wildLines();
    // The last line is long: it takes two rows.
    text(p, QStringLiteral("wild"), QRectF(wx + 8, y + 45, ww - 14, 16), wild[0], dialogpaint::kInk, 10.5,
         false);
    text(p, QStringLiteral("wild"), QRectF(wx + 8, y + 61, ww - 14, 16), wild[1], dialogpaint::kInk, 10.5,
         false);
    drawn_.push_back({QStringLiteral("wild"), wild[2]});
    QFont body(QStringLiteral("DejaVu Sans"));
    body.setPixelSize(std::max(1, static_cast<int>(10.5 * scale_)));
    p.setFont(body);
    p.setPen(dialogpaint::kInk);
    p.drawText(map(wx + 8, y + 77, ww - 14, 34), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, wild[2]);
    p.restore();
}

PaytableDialog::PaytableDialog(Game& game, SpriteCache& sprites)
    : ModelDialog(game, game.windows.pays, game.windows.pays.form, sprites) {}

void PaytableDialog::paintBackground(QPainter& p, const ViewGeometry& g) {
    picture_.paint(p, g.area(), sprites_, g.dpr());
}

void PaytableDialog::paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) {
    if (c.kind == ControlKind::button)
        dialogpaint::button3d(p, r, QString::fromStdString(c.caption), em(g), isPressed(c), c.enabled,
                              focusOn(c));
}

}  // namespace tonvale
