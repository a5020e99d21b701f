// SPDX-License-Identifier: MIT
#include "ui/dialogs_about.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "game/game.h"
#include "ui/dialogs_paint.h"
#include "ui/identity.h"
#include "ui/theatrestyle.h"
#include "windows/auxwindows.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

const QColor kLightYellow(0xff, 0xff, 0xe1);

}  // namespace

AboutDialog::AboutDialog(Game& game, SpriteCache& sprites, TheatreStyle& style)
    : ModelDialog(game, game.windows.about, game.windows.about.form, sprites, style),
      ui_(game.windows.about) {
    build();
    // The version, the licence and the credits, one label each under a gold rule.
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("credits%1").arg(i + 1));
        label->setStyle(&style_);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(i > 0);
        label->setAlignment(i == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        colour(label, i == 0 ? kYellow : kIvory);
        credits_.push_back(label);
    }
    retranslate();
    placeCredits();
}

QString AboutDialog::title() { return QCoreApplication::translate("About", "About Tonvale"); }

QString AboutDialog::windowCaption() const { return title(); }

QStringList AboutDialog::creditLines() {
    return {
        QCoreApplication::translate("About", "Version %1").arg(applicationVersion()),
        QCoreApplication::translate("About",
                                    "Free software under the MIT licence: you may use, copy, change and "
                                    "share it (the file LICENSE holds the whole text). Play money only."),
        QCoreApplication::translate("About",
                                    "Pictures, sounds and code by the Tonvale developers. Text set in the "
                                    "DejaVu fonts (Bitstream Vera licence). Built with Qt %1 (LGPL 3) and "
                                    "SQLite %2 (public domain).")
            .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(sqlite3_libversion()))};
}

void AboutDialog::placeCredits() {
    // Twips of the window below the game's own controls, scaled as they are.
    const ViewGeometry g = geometryNow();
    const qreal s = g.scale();
    const QRectF area = g.area();
    const int top = AboutWindow::kCreditsTop;
    const QRectF boxes[3] = {QRectF(240, top + 180, 5250, 330), QRectF(240, top + 600, 5250, 780),
                             QRectF(240, top + 1440, 5250, 1140)};
    for (std::size_t i = 0; i < credits_.size(); ++i) {
        const QRectF& b = boxes[i];
        credits_[i]->setGeometry(
            QRectF(area.left() + b.left() * s, area.top() + b.top() * s, b.width() * s, b.height() * s)
                .toAlignedRect());
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(165 * s * (i == 0 ? 1.1 : 0.95)))));
        f.setBold(i == 0);
        credits_[i]->setFont(f);
    }
}

void AboutDialog::retranslate() {
    const QStringList lines = creditLines();
    for (std::size_t i = 0; i < credits_.size(); ++i) credits_[i]->setText(lines[static_cast<qsizetype>(i)]);
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
    placeCredits();
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
    // A gold rule parts the game's own lines from the credits.
    const qreal s = g.scale();
    const QRectF area = g.area();
    p.fillRect(QRectF(area.left() + 240 * s, area.top() + AboutWindow::kCreditsTop * s, 5250 * s,
                      std::max<qreal>(1, 20 * s)),
               kGoldLo);
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
