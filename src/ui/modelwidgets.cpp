// SPDX-License-Identifier: MIT
#include "ui/modelwidgets.h"

#include <QPainter>
#include <cmath>

#include "ui/dialogs_paint.h"
#include "ui/palette.h"

namespace tonvale {

void paintControlPicture(QPainter& p, const QWidget& w, const Control& c, SpriteCache& sprites) {
    if (c.picture.empty()) return;
    const qreal dpr = w.devicePixelRatioF();
    const QSize device(static_cast<int>(std::lround(w.width() * dpr)),
                       static_cast<int>(std::lround(w.height() * dpr)));
    const QPixmap pm = sprites.picture(c.picture, device, dpr);
    if (!pm.isNull()) p.drawPixmap(QPointF(0, 0), pm);
}

PictureView::PictureView(const Control& c, SpriteCache& sprites, QWidget* parent)
    : QWidget(parent), control_(c), sprites_(sprites) {}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintControlPicture(p, *this, control_, sprites_);
}

PictureButton::PictureButton(const Control& c, SpriteCache& sprites, QWidget* parent)
    : QAbstractButton(parent), control_(c), sprites_(sprites) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QSize PictureButton::sizeHint() const { return QSize(control_.width / 15, control_.height / 15); }

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) p.setOpacity(0.45);
    paintControlPicture(p, *this, control_, sprites_);
    // Held down, the picture sinks into shadow.
    if (isDown()) p.fillRect(rect(), QColor(0, 0, 0, 60));
    if (hasFocus()) {
        const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
        p.setPen(QPen(QColor(0, 0, 0, 200), 3));
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(palette::kYellow, 1.5, Qt::DashLine));
        p.drawRoundedRect(r, 4, 4);
    }
}

}  // namespace tonvale
