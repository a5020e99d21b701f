// SPDX-License-Identifier: MIT
#include "ui/oddsdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "game/game.h"
#include "ui/dialogs_paint.h"
#include "ui/theatrestyle.h"
#include "windows/auxwindows.h"

namespace tonvale {

using namespace dialogpaint;

OddsDialog::OddsDialog(Game& game, SpriteCache& sprites, TheatreStyle& style)
    : ModelDialog(game, game.windows.odds.ui, game.windows.odds.ui.form, sprites, style),
      ui_(game.windows.odds.ui) {
    build();
    // Each figure is labelled by the name in front of it.
    const Control* values[10] = {nullptr,         &ui_.lblpaidspin, &ui_.lblfreespins, &ui_.lbltotal,
                                 &ui_.lbljackpot, &ui_.lblhit,      &ui_.lblpfree,     &ui_.lblpjackpot,
                                 &ui_.lblmaxwin,  &ui_.lblmaxpaid};
    for (std::size_t i = 1; i < ui_.rowname.size(); ++i)
        if (auto* name = qobject_cast<QLabel*>(widgetOf(ui_.rowname[i])))
            name->setBuddy(widgetOf(*values[i]));
}

QWidget* OddsDialog::make(Control& c, QWidget* parent) {
    QWidget* w = ModelDialog::make(c, parent);
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setProperty(framelook::kProperty, QString::fromLatin1(framelook::kPanel));
        return w;
    }
    auto* label = qobject_cast<QLabel*>(w);
    if (!label) return w;
    QPalette pal = label->palette();
    if (&c == &ui_.lblTitle) {
        // The title in gold serif, as the pay table's.
        pal.setColor(QPalette::WindowText, kGoldHi);
        label->setProperty("serif", true);
        setTextSize(label, 0.7 * c.height / 165.0, true);
    } else if (&c == &ui_.lblsetting) {
        pal.setColor(QPalette::WindowText, kIvory);
        setTextSize(label, 1.1, true);
    } else if (&c == &ui_.lblnote) {
        pal.setColor(QPalette::WindowText, kIvoryShadow);
        setTextSize(label, 0.95, false);
    } else {
        pal.setColor(QPalette::WindowText, kInk);
        setTextSize(label, 1, c.name != "rowname");
    }
    label->setPalette(pal);
    return w;
}

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

}  // namespace tonvale
