// SPDX-License-Identifier: MIT
#pragma once
// Drawing pieces shared by the game's dialogs: theatre colours, text that fits its
// box, 3-D buttons, option buttons, text boxes and framed groups.
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <cstdint>

namespace tonvale::dialogpaint {

inline const QColor kIvory(0xfb, 0xf6, 0xe9);
inline const QColor kIvoryShadow(0xe6, 0xdc, 0xc3);
inline const QColor kInk(0x1d, 0x1a, 0x16);
inline const QColor kGoldHi(0xf5, 0xd7, 0x7a);
inline const QColor kGold(0xc9, 0x96, 0x2c);
inline const QColor kGoldLo(0x8c, 0x64, 0x18);
inline const QColor kWalnut(0x5b, 0x3a, 0x1e);
inline const QColor kWalnutHi(0x8a, 0x5a, 0x2b);
inline const QColor kVelvetHi(0x4a, 0x0d, 0x1a);
inline const QColor kVelvetLo(0x2a, 0x06, 0x10);
inline const QColor kBlue(0x1f, 0x4f, 0xc8);
inline const QColor kDarkBlue(0x12, 0x2a, 0x6e);
inline const QColor kRed(0xb8, 0x1e, 0x1e);

enum class Align : std::uint8_t { left, centre };

// Writes one line in `box`, `em` pixels high at most, made smaller until it fits the
// width. Returns the pixel size used.
qreal fitText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, qreal em, bool bold,
              Align align = Align::left, bool shadow = false);
// Writes text that may wrap over several lines of `em` pixels, smaller if needed.
void wrapText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, qreal em, bool bold);

// A gold-rimmed walnut button; `focus` draws the keyboard focus inside it.
void button3d(QPainter& p, const QRectF& r, const QString& caption, qreal em, bool down, bool enabled,
              bool focus);
// An option button: a brass ring with a dot when selected, the caption to its right.
void optionButton(QPainter& p, const QRectF& r, const QString& caption, const QColor& colour, qreal em,
                  bool selected, bool enabled, bool focus);
// A sunken ivory text box with its text and, when focused, a caret.
void textBox(QPainter& p, const QRectF& r, const QString& text, qreal em, bool focus);
// A group frame: a gold rule with its caption set into the top edge.
void groupFrame(QPainter& p, const QRectF& r, const QString& caption, const QColor& captionColour,
                const QColor& ground, qreal em);
// The dotted rectangle that marks keyboard focus.
void focusMark(QPainter& p, const QRectF& r, const QColor& colour);
// Velvet ground, lighter at the centre.
void velvet(QPainter& p, const QRectF& r);
// A walnut band trimmed in gold round an ivory sheet; `scale` is view units per twip.
void walnutSheet(QPainter& p, const QRectF& frame, qreal scale);
// A window's title in a walnut tab set on the top of its sheet.
void walnutTab(QPainter& p, const QRectF& tab, const QString& caption, qreal em, qreal scale);

}  // namespace tonvale::dialogpaint
