// SPDX-License-Identifier: MIT
#include "ui/dialogs_about.h"

#include <QPainter>
#include <QPainterPath>

#include "game/game.h"
#include "ui/dialogs_paint.h"
#include "windows/auxwindows.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

const QColor kLightYellow(0xff, 0xff, 0xe1);

enum class Glyph : std::uint8_t { none, exit, web, mail };

Glyph glyphOf(const std::string& picture) {
    if (picture == "icon_exit") return Glyph::exit;
    if (picture == "icon_web") return Glyph::web;
    if (picture == "icon_mail") return Glyph::mail;
    return Glyph::none;
}

// The small picture at the left of a button, drawn in gold.
void glyph(QPainter& p, Glyph which, const QRectF& box) {
    p.save();
    const qreal s = box.height();
    QPen pen(kGoldHi, std::max<qreal>(1, s * 0.1));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF r = box.adjusted(s * 0.12, s * 0.12, -s * 0.12, -s * 0.12);
    switch (which) {
        case Glyph::exit: {
            // An open door with an arrow leaving it.
            const QRectF door(r.left(), r.top(), r.width() * 0.5, r.height());
            p.drawRect(door);
            const qreal y = r.center().y();
            p.drawLine(QPointF(door.center().x(), y), QPointF(r.right(), y));
            p.drawLine(QPointF(r.right() - r.width() * 0.2, y - r.height() * 0.2), QPointF(r.right(), y));
            p.drawLine(QPointF(r.right() - r.width() * 0.2, y + r.height() * 0.2), QPointF(r.right(), y));
            break;
        }
        case Glyph::web:
            p.drawEllipse(r);
            p.drawEllipse(QRectF(r.center().x() - r.width() * 0.22, r.top(), r.width() * 0.44, r.height()));
            p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
            break;
        case Glyph::mail: {
            const QRectF env(r.left(), r.top() + r.height() * 0.15, r.width(), r.height() * 0.7);
            p.drawRect(env);
            QPainterPath flap;
            flap.moveTo(env.topLeft());
            flap.lineTo(env.center().x(), env.top() + env.height() * 0.6);
            flap.lineTo(env.topRight());
            p.drawPath(flap);
            break;
        }
        case Glyph::none:
            break;
    }
    p.restore();
}

// A button that carries an icon: the icon at its left, the caption beside it.
void iconButton(QPainter& p, const QRectF& r, const Control& c, qreal em, bool down, bool focus) {
    const Glyph g = glyphOf(c.picture);
    button3d(p, r, QString(), em, down, c.enabled, focus);
    const qreal edge = std::max<qreal>(1.5, r.height() * 0.08);
    const QRectF inner = r.adjusted(edge * 2, edge * 2, -edge * 2, -edge * 2);
    QRectF text = inner;
    if (g != Glyph::none) {
        const qreal side = inner.height();
        glyph(p, g, QRectF(inner.left() + side * 0.2, inner.top(), side, side));
        text.setLeft(inner.left() + side * 1.4);
    }
    fitText(p, text.translated(0, down ? edge / 2 : 0), QString::fromStdString(c.caption), kGoldHi, em, true,
            Align::centre, true);
}

}  // namespace

AboutDialog::AboutDialog(Game& game, SpriteCache& sprites)
    : ModelDialog(game, game.windows.about, game.windows.about.form, sprites), ui_(game.windows.about) {}

Control* AboutDialog::firstFocus() {
    // Enter takes the player back to the game, never out of it.
    return focusable(ui_.Picture2) ? &ui_.Picture2 : ModelDialog::firstFocus();
}

void AboutDialog::paintBackground(QPainter& p, const ViewGeometry& g) { p.fillRect(g.area(), Qt::black); }

void AboutDialog::paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) {
    const qreal e = em(g);
    const QString caption = QString::fromStdString(c.caption);
    switch (c.kind) {
        case ControlKind::label:
            if (&c == &ui_.lblTitle) {
                // The title is set on a velvet plaque trimmed in gold.
                const bool plaque = drawPicture(p, "about_banner", r, g);
                const qreal inset = plaque ? r.height() * 0.3 : 0;
                fitText(p, r.adjusted(inset, 0, -inset, 0), caption, Qt::white, e * 1.2, true,
                        plaque ? Align::centre : Align::left, true);
                return;
            }
            fitText(p, r, caption, kYellow, e * 1.1, true);
            return;
        case ControlKind::button:
            iconButton(p, r, c, e, isPressed(c), focusOn(c));
            return;
        default:
            if (!c.picture.empty()) drawPicture(p, c.picture, r, g);
            if (focusOn(c)) focusMark(p, r.adjusted(1, 1, -1, -1), kYellow);
            return;
    }
}

AdvertDialog::AdvertDialog(Game& game, SpriteCache& sprites)
    : ModelDialog(game, game.windows.advert, game.windows.advert.form, sprites), ui_(game.windows.advert) {}

Control* AdvertDialog::firstFocus() {
    // The way back to the game is the default.
    return focusable(ui_.SSCommand2) ? &ui_.SSCommand2 : ModelDialog::firstFocus();
}

void AdvertDialog::paintBackground(QPainter& p, const ViewGeometry& g) { p.fillRect(g.area(), kLightYellow); }

void AdvertDialog::paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) {
    const bool pictureDrawn = !c.picture.empty() && drawPicture(p, c.picture, r, g);
    if (c.kind == ControlKind::button) {
        if (!pictureDrawn)
            button3d(p, r, QStringLiteral("RETURN TO GAME"), em(g), isPressed(c), c.enabled, false);
        if (isPressed(c)) p.fillRect(r, QColor(0, 0, 0, 60));
        if (focusOn(c)) focusMark(p, r.adjusted(2, 2, -2, -2), Qt::white);
    }
}

}  // namespace tonvale
