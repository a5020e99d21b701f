// SPDX-License-Identifier: MIT
#include "ui/oddsdialog.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "game/game.h"
#include "ui/dialogs_paint.h"
#include "windows/auxwindows.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

const QColor kHeading(0xa8, 0x1c, 0x1c);

// An ivory panel with a gold rim, as the pay table's.
void ivoryPanel(QPainter& p, const QRectF& r, qreal scale) {
    p.save();
    QLinearGradient ground(r.topLeft(), r.bottomLeft());
    ground.setColorAt(0, kIvory);
    ground.setColorAt(1, kIvoryShadow);
    p.setBrush(ground);
    p.setPen(QPen(kGold, std::max<qreal>(1, 30 * scale)));
    const qreal radius = 75 * scale;
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

}  // namespace

OddsDialog::OddsDialog(Game& game, SpriteCache& sprites)
    : ModelDialog(game, game.windows.odds.ui, game.windows.odds.ui.form, sprites),
      ui_(game.windows.odds.ui) {}

void OddsDialog::paintBackground(QPainter& p, const ViewGeometry& g) {
    velvet(p, g.area());
    // A gold rule under the title and the setting line.
    const QRectF rule = g.rect(240, 1005, OddsWindow::kWidth - 480, 15);
    QLinearGradient gold(rule.topLeft(), rule.topRight());
    gold.setColorAt(0, kGoldLo);
    gold.setColorAt(0.5, kGoldHi);
    gold.setColorAt(1, kGoldLo);
    p.fillRect(rule, gold);
}

void OddsDialog::paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) {
    const qreal e = em(g);
    const QString caption = QString::fromStdString(c.caption);
    switch (c.kind) {
        case ControlKind::button:
            button3d(p, r, caption, e, isPressed(c), c.enabled, focusOn(c));
            return;
        case ControlKind::frame: {
            ivoryPanel(p, r, g.scale());
            const QRectF heading(r.left() + 120 * g.scale(), r.top() + 45 * g.scale(),
                                 r.width() - 240 * g.scale(), 270 * g.scale());
            fitText(p, heading, caption, kHeading, e * 1.05, true);
            return;
        }
        case ControlKind::label:
            break;
        default:
            return;
    }
    if (&c == &ui_.lblTitle) {
        QFont serif(QStringLiteral("DejaVu Serif"));
        serif.setBold(true);
        serif.setItalic(true);
        serif.setPixelSize(std::max(1, static_cast<int>(r.height() * 0.7)));
        p.setFont(serif);
        p.setPen(QColor(0, 0, 0, 170));
        const qreal d = std::max<qreal>(1, r.height() / 30);
        p.drawText(r.translated(d, d), Qt::AlignLeft | Qt::AlignVCenter, caption);
        p.setPen(kGoldHi);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, caption);
    } else if (&c == &ui_.lblsetting) {
        fitText(p, r, caption, kIvory, e * 1.1, true, Align::left, true);
    } else if (&c == &ui_.lblnote) {
        wrapText(p, r, caption, kIvoryShadow, e * 0.95, false);
    } else if (c.name == "rowname") {
        fitText(p, r, caption, kInk, e, false);
    } else {
        fitText(p, r, caption, kInk, e, true);
    }
}

}  // namespace tonvale
