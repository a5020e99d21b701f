// SPDX-License-Identifier: MIT
#include "ui/dialogs_about.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

#include "game/game.h"
#include "ui/dialogs_paint.h"
#include "windows/auxwindows.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

const QColor kLightYellow(0xff, 0xff, 0xe1);

void colour(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

}  // namespace

AboutDialog::AboutDialog(Game& game, SpriteCache& sprites, TheatreStyle& style)
    : ModelDialog(game, game.windows.about, game.windows.about.form, sprites, style),
      ui_(game.windows.about) {
    build();
    retranslate();
}

void AboutDialog::retranslate() {
    if (QWidget* back = widgetOf(ui_.Picture2))
        back->setAccessibleName(QCoreApplication::translate("About", "Return to game"));
    if (QWidget* icon = widgetOf(ui_.picIcon))
        icon->setAccessibleName(QCoreApplication::translate("About", "Tonvale"));
}

QWidget* AboutDialog::make(Control& c, QWidget* parent) {
    QWidget* w = ModelDialog::make(c, parent);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (&c == &ui_.lblTitle) {
            // The title is set on a velvet plaque trimmed in gold.
            label->setAlignment(Qt::AlignCenter);
            colour(label, Qt::white);
            setTextSize(label, 1.2, true);
        } else {
            colour(label, kYellow);
            setTextSize(label, 1.1, true);
        }
    }
    return w;
}

void AboutDialog::resizeEvent(QResizeEvent* e) {
    ModelDialog::resizeEvent(e);
    // The title keeps off the plaque's rounded ends.
    if (auto* title = qobject_cast<QLabel*>(widgetOf(ui_.lblTitle))) {
        const int inset = title->height() * 3 / 10;
        title->setContentsMargins(inset, 0, inset, 0);
    }
}

QWidget* AboutDialog::firstFocus() {
    // Enter takes the player back to the game, never out of it.
    QWidget* back = widgetOf(ui_.Picture2);
    return back && back->isVisibleTo(this) ? back : ModelDialog::firstFocus();
}

void AboutDialog::paintBackground(QPainter& p, const ViewGeometry& g) {
    p.fillRect(g.area(), Qt::black);
    if (!ui_.lblTitle.shown()) return;
    const QRectF r = g.snapped(g.rect(ui_.lblTitle));
    const QPixmap plaque = sprites_.picture(Sheet::about_banner, g.devicePixels(r), g.dpr());
    if (!plaque.isNull()) p.drawPixmap(r.topLeft(), plaque);
}

AdvertDialog::AdvertDialog(Game& game, SpriteCache& sprites, TheatreStyle& style)
    : ModelDialog(game, game.windows.advert, game.windows.advert.form, sprites, style),
      ui_(game.windows.advert) {
    build();
    retranslate();
}

void AdvertDialog::retranslate() {
    if (QWidget* poster = widgetOf(ui_.Picture1))
        poster->setAccessibleName(QCoreApplication::translate("Advert", "Visit the partner casino"));
    if (QWidget* back = widgetOf(ui_.SSCommand2))
        back->setAccessibleName(QCoreApplication::translate("Advert", "Return to game"));
}

QWidget* AdvertDialog::firstFocus() {
    // The way back to the game is the default.
    QWidget* back = widgetOf(ui_.SSCommand2);
    return back && back->isVisibleTo(this) ? back : ModelDialog::firstFocus();
}

void AdvertDialog::paintBackground(QPainter& p, const ViewGeometry& g) { p.fillRect(g.area(), kLightYellow); }

}  // namespace tonvale
