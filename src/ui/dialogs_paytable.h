// SPDX-License-Identifier: MIT
#pragma once
// The pay-table window `tonvalepays`. Its picture is drawn from the pay table and
// the scatter decoding themselves, so what it shows cannot differ from what the
// game pays.
#include <QString>
#include <vector>

#include "ui/dialogs.h"

namespace tonvale {

struct PaytableWindow;

// The pay-table picture, laid out on a 500 x 378 sheet and scaled to its place.
class PaytablePicture {
public:
    static constexpr qreal kWidth = 500;
    static constexpr qreal kHeight = 378;

    // A line of text as drawn: the panel it belongs to ("composer" .. "jack",
    // "scatter", "wild", or "title") and the words.
    struct Line {
        QString panel;
        QString text;
    };

    void paint(QPainter& p, const QRectF& target, SpriteCache& sprites, qreal dpr);
    // Every line the last paint wrote, in drawing order.
    const std::vector<Line>& drawn() const { return drawn_; }

    // The pay lines of a paying symbol, five of a kind first: "5 pays 1500".
    static QStringList payLines(int payingIndex);
    // The scatter lines: "3 scatters pay 2 X Bet + 10 free spins" .. and the direction.
    static QStringList scatterLines();
    static QStringList wildLines();

private:
    QRectF map(qreal x, qreal y, qreal w, qreal h) const;
    void text(QPainter& p, const QString& panel, const QRectF& box, const QString& words,
              const QColor& colour, qreal size, bool bold, bool centred = false);
    void panel(QPainter& p, const QRectF& box);
    void tile(QPainter& p, SpriteCache& sprites, Symbol symbol, const QRectF& box);

    QRectF target_;
    qreal scale_ = 1;
    qreal dpr_ = 1;
    std::vector<Line> drawn_;
};

class PaytableDialog : public ModelDialog {
    Q_OBJECT
public:
    PaytableDialog(Game& game, SpriteCache& sprites);
    const PaytablePicture& picture() const { return picture_; }

protected:
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) override;

private:
    PaytablePicture picture_;
};

}  // namespace tonvale
