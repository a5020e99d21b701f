// SPDX-License-Identifier: MIT
#pragma once
// Paints the main window's control model: the cabinet, the reels built from their
// symbol tiles, the meters, the buttons and the panels, scaled to any view size.
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <functional>

#include "core/controls.h"
#include "ui/sprites.h"

namespace tonvale {

// Where a window's client area (in twips; the main window's 12315 x 8835 unless
// told otherwise) lies in a view: scaled uniformly, centred, with bars on the long
// sides.
class ViewGeometry {
public:
    ViewGeometry() = default;
    ViewGeometry(QSizeF view, qreal dpr, QSize clientTwips = QSize(MainWindow::kWidth, MainWindow::kHeight));

    qreal scale() const { return scale_; }  // logical pixels per twip
    qreal dpr() const { return dpr_; }
    QRectF area() const { return rect(0, 0, client_.width(), client_.height()); }
    QRectF rect(double left, double top, double width, double height) const;
    QRectF rect(const Control& c) const { return rect(c.absLeft(), c.absTop(), c.width, c.height); }
    // The same rectangle with its edges on whole device pixels, so that pictures are
    // drawn 1:1 and neighbouring tiles meet without seams.
    QRectF snapped(const QRectF& r) const;
    QSize devicePixels(const QRectF& snappedRect) const;
    QPointF toTwips(QPointF viewPos) const;
    // The topmost control of `set` at a view position that takes the mouse: shown
    // and enabled inside shown and enabled containers, shapes excepted; nullptr
    // when only the window itself is there. Works for any window's controls.
    Control* hit(const ControlSet& set, QPointF viewPos) const;

private:
    qreal scale_ = 1;
    qreal dpr_ = 1;
    QPointF origin_;
    QSize client_{MainWindow::kWidth, MainWindow::kHeight};
};

class CabinetPainter {
public:
    explicit CabinetPainter(SpriteCache& sprites) : sprites_(sprites) {}

    // Tells whether a press on a button would do something now (the game's rule);
    // without one, a button is available while it is enabled.
    using Availability = std::function<bool(const Control&)>;

    // Paints the frame. `pressed` is the picture button held down, drawn with its
    // pressed picture even while the model hides it. Every button that a press
    // would not act on is painted dimmed. With a `dirty` rectangle only the
    // controls that reach into it are drawn.
    void paint(QPainter& p, const MainWindow& ui, const ViewGeometry& g, const Control* pressed = nullptr,
               const Availability& available = {}, const QRectF& dirty = QRectF());

    // Where a label's text is written: its own place, but the credit and win meters'
    // text in the box the cabinet picture draws, a message of the win meter with no
    // amount beside it across the whole meter, and the gamble panel's lines centred
    // on the panel.
    static QRectF textBox(const ViewGeometry& g, const MainWindow& ui, const Control& c);
    // All a control may paint over: its place and, for a label, where its text goes.
    static QRectF reach(const ViewGeometry& g, const MainWindow& ui, const Control& c);

    // How a line of text fits a box: the box gives it a size (`fill` of its height),
    // which shrinks until the line fits the room across (view pixels).
    struct Fit {
        qreal boxPixels = 0, pixels = 0;  // the size the box gives, the size drawn
        qreal room = 0, width = 0;
    };
    static Fit fit(const QString& text, const QRectF& box, bool bold, qreal fill);
    // A text as the painter wrote it, the control it belongs to and the box it was
    // fitted to (the test of the languages reads these).
    struct Written {
        QString text;
        const Control* control = nullptr;
        QRectF box;
        bool bold = false;
        qreal fill = 0;
        Fit fit;
    };
    std::function<void(const Written&)> written;

private:
    bool dimmed(const Control& c) const { return available_ ? !available_(c) : !c.enabled; }
    void paintControl(QPainter& p, const MainWindow& ui, const Control& c, bool pressedLook);
    void paintStrip(QPainter& p, const Control& strip, int reel);
    void paintLabel(QPainter& p, const MainWindow& ui, const Control& c);
    void paintButton3d(QPainter& p, const Control& c, const QString& caption, bool down);
    void paintText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, bool bold,
                   qreal fill = 0.62);
    // Draws a picture over the control's rectangle; false when it does not exist.
    bool drawPicture(QPainter& p, const QString& path, const QRectF& viewRect);
    bool drawPicture(QPainter& p, Picture picture, const Control& c);

    SpriteCache& sprites_;
    ViewGeometry g_;
    const Control* painting_ = nullptr;
    Availability available_;
};

}  // namespace tonvale
