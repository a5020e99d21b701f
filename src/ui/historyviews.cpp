// SPDX-License-Identifier: MIT
#include "ui/historyviews.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "rules/strips.h"
#include "ui/dialogs_paint.h"
#include "ui/symbolnames.h"
#include "windows/history.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

const QColor kBand(0xc9, 0x96, 0x2c, 70);
const QColor kWell(0x2a, 0x06, 0x10);

QString countText(double n) {
    if (n >= 1e6) return QString::number(n / 1e6, 'g', 3) + QStringLiteral("M");
    if (n >= 1e4) return QString::number(n / 1e3, 'g', 3) + QStringLiteral("k");
    return QString::number(static_cast<qint64>(std::llround(n)));
}

// The 8-point text of the window at this widget's scale.
qreal emOf(const QWidget& w) { return w.font().pixelSize() > 0 ? w.font().pixelSize() : 11; }

}  // namespace

QString reelsInWords(const int (&stops)[5]) {
    QStringList reels;
    for (int reel = 1; reel <= kReels; ++reel) {
        const int stop = stops[reel - 1];
        if (stop < 1 || stop > kStops) return {};
        const std::array<Symbol, 3> shown = visibleSymbols(reel, stop);
        QStringList words;
        for (int row = 0; row < 3; ++row)
            words << (reel == 3 && stop + row == kLogoStripCell
                          ? ui::logoWords()
                          : ui::symbolWords(shown[static_cast<std::size_t>(row)]));
        reels << QCoreApplication::translate("History", "Reel %1: %2")
                     .arg(reel)
                     .arg(words.join(QStringLiteral(", ")));
    }
    return reels.join(QStringLiteral(". "));
}

ReelsView::ReelsView(History& history, SpriteCache& sprites, QWidget* parent)
    : QWidget(parent), history_(history), sprites_(sprites) {}

void ReelsView::paintEvent(QPaintEvent*) {
    const RecalledGame* shown = history_.shown();
    if (!shown) return;
    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    const auto snap = [dpr](const QRectF& r) {
        const qreal l = std::round(r.left() * dpr), t = std::round(r.top() * dpr);
        const qreal rr = std::round(r.right() * dpr), b = std::round(r.bottom() * dpr);
        return QRectF(l / dpr, t / dpr, (rr - l) / dpr, (b - t) / dpr);
    };
    const auto device = [dpr](const QRectF& r) {
        return QSize(static_cast<int>(std::lround(r.width() * dpr)),
                     static_cast<int>(std::lround(r.height() * dpr)));
    };
    const qreal tile = std::min(width() / 5.0, height() / 3.0);
    const qreal unit = tile / 900;  // pixels per twip: a tile is 900 twips
    p.fillRect(rect(), kIvory);
    for (int reel = 1; reel <= 5; ++reel) {
        const int stop = shown->stops[reel - 1];
        if (stop < 1 || stop > kStops) continue;
        for (int row = 0; row < 3; ++row) {
            const QRectF cell = snap(QRectF((reel - 1) * tile, row * tile, tile, tile));
            const QPixmap pm = sprites_.get(resourcePath(tileFile(reel, stop + row)), device(cell), dpr);
            if (!pm.isNull()) p.drawPixmap(cell.topLeft(), pm);
            if (!cellCounts(cellOf(reel, static_cast<Row>(row)), shown->waysfactor)) {
                const QPixmap h = sprites_.get(picturePath(Sheet::hatch), device(cell), dpr);
                if (!h.isNull()) p.drawPixmap(cell.topLeft(), h);
            }
        }
        // A gold rule between the reels.
        if (reel > 1) p.fillRect(QRectF((reel - 1) * tile - 8 * unit, 0, 16 * unit, 3 * tile), kGold);
    }
    p.setPen(QPen(kGold, std::max<qreal>(1, 30 * unit)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, 5 * tile, 3 * tile));
}

PlotView::PlotView(History& history, int index, QWidget* parent)
    : QWidget(parent), history_(history), index_(index) {}

const ResultCurve& PlotView::curve() const {
    const ResultsPlot& plot = history_.plot();
    return index_ == 1 ? plot.ret : index_ == 2 ? plot.freeSpins : plot.jackpots;
}

QString PlotView::reading() const {
    const auto& pts = curve().points;
    if (pts.empty()) return QCoreApplication::translate("History", "No games played yet");
    const int digits = index_ > 1 ? 4 : 2;
    const PlotPoint& last = pts.back();
    return QCoreApplication::translate("History", "%1 games: yours %2, odds %3")
        .arg(countText(static_cast<double>(last.n)))
        .arg(last.mean, 0, 'f', digits)
        .arg(last.expected, 0, 'f', digits);
}

QString PlotView::legendWords(int item) {
    switch (item) {
        case 0:
            return QCoreApplication::translate("History", "Your results");
        case 1:
            return QCoreApplication::translate("History", "The odds");
        default:
            return QCoreApplication::translate("History", "99% band");
    }
}

PlotView::Layout PlotView::layout() const {
    // The scales are written at the window's own text size: the values at the left,
    // the games along the foot, then the legend and the reading, a row each.
    const qreal e = emOf(*this);
    Layout l;
    l.text = e * 0.9;
    const QFontMetricsF m(dialogpaint::font(l.text, false));
    const auto& pts = curve().points;
    const int digits = index_ > 1 ? 4 : 2;
    qreal widest = m.horizontalAdvance(QStringLiteral("0.00"));
    for (const PlotPoint& pt : pts)
        widest = std::max(widest, m.horizontalAdvance(QString::number(pt.high, 'f', digits)));
    const qreal left = std::min(widest + e * 0.6, width() * 0.3);
    l.area = QRectF(rect()).adjusted(left, e * 0.6, -e * 0.6, -e * 3.5);
    l.ticks = QRectF(l.area.left(), l.area.bottom() + e * 0.1, l.area.width(), e * 1.1);
    l.legend = QRectF(0, l.ticks.bottom(), width(), e * 1.15);
    l.reading = QRectF(0, l.legend.bottom(), width(), e * 1.15);
    return l;
}

void PlotView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal e = emOf(*this);
    const QRectF r = rect();
    const qreal unit = e / 165;  // pixels per twip
    p.fillRect(r, kWell);
    const Layout l = layout();
    const QRectF& area = l.area;
    p.setPen(QPen(kGoldLo, std::max<qreal>(1, 10 * unit)));
    p.drawRect(area);
    const auto& pts = curve().points;
    if (pts.empty()) {
        fitText(p, area, reading(), kIvoryShadow, e, false, Align::centre);
        return;
    }
    // The scale: the band and the exact figure from the tenth game on (or the
    // first, for fewer), and the mean where it lies, but never past four times
    // the band's height around the figure.
    const std::size_t from = std::min<std::size_t>(pts.size() - 1, 9);
    double lo = pts.back().expected, hi = pts.back().expected;
    for (std::size_t i = from; i < pts.size(); ++i) {
        lo = std::min({lo, pts[i].low, pts[i].mean});
        hi = std::max({hi, pts[i].high, pts[i].mean});
    }
    // No figure here can be below nothing: a band reaching below 0 is cut there.
    lo = std::max(0.0, lo);
    if (hi - lo < 1e-9) hi = lo + (lo > 0 ? lo : 1);
    const double pad = (hi - lo) * 0.08;
    lo = std::max(0.0, lo - pad);
    hi += pad;
    // The games run from the first at the left edge to the last at the right, so the
    // band and the lines always end at the plot's edge (a single game spans it).
    const double nMax = static_cast<double>(pts.back().n);
    const double logMax = std::log10(std::max(nMax, 2.0));
    auto x = [&](double n) {
        return pts.size() == 1 ? area.left() : area.left() + area.width() * std::log10(n) / logMax;
    };
    auto y = [&](double v) {
        const double t = std::clamp((v - lo) / (hi - lo), -0.02, 1.02);
        return area.bottom() - area.height() * t;
    };
    std::vector<PlotPoint> drawn = pts;
    if (drawn.size() == 1) {
        drawn.push_back(drawn.front());
        drawn.back().n = 0;  // a mark for the right edge
    }
    auto xOf = [&](const PlotPoint& pt) { return pt.n == 0 ? area.right() : x(static_cast<double>(pt.n)); };

    p.save();
    p.setClipRect(area.adjusted(-2, -2, 2, 2));
    // The 99% band of the exact figure.
    QPainterPath band;
    band.moveTo(xOf(drawn.front()), y(drawn.front().high));
    for (const PlotPoint& pt : drawn) band.lineTo(xOf(pt), y(pt.high));
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it) band.lineTo(xOf(*it), y(it->low));
    band.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBand);
    p.drawPath(band);
    // The exact figure and the player's running mean.
    QPainterPath expected, mean;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const QPointF a(xOf(drawn[i]), y(drawn[i].expected));
        const QPointF b(xOf(drawn[i]), y(drawn[i].mean));
        if (i == 0) {
            expected.moveTo(a);
            mean.moveTo(b);
        } else {
            expected.lineTo(a);
            mean.lineTo(b);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(expectedPen(unit));
    p.drawPath(expected);
    p.setPen(meanPen(unit));
    p.drawPath(mean);
    p.restore();

    // The scales: the value at the top and bottom, the games played along the foot.
    const int digits = index_ > 1 ? 4 : 2;
    const QColor scaleText = kIvoryShadow;
    const qreal small = l.text;
    const qreal valueWidth = area.left() - e * 0.3;
    fitText(p, QRectF(0, area.top() - small * 0.6, valueWidth, small * 1.2), QString::number(hi, 'f', digits),
            scaleText, small, false);
    fitText(p, QRectF(0, area.bottom() - small * 0.6, valueWidth, small * 1.2),
            QString::number(lo, 'f', digits), scaleText, small, false);
    const qreal tickWidth = e * 3;
    fitText(p, QRectF(area.left(), l.ticks.top(), tickWidth, l.ticks.height()), QStringLiteral("1"),
            scaleText, small, false);
    if (nMax >= 2) {
        // The last game at the right end; the decades between, where they leave it room.
        const QString last = countText(nMax);
        const qreal lastWidth = QFontMetricsF(dialogpaint::font(small, false)).horizontalAdvance(last);
        fitText(p, QRectF(area.right() - tickWidth, l.ticks.top(), tickWidth, l.ticks.height()), last,
                scaleText, small, false, Align::right);
        for (double n = 10; n < nMax; n *= 10) {
            const qreal at = x(n);
            if (at + tickWidth / 2 > area.right() - lastWidth - e * 0.5 ||
                at - tickWidth / 2 < area.left() + e)
                continue;
            fitText(p, QRectF(at - tickWidth / 2, l.ticks.top(), tickWidth, l.ticks.height()), countText(n),
                    scaleText, small, false, Align::centre);
        }
    }
    // The legend: the player's line, the odds' dashed line and the band, side by side at
    // their own widths (made smaller together when the row is too narrow).
    const QFontMetricsF legendFont(dialogpaint::font(small, false));
    const qreal markWidth = e * 1.5, markGap = e * 0.35, itemGap = e * 0.9;
    qreal need = 2 * itemGap;
    for (int item = 0; item < 3; ++item)
        need += markWidth + markGap + legendFont.horizontalAdvance(legendWords(item));
    const qreal room = r.width() - e;
    const qreal squeeze = std::min<qreal>(1, room / need);
    qreal at = r.left() + (r.width() - need * squeeze) / 2;
    for (int item = 0; item < 3; ++item) {
        const QRectF mark(at, l.legend.center().y() - e * 0.28, markWidth * squeeze, e * 0.56);
        if (item == 2) {
            p.fillRect(mark, kBand);
        } else {
            p.setPen(item == 0 ? meanPen(unit) : expectedPen(unit));
            p.drawLine(QPointF(mark.left(), mark.center().y()), QPointF(mark.right(), mark.center().y()));
        }
        const qreal words = (legendFont.horizontalAdvance(legendWords(item)) + 1) * squeeze;
        const QRectF box(mark.right() + markGap * squeeze, l.legend.top(), words, l.legend.height());
        fitText(p, box, legendWords(item), scaleText, small, false);
        at = box.right() + itemGap * squeeze;
    }
    fitText(p, l.reading.adjusted(e * 0.5, 0, -e * 0.5, 0), reading(), kGoldHi, small, false, Align::centre);
}

QPen PlotView::meanPen(qreal unit) { return QPen(kIvory, std::max<qreal>(1.5, 28 * unit)); }

// The exact figure lies inside its band: a bright dash over the band's gold.
QPen PlotView::expectedPen(qreal unit) {
    QPen pen(kGoldHi, std::max<qreal>(1, 20 * unit), Qt::CustomDashLine);
    pen.setDashPattern({3, 2});
    return pen;
}

}  // namespace tonvale
