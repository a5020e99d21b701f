// SPDX-License-Identifier: MIT
#include "ui/dialogs_options.h"

#include <QLinearGradient>
#include <QPainter>

#include "game/game.h"
#include "players/options.h"
#include "ui/dialogs_paint.h"

namespace tonvale {

using namespace dialogpaint;

OptionsDialog::OptionsDialog(Game& game, SpriteCache& sprites)
    : ModelDialog(game, game.options.ui, game.options.ui.form, sprites), ui_(game.options.ui) {}

Control* OptionsDialog::firstFocus() {
    // Loading the window switches to the current slot, which hands the keyboard to the name box.
    return focusable(ui_.player1) ? &ui_.player1 : ModelDialog::firstFocus();
}

void OptionsDialog::clicked(Control& c) {
    // A slot switch gives the name box the keyboard.
    if (c.name == "machine" && focusable(ui_.player1)) setFocusedControl(&ui_.player1);
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

void OptionsDialog::paintBackground(QPainter& p, const ViewGeometry& g) {
    velvet(p, g.area());
    // The main frame and the limits column: a walnut band trimmed in gold round an
    // ivory sheet.
    for (const Control* f : {&ui_.Framemain, &ui_.Framelimits})
        if (f->shown()) walnutSheet(p, g.rect(*f), g.scale());
}

void OptionsDialog::paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) {
    const qreal e = em(g);
    const QString caption = QString::fromStdString(c.caption);
    switch (c.kind) {
        case ControlKind::frame:
            if (&c == &ui_.Framemain || &c == &ui_.Framelimits) {
                // The window's title sits in a walnut tab on the top of the frame.
                if (caption.isEmpty()) return;
                const qreal tabWidth = std::min<qreal>(1900, c.width - 520) * g.scale();
                walnutTab(
                    p,
                    QRectF(r.left() + 260 * g.scale(), r.top() - 100 * g.scale(), tabWidth, 260 * g.scale()),
                    caption, e, g.scale());
                return;
            }
            groupFrame(p, r, caption, textColour(c), kIvory, e);
            return;
        case ControlKind::label:
            if (caption.isEmpty()) return;
            if (r.height() > 2.2 * e)
                wrapText(p, r, caption.trimmed(), textColour(c), e, false);
            else
                fitText(p, r, caption, textColour(c), e, &c == &ui_.lblcurrentplayer);
            return;
        case ControlKind::textbox:
            textBox(p, r, caption, e, focusOn(c));
            return;
        case ControlKind::option:
            optionButton(p, r, caption, kInk, e, c.value, c.enabled, focusOn(c));
            return;
        case ControlKind::button:
            button3d(p, r, caption, e, isPressed(c), c.enabled, focusOn(c));
            return;
        default:
            if (!c.picture.empty()) drawPicture(p, c.picture, r, g);
            return;
    }
}

}  // namespace tonvale
