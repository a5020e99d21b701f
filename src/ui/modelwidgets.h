// SPDX-License-Identifier: MIT
#pragma once
// Widgets that show a picture of a window's model: a picture alone, and a picture
// that acts on a click as a button does (the way back to the game, the partner's
// poster). Both read the control when they paint, so they always show what the
// model holds.
#include <QAbstractButton>
#include <QWidget>

#include "core/controls.h"
#include "ui/sprites.h"

namespace tonvale {

// Draws a control's picture over the whole widget (nothing when it has no file).
void paintControlPicture(QPainter& p, const QWidget& w, const Control& c, SpriteCache& sprites);

class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(const Control& c, SpriteCache& sprites, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Control& control_;
    SpriteCache& sprites_;
};

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const Control& c, SpriteCache& sprites, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Control& control_;
    SpriteCache& sprites_;
};

}  // namespace tonvale
