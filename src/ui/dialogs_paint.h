// SPDX-License-Identifier: MIT
#pragma once
// Drawing pieces shared by the game's windows: text that fits its box, 3-D buttons,
// framed groups, walnut sheets and ivory panels, in the theatre colours.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "ui/palette.h"

namespace tonvale::dialogpaint {

using namespace palette;

enum class Align : std::uint8_t { left, centre, right };

// A line as a window wrote it: where it was drawn, the size its box gave it and the
// size it was drawn at once made to fit (pixels), and the room its letters took in
// the painter's coordinates. The test of the languages watches them; nothing else does.
struct Written {
    QString text;
    const QPaintDevice* device = nullptr;
    qreal wanted = 0, drawn = 0;
    QRectF area;
};
void watchWritten(std::function<void(const Written&)> watch);
void noteWritten(const Written& w);

// The windows' text face (DejaVu Sans) at `px` pixels.
QFont font(qreal px, bool bold);
// A label's ink.
void colour(QWidget* w, const QColor& c);

// Writes one line in `box`, `em` pixels high at most, made smaller until it fits the
// width. Returns the pixel size used.
qreal fitText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, qreal em, bool bold,
              Align align = Align::left, bool shadow = false);

// The gold rim and walnut face of a 3-D button, `edge` wide, the face darker when
// `down`; returns the face's rectangle.
QRectF buttonFace(QPainter& p, const QRectF& r, qreal edge, qreal radius, bool down);
// A gold-rimmed walnut button; `focus` draws the keyboard focus inside it.
void button3d(QPainter& p, const QRectF& r, const QString& caption, qreal em, bool down, bool enabled,
              bool focus);
// A group frame: a gold rule with its caption set into the top edge.
void groupFrame(QPainter& p, const QRectF& r, const QString& caption, const QColor& captionColour,
                const QColor& ground, qreal em);
// The dotted rectangle that marks keyboard focus.
void focusMark(QPainter& p, const QRectF& r, const QColor& colour);
// Velvet ground, lighter at the centre.
void velvet(QPainter& p, const QRectF& r);
// A walnut band trimmed in gold round an ivory sheet; `scale` is view units per twip.
void walnutSheet(QPainter& p, const QRectF& frame, qreal scale);
// An ivory panel with a gold rim, as the pay table's; `scale` is view units per twip.
void ivoryPanel(QPainter& p, const QRectF& r, qreal scale);
// A walnut panel with a gold edge, as the cabinet's menu; `scale` is view units per twip.
void walnutPanel(QPainter& p, const QRectF& r, qreal scale);
// A window's title in a walnut tab set on the top of its sheet.
void walnutTab(QPainter& p, const QRectF& tab, const QString& caption, qreal em, qreal scale);

}  // namespace tonvale::dialogpaint
