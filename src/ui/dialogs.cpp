// SPDX-License-Identifier: MIT
#include "ui/dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <utility>

#include "game/game.h"
#include "ui/columnlabel.h"
#include "ui/dialogs_about.h"
#include "ui/dialogs_options.h"
#include "ui/dialogs_paint.h"
#include "ui/dialogs_paytable.h"
#include "ui/helpdialog.h"
#include "ui/historydialog.h"
#include "ui/identity.h"
#include "ui/modelwidgets.h"
#include "ui/oddsdialog.h"
#include "ui/palette.h"
#include "ui/theatrestyle.h"
#include "ui/uitext.h"

namespace tonvale {

namespace {

// Twips of the 8-point text the windows are designed with.
constexpr qreal kEmTwips = 165;

ModelDialog* handling = nullptr;

// A control's rectangle in whole window pixels.
QRect pixelRect(const ViewGeometry& g, const Control& c) {
    const QRectF r = g.rect(c);
    const int left = static_cast<int>(std::lround(r.left())), top = static_cast<int>(std::lround(r.top()));
    const int right = static_cast<int>(std::lround(r.right())),
              bottom = static_cast<int>(std::lround(r.bottom()));
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

// A caption as a button shows it: an ampersand is a character, not a mnemonic.
QString buttonText(const std::string& caption) {
    return ui::modelText(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Pasted text keeps its characters but no line break or other control character,
// so a paste never stands in for Enter.
QString typeable(const QString& text) {
    QString out;
    for (const QChar ch : text)
        if (ch.unicode() >= 32 && ch.unicode() != 127) out += ch;
    return out;
}

QPalette theatrePalette() {
    QPalette pal;
    pal.setColor(QPalette::Window, palette::kVelvetLo);
    pal.setColor(QPalette::WindowText, palette::kInk);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, palette::kInk);
    pal.setColor(QPalette::Button, palette::kWalnut);
    pal.setColor(QPalette::ButtonText, palette::kGoldHi);
    pal.setColor(QPalette::Highlight, palette::kGoldHi);
    pal.setColor(QPalette::HighlightedText, palette::kInk);
    pal.setColor(QPalette::ToolTipBase, palette::kIvory);
    pal.setColor(QPalette::ToolTipText, palette::kInk);
    return pal;
}

}  // namespace

ModelDialog::ModelDialog(Game& game, ControlSet& set, Control& form, SpriteCache& sprites,
                         TheatreStyle& style)
    : QWidget(nullptr, Qt::Dialog), game_(game), set_(set), form_(form), sprites_(sprites), style_(style) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A window of the game's own (not modal) that the window manager keeps above the
    // window it stands over. Closing it never ends the game; the model decides what
    // shows next.
    setAttribute(Qt::WA_QuitOnClose, false);
    setStyle(&style_);
    setPalette(theatrePalette());
    setWindowTitle(ui::modelText(form_.caption));
    setWindowIcon(gameIcon());
    resize(sizeHint());
}

ModelDialog* ModelDialog::handlingInput() { return handling; }

QString ModelDialog::windowCaption() const { return ui::modelText(form_.caption); }

QSize ModelDialog::sizeHint() const { return QSize(form_.width / 15, form_.height / 15); }
QSize ModelDialog::minimumSizeHint() const { return QSize(form_.width / 45, form_.height / 45); }

ViewGeometry ModelDialog::geometryNow() const {
    return ViewGeometry(QSizeF(size()), devicePixelRatioF(), QSize(form_.width, form_.height));
}

QPointF ModelDialog::centreOf(const Control& c) const { return geometryNow().rect(c).center(); }

QWidget* ModelDialog::widgetOf(const Control& c) const {
    for (const Bound& b : bound_)
        if (b.control == &c) return b.widget;
    return nullptr;
}

Control* ModelDialog::focusedControl() const {
    const QWidget* f = focusWidget();
    for (const Bound& b : bound_)
        if (b.widget == f) return b.control;
    return nullptr;
}

void ModelDialog::setTextSize(QWidget* w, qreal share, bool bold) {
    w->setProperty("textShare", share);
    w->setProperty("bold", bold);
}

QButtonGroup* ModelDialog::groupFor(const Control& c) {
    // One group for the option buttons of one array inside one container.
    const auto key = std::make_pair(static_cast<const Control*>(c.parent), c.name);
    for (const auto& [k, group] : groups_)
        if (k == key) return group;
    auto* group = new QButtonGroup(this);
    groups_.emplace_back(key, group);
    return group;
}

QWidget* ModelDialog::make(Control& c, QWidget* parent) {
    switch (c.kind) {
        case ControlKind::frame: {
            auto* box = new QGroupBox(parent);
            box->setProperty(framelook::kProperty, QString::fromLatin1(framelook::kRule));
            setTextSize(box, 1, true);
            return box;
        }
        case ControlKind::label: {
            // A caption set in columns round a control over it writes each column beside it.
            auto* label = new ColumnLabel(parent);
            label->setTextFormat(Qt::PlainText);
            // A label three lines high wraps its words.
            const bool wraps = c.height > 3 * kEmTwips;
            label->setWordWrap(wraps);
            label->setAlignment(wraps ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case ControlKind::button: {
            if (!c.picture.empty() && c.caption.empty()) return new PictureButton(c, sprites_, parent);
            auto* button = new QPushButton(parent);
            // Enter presses the button that has the keyboard, as Space does.
            button->setAutoDefault(true);
            return button;
        }
        case ControlKind::option: {
            auto* option = new QRadioButton(parent);
            groupFor(c)->addButton(option);
            return option;
        }
        case ControlKind::checkbox:
            return new QCheckBox(parent);
        case ControlKind::slider: {
            auto* slider = new QSlider(Qt::Horizontal, parent);
            slider->setRange(0, 100);
            slider->setSingleStep(5);
            slider->setPageStep(10);
            // The model hears of every position the slider takes, by mouse or key.
            connect(slider, &QSlider::valueChanged, this, [this, &c](int v) {
                if (v == c.amount) return;
                c.amount = v;
                route(c);
            });
            return slider;
        }
        case ControlKind::textbox: {
            auto* box = new QLineEdit(parent);
            connect(box, &QLineEdit::textEdited, this, [box, &c](const QString& text) {
                // The box holds what is typed, as the model's text box does.
                const QString clean = typeable(text);
                if (clean != text) box->setText(clean);
                c.caption = clean.toStdString();
            });
            connect(box, &QLineEdit::returnPressed, this, [this, &c] { routeKey(c, 13); });
            return box;
        }
        case ControlKind::picture:
        case ControlKind::image:
            if (game_.bindings.find(c, Ev::Click)) return new PictureButton(c, sprites_, parent);
            return new PictureView(c, sprites_, parent);
        default:
            return nullptr;
    }
}

void ModelDialog::build() {
    for (Control* c : set_.all()) {
        if (c == &form_) continue;
        // Inside the widget of the nearest container that has one.
        QWidget* parent = this;
        for (const Control* a = c->parent; a && a != &form_; a = a->parent)
            if (QWidget* w = widgetOf(*a)) {
                parent = w;
                break;
            }
        QWidget* w = make(*c, parent);
        if (!w) continue;
        w->setObjectName(QString::fromStdString(c->fullName()));
        w->setStyle(&style_);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            connect(button, &QAbstractButton::clicked, this, [this, c] { route(*c); });
            if (button->isCheckable()) followToggles(button, *c);
        }
        bound_.push_back({c, w, Picture()});
    }
    place();
}

void ModelDialog::place() {
    const ViewGeometry g = geometryNow();
    const qreal em = kEmTwips * g.scale();
    for (const Bound& b : bound_) {
        QRect r = pixelRect(g, *b.control);
        if (b.widget->parentWidget() != this) {
            const Control* container = nullptr;
            for (const Bound& o : bound_)
                if (o.widget == b.widget->parentWidget()) container = o.control;
            if (container) r.translate(-pixelRect(g, *container).topLeft());
        }
        if (b.widget->geometry() != r) b.widget->setGeometry(r);
        const QVariant share = b.widget->property("textShare");
        QFont f(b.widget->property("serif").toBool() ? QStringLiteral("DejaVu Serif")
                                                     : QStringLiteral("DejaVu Sans"));
        f.setPixelSize(
            std::max(1, static_cast<int>(std::lround(em * (share.isValid() ? share.toDouble() : 1)))));
        f.setBold(b.widget->property("bold").toBool());
        f.setItalic(b.widget->property("serif").toBool());
        if (b.widget->font() != f) b.widget->setFont(f);
    }
}

void ModelDialog::showControl(const Control& c, QWidget* w) {
    if (w->isHidden() == c.visible) w->setHidden(!c.visible);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    const QString tip = ui::modelText(c.tooltip);
    if (w->toolTip() != tip) w->setToolTip(tip);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        const QString text = buttonText(c.caption);
        if (button->text() != text) button->setText(text);
        if (button->isCheckable() && button->isChecked() != c.value) {
            // The model may select none of a group: the group lets go meanwhile.
            QButtonGroup* group = button->group();
            if (group) group->setExclusive(false);
            button->setChecked(c.value);
            if (group) group->setExclusive(true);
        }
        // A picture without words is named by its tooltip, unless the window names it.
        if (button->text().isEmpty() && button->accessibleName().isEmpty()) button->setAccessibleName(tip);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = ui::modelText(c.caption);
        if (label->text() != text) label->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const QString text = buttonText(c.caption);
        if (box->title() != text) box->setTitle(text);
    } else if (auto* slider = qobject_cast<QSlider*>(w)) {
        if (slider->value() != c.amount) slider->setValue(c.amount);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString text = ui::modelText(c.caption);
        if (edit->text() != text) edit->setText(text);
    }
}

void ModelDialog::keepOneTabStopAGroup() {
    // Tab stops once in a group of option buttons, on its selected button (or its
    // first); the arrow keys move along the group.
    for (const auto& entry : groups_) {
        const QList<QAbstractButton*> buttons = entry.second->buttons();
        QAbstractButton* stop = entry.second->checkedButton();
        for (QAbstractButton* b : buttons)
            if (!stop && b->isEnabled() && !b->isHidden()) stop = b;
        for (QAbstractButton* b : buttons) {
            const Qt::FocusPolicy policy = b == stop ? Qt::StrongFocus : Qt::ClickFocus;
            if (b->focusPolicy() != policy) b->setFocusPolicy(policy);
        }
    }
}

void ModelDialog::paintBackground(QPainter& p, const ViewGeometry& g) { dialogpaint::velvet(p, g.area()); }

void ModelDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const ViewGeometry g = geometryNow();
    p.setClipRect(g.snapped(g.area()));
    paintBackground(p, g);
}

void ModelDialog::resizeEvent(QResizeEvent* e) {
    place();
    QWidget::resizeEvent(e);
}

void ModelDialog::clicked(Control&) {}

QWidget* ModelDialog::firstFocus() {
    for (const Bound& b : bound_)
        if (b.widget->focusPolicy() & Qt::TabFocus && b.widget->isVisibleTo(this) && b.widget->isEnabled())
            return b.widget;
    return nullptr;
}

void ModelDialog::followToggles(QAbstractButton* button, Control& c) {
    // A box ticked or an option chosen without a click (a screen reader's toggle action)
    // reaches the game as the click would. A click has told the game already and the
    // button shows what the game made of it, so the look waits until the click is done;
    // an option let go because another was chosen is the game's business.
    connect(button, &QAbstractButton::toggled, this, [this, button, &c] {
        QTimer::singleShot(0, button, [this, button, &c] {
            const bool on = button->isChecked();
            if (handling || on == c.value || (!on && button->autoExclusive())) return;
            route(c);
        });
    });
}

void ModelDialog::route(Control& c) {
    ModelDialog* const before = std::exchange(handling, this);
    const bool handled = c.kind == ControlKind::picbutton ? game_.press(c) : game_.click(c);
    handling = before;
    if (handled) clicked(c);
    touched();
}

void ModelDialog::routeKey(Control& c, int code) {
    ModelDialog* const before = std::exchange(handling, this);
    game_.keyPress(c, code);
    handling = before;
    touched();
}

void ModelDialog::touched() {
    sync();
    emit modelTouched();
}

void ModelDialog::keyPressEvent(QKeyEvent* e) {
    // Escape closes the window as its close box does.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void ModelDialog::closeEvent(QCloseEvent* e) {
    // The close box: the window's QueryUnload runs and never cancels.
    if (form_.visible) {
        ModelDialog* const before = std::exchange(handling, this);
        game_.callRoutine(form_.name + ":QueryUnload");
        handling = before;
    }
    e->accept();
    touched();
}

void ModelDialog::changeEvent(QEvent* e) {
    // Another language: the window's own words and the model's texts anew.
    if (e->type() == QEvent::LanguageChange) {
        retranslate();
        const QString title = windowCaption();
        if (windowTitle() != title) setWindowTitle(title);
        if (isVisible()) sync();
    }
    QWidget::changeEvent(e);
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
    const QString title = windowCaption();
    if (windowTitle() != title) setWindowTitle(title);
    if (!form_.visible && !isVisible()) return;  // nothing of a closed window is seen
    for (Bound& b : bound_) {
        showControl(*b.control, b.widget);
        if (b.picture == b.control->picture) continue;
        b.picture = b.control->picture;
        if (auto* button = qobject_cast<QPushButton*>(b.widget)) {
            // A button with a caption carries its picture as an icon at its left.
            const QPixmap pm = sprites_.picture(b.picture, QSize(96, 96), 1);
            button->setIcon(pm.isNull() ? QIcon() : QIcon(pm));
        } else {
            b.widget->update();  // a picture is drawn from the model when painted
        }
    }
    showMore();
    keepOneTabStopAGroup();
    if (form_.visible && !isVisible()) {
        centreOnScreen();
        // It stands over its owner window while that is shown (the window manager
        // keeps it above).
        if (!windowHandle()) create();
        QWidget* owner = owner_ && owner_->isVisible() ? owner_.data() : nullptr;
        if (windowHandle()) windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
        show();
        raise();
        activateWindow();
        if (QWidget* f = firstFocus()) f->setFocus(Qt::ActiveWindowFocusReason);
    } else if (!form_.visible && isVisible()) {
        hide();
    }
}

Dialogs::Dialogs(Game& game, QWidget* main, QObject* parent)
    : QObject(parent),
      style_(std::make_unique<TheatreStyle>()),
      options_(std::make_unique<OptionsDialog>(game, sprites_, *style_)),
      paytable_(std::make_unique<PaytableDialog>(game, sprites_, *style_)),
      about_(std::make_unique<AboutDialog>(game, sprites_, *style_)),
      advert_(std::make_unique<AdvertDialog>(game, sprites_, *style_)),
      odds_(std::make_unique<OddsDialog>(game, sprites_, *style_)),
      history_(std::make_unique<HistoryDialog>(game, sprites_, *style_)),
      help_(std::make_unique<HelpDialog>(sprites_, *style_)),
      main_(main) {
    for (ModelDialog* d : std::initializer_list<ModelDialog*>{options_.get(), paytable_.get(), about_.get(),
                                                              advert_.get(), odds_.get(), history_.get()}) {
        connect(d, &ModelDialog::modelTouched, this, &Dialogs::modelTouched);
        d->setOwnerWindow(main);
    }
    // The odds page opens over the pay table.
    odds_->setOwnerWindow(paytable_.get());
}

Dialogs::~Dialogs() = default;

void Dialogs::showHelp(const std::string& title, const std::string& text, const std::string& keys) {
    // A box of the game's: the handler waits until the player has read it.
    help_->setHelp(title, text, keys);
    // It stands over the main window, which the window manager keeps below it.
    help_->winId();  // its native window, to stand over the main one
    if (help_->windowHandle() && main_ && main_->windowHandle())
        help_->windowHandle()->setTransientParent(main_->windowHandle());
    help_->setWindowModality(Qt::ApplicationModal);
    help_->exec();
}

void Dialogs::sync() {
    options_->sync();
    paytable_->sync();
    odds_->sync();
    about_->sync();
    advert_->sync();
    history_->sync();
}

}  // namespace tonvale
