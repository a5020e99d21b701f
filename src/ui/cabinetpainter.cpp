// SPDX-License-Identifier: MIT
#include "ui/cabinetpainter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <cmath>

#include "rules/strips.h"
#include "ui/dialogs_paint.h"
#include "ui/palette.h"
#include "ui/sprites.h"
#include "ui/uitext.h"

namespace tonvale {

namespace {

using namespace palette;

// A readable fallback for a picture button whose picture is missing: "btn_spin" -> "SPIN".
QString placeholderCaption(Picture picture) {
    QString s = QString::fromStdString(picture.text());
    if (s.startsWith(QLatin1String("btn_"))) s = s.mid(4);
    return s.replace(QLatin1Char('_'), QLatin1Char(' ')).toUpper();
}

}  // namespace

ViewGeometry::ViewGeometry(QSizeF view, qreal dpr, QSize clientTwips)
    : dpr_(dpr > 0 ? dpr : 1), client_(clientTwips.expandedTo(QSize(1, 1))) {
    const qreal sx = view.width() / client_.width();
    const qreal sy = view.height() / client_.height();
    scale_ = std::max<qreal>(std::min(sx, sy), 1e-6);
    const QSizeF used(client_.width() * scale_, client_.height() * scale_);
    origin_ = QPointF((view.width() - used.width()) / 2, (view.height() - used.height()) / 2);
}

QRectF ViewGeometry::rect(double left, double top, double width, double height) const {
    return QRectF(origin_.x() + left * scale_, origin_.y() + top * scale_, width * scale_, height * scale_);
}

QRectF ViewGeometry::snapped(const QRectF& r) const {
    const qreal l = std::round(r.left() * dpr_), t = std::round(r.top() * dpr_);
    const qreal rr = std::round(r.right() * dpr_), b = std::round(r.bottom() * dpr_);
    return QRectF(l / dpr_, t / dpr_, (rr - l) / dpr_, (b - t) / dpr_);
}

QSize ViewGeometry::devicePixels(const QRectF& s) const {
    return QSize(static_cast<int>(std::lround(s.width() * dpr_)),
                 static_cast<int>(std::lround(s.height() * dpr_)));
}

QPointF ViewGeometry::toTwips(QPointF viewPos) const {
    return QPointF((viewPos.x() - origin_.x()) / scale_, (viewPos.y() - origin_.y()) / scale_);
}

Control* ViewGeometry::hit(const ControlSet& set, QPointF viewPos) const {
    const QPointF t = toTwips(viewPos);
    const auto inside = [&t](const Control& c) {
        const int l = c.absLeft(), top = c.absTop();
        return t.x() >= l && t.x() < l + c.width && t.y() >= top && t.y() < top + c.height;
    };
    if (t.x() < 0 || t.y() < 0 || t.x() >= client_.width() || t.y() >= client_.height()) return nullptr;
    const auto& all = set.all();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        Control* c = *it;
        // Hidden or disabled controls let the mouse through to what lies below, and a
        // container passes it on only inside its own area.
        if (!c->parent || c->kind == ControlKind::shape || c->width <= 0 || c->height <= 0) continue;
        if (!c->live() || !inside(*c)) continue;
        bool inContainers = true;
        for (const Control* a = c->parent; a && a->parent; a = a->parent)
            inContainers = inContainers && inside(*a);
        if (inContainers) return c;
    }
    return nullptr;
}

bool CabinetPainter::drawPicture(QPainter& p, const QString& path, const QRectF& viewRect) {
    const QRectF s = g_.snapped(viewRect);
    const QPixmap pm = sprites_.get(path, g_.devicePixels(s), g_.dpr());
    if (pm.isNull()) return false;
    p.drawPixmap(s.topLeft(), pm);
    return true;
}

bool CabinetPainter::drawPicture(QPainter& p, Picture picture, const Control& c) {
    return drawPicture(p, picturePath(picture), g_.rect(c));
}

void CabinetPainter::paint(QPainter& p, const MainWindow& ui, const ViewGeometry& g, const Control* pressed,
                           const Availability& available, const QRectF& dirty) {
    g_ = g;
    available_ = available;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = g_.snapped(g_.area());
    p.setClipRect(area);
    for (const Control* c : ui.all()) {
        if (c->width <= 0 || c->height <= 0) continue;
        // The menu panel is a widget of its own over the cabinet.
        if (c == &ui.menupic || c->parent == &ui.menupic) continue;
        const bool parentShown = !c->parent || c->parent->shown();
        // A picture button hides itself while held down; it is drawn pressed meanwhile.
        const bool pressedLook = c == pressed && c->kind == ControlKind::picbutton && parentShown;
        if (!c->shown() && !pressedLook) continue;
        p.save();
        // Containers clip what they hold.
        QRectF clip = area;
        for (const Control* a = c->parent; a && a->parent; a = a->parent) clip &= g_.snapped(g_.rect(*a));
        if (!dirty.isEmpty() && !(clip & reach(g_, ui, *c).adjusted(-3, -3, 3, 3)).intersects(dirty)) {
            p.restore();
            continue;
        }
        p.setClipRect(clip);
        paintControl(p, ui, *c, pressedLook);
        p.restore();
    }
    p.restore();
}

void CabinetPainter::paintControl(QPainter& p, const MainWindow& ui, const Control& c, bool pressedLook) {
    const QRectF r = g_.rect(c);
    painting_ = &c;
    switch (c.kind) {
        case ControlKind::window:
            if (!drawPicture(p, picturePath(Sheet::cabinet), r)) p.fillRect(r, kVelvetLo);
            return;
        case ControlKind::image:
            if (const int reel = stripReel(c.picture)) {
                paintStrip(p, c, reel);
                return;
            }
            drawPicture(p, c.picture, c);
            break;
        case ControlKind::picture:
            if (!c.picture.empty()) {
                drawPicture(p, c.picture, c);
            } else if (c.parent == &ui.form && c.name.rfind("Picture", 0) == 0) {
                // A reel window: the ivory well behind its strip.
                p.fillRect(g_.snapped(r), kIvory);
            }
            break;
        case ControlKind::picbutton: {
            const bool down = pressedLook;
            const bool dim = !down && dimmed(c);
            if (dim) p.setOpacity(0.45);
            bool drawn = false;
            if (down) drawn = drawPicture(p, resourcePath(pressedFile(c.picture)), g_.rect(c));
            if (!drawn) drawn = drawPicture(p, c.picture, c);
            if (!drawn) paintButton3d(p, c, placeholderCaption(c.picture), down);
            p.setOpacity(1);
            break;
        }
        case ControlKind::button: {
            if (!pressedLook && dimmed(c)) p.setOpacity(0.45);
            const bool drawn = !c.picture.empty() && drawPicture(p, c.picture, c);
            if (!drawn) paintButton3d(p, c, ui::modelText(c.caption), pressedLook);
            p.setOpacity(1);
            if (!drawn) return;
            break;
        }
        case ControlKind::label:
            paintLabel(p, ui, c);
            return;
        case ControlKind::shape:
            if (!drawPicture(p, c.picture, c)) {
                p.fillRect(r, QColor(0x1d, 0x1a, 0x16, 110));
                p.fillRect(r, QBrush(QColor(0x1d, 0x1a, 0x16, 160), Qt::BDiagPattern));
            }
            break;
        case ControlKind::panel:
            if (!drawPicture(p, c.picture, c)) {
                p.setPen(QPen(kGoldHi, std::max<qreal>(1, 30 * g_.scale())));
                p.setBrush(kWarning);
                p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
                paintText(p, r,
                          c.caption.empty() ? QCoreApplication::translate("Cabinet", "Credit too low")
                                            : ui::modelText(c.caption),
                          kIvory, true, 0.4);
                return;
            }
            break;
        case ControlKind::frame:
        case ControlKind::option:
        case ControlKind::textbox:
        case ControlKind::checkbox:
        case ControlKind::slider:
            if (!c.picture.empty()) drawPicture(p, c.picture, c);
            if (!c.caption.empty()) paintText(p, r, ui::modelText(c.caption), kIvory, false);
            break;
    }
    if (!c.overlay.empty()) drawPicture(p, c.overlay, c);
}

void CabinetPainter::paintStrip(QPainter& p, const Control& strip, int reel) {
    // Only the tiles that fall inside the reel window are drawn.
    const QRectF clip = p.clipBoundingRect();
    const int left = strip.absLeft();
    const int top = strip.absTop();
    for (int cell = 0; cell < kStripCells; ++cell) {
        const QRectF tile = g_.rect(left, top + cell * kCellTwips, kCellTwips, kCellTwips);
        if (!clip.isEmpty() && !tile.intersects(clip)) continue;
        drawPicture(p, resourcePath(tileFile(reel, cell)), tile);
    }
}

namespace {

// The boxes of the credit and win meters as the cabinet picture draws them (twips);
// the labels' own places reach below them, and their text is written in the box.
constexpr int kMeterTop = 7245, kMeterBottom = 7650, kWinLeft = 6975, kWinRight = 9000;
constexpr int kPanelMargin = 240;

bool blank(const std::string& t) { return t.find_first_not_of(' ') == std::string::npos; }

}  // namespace

QRectF CabinetPainter::textBox(const ViewGeometry& g, const MainWindow& ui, const Control& c) {
    if (&c == &ui.PANELBANK || &c == &ui.Lblcredit || &c == &ui.lblwin)
        return g.rect(c.absLeft(), kMeterTop, c.width, kMeterBottom - kMeterTop);
    if (&c == &ui.LABWIN) {
        // A message with no amount beside it ("No Win", "Good Luck", a limit) is
        // written across the whole meter, so every message has the meter's size.
        const int right = blank(ui.lblwin.caption) ? kWinRight : ui.lblwin.absLeft();
        return g.rect(kWinLeft, kMeterTop, right - kWinLeft, kMeterBottom - kMeterTop);
    }
    if (c.parent == &ui.pandouble && c.kind == ControlKind::label)
        // The gamble panel's lines are centred on the panel, one under the other.
        return g.rect(ui.pandouble.absLeft() + kPanelMargin, c.absTop(),
                      ui.pandouble.width - 2 * kPanelMargin, c.height);
    return g.rect(c);
}

QRectF CabinetPainter::reach(const ViewGeometry& g, const MainWindow& ui, const Control& c) {
    QRectF r = g.rect(c);
    if (c.kind != ControlKind::label) return r;
    // The win meter's message may take the whole meter, whatever its neighbour says.
    if (&c == &ui.LABWIN) r |= g.rect(kWinLeft, kMeterTop, kWinRight - kWinLeft, kMeterBottom - kMeterTop);
    return r | textBox(g, ui, c);
}

void CabinetPainter::paintLabel(QPainter& p, const MainWindow& ui, const Control& c) {
    const QRectF r = g_.rect(c);
    if (!c.picture.empty() && !drawPicture(p, c.picture, c) && &c == &ui.spinsleft) {
        // The free-spin message band.
        QLinearGradient band(r.topLeft(), r.bottomLeft());
        band.setColorAt(0, kBlueHi);
        band.setColorAt(1, kBlueLo);
        p.setPen(QPen(kGoldHi, std::max<qreal>(1, 25 * g_.scale())));
        p.setBrush(band);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), r.height() / 4, r.height() / 4);
    }
    // The blanks around a caption placed it in a label whose text starts at its left
    // edge; centred, they would only shrink and shift it.
    const QString text = ui::modelText(c.caption).trimmed();
    if (text.isEmpty()) return;
    const bool jackpotMeter = &c == &ui.lblgrand || &c == &ui.lblmajor || &c == &ui.lblminor;
    const bool big = &c == &ui.lbljackpotwon;
    // The gamble panel is light parchment: its labels are written in ink.
    const bool onParchment = c.parent == &ui.pandouble;
    const QColor colour = onParchment ? kInk : (jackpotMeter || big) ? kGoldHi : kIvory;
    paintText(p, textBox(g_, ui, c), text, colour, jackpotMeter || big || onParchment, big ? 0.7 : 0.62);
}

CabinetPainter::Fit CabinetPainter::fit(const QString& text, const QRectF& box, bool bold, qreal fill) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    Fit f;
    f.boxPixels = std::max<qreal>(1, box.height() * fill);
    f.pixels = f.boxPixels;
    font.setPixelSize(static_cast<int>(f.pixels));
    // Shrink until the line fits the box.
    f.room = box.width() * 0.94;
    f.width = QFontMetricsF(font).horizontalAdvance(text);
    for (int i = 0; i < 8; ++i) {
        if (f.width <= f.room || f.pixels <= 4) break;
        f.pixels = std::max<qreal>(4, std::floor(f.pixels * f.room / f.width));
        font.setPixelSize(static_cast<int>(f.pixels));
        f.width = QFontMetricsF(font).horizontalAdvance(text);
    }
    return f;
}

void CabinetPainter::paintText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
                               bool bold, qreal fill) {
    const Fit f = fit(text, box, bold, fill);
    if (written) written({text, painting_, box, bold, fill, f});
    const qreal px = f.pixels;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    font.setPixelSize(static_cast<int>(px));
    p.setFont(font);
    // A drop shadow keeps light text legible on any picture.
    if (colour.lightness() > 128) {
        const qreal d = std::max<qreal>(1, px / 14);
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(box.translated(d, d), Qt::AlignCenter, text);
    }
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void CabinetPainter::paintButton3d(QPainter& p, const Control& c, const QString& caption, bool down) {
    const QRectF r = g_.rect(c);
    const qreal edge = std::max<qreal>(1.5, 30 * g_.scale());
    const QRectF inner = dialogpaint::buttonFace(p, r, edge, r.height() / 5, down);
    if (!caption.isEmpty())
        paintText(p, down ? inner.translated(0, edge / 2) : inner, caption, kGoldHi, true, 0.5);
}

}  // namespace tonvale
