// SPDX-License-Identifier: MIT
#include "ui/historydialog.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "game/game.h"
#include "ui/dialogs_paint.h"
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

}  // namespace

HistoryDialog::HistoryDialog(Game& game, SpriteCache& sprites)
    : ModelDialog(game, game.history.ui, game.history.ui.form, sprites), ui_(game.history.ui) {}

void HistoryDialog::paintBackground(QPainter& p, const ViewGeometry& g) {
    velvet(p, g.area());
    walnutSheet(p, g.rect(ui_.Framehistory), g.scale());
}

void HistoryDialog::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            game_.click(ui_.btnnewer);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            game_.click(ui_.btnolder);
            break;
        case Qt::Key_Escape:
            game_.callRoutine("tonvalehistory:QueryUnload");
            break;
        default:
            ModelDialog::keyPressEvent(e);
            return;
    }
    update();
    emit modelTouched();
}

void HistoryDialog::paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) {
    const qreal e = em(g);
    const QString caption = QString::fromStdString(c.caption);
    if (&c == &ui_.Framehistory) {
        walnutTab(
            p,
            QRectF(r.left() + 260 * g.scale(), r.top() - 100 * g.scale(), 1900 * g.scale(), 260 * g.scale()),
            caption, e, g.scale());
        return;
    }
    switch (c.kind) {
        case ControlKind::frame:
            groupFrame(p, r, caption, kGoldLo, kIvory, e);
            return;
        case ControlKind::label:
            if (c.name == "lstgame" && c.value) {
                p.setPen(QPen(kGold, std::max<qreal>(1, 15 * g.scale())));
                p.setBrush(QColor(0xf5, 0xd7, 0x7a, 150));
                p.drawRoundedRect(r, r.height() / 4, r.height() / 4);
            }
            if (caption.isEmpty()) return;
            fitText(p, r.adjusted(e * 0.3, 0, 0, 0), caption, c.name == "lblplot" ? kDarkBlue : kInk, e,
                    c.name == "lblplot" || (c.name == "lblline" && c.index <= 2));
            return;
        case ControlKind::button:
            button3d(p, r, caption, e, isPressed(c), c.enabled, focusOn(c));
            return;
        case ControlKind::image:
            if (!c.picture.empty()) drawPicture(p, c.picture, r, g);
            return;
        case ControlKind::picture:
            if (&c == &ui_.picreels) {
                paintReels(p, r, g);
            } else if (c.name == "picplot") {
                const ResultsPlot& plot = game_.history.plot();
                const ResultCurve* curves[4] = {nullptr, &plot.ret, &plot.freeSpins, &plot.jackpots};
                if (c.index >= 1 && c.index <= 3) paintPlot(p, r, *curves[c.index], c.index > 1, g);
            }
            return;
        default:
            return;
    }
}

void HistoryDialog::paintReels(QPainter& p, const QRectF& r, const ViewGeometry& g) {
    const RecalledGame* shown = game_.history.shown();
    if (!shown) return;
    const qreal tile = std::min(r.width() / 5, r.height() / 3);
    p.fillRect(g.snapped(r), kIvory);
    for (int reel = 1; reel <= 5; ++reel) {
        const int stop = shown->stops[reel - 1];
        if (stop < 1 || stop > kStops) continue;
        for (int row = 0; row < 3; ++row) {
            const QRectF cell =
                g.snapped(QRectF(r.left() + (reel - 1) * tile, r.top() + row * tile, tile, tile));
            const QPixmap pm =
                sprites_.get(resourcePath(tileFile(reel, stop + row)), g.devicePixels(cell), g.dpr());
            if (!pm.isNull()) p.drawPixmap(cell.topLeft(), pm);
            if (!cellCounts(cellOf(reel, static_cast<Row>(row)), shown->waysfactor)) {
                const QPixmap h = sprites_.get(picturePath(Sheet::hatch), g.devicePixels(cell), g.dpr());
                if (!h.isNull()) p.drawPixmap(cell.topLeft(), h);
            }
        }
        // A gold rule between the reels.
        if (reel > 1)
            p.fillRect(
                QRectF(r.left() + (reel - 1) * tile - 8 * g.scale(), r.top(), 16 * g.scale(), 3 * tile),
                kGold);
    }
    p.setPen(QPen(kGold, std::max<qreal>(1, 30 * g.scale())));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r.left(), r.top(), 5 * tile, 3 * tile));
}

void HistoryDialog::paintPlot(QPainter& p, const QRectF& r, const ResultCurve& curve, bool chance,
                              const ViewGeometry& g) {
    const qreal e = em(g);
    p.fillRect(r, kWell);
    const QRectF area = r.adjusted(e * 2.6, e * 0.5, -e * 0.5, -e * 1.6);
    p.setPen(QPen(kGoldLo, std::max<qreal>(1, 10 * g.scale())));
    p.drawRect(area);
    const auto& pts = curve.points;
    if (pts.empty()) {
        fitText(p, area, QStringLiteral("No games played yet"), kIvoryShadow, e, false, Align::centre);
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
    p.setPen(QPen(kWalnut, std::max<qreal>(1, 22 * g.scale()), Qt::DashLine));
    p.drawPath(expected);
    p.setPen(QPen(kIvory, std::max<qreal>(1.2, 22 * g.scale())));
    p.drawPath(mean);
    p.restore();

    // The scales: the value at the top and bottom, the games played along the foot.
    const int digits = chance ? 4 : 2;
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
    const PlotPoint& last = pts.back();
    const QString reading = QStringLiteral("%1 games: yours %2, odds %3")
                                .arg(countText(nMax))
                                .arg(last.mean, 0, 'f', digits)
                                .arg(last.expected, 0, 'f', digits);
    fitText(p, QRectF(area.left(), area.bottom() + e * 0.85, area.width(), small), reading, kGoldHi, small,
            false, Align::centre);
}

}  // namespace tonvale
