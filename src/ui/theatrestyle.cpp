// SPDX-License-Identifier: MIT
#include "ui/theatrestyle.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/dialogs_paint.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

// The pixel size of the text a painter writes with.
qreal fontPixels(const QFont& f) { return f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize(); }

qreal fontPixels(const QWidget* w, const QPainter* p) {
    if (w) return fontPixels(w->font());
    return p ? fontPixels(p->font()) : 12;
}

// A button's text without its mnemonic marks ("&&" is one ampersand).
QString withoutMnemonics(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// The ivory well and brass rim an option ring and a check box are drawn with.
void brassWell(QPainter& p, const QRectF& r) {
    const qreal d = r.width();
    QRadialGradient well(r.center() - QPointF(d * 0.15, d * 0.15), d * 0.7);
    well.setColorAt(0, kIvory);
    well.setColorAt(1, kIvoryShadow);
    p.setBrush(well);
    p.setPen(QPen(kGoldLo, std::max<qreal>(1, d * 0.12)));
}

// The brass ring of an option button, with a velvet dot when it is selected.
void optionRing(QPainter& p, const QRectF& ring, bool selected) {
    const qreal d = ring.width();
    brassWell(p, ring);
    p.drawEllipse(ring.adjusted(0.5, 0.5, -0.5, -0.5));
    if (!selected) return;
    QRadialGradient dot(ring.center() - QPointF(d * 0.1, d * 0.1), d * 0.3);
    dot.setColorAt(0, kVelvetHi.lighter(180));
    dot.setColorAt(1, kVelvetLo);
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    p.drawEllipse(ring.center(), d * 0.26, d * 0.26);
}

// The brass-rimmed ivory well of a check box, as the option rings have it, with a
// velvet tick when it is ticked.
void checkWell(QPainter& p, const QRectF& box, bool ticked) {
    const qreal d = box.width();
    brassWell(p, box);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), d * 0.12, d * 0.12);
    if (!ticked) return;
    QPen tick(kVelvetHi, std::max<qreal>(1.5, d * 0.16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(tick);
    p.setBrush(Qt::NoBrush);
    const QPointF o = box.topLeft();
    p.drawPolyline(QPolygonF{o + QPointF(d * 0.24, d * 0.52), o + QPointF(d * 0.43, d * 0.72),
                             o + QPointF(d * 0.78, d * 0.28)});
}

// A level: an ivory groove with a brass rim, gold up to the knob (the part that is
// set), and a walnut knob rimmed in gold.
void levelSlider(QPainter& p, const QRectF& groove, const QRectF& knob, bool enabled, bool focus) {
    if (!enabled) p.setOpacity(0.45);
    const qreal h = std::max<qreal>(4, knob.height() * 0.32);
    const QRectF track(groove.left() + 0.5, groove.center().y() - h / 2, groove.width() - 1, h);
    p.setPen(QPen(kGoldLo, std::max<qreal>(1, h * 0.18)));
    p.setBrush(kIvoryShadow);
    p.drawRoundedRect(track, h / 2, h / 2);
    QRectF set = track;
    set.setRight(std::max(track.left() + h, knob.center().x()));
    QLinearGradient gold(set.topLeft(), set.bottomLeft());
    gold.setColorAt(0, kGoldHi);
    gold.setColorAt(1, kGold);
    p.setBrush(gold);
    p.drawRoundedRect(set, h / 2, h / 2);
    const QRectF k = knob.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient wood(k.topLeft(), k.bottomLeft());
    wood.setColorAt(0, kWalnutHi);
    wood.setColorAt(1, kWalnutLo);
    p.setBrush(wood);
    p.setPen(QPen(kGold, std::max<qreal>(1, k.width() * 0.12)));
    p.drawRoundedRect(k, k.width() * 0.25, k.width() * 0.25);
    if (focus) focusMark(p, knob.adjusted(-2, -2, 2, 2), kInk);
}

// A sunken ivory text box: a gold rim (brighter with the keyboard) and a shadow
// along the top and left.
void sunkenBox(QPainter& p, const QRectF& r, bool focus) {
    p.setPen(QPen(focus ? kGold : kGoldLo, std::max<qreal>(1, r.height() * 0.06)));
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(kIvoryShadow.darker(130), std::max<qreal>(1, r.height() * 0.05)));
    const qreal in = std::max<qreal>(1.5, r.height() * 0.08);
    p.drawLine(QPointF(r.left() + in, r.top() + in), QPointF(r.right() - in, r.top() + in));
    p.drawLine(QPointF(r.left() + in, r.top() + in), QPointF(r.left() + in, r.bottom() - in));
}

}  // namespace

TheatreStyle::TheatreStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void TheatreStyle::drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                                 const QWidget* w) const {
    switch (pe) {
        case PE_IndicatorRadioButton:
        case PE_IndicatorCheckBox: {
            p->save();
            p->setRenderHint(QPainter::Antialiasing);
            if (!(opt->state & State_Enabled)) p->setOpacity(0.45);
            const qreal d = std::min(opt->rect.width(), opt->rect.height());
            const QRectF box(opt->rect.left(), opt->rect.center().y() - d / 2 + 0.5, d, d);
            if (pe == PE_IndicatorRadioButton)
                optionRing(*p, box, opt->state & State_On);
            else
                checkWell(*p, box, opt->state & State_On);
            p->restore();
            return;
        }
        case PE_FrameFocusRect:
            focusMark(*p, QRectF(opt->rect).adjusted(0.5, 0.5, -0.5, -0.5),
                      opt->palette.color(QPalette::WindowText));
            return;
        case PE_PanelLineEdit:
            p->save();
            p->setRenderHint(QPainter::Antialiasing, false);
            sunkenBox(*p, opt->rect, opt->state & State_HasFocus);
            p->restore();
            return;
        case PE_FrameLineEdit:
        case PE_FrameDefaultButton:
        case PE_FrameGroupBox:
            return;
        default:
            QProxyStyle::drawPrimitive(pe, opt, p, w);
    }
}

void TheatreStyle::drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                               const QWidget* w) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(opt);
    if (ce != CE_PushButton || !button) {
        QProxyStyle::drawControl(ce, opt, p, w);
        return;
    }
    // A gold-rimmed walnut button; an icon sits at its left with the caption beside it.
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF r = QRectF(button->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool down = button->state & (State_Sunken | State_On);
    const bool enabled = button->state & State_Enabled;
    const bool focus = button->state & State_HasFocus;
    const qreal em = fontPixels(w, p);
    const QString caption = withoutMnemonics(button->text);
    if (button->icon.isNull()) {
        button3d(*p, r, caption, em, down, enabled, focus);
        p->restore();
        return;
    }
    button3d(*p, r, QString(), em, down, enabled, focus);
    if (!enabled) p->setOpacity(0.45);
    const qreal edge = std::max<qreal>(1.5, r.height() * 0.08);
    const QRectF inner = r.adjusted(edge * 2, edge * 2, -edge * 2, -edge * 2);
    const qreal side = inner.height();
    const qreal shift = down ? edge / 2 : 0;
    const QRectF icon(inner.left() + side * 0.2, inner.top() + shift, side, side);
    const qreal dpr = p->device() ? p->device()->devicePixelRatioF() : 1;
    const QPixmap pm = button->icon.pixmap(icon.size().toSize(), dpr);
    p->drawPixmap(icon.topLeft(), pm);
    const QRectF text(inner.left() + side * 1.4, inner.top() + shift, inner.width() - side * 1.4,
                      inner.height());
    fitText(*p, text, caption, kGoldHi, em, true, Align::centre, true);
    p->restore();
}

void TheatreStyle::drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                                      const QWidget* w) const {
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(opt);
    if (cc == CC_Slider && slider && slider->orientation == Qt::Horizontal) {
        // Where the groove and the knob are is Fusion's, so the mouse finds them where they show.
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        levelSlider(*p, subControlRect(cc, opt, SC_SliderGroove, w),
                    subControlRect(cc, opt, SC_SliderHandle, w), opt->state & State_Enabled,
                    opt->state & State_HasFocus);
        p->restore();
        return;
    }
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(opt);
    if (cc != CC_GroupBox || !group) {
        QProxyStyle::drawComplexControl(cc, opt, p, w);
        return;
    }
    const QString look = w ? w->property(framelook::kProperty).toString() : QString();
    if (look == QLatin1String(framelook::kSheet)) return;  // the window draws its sheets
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    const qreal em = fontPixels(w, p);
    const QRectF r = QRectF(group->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const QString title = withoutMnemonics(group->text);
    if (look == QLatin1String(framelook::kPanel)) {
        // Twips of the window's design: its 8-point text is 165 twips high.
        const qreal scale = em / 165;
        ivoryPanel(*p, r, scale);
        const QRectF heading(r.left() + 120 * scale, r.top() + 45 * scale, r.width() - 240 * scale,
                             270 * scale);
        fitText(*p, heading, title, kHeading, em * 1.05, true);
    } else {
        const QVariant colour = w ? w->property(kTitleColourProperty) : QVariant();
        groupFrame(*p, r, title, colour.isValid() ? colour.value<QColor>() : kGoldLo, kIvory, em);
    }
    p->restore();
}

void TheatreStyle::drawItemText(QPainter* p, const QRect& r, int flags, const QPalette& pal, bool enabled,
                                const QString& text, QPalette::ColorRole role) const {
    if (text.isEmpty() || r.isEmpty()) return;
    p->save();
    // Smaller until the text fits its box; a wrapped text fits both ways.
    QFont f = p->font();
    const bool wrap = flags & Qt::TextWordWrap;
    const qreal wanted = fontPixels(f);
    qreal px = wanted;
    for (int i = 0; i < 16; ++i) {
        const QRectF need = QFontMetricsF(f).boundingRect(QRectF(r), flags, text);
        const bool fits = need.width() <= r.width() + 0.5 && (!wrap || need.height() <= r.height() + 0.5);
        if (fits || px <= 4) break;
        px = std::max<qreal>(4, wrap ? std::floor(px * 0.92) : std::floor(px * r.width() / need.width()));
        f.setPixelSize(static_cast<int>(px));
    }
    p->setFont(f);
    dialogpaint::noteWritten({text, p->device(), wanted, px,
                              p->transform().mapRect(QFontMetricsF(f).boundingRect(QRectF(r), flags, text))});
    QColor colour = role == QPalette::NoRole
                        ? p->pen().color()
                        : pal.color(enabled ? QPalette::Active : QPalette::Disabled, role);
    if (!enabled) colour.setAlphaF(0.5);
    // Light text on the dark grounds keeps a drop shadow, as on the cabinet.
    if (colour.lightness() > 160) {
        const qreal d = std::max<qreal>(1, px / 14);
        p->setPen(QColor(0, 0, 0, 170));
        p->drawText(QRectF(r).translated(d, d), flags, text);
    }
    p->setPen(colour);
    p->drawText(r, flags, text);
    p->restore();
}

int TheatreStyle::pixelMetric(PixelMetric pm, const QStyleOption* opt, const QWidget* w) const {
    const qreal em = w ? fontPixels(w->font()) : 12;
    switch (pm) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight: {
            const qreal room = w ? w->height() * 0.78 : em;
            return std::max(6, static_cast<int>(std::lround(std::min(em * 1.05, room))));
        }
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            return std::max(2, static_cast<int>(std::lround(em * 0.35)));
        case PM_ButtonShiftHorizontal:
        case PM_ButtonShiftVertical:
            return 0;
        case PM_DefaultFrameWidth:
            return std::max(2, static_cast<int>(std::lround(em * 0.15)));
        default:
            return QProxyStyle::pixelMetric(pm, opt, w);
    }
}

}  // namespace tonvale
