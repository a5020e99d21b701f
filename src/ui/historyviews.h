// SPDX-License-Identifier: MIT
#pragma once
// The drawn parts of the HISTORY window: the reels of the game shown, drawn from
// the game's tiles with the cells that did not count hatched, and a plot of the
// player's results against the odds. Each tells a screen reader what it shows.
#include <QPen>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "ui/sprites.h"

namespace tonvale {

class History;
struct RecalledGame;
struct ResultCurve;

// "Reel 1: harp, piano, king. Reel 2: ..." for the game's stops; "" when they are not known.
QString reelsInWords(const int (&stops)[5]);

class ReelsView : public QWidget {
    Q_OBJECT
public:
    ReelsView(History& history, SpriteCache& sprites, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    History& history_;
    SpriteCache& sprites_;
};

class PlotView : public QWidget {
    Q_OBJECT
public:
    // `index` 1 the return, 2 the free-spin series, 3 the jackpots.
    PlotView(History& history, int index, QWidget* parent);
    // What the plot's foot line says: "40 games: yours 0.93, odds 0.95".
    QString reading() const;
    // The legend's words: 0 the player's line, 1 the odds' dashed line, 2 the band.
    static QString legendWords(int item);

    // Where the plot draws: the curves' area, the row of games under it, the legend
    // and the reading; `text` is the pixel size of the scales' words.
    struct Layout {
        QRectF area, ticks, legend, reading;
        qreal text = 0;
    };
    Layout layout() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    static QPen meanPen(qreal unit);
    static QPen expectedPen(qreal unit);
    const ResultCurve& curve() const;
    History& history_;
    int index_;
};

}  // namespace tonvale
