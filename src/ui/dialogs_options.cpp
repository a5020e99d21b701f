// SPDX-License-Identifier: MIT
#include "ui/dialogs_options.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "game/game.h"
#include "players/options.h"
#include "ui/dialogs_paint.h"
#include "ui/theatrestyle.h"
#include "ui/uitext.h"

namespace tonvale {

using namespace dialogpaint;

OptionsDialog::OptionsDialog(Game& game, SpriteCache& sprites, TheatreStyle& style)
    : ModelDialog(game, game.options.ui, game.options.ui.form, sprites, style), ui_(game.options.ui) {
    build();
    if (auto* label = qobject_cast<QLabel*>(widgetOf(ui_.lblplayername)))
        label->setBuddy(widgetOf(ui_.player1));
    retranslate();
}

void OptionsDialog::retranslate() {
    if (QWidget* name = widgetOf(ui_.player1)) {
        name->setAccessibleName(QCoreApplication::translate("Options", "Player name"));
        name->setAccessibleDescription(
            QCoreApplication::translate("Options", "Type a name of up to 12 characters, then press Enter"));
    }
    if (QWidget* volume = widgetOf(ui_.volume)) {
        volume->setAccessibleName(QCoreApplication::translate("Options", "Volume"));
        volume->setAccessibleDescription(
            QCoreApplication::translate("Options", "How loud the game sounds, from 0 (silent) to 100"));
    }
}

QWidget* OptionsDialog::firstFocus() {
    // Loading the window switches to the current slot, which hands the keyboard to the name box.
    QWidget* name = widgetOf(ui_.player1);
    return name && name->isVisibleTo(this) && name->isEnabled() ? name : ModelDialog::firstFocus();
}

void OptionsDialog::clicked(Control& c) {
    // A slot switch gives the name box the keyboard.
    if (c.name == "machine")
        if (QWidget* name = widgetOf(ui_.player1)) name->setFocus(Qt::OtherFocusReason);
}

QColor OptionsDialog::textColour(const Control& c) const {
    if (&c == &ui_.lblplayername || &c == &ui_.speedlab || &c == &ui_.Framecounter || &c == &ui_.Framespeed)
        return kBlue;
    if (&c == &ui_.lblcurrentplayer) return kRed;
    const Control* darkBlue[] = {&ui_.lblgames,    &ui_.lblwager,    &ui_.lbltotalwon,  &ui_.lblwinlose,
                                 &ui_.lblreturned, &ui_.lblinvested, &ui_.lblfreespins, &ui_.lblgrandwon,
                                 &ui_.lblmajorwon, &ui_.lblminorwon};
    for (const Control* d : darkBlue)
        if (d == &c) return kDarkBlue;
    if (c.kind == ControlKind::frame) return kGoldLo;
    return kInk;
}

std::array<const Control*, 4> OptionsDialog::sheets() const {
    return {&ui_.Framemain, &ui_.Framelimits, &ui_.Framelanguage, &ui_.Framevolume};
}

QWidget* OptionsDialog::make(Control& c, QWidget* parent) {
    QWidget* w = ModelDialog::make(c, parent);
    if (!w) return w;
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const auto frames = sheets();
        const bool sheet = std::find(frames.begin(), frames.end(), &c) != frames.end();
        box->setProperty(framelook::kProperty,
                         QString::fromLatin1(sheet ? framelook::kSheet : framelook::kRule));
        box->setProperty(kTitleColourProperty, textColour(c));
    } else {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, textColour(c));
        w->setPalette(pal);
    }
    if (&c == &ui_.lblcurrentplayer) setTextSize(w, 1, true);
    return w;
}

void OptionsDialog::showControl(const Control& c, QWidget* w) {
    ModelDialog::showControl(c, w);
    // A slot button is read out with its number and the player on it.
    if (c.name == "machine") {
        const QString name = QCoreApplication::translate("Options", "Slot %1: %2")
                                 .arg(c.index)
                                 .arg(ui::modelText(c.caption).trimmed());
        if (w->accessibleName() != name) w->setAccessibleName(name);
    }
}

void OptionsDialog::paintBackground(QPainter& p, const ViewGeometry& g) {
    velvet(p, g.area());
    // The sheets: a walnut band trimmed in gold round an ivory sheet, the title in a walnut tab on its top.
    const qreal e = 165 * g.scale();
    for (const Control* f : sheets()) {
        if (!f->shown()) continue;
        const QRectF r = g.rect(*f);
        walnutSheet(p, r, g.scale());
        const QString caption = ui::modelText(f->caption);
        if (caption.isEmpty()) continue;
        const qreal tabWidth = std::min<qreal>(1900, f->width - 520) * g.scale();
        walnutTab(p, QRectF(r.left() + 260 * g.scale(), r.top() - 100 * g.scale(), tabWidth, 260 * g.scale()),
                  caption, e, g.scale());
    }
}

}  // namespace tonvale
