#pragma once
// The main window's picture: paints the control model scaled to the widget and
// routes mouse and keys to the game by hit-testing the model.
#include <QHelpEvent>
#include <QString>
#include <QWidget>

#include "core/bindings.h"
#include "ui/cabinetpainter.h"
#include "ui/sprites.h"

namespace tonvale {

class Game;

// Answers a tooltip event: shows the tooltip of the control under it, or hides
// the tooltip when that control has none.
void showControlToolTip(QWidget* widget, const QHelpEvent& help, const Control* control);

class CabinetWidget : public QWidget {
    Q_OBJECT
public:
    explicit CabinetWidget(Game& game, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    ViewGeometry geometryNow() const;
    // The topmost control that takes the mouse at a widget position, or nullptr
    // when only the window itself is there.
    Control* controlAt(QPointF pos) const;
    // Where a control's centre is drawn now (widget coordinates).
    QPointF centreOf(const Control& c) const;
    const Control* pressed() const { return pressed_; }
    SpriteCache& sprites() { return sprites_; }

    // A timer ticked: show its effect.
    void ticked();

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

private:
    Control& target(QPointF pos) const;
    void after();

    Game& game_;
    SpriteCache sprites_;
    CabinetPainter painter_{sprites_};
    Control* pressed_ = nullptr;
};

// Key code of a key press as the window's key handler expects it (space 32,
// Enter 13, any single typed character as its code point), or 0 for keys that
// do not type.
int keyCodeOf(const QKeyEvent& e);

}  // namespace tonvale
