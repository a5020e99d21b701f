// SPDX-License-Identifier: MIT
#include "ui/historyviews.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

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

void PlotView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal e = emOf(*this);
    const QRectF r = rect();
    const qreal unit = e / 165;  // pixels per twip
    p.fillRect(r, kWell);
    const QRectF area = r.adjusted(e * 2.6, e * 0.5, -e * 0.5, -e * 1.6);
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
    const double nMax = static_cast<double>(pts.back().n);
    const double logMax = std::log10(std::max(nMax, 10.0));
    auto x = [&](double n) { return area.left() + area.width() * std::log10(n) / logMax; };
    auto y = [&](double v) {
        const double t = std::clamp((v - lo) / (hi - lo), -0.02, 1.02);
        return area.bottom() - area.height() * t;
    };

    p.save();
    p.setClipRect(area.adjusted(-2, -2, 2, 2));
    // The 99% band of the exact figure.
    QPainterPath band;
    band.moveTo(x(static_cast<double>(pts.front().n)), y(pts.front().high));
    for (const PlotPoint& pt : pts) band.lineTo(x(static_cast<double>(pt.n)), y(pt.high));
    for (auto it = pts.rbegin(); it != pts.rend(); ++it)
        band.lineTo(x(static_cast<double>(it->n)), y(it->low));
    band.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBand);
    p.drawPath(band);
    // The exact figure and the player's running mean.
    QPainterPath expected, mean;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const QPointF a(x(static_cast<double>(pts[i].n)), y(pts[i].expected));
        const QPointF b(x(static_cast<double>(pts[i].n)), y(pts[i].mean));
        if (i == 0) {
            expected.moveTo(a);
            mean.moveTo(b);
        } else {
            expected.lineTo(a);
            mean.lineTo(b);
        }
    }
    p.setBrush(Qt::NoBrush);
    // The exact figure lies inside its band: dark on the light band.
    p.setPen(QPen(kWalnut, std::max<qreal>(1, 22 * unit), Qt::DashLine));
    p.drawPath(expected);
    p.setPen(QPen(kIvory, std::max<qreal>(1.2, 22 * unit)));
    p.drawPath(mean);
    p.restore();

    // The scales: the value at the top and bottom, the games played along the foot.
    const int digits = index_ > 1 ? 4 : 2;
    const QColor scaleText = kIvoryShadow;
    const qreal small = e * 0.8;
    fitText(p, QRectF(r.left(), area.top() - small / 2, e * 2.5, small), QString::number(hi, 'f', digits),
            scaleText, small, false);
    fitText(p, QRectF(r.left(), area.bottom() - small / 2, e * 2.5, small), QString::number(lo, 'f', digits),
            scaleText, small, false);
    fitText(p, QRectF(area.left(), area.bottom() + e * 0.15, e * 2, small), QStringLiteral("1"), scaleText,
            small, false);
    for (double n = 10; n <= nMax; n *= 10) {
        // The last count stays inside the plot's own ground.
        const qreal left = std::min(x(n) - e, r.right() - e * 2);
        fitText(p, QRectF(left, area.bottom() + e * 0.15, e * 2, small), countText(n), scaleText, small,
                false, Align::centre);
    }
    fitText(p, QRectF(area.left(), area.bottom() + e * 0.85, area.width(), small), reading(), kGoldHi, small,
            false, Align::centre);
}

}  // namespace tonvale
