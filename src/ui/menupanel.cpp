// SPDX-License-Identifier: MIT
#include "ui/menupanel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "game/game.h"
#include "ui/cabinet.h"
#include "ui/dialogs_paint.h"
#include "ui/theatrestyle.h"
#include "ui/uitext.h"

namespace tonvale {

MenuPanel::MenuPanel(CabinetWidget& cabinet, TheatreStyle& style) : QWidget(&cabinet), cabinet_(cabinet) {
    setStyle(&style);
    setObjectName(QStringLiteral("menupic"));
    MainWindow& ui = cabinet.game().m.ui;
    for (Control* c : ui.all()) {
        if (c->parent != &ui.menupic) continue;
        auto* button = new QPushButton(this);
        button->setStyle(&style);
        button->setObjectName(QString::fromStdString(c->fullName()));
        // Enter presses the button that has the keyboard, as Space does.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, c] { cabinet_.pressFromKeyboard(*c); });
        buttons_.emplace_back(c, button);
    }
    hide();
}

QPushButton* MenuPanel::buttonFor(const Control& c) const {
    for (const auto& [control, button] : buttons_)
        if (control == &c) return button;
    return nullptr;
}

void MenuPanel::sync() {
    const MainWindow& ui = cabinet_.game().m.ui;
    const QString name = QCoreApplication::translate("Cabinet", "Menu");
    if (accessibleName() != name) setAccessibleName(name);
    for (const auto& [c, button] : buttons_) {
        const QString text = ui::modelText(c->caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (button->text() != text) button->setText(text);
        if (button->isHidden() == c->visible) button->setHidden(!c->visible);
        // Dimmed by the game's rule, as every button of the cabinet.
        const bool available = cabinet_.pressable(*c);
        if (button->isEnabled() != available) button->setEnabled(available);
    }
    const bool shown = ui.menupic.shown();
    if (isVisible() != shown) {
        // Closing with the keyboard inside gives it back to the cabinet.
        if (!shown && isAncestorOf(QWidget::focusWidget())) cabinet_.setFocus(Qt::OtherFocusReason);
        setVisible(shown);
        if (shown) raise();
    }
}

void MenuPanel::place(const ViewGeometry& g) {
    scale_ = g.scale();
    const MainWindow& ui = cabinet_.game().m.ui;
    const auto pixels = [&g](const Control& c) {
        const QRectF r = g.rect(c);
        const QPoint tl(static_cast<int>(std::lround(r.left())), static_cast<int>(std::lround(r.top())));
        const QPoint br(static_cast<int>(std::lround(r.right())), static_cast<int>(std::lround(r.bottom())));
        return QRect(tl, QSize(br.x() - tl.x(), br.y() - tl.y()));
    };
    const QRect panel = pixels(ui.menupic);
    setGeometry(panel);
    for (const auto& [c, button] : buttons_) {
        const QRect r = pixels(*c).translated(-panel.topLeft());
        button->setGeometry(r);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(r.height() * 0.42))));
        button->setFont(f);
    }
}

void MenuPanel::takeKeyboard() {
    for (const auto& [c, button] : buttons_)
        if (button->isVisibleTo(this) && button->isEnabled()) {
            button->setFocus(Qt::TabFocusReason);
            return;
        }
}

void MenuPanel::move(int step) {
    std::vector<QPushButton*> ring;
    for (const auto& [c, button] : buttons_)
        if (button->isVisibleTo(this) && button->isEnabled()) ring.push_back(button);
    if (ring.empty()) return;
    const auto at = std::find(ring.begin(), ring.end(), QWidget::focusWidget());
    const auto n = static_cast<std::ptrdiff_t>(ring.size());
    std::ptrdiff_t i = at == ring.end() ? (step > 0 ? -1 : 0) : at - ring.begin();
    i = ((i + step) % n + n) % n;
    ring[static_cast<std::size_t>(i)]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void MenuPanel::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Escape:
            // Escape closes the menu, as moving the mouse off it does.
            cabinet_.closeMenu();
            return;
        case Qt::Key_Up:
            move(-1);
            return;
        case Qt::Key_Down:
            move(1);
            return;
        default:
            QWidget::keyPressEvent(e);
    }
}

// Tab goes round the menu's buttons; Escape leaves it.
bool MenuPanel::focusNextPrevChild(bool next) {
    move(next ? 1 : -1);
    return true;
}

void MenuPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    dialogpaint::walnutPanel(p, QRectF(rect()), scale_);
}

}  // namespace tonvale
