// SPDX-License-Identifier: MIT
#pragma once
// The game's other windows: options, pay table, odds page, about, advert and
// history. Each is a real top-level window made of Qt's widgets, one for each
// control of its model (push buttons, option buttons in groups, a line edit,
// labels, group boxes, pictures), placed where the model places them in twips and
// scaled with the window. The model stays the one truth: sync() shows what it
// holds, and every click, Enter and close goes back through the game's handlers.
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "core/bindings.h"
#include "ui/cabinetpainter.h"
#include "ui/sprites.h"

class QAbstractButton;
class QButtonGroup;

namespace tonvale {

class Game;
class TheatreStyle;

class ModelDialog : public QWidget {
    Q_OBJECT
public:
    ModelDialog(Game& game, ControlSet& set, Control& form, SpriteCache& sprites, TheatreStyle& style);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    Control& form() { return form_; }
    ViewGeometry geometryNow() const;
    // The widget made for a control, or nullptr when it has none.
    QWidget* widgetOf(const Control& c) const;
    // Where a control's centre is drawn now (window coordinates).
    QPointF centreOf(const Control& c) const;
    // The control whose widget has this window's keyboard focus, or nullptr.
    Control* focusedControl() const;

    // The window this one stands over: it stays above it while both are shown.
    void setOwnerWindow(QWidget* owner) { owner_ = owner; }

    // Title, widgets and shown state from the model; a window that appears is
    // centred on the screen and takes the keyboard.
    void sync();

    // The window whose input the game is handling now, or nullptr: a message box
    // raised meanwhile belongs to it.
    static ModelDialog* handlingInput();

signals:
    // Input or a close reached the game: the models may have changed.
    void modelTouched();

protected:
    // Makes a widget for every control, in the model's order, each inside the
    // widget of its container. Every window's constructor calls it once.
    void build();
    // The widget for one control; nullptr for a control that shows nothing.
    virtual QWidget* make(Control& c, QWidget* parent);
    // Shows one control's fields on its widget.
    virtual void showControl(const Control& c, QWidget* w);
    // Shows what the window holds beyond its controls' own widgets.
    virtual void showMore() {}
    // Sets the window's own words (those not from its model) in the player's language.
    virtual void retranslate() {}
    // The window's title: its form's caption.
    virtual QString windowCaption() const;
    // The window's ground, under every widget.
    virtual void paintBackground(QPainter& p, const ViewGeometry& g);
    // Runs after a click on `c` reached its handler.
    virtual void clicked(Control& c);
    // The widget that takes the keyboard when the window appears.
    virtual QWidget* firstFocus();

    // A click of a control through the game (a press for a picture button).
    void route(Control& c);
    // A box or option ticked without a click is routed as its click.
    void followToggles(QAbstractButton* button, Control& c);
    // A key code for a control's key handler (13 for Enter).
    void routeKey(Control& c, int code);
    // The models may have changed: show them, here and in every window.
    void touched();
    // A widget's text size as a share of the window's 8-point text.
    static void setTextSize(QWidget* w, qreal share, bool bold = false);

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

    Game& game_;
    ControlSet& set_;
    Control& form_;
    SpriteCache& sprites_;
    TheatreStyle& style_;

private:
    struct Bound {
        Control* control;
        QWidget* widget;
        Picture picture;  // the control's picture as the widget last showed it
    };
    void place();
    void keepOneTabStopAGroup();
    QButtonGroup* groupFor(const Control& c);
    void centreOnScreen();

    std::vector<Bound> bound_;
    std::vector<std::pair<std::pair<const Control*, std::string>, QButtonGroup*>> groups_;
    QPointer<QWidget> owner_;
};

class OptionsDialog;
class PaytableDialog;
class AboutDialog;
class AdvertDialog;
class OddsDialog;
class HistoryDialog;
class HelpDialog;

// The other windows over one game, with one picture cache and one look among them.
class Dialogs : public QObject {
    Q_OBJECT
public:
    // `main` is the game's main window: the windows stand over it.
    explicit Dialogs(Game& game, QWidget* main = nullptr, QObject* parent = nullptr);
    ~Dialogs() override;

    OptionsDialog& options() { return *options_; }
    PaytableDialog& paytable() { return *paytable_; }
    AboutDialog& about() { return *about_; }
    AdvertDialog& advert() { return *advert_; }
    OddsDialog& odds() { return *odds_; }
    HistoryDialog& history() { return *history_; }
    // The help window, over the main window.
    HelpDialog& help() { return *help_; }
    // Shows the help (texts in the player's language) and returns once it is closed.
    void showHelp(const std::string& title, const std::string& text, const std::string& keys);

public slots:
    // Every window follows its model's form.
    void sync();

signals:
    void modelTouched();

private:
    SpriteCache sprites_;
    std::unique_ptr<TheatreStyle> style_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<PaytableDialog> paytable_;
    std::unique_ptr<AboutDialog> about_;
    std::unique_ptr<AdvertDialog> advert_;
    std::unique_ptr<OddsDialog> odds_;
    std::unique_ptr<HistoryDialog> history_;
    std::unique_ptr<HelpDialog> help_;
    QPointer<QWidget> main_;
};

}  // namespace tonvale
