// SPDX-License-Identifier: MIT
#pragma once
// The game's other windows: options, pay table, odds page, about and advert. Each
// is a real top-level window bound to its control model: it paints the model's
// controls, routes clicks and keys to their handlers through Game, and is shown
// while the model's form is visible.
#include <QObject>
#include <QPointF>
#include <QWidget>
#include <memory>
#include <string>

#include "core/bindings.h"
#include "ui/cabinetpainter.h"
#include "ui/sprites.h"

namespace tonvale {

class Game;

class ModelDialog : public QWidget {
    Q_OBJECT
public:
    ModelDialog(Game& game, ControlSet& set, Control& form, SpriteCache& sprites);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    Control& form() { return form_; }
    ViewGeometry geometryNow() const;
    // The topmost control that takes the mouse at a widget position, or nullptr.
    Control* controlAt(QPointF pos) const;
    // Where a control's centre is drawn now (widget coordinates).
    QPointF centreOf(const Control& c) const;

    // The control that has the keyboard within this window, or nullptr.
    Control* focusedControl() const;
    void setFocusedControl(Control* c);

    // Caption and shown state from the model's form; a window that appears is
    // centred on the screen and takes the keyboard.
    void sync();

signals:
    // Input or a close reached the game: the models may have changed.
    void modelTouched();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool next) override;

    // The window's ground, under every control.
    virtual void paintBackground(QPainter& p, const ViewGeometry& g);
    // One shown control; `r` is its rectangle in the view.
    virtual void paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) = 0;
    // Runs after a click on `c` reached its handler.
    virtual void clicked(Control& c);
    // The control that takes the keyboard when the window appears.
    virtual Control* firstFocus();

    // Takes the keyboard: buttons, option buttons, text boxes and pictures that act on a click.
    bool focusable(const Control& c) const;
    bool focusOn(const Control& c) const { return focusedControl() == &c; }
    bool isPressed(const Control& c) const { return pressed_ == &c; }
    // Draws a picture over `r`; false when it has no file of its own.
    bool drawPicture(QPainter& p, Picture picture, const QRectF& r, const ViewGeometry& g);
    // 8-point text of the window's design, in view pixels.
    static qreal em(const ViewGeometry& g) { return 165 * g.scale(); }

    Game& game_;
    ControlSet& set_;
    Control& form_;
    SpriteCache& sprites_;

private:
    Control& target(QPointF pos) const;
    void moveFocus(bool forward);
    void moveInGroup(int step);
    void activate(Control& c);
    // Types text into a text box, one character at a time as its key handler takes them.
    void type(Control& box, const QString& text);
    void after();
    void centreOnScreen();

    Control* pressed_ = nullptr;
    Control* focus_ = nullptr;
};

class OptionsDialog;
class PaytableDialog;
class AboutDialog;
class AdvertDialog;
class OddsDialog;
class HistoryDialog;

// The other windows over one game, with one picture cache among them.
class Dialogs : public QObject {
    Q_OBJECT
public:
    explicit Dialogs(Game& game, QObject* parent = nullptr);
    ~Dialogs() override;

    OptionsDialog& options() { return *options_; }
    PaytableDialog& paytable() { return *paytable_; }
    AboutDialog& about() { return *about_; }
    AdvertDialog& advert() { return *advert_; }
    OddsDialog& odds() { return *odds_; }
    HistoryDialog& history() { return *history_; }

public slots:
    // Every window follows its model's form.
    void sync();

signals:
    void modelTouched();

private:
    SpriteCache sprites_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<PaytableDialog> paytable_;
    std::unique_ptr<AboutDialog> about_;
    std::unique_ptr<AdvertDialog> advert_;
    std::unique_ptr<OddsDialog> odds_;
    std::unique_ptr<HistoryDialog> history_;
};

}  // namespace tonvale
