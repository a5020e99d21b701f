// SPDX-License-Identifier: MIT
#include "ui/dialogs_about.h"

#include <QPainter>

#include "game/game.h"
#include "ui/dialogs_paint.h"
#include "windows/auxwindows.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

const QColor kLightYellow(0xff, 0xff, 0xe1);

}  // namespace

// A button that carries an icon: the icon at its left, the caption beside it.
void AboutDialog::iconButton(QPainter& p, const QRectF& r, const Control& c, const ViewGeometry& g) {
    const qreal e = em(g);
    const bool down = isPressed(c);
    button3d(p, r, QString(), e, down, c.enabled, focusOn(c));
    const qreal edge = std::max<qreal>(1.5, r.height() * 0.08);
    const QRectF inner = r.adjusted(edge * 2, edge * 2, -edge * 2, -edge * 2);
    QRectF text = inner;
    const qreal side = inner.height();
    const QRectF icon(inner.left() + side * 0.2, inner.top() + (down ? edge / 2 : 0), side, side);
    if (!c.picture.empty() && drawPicture(p, c.picture, icon, g)) text.setLeft(inner.left() + side * 1.4);
    fitText(p, text.translated(0, down ? edge / 2 : 0), QString::fromStdString(c.caption), kGoldHi, e, true,
            Align::centre, true);
}

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
                const bool plaque = drawPicture(p, Sheet::about_banner, r, g);
                const qreal inset = plaque ? r.height() * 0.3 : 0;
                fitText(p, r.adjusted(inset, 0, -inset, 0), caption, Qt::white, e * 1.2, true,
                        plaque ? Align::centre : Align::left, true);
                return;
            }
            fitText(p, r, caption, kYellow, e * 1.1, true);
            return;
        case ControlKind::button:
            iconButton(p, r, c, g);
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
