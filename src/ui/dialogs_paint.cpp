// SPDX-License-Identifier: MIT
#include "ui/dialogs_paint.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace tonvale::dialogpaint {

QFont font(qreal px, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    f.setBold(bold);
    return f;
}

void colour(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

namespace {

std::function<void(const Written&)>& watcher() {
    static std::function<void(const Written&)> w;
    return w;
}

}  // namespace

void watchWritten(std::function<void(const Written&)> watch) { watcher() = std::move(watch); }

void noteWritten(const Written& w) {
    if (watcher()) watcher()(w);
}

qreal fitText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, qreal em, bool bold,
              Align align, bool shadow) {
    const qreal wanted = std::max<qreal>(4, std::min(em, box.height() * 0.9));
    qreal px = wanted;
    QFont f = font(px, bold);
    const qreal room = box.width();
    for (int i = 0; i < 8; ++i) {
        const qreal w = QFontMetricsF(f).horizontalAdvance(text);
        if (w <= room || px <= 4) break;
        px = std::max<qreal>(4, std::floor(px * room / w));
        f = font(px, bold);
    }
    p.setFont(f);
    const int flags = Qt::AlignVCenter | (align == Align::centre  ? Qt::AlignHCenter
                                          : align == Align::right ? Qt::AlignRight
                                                                  : Qt::AlignLeft);
    noteWritten({text, p.device(), wanted, px,
                 p.transform().mapRect(QFontMetricsF(f).boundingRect(box, flags, text))});
    if (shadow) {
        const qreal d = std::max<qreal>(1, px / 14);
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(box.translated(d, d), flags, text);
    }
    p.setPen(colour);
    p.drawText(box, flags, text);
    return px;
}

void focusMark(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    QPen pen(colour, 1, Qt::DotLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.restore();
}

QRectF buttonFace(QPainter& p, const QRectF& r, qreal edge, qreal radius, bool down) {
    QLinearGradient gold(r.topLeft(), r.bottomLeft());
    gold.setColorAt(0, kGoldHi);
    gold.setColorAt(0.5, kGold);
    gold.setColorAt(1, kGoldLo);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, down ? kWalnut : kWalnutHi);
    face.setColorAt(1, down ? kWalnutHi : kWalnutLo);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(face);
    const QRectF inner = r.adjusted(edge, edge, -edge, -edge);
    p.drawRoundedRect(inner, radius * 0.8, radius * 0.8);
    return inner;
}

void button3d(QPainter& p, const QRectF& r, const QString& caption, qreal em, bool down, bool enabled,
              bool focus) {
    p.save();
    if (!enabled) p.setOpacity(0.45);
    const qreal edge = std::max<qreal>(1.5, r.height() * 0.08);
    const qreal radius = std::min(r.height(), r.width()) / 5;
    const QRectF inner = buttonFace(p, r, edge, radius, down);
    // The light from above catches the upper half.
    QLinearGradient gloss(inner.topLeft(), inner.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, down ? 10 : 45));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRoundedRect(inner, radius * 0.8, radius * 0.8);
    const QRectF text = inner.adjusted(edge, down ? edge / 2 : 0, -edge, down ? edge / 2 : 0);
    const QString words = caption.simplified();
    const qreal oneLine = std::min(em, text.height() * 0.9);
    const bool tooSmall = QFontMetricsF(font(oneLine, true)).horizontalAdvance(caption) > text.width() * 1.4;
    const qsizetype split = words.indexOf(QLatin1Char(' '));
    if (tooSmall && split > 0 && text.height() > em * 1.6) {
        // A caption much wider than its button goes on two lines.
        const qreal half = text.height() / 2;
        const qreal size = std::min(em, half * 0.95);
        fitText(p, QRectF(text.left(), text.top() + half * 0.08, text.width(), half), words.left(split),
                kGoldHi, size, true, Align::centre, true);
        fitText(p, QRectF(text.left(), text.top() + half * 0.92, text.width(), half), words.mid(split + 1),
                kGoldHi, size, true, Align::centre, true);
    } else if (!caption.isEmpty()) {
        fitText(p, text, caption, kGoldHi, em, true, Align::centre, true);
    }
    if (focus) focusMark(p, inner.adjusted(edge, edge, -edge, -edge), kGoldHi);
    p.restore();
}

void groupFrame(QPainter& p, const QRectF& r, const QString& caption, const QColor& captionColour,
                const QColor& ground, qreal em) {
    p.save();
    const qreal px = em;
    const qreal top = r.top() + px * 0.6;
    const QRectF box(r.left() + 1, top, r.width() - 2, r.bottom() - top - 1);
    const qreal line = std::max<qreal>(1, px * 0.12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGoldLo, line));
    p.drawRoundedRect(box, px * 0.4, px * 0.4);
    p.setPen(QPen(kGoldHi, line * 0.6));
    p.drawRoundedRect(box.adjusted(line, line, -line, -line), px * 0.35, px * 0.35);
    if (!caption.isEmpty()) {
        // The title's ground is as wide as the title once made to fit, which keeps
        // clear of the frame's right corner: a long title neither runs over the
        // corner nor leaves a patch of ground beyond its last letter.
        const qreal room = box.width() - px * 1.6;
        qreal w = QFontMetricsF(font(px, true)).horizontalAdvance(caption);
        if (w > room)
            w = QFontMetricsF(font(std::max<qreal>(4, std::floor(px * room / w)), true))
                    .horizontalAdvance(caption);
        const QRectF label(box.left() + px * 0.6, r.top(), w + px * 0.6, px * 1.2);
        p.fillRect(label, ground);
        fitText(p, label.adjusted(px * 0.3, 0, 0, 0), caption, captionColour, px, true);
    }
    p.restore();
}

void velvet(QPainter& p, const QRectF& r) {
    QRadialGradient g(r.center(), std::max(r.width(), r.height()) * 0.7);
    g.setColorAt(0, kVelvetHi);
    g.setColorAt(1, kVelvetLo);
    p.fillRect(r, g);
}

void walnutSheet(QPainter& p, const QRectF& frame, qreal scale) {
    const qreal band = 95 * scale;
    QLinearGradient wood(frame.topLeft(), frame.bottomRight());
    wood.setColorAt(0, kWalnutHi);
    wood.setColorAt(0.4, kWalnut);
    wood.setColorAt(1, kWalnutDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRoundedRect(frame, band, band);
    const QRectF sheet = frame.adjusted(band, band, -band, -band);
    QLinearGradient ivory(sheet.topLeft(), sheet.bottomLeft());
    ivory.setColorAt(0, kIvory);
    ivory.setColorAt(1, kIvoryShadow);
    p.setBrush(ivory);
    p.setPen(QPen(kGold, std::max<qreal>(1, 22 * scale)));
    p.drawRoundedRect(sheet, band / 2, band / 2);
}

void ivoryPanel(QPainter& p, const QRectF& r, qreal scale) {
    p.save();
    QLinearGradient ground(r.topLeft(), r.bottomLeft());
    ground.setColorAt(0, kIvory);
    ground.setColorAt(1, kIvoryShadow);
    p.setBrush(ground);
    p.setPen(QPen(kGold, std::max<qreal>(1, 30 * scale)));
    const qreal radius = 75 * scale;
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void walnutPanel(QPainter& p, const QRectF& r, qreal scale) {
    QLinearGradient wood(r.topLeft(), r.bottomRight());
    wood.setColorAt(0, kWalnutHi);
    wood.setColorAt(0.35, kWalnut);
    wood.setColorAt(1, kWalnutDeep);
    const qreal edge = std::max<qreal>(1.5, 40 * scale);
    p.setPen(QPen(kGold, edge));
    p.setBrush(wood);
    p.drawRoundedRect(r.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2), 3 * edge, 3 * edge);
}

void walnutTab(QPainter& p, const QRectF& tab, const QString& caption, qreal em, qreal scale) {
    QLinearGradient wood(tab.topLeft(), tab.bottomLeft());
    wood.setColorAt(0, kWalnutHi);
    wood.setColorAt(1, kWalnut);
    p.setBrush(wood);
    p.setPen(QPen(kGold, std::max<qreal>(1, 18 * scale)));
    p.setClipping(false);
    p.drawRoundedRect(tab, tab.height() / 3, tab.height() / 3);
    fitText(p, tab.adjusted(em * 0.4, 0, -em * 0.4, 0), caption, kGoldHi, em * 1.05, true, Align::centre,
            true);
}

}  // namespace tonvale::dialogpaint
