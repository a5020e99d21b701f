// SPDX-License-Identifier: MIT
#include "ui/cabinet.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "game/game.h"
#include "spin/spincycle.h"
#include "ui/bigwinbanner.h"
#include "ui/cabinetaccess.h"
#include "ui/menupanel.h"
#include "ui/palette.h"
#include "ui/theatrestyle.h"
#include "ui/uitext.h"

namespace tonvale {

CabinetWidget::CabinetWidget(Game& game, QWidget* parent)
    : QWidget(parent),
      game_(game),
      style_(std::make_unique<TheatreStyle>()),
      menu_(new MenuPanel(*this, *style_)),
      banner_(new BigWinBanner(game, this)) {
    installCabinetAccessibility();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(minimumSizeHint());
    // The end of every spin is told, for the screen readers.
    spinEndBefore_ = game_.spin.onSpinEnd;
    game_.spin.onSpinEnd = [this] {
        if (spinEndBefore_) spinEndBefore_();
        narrator_.spinEnded();
    };
}

CabinetWidget::~CabinetWidget() {
    game_.spin.onSpinEnd = spinEndBefore_;
    forgetCabinetAccessibility(this);
}

void CabinetWidget::resizeEvent(QResizeEvent* e) {
    menu_->place(geometryNow());
    banner_->place(geometryNow());
    QWidget::resizeEvent(e);
}

void CabinetWidget::closeMenu() {
    if (!game_.m.ui.menupic.visible) return;
    game_.mouseMove(game_.m.ui.form);  // moving off the menu closes it
    after();
    setFocus(Qt::OtherFocusReason);
}

QSize CabinetWidget::sizeHint() const { return QSize(MainWindow::kWidth / 15, MainWindow::kHeight / 15); }
// Two thirds of the natural size: the smallest meter text is still about ten
// pixels high there. The picture keeps its shape at any size (bars fill the rest).
QSize CabinetWidget::minimumSizeHint() const {
    return QSize(MainWindow::kWidth * 2 / 45, MainWindow::kHeight * 2 / 45);
}

ViewGeometry CabinetWidget::geometryNow() const { return ViewGeometry(QSizeF(size()), devicePixelRatioF()); }

QPointF CabinetWidget::centreOf(const Control& c) const { return geometryNow().rect(c).center(); }

Control* CabinetWidget::controlAt(QPointF pos) const { return geometryNow().hit(game_.m.ui, pos); }

// A button that a press would not act on (the game's rule, which also dims it)
// takes no press: the press falls to the window.
Control& CabinetWidget::target(QPointF pos) const {
    Control* c = controlAt(pos);
    const bool button = c && (c->kind == ControlKind::button || c->kind == ControlKind::picbutton);
    if (button && !game_.pressable(*c)) return game_.m.ui.form;
    return c ? *c : game_.m.ui.form;
}

void CabinetWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), Qt::black);
    painter_.paint(
        p, game_.m.ui, geometryNow(), pressed_, [this](const Control& c) { return game_.pressable(c); },
        QRectF(e->rect()));
    if (const Control* f = focusedControl()) {
        // The focus ring: a light line on a dark one, seen on any picture.
        const QRectF r = geometryNow().rect(*f).adjusted(1, 1, -1, -1);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 200), 4));
        p.drawRoundedRect(r, 6, 6);
        p.setPen(QPen(palette::kYellow, 2, Qt::DashLine));
        p.drawRoundedRect(r, 6, 6);
    }
}

bool CabinetWidget::pressable(const Control& c) const { return game_.pressable(c); }

Control* CabinetWidget::focusedControl() const {
    return focus_ && game_.pressable(*focus_) ? focus_ : nullptr;
}

void CabinetWidget::setFocusedControl(Control* c) {
    const bool moved = focus_ != c;
    focus_ = c;
    refresh();
    if (moved) narrator_.focusMoved();
}

bool CabinetWidget::pressFromKeyboard(Control& c) {
    if (pressed_ || !game_.pressable(c)) return false;
    const QString name = QString::fromStdString(c.fullName());
    if (!game_.bindings.find(c, Ev::MouseDown)) {
        const bool clicked = game_.click(c);
        emit routed(name, Ev::Click, clicked);
        after();
        return clicked;
    }
    // A key is a whole click, down and up. The release reaches the button at the
    // first moment its press lets events in, as a mouse's quick release does, not
    // after the press's handler, which may run a whole spin (or show the autoplay
    // notice and run autoplay's first spin) with the button hidden as pressed.
    auto due = std::make_shared<bool>(true);
    const auto release = [this, &c, name, due] {
        if (!*due) return;
        *due = false;
        emit routed(name, Ev::MouseUp, game_.mouseUp(c));
        after();
    };
    QMetaObject::invokeMethod(this, release, Qt::QueuedConnection);
    const bool handled = game_.mouseDown(c);
    emit routed(name, Ev::MouseDown, handled);
    if (handled)
        release();
    else
        *due = false;
    after();
    return handled;
}

bool CabinetWidget::focusNextPrevChild(bool next) {
    // Tab moves over the buttons that can be pressed now, in the order of the panel;
    // the menu's buttons have the keyboard of their own while the menu is open.
    std::vector<Control*> ring;
    for (const CabinetControl& k : cabinetControls(game_.m.ui))
        if (!k.meter && k.control->parent != &game_.m.ui.menupic && game_.pressable(*k.control))
            ring.push_back(k.control);
    if (ring.empty()) {
        setFocusedControl(nullptr);
        return true;
    }
    const auto at = std::find(ring.begin(), ring.end(), focusedControl());
    const auto n = static_cast<std::ptrdiff_t>(ring.size());
    std::ptrdiff_t i = at == ring.end() ? (next ? -1 : 0) : at - ring.begin();
    i = ((i + (next ? 1 : -1)) % n + n) % n;
    setFocusedControl(ring[static_cast<std::size_t>(i)]);
    return true;
}

void CabinetWidget::focusInEvent(QFocusEvent* e) {
    refresh();
    QWidget::focusInEvent(e);
}

void CabinetWidget::changeEvent(QEvent* e) {
    // Every caption and every picture's words are drawn anew in the new language.
    if (e->type() == QEvent::LanguageChange) update();
    QWidget::changeEvent(e);
}

void CabinetWidget::focusOutEvent(QFocusEvent* e) {
    refresh();
    QWidget::focusOutEvent(e);
}

CabinetWidget::Look CabinetWidget::lookOf(const Control& c) const {
    Look l;
    const bool parentShown = !c.parent || c.parent->shown();
    l.pressed = &c == pressed_ && c.kind == ControlKind::picbutton && parentShown;
    l.shown = c.shown() || l.pressed;
    if (!l.shown) return l;  // a hidden control looks the same whatever it holds
    l.enabled = c.enabled;
    // Dimming follows the game's rule of what a press can do, which reads more
    // than the control's own fields: a change of it must repaint the control.
    l.available = game_.pressable(c);
    l.value = c.value;
    l.left = c.absLeft();
    l.top = c.absTop();
    l.width = c.width;
    l.height = c.height;
    // The window's caption is its title bar, not part of the picture.
    if (c.kind != ControlKind::window) l.caption = c.caption;
    l.picture = c.picture;
    l.overlay = c.overlay;
    l.focused = &c == focus_;
    return l;
}

QRect CabinetWidget::paintedArea(const Control& c, const Look& look) const {
    if (!look.shown || look.width <= 0 || look.height <= 0) return {};
    const ViewGeometry g = geometryNow();
    QRectF r = g.rect(look.left, look.top, look.width, look.height);
    // A label's text may reach beyond its place (a meter's box, the gamble panel).
    if (c.kind == ControlKind::label) r |= CabinetPainter::reach(g, game_.m.ui, c);
    for (const Control* a = c.parent; a && a->parent; a = a->parent) r &= g.rect(*a);
    if (r.isEmpty()) return {};
    return r.toAlignedRect().adjusted(-3, -3, 3, 3) & rect();
}

QRegion CabinetWidget::changedArea() {
    const auto& all = game_.m.ui.all();
    QRegion dirty;
    if (looks_.size() != all.size()) {
        looks_.assign(all.size(), Look{});
        dirty = rect();
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        Look now = lookOf(*all[i]);
        if (now == looks_[i]) continue;
        dirty += paintedArea(*all[i], looks_[i]);
        dirty += paintedArea(*all[i], now);
        looks_[i] = std::move(now);
    }
    return dirty;
}

void CabinetWidget::refresh() {
    const QRegion dirty = changedArea();
    if (!dirty.isEmpty()) update(dirty);
    menu_->sync();
    banner_->sync();
    narrator_.update();
}

void CabinetWidget::presentNow() {
    const QRegion dirty = changedArea();
    if (!dirty.isEmpty() && isVisible()) repaint(dirty);
}

void CabinetWidget::after() {
    refresh();
    emit modelTouched();
}

void CabinetWidget::ticked() { after(); }

void CabinetWidget::mousePressEvent(QMouseEvent* e) {
    if (pressed_) return;  // one press at a time; further buttons are ignored
    focus_ = nullptr;      // the mouse took over: the focus ring goes
    Control& c = target(e->position());
    pressed_ = &c;
    refresh();
    const bool handled = game_.mouseDown(c);
    emit routed(QString::fromStdString(c.fullName()), Ev::MouseDown, handled);
    after();
}

void CabinetWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (!pressed_ || e->buttons() != Qt::NoButton) return;
    Control& c = *pressed_;
    pressed_ = nullptr;
    // The release goes to the pressed control even when the press hid it; a click
    // is a release over the control that was pressed.
    const bool up = game_.mouseUp(c);
    emit routed(QString::fromStdString(c.fullName()), Ev::MouseUp, up);
    const QPointF t = geometryNow().toTwips(e->position());
    const bool over = &c != &game_.m.ui.form && t.x() >= c.absLeft() && t.x() < c.absLeft() + c.width &&
                      t.y() >= c.absTop() && t.y() < c.absTop() + c.height;
    if (over) {
        const bool clicked = game_.click(c);
        emit routed(QString::fromStdString(c.fullName()), Ev::Click, clicked);
    }
    after();
}

void CabinetWidget::mouseMoveEvent(QMouseEvent* e) {
    // While a button is held the pressed control keeps the mouse.
    Control& c = pressed_ ? *pressed_ : target(e->position());
    const bool handled = game_.mouseMove(c);
    if (handled) emit routed(QString::fromStdString(c.fullName()), Ev::MouseMove, handled);
    after();
}

int keyCodeOf(const QKeyEvent& e) {
    switch (e.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Space:
            return 32;
        default:
            break;
    }
    // Any one character, in any alphabet (a pair of UTF-16 halves is one character).
    const QList<uint> points = e.text().toUcs4();
    if (points.size() != 1) return 0;
    const uint ch = points.front();
    return ch <= 0x10FFFF ? static_cast<int>(ch) : 0;
}

void CabinetWidget::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F11) {
        QWidget* w = window();
        w->setWindowState(w->windowState() ^ Qt::WindowFullScreen);
        return;
    }
    // While a big win is celebrated the space bar skips the celebration.
    if (e->key() == Qt::Key_Space && banner_->showing() && !e->isAutoRepeat()) {
        banner_->skip();
        return;
    }
    // Keys that press the cabinet's buttons. The space bar keeps the game's own
    // rule and goes to the window's key handler like every other key.
    MainWindow& ui = game_.m.ui;
    const auto mods = e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (ui.form.enabled && mods == Qt::NoModifier && !e->isAutoRepeat()) {
        const int key = e->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pressFromKeyboard(focusedControl() ? *focusedControl() : ui.btnspin);
            return;
        }
        if (key == Qt::Key_Escape && ui.menupic.visible) {
            closeMenu();
            return;
        }
        if (key == Qt::Key_M) {
            // M is a click on the menu's button: it opens the menu, with the keyboard
            // on its first button, or closes it.
            if (ui.menupic.visible) {
                closeMenu();
                return;
            }
            if (!game_.pressable(ui.btnopenmenu)) return;
            game_.mouseUp(ui.btnopenmenu);
            after();
            if (ui.menupic.visible) menu_->takeKeyboard();
            return;
        }
        for (const CabinetControl& k : cabinetControls(ui)) {
            if (k.key != key || k.meter) continue;
            // The help and the pay table are on the menu; their keys reach them
            // while the menu itself could be opened.
            if ((k.control == &ui.btnhelp || k.control == &ui.mnuviewpaytable) && !ui.menupic.visible &&
                game_.pressable(ui.btnopenmenu)) {
                game_.mouseUp(ui.btnopenmenu);
                after();
            }
            pressFromKeyboard(*k.control);
            return;
        }
    }
    const int code = keyCodeOf(*e);
    if (code == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    game_.keyPress(game_.m.ui.form, code);
    after();
}

void showControlToolTip(QWidget* widget, const QHelpEvent& help, const Control* control) {
    if (control && !control->tooltip.empty())
        QToolTip::showText(help.globalPos(), ui::modelText(control->tooltip), widget);
    else
        QToolTip::hideText();
}

bool CabinetWidget::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const Control* c = controlAt(help->pos());
        // The tooltip names the button and its key.
        for (const CabinetControl& k : cabinetControls(game_.m.ui)) {
            if (k.control != c || k.keyName.isEmpty()) continue;
            const QString own = ui::modelText(c->tooltip);
            QToolTip::showText(help->globalPos(),
                               QCoreApplication::translate("Cabinet", "%1  (key %2)")
                                   .arg(own.isEmpty() ? k.name : own, k.keyName),
                               this);
            return true;
        }
        showControlToolTip(this, *help, c);
        return true;
    }
    return QWidget::event(e);
}

}  // namespace tonvale
