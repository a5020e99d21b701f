// SPDX-License-Identifier: MIT
#include "ui/dialogs.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "game/game.h"
#include "ui/cabinet.h"
#include "ui/dialogs_about.h"
#include "ui/dialogs_options.h"
#include "ui/dialogs_paint.h"
#include "ui/dialogs_paytable.h"
#include "ui/historydialog.h"
#include "ui/identity.h"
#include "ui/oddsdialog.h"

namespace tonvale {

namespace {

bool inside(const Control& c, QPointF twips) {
    return twips.x() >= c.absLeft() && twips.x() < c.absLeft() + c.width && twips.y() >= c.absTop() &&
           twips.y() < c.absTop() + c.height;
}

}  // namespace

ModelDialog::ModelDialog(Game& game, ControlSet& set, Control& form, SpriteCache& sprites)
    : QWidget(nullptr, Qt::Window), game_(game), set_(set), form_(form), sprites_(sprites) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Closing one of these windows never ends the game; the model decides what shows next.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QString::fromStdString(form_.caption));
    setWindowIcon(gameIcon());
    resize(sizeHint());
}

QSize ModelDialog::sizeHint() const { return QSize(form_.width / 15, form_.height / 15); }
QSize ModelDialog::minimumSizeHint() const { return QSize(form_.width / 45, form_.height / 45); }

ViewGeometry ModelDialog::geometryNow() const {
    return ViewGeometry(QSizeF(size()), devicePixelRatioF(), QSize(form_.width, form_.height));
}

Control* ModelDialog::controlAt(QPointF pos) const { return geometryNow().hit(set_, pos); }

QPointF ModelDialog::centreOf(const Control& c) const { return geometryNow().rect(c).center(); }

Control& ModelDialog::target(QPointF pos) const {
    Control* c = controlAt(pos);
    return c ? *c : form_;
}

bool ModelDialog::focusable(const Control& c) const {
    if (&c == &form_ || !c.live()) return false;
    switch (c.kind) {
        case ControlKind::button:
        case ControlKind::picbutton:
        case ControlKind::option:
        case ControlKind::textbox:
            return true;
        case ControlKind::picture:
        case ControlKind::image:
            return game_.bindings.find(c, Ev::Click) != nullptr;
        default:
            return false;
    }
}

Control* ModelDialog::focusedControl() const { return focus_ && focusable(*focus_) ? focus_ : nullptr; }

void ModelDialog::setFocusedControl(Control* c) {
    focus_ = c;
    // Input methods compose only while a text box has the keyboard.
    setAttribute(Qt::WA_InputMethodEnabled, c && c->kind == ControlKind::textbox);
    if (QGuiApplication::inputMethod()) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    update();
}

Control* ModelDialog::firstFocus() {
    for (Control* c : set_.all())
        if (focusable(*c)) return c;
    return nullptr;
}

void ModelDialog::clicked(Control&) {}

bool ModelDialog::drawPicture(QPainter& p, Picture picture, const QRectF& r, const ViewGeometry& g) {
    const QString path = picturePath(picture);
    if (path.isEmpty() || !sprites_.exists(path)) return false;
    const QRectF s = g.snapped(r);
    const QPixmap pm = sprites_.get(path, g.devicePixels(s), g.dpr());
    if (pm.isNull()) return false;
    p.drawPixmap(s.topLeft(), pm);
    return true;
}

void ModelDialog::paintBackground(QPainter& p, const ViewGeometry& g) { dialogpaint::velvet(p, g.area()); }

void ModelDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const ViewGeometry g = geometryNow();
    const QRectF area = g.snapped(g.area());
    p.setClipRect(area);
    paintBackground(p, g);
    for (const Control* c : set_.all()) {
        if (c == &form_ || c->width <= 0 || c->height <= 0 || !c->shown()) continue;
        p.save();
        // Containers clip what they hold.
        QRectF clip = area;
        for (const Control* a = c->parent; a && a->parent; a = a->parent) clip &= g.snapped(g.rect(*a));
        p.setClipRect(clip);
        paintControl(p, *c, g.rect(*c), g);
        p.restore();
    }
}

void ModelDialog::after() {
    update();
    emit modelTouched();
}

void ModelDialog::mousePressEvent(QMouseEvent* e) {
    if (pressed_ || e->button() != Qt::LeftButton) return;
    Control& c = target(e->position());
    pressed_ = &c;
    if (focusable(c)) focus_ = &c;
    update();
    game_.mouseDown(c);
    after();
}

void ModelDialog::mouseReleaseEvent(QMouseEvent* e) {
    if (!pressed_ || e->buttons() != Qt::NoButton) return;
    Control& c = *pressed_;
    pressed_ = nullptr;
    game_.mouseUp(c);
    // A click is a release over the control that was pressed.
    if (&c != &form_ && inside(c, geometryNow().toTwips(e->position())) && game_.click(c)) clicked(c);
    after();
}

void ModelDialog::mouseMoveEvent(QMouseEvent* e) {
    const Control* c = controlAt(e->position());
    // Pictures that lead somewhere show the hand.
    const bool hand =
        c && (c->kind == ControlKind::picture || c->kind == ControlKind::image) && focusable(*c);
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ModelDialog::activate(Control& c) {
    if (c.kind == ControlKind::picbutton) {
        if (game_.press(c)) clicked(c);
    } else if (game_.click(c)) {
        clicked(c);
    }
    after();
}

bool ModelDialog::focusNextPrevChild(bool next) {
    moveFocus(next);
    return true;
}

void ModelDialog::moveFocus(bool forward) {
    std::vector<Control*> ring;
    for (Control* c : set_.all())
        if (focusable(*c)) ring.push_back(c);
    if (ring.empty()) return;
    // A group of option buttons is one stop: its selected button, or its first.
    std::vector<Control*> stops;
    for (Control* c : ring) {
        if (c->kind != ControlKind::option) {
            stops.push_back(c);
            continue;
        }
        const auto same = [c](const Control* o) {
            return o->kind == ControlKind::option && o->parent == c->parent && o->name == c->name;
        };
        const bool seen = std::any_of(stops.begin(), stops.end(), same);
        if (seen) {
            if (c->value) *std::find_if(stops.begin(), stops.end(), same) = c;
            continue;
        }
        stops.push_back(c);
    }
    Control* now = focusedControl();
    auto at = std::find_if(stops.begin(), stops.end(), [now](const Control* s) {
        return s == now || (now && now->kind == ControlKind::option && s->kind == ControlKind::option &&
                            s->parent == now->parent && s->name == now->name);
    });
    const auto n = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t i = at == stops.end() ? (forward ? -1 : 0) : at - stops.begin();
    i = ((i + (forward ? 1 : -1)) % n + n) % n;
    setFocusedControl(stops[static_cast<std::size_t>(i)]);
}

void ModelDialog::moveInGroup(int step) {
    Control* now = focusedControl();
    if (!now || now->kind != ControlKind::option) return;
    std::vector<Control*> group;
    for (Control* c : set_.all())
        if (c->kind == ControlKind::option && c->parent == now->parent && c->name == now->name &&
            focusable(*c))
            group.push_back(c);
    const auto at = std::find(group.begin(), group.end(), now);
    const auto n = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t i = (((at - group.begin()) + step) % n + n) % n;
    Control* next = group[static_cast<std::size_t>(i)];
    setFocusedControl(next);
    // Moving along a group selects, as option buttons do.
    activate(*next);
}

void ModelDialog::keyPressEvent(QKeyEvent* e) {
    Control* f = focusedControl();
    if (f && f->kind == ControlKind::textbox) {
        if (e->matches(QKeySequence::Paste)) {
            if (const QClipboard* clip = QGuiApplication::clipboard()) type(*f, clip->text());
            return;
        }
        if (const int code = keyCodeOf(*e)) {
            game_.keyPress(*f, code);
            after();
            return;
        }
        // A key that types more than one character (a dead key's result, a compose).
        if (!e->text().isEmpty() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            type(*f, e->text());
            return;
        }
    }
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            moveInGroup(-1);
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            moveInGroup(1);
            return;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (f) activate(*f);
            return;
        default:
            QWidget::keyPressEvent(e);
    }
}

void ModelDialog::type(Control& box, const QString& text) {
    for (const uint cp : text.toUcs4()) {
        // Line breaks and other control characters of pasted text are left out, so
        // a paste never stands in for Enter.
        if (cp < 32 || cp == 127) continue;
        if (focusedControl() != &box) break;  // a handler moved the keyboard away
        game_.keyPress(box, static_cast<int>(cp));
    }
    after();
}

void ModelDialog::inputMethodEvent(QInputMethodEvent* e) {
    Control* f = focusedControl();
    if (f && f->kind == ControlKind::textbox && !e->commitString().isEmpty()) type(*f, e->commitString());
    e->accept();
}

QVariant ModelDialog::inputMethodQuery(Qt::InputMethodQuery query) const {
    const Control* f = focusedControl();
    const bool box = f && f->kind == ControlKind::textbox;
    switch (query) {
        case Qt::ImEnabled:
            return box;
        case Qt::ImCursorRectangle:
            return box ? geometryNow().rect(*f).toRect() : QRect();
        case Qt::ImSurroundingText:
            return box ? QString::fromStdString(f->caption) : QString();
        case Qt::ImCursorPosition:
        case Qt::ImAnchorPosition:
            return box ? static_cast<int>(QString::fromStdString(f->caption).size()) : 0;
        case Qt::ImHints:
            return static_cast<int>(Qt::ImhNoPredictiveText);
        default:
            return QWidget::inputMethodQuery(query);
    }
}

void ModelDialog::closeEvent(QCloseEvent* e) {
    // The close box: the window's QueryUnload runs and never cancels.
    pressed_ = nullptr;
    if (form_.visible) game_.callRoutine(form_.name + ":QueryUnload");
    e->accept();
    after();
}

bool ModelDialog::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        showControlToolTip(this, *help, controlAt(help->pos()));
        return true;
    }
    return QWidget::event(e);
}

void ModelDialog::centreOnScreen() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(avail.center());
    move(frame.topLeft());
}

void ModelDialog::sync() {
    const QString title = QString::fromStdString(form_.caption);
    if (windowTitle() != title) setWindowTitle(title);
    if (form_.visible && !isVisible()) {
        centreOnScreen();
        show();
        raise();
        activateWindow();
        pressed_ = nullptr;
        focus_ = firstFocus();
    } else if (!form_.visible && isVisible()) {
        pressed_ = nullptr;
        hide();
    }
    if (isVisible()) update();
}

Dialogs::Dialogs(Game& game, QObject* parent)
    : QObject(parent),
      options_(std::make_unique<OptionsDialog>(game, sprites_)),
      paytable_(std::make_unique<PaytableDialog>(game, sprites_)),
      about_(std::make_unique<AboutDialog>(game, sprites_)),
      advert_(std::make_unique<AdvertDialog>(game, sprites_)),
      odds_(std::make_unique<OddsDialog>(game, sprites_)),
      history_(std::make_unique<HistoryDialog>(game, sprites_)) {
    for (ModelDialog* d : std::initializer_list<ModelDialog*>{options_.get(), paytable_.get(), about_.get(),
                                                              advert_.get(), odds_.get(), history_.get()})
        connect(d, &ModelDialog::modelTouched, this, &Dialogs::modelTouched);
}

Dialogs::~Dialogs() = default;

void Dialogs::sync() {
    options_->sync();
    paytable_->sync();
    // The odds page opens over the pay table.
    odds_->sync();
    about_->sync();
    advert_->sync();
    history_->sync();
}

}  // namespace tonvale
