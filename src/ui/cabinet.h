// SPDX-License-Identifier: MIT
#pragma once
// The main window's picture: paints the control model scaled to the widget and
// routes mouse and keys to the game by hit-testing the model.
#include <QHelpEvent>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/bindings.h"
#include "ui/cabinetaccess.h"
#include "ui/cabinetkeys.h"
#include "ui/cabinetpainter.h"
#include "ui/qtports.h"
#include "ui/sprites.h"

namespace tonvale {

class Game;
class BigWinBanner;
class MenuPanel;
class TheatreStyle;

// Answers a tooltip event: shows the tooltip of the control under it, or hides
// the tooltip when that control has none.
void showControlToolTip(QWidget* widget, const QHelpEvent& help, const Control* control);

class CabinetWidget : public QWidget, public FrameView {
    Q_OBJECT
public:
    explicit CabinetWidget(Game& game, QWidget* parent = nullptr);
    ~CabinetWidget() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    ViewGeometry geometryNow() const;
    // The topmost control that takes the mouse at a widget position, or nullptr
    // when only the window itself is there.
    Control* controlAt(QPointF pos) const;
    // Where a control's centre is drawn now (widget coordinates).
    QPointF centreOf(const Control& c) const;
    const Control* pressed() const { return pressed_; }
    // The control the focus ring is on (Tab, Shift+Tab), or nullptr.
    // Whether a press on the control would do something now (the game's rule).
    bool pressable(const Control& c) const;
    Control* focusedControl() const;
    void setFocusedControl(Control* c);
    // A press of a control from the keyboard (or a screen reader, or the menu's
    // push buttons), as a quick click of the mouse would make it: its release
    // reaches the game at the first moment the press lets events in. False when
    // the control cannot be pressed now.
    bool pressFromKeyboard(Control& c);
    // Closes the menu panel as moving the mouse off it does; the cabinet takes the keyboard.
    void closeMenu();
    SpriteCache& sprites() { return sprites_; }
    Game& game() const { return game_; }
    MenuPanel& menuPanel() const { return *menu_; }
    BigWinBanner& bigWinBanner() const { return *banner_; }
    CabinetNarrator& narrator() { return narrator_; }
    const CabinetNarrator& narrator() const { return narrator_; }

    // A timer ticked: show its effect.
    void ticked();

    // Only the controls whose look changed since the last look are painted again;
    // with nothing changed nothing is painted (the idle heartbeat costs no frames).
    void refresh() override;
    void presentNow() override;

signals:
    // Input reached the game: which control, which event, and whether a handler ran.
    void routed(const QString& control, tonvale::Ev ev, bool handled);
    // The model may have changed (after any routed input or tick).
    void modelTouched();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // What the painter draws of one control: a change in any of it is a change of
    // the picture.
    struct Look {
        bool shown = false, enabled = false, available = false, value = false, pressed = false,
             focused = false;
        int left = 0, top = 0, width = 0, height = 0;
        std::string caption;
        Picture picture, overlay;
        bool operator==(const Look&) const = default;
    };
    Look lookOf(const Control& c) const;
    // The view area of a control as painted: inside its containers, with a margin
    // for shadows and antialiasing.
    QRect paintedArea(const Control& c, const Look& look) const;
    // The area whose look changed since the last call, which becomes the last look.
    QRegion changedArea();

    Control& target(QPointF pos) const;
    void after();

    Game& game_;
    SpriteCache sprites_;
    CabinetPainter painter_{sprites_};
    Control* pressed_ = nullptr;
    Control* focus_ = nullptr;
    std::vector<Look> looks_;  // as last painted, in the model's paint order
    std::unique_ptr<TheatreStyle> style_;
    MenuPanel* menu_;
    BigWinBanner* banner_;
    CabinetNarrator narrator_{*this};
    std::function<void()> spinEndBefore_;  // the spin observer that was there before ours
};

// Key code of a key press as the window's key handler expects it (space 32,
// Enter 13, any single typed character as its code point), or 0 for keys that
// do not type.
int keyCodeOf(const QKeyEvent& e);

}  // namespace tonvale
