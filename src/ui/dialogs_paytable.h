// SPDX-License-Identifier: MIT
#pragma once
// The pay-table window `tonvalepays`. Its picture is drawn from the pay table and
// the scatter decoding themselves, so what it shows cannot differ from what the
// game pays: the ground, panels and symbol tiles are painted, and the words are
// labels over them, panel by panel, which screen readers read and which fit
// their places in any language.
#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "rules/symbols.h"
#include "ui/dialogs.h"

class QLabel;

namespace tonvale {

struct PaytableWindow;

// The pay-table picture, laid out on a 500 x 490 sheet and scaled to its place.
class PaytablePicture {
public:
    static constexpr qreal kWidth = 500;
    static constexpr qreal kHeight = 490;

    // A panel of the picture: one paying symbol, the scatter, the wild, the bell with
    // the jackpot board, or the gamble.
    struct Panel {
        QString name;  // "composer" .. "jack", "scatter", "wild", "bell", "gamble"
        Symbol symbol;
        QRectF box;            // on the sheet
        QRectF tile;           // the symbol's tile
        QString picture = {};  // drawn in the tile instead of the symbol's, when given
    };
    // A line of words on the sheet, in its panel ("title" for the title).
    struct Line {
        QString panel;
        QString text;
        QRectF box;
        QColor colour;
        qreal size = 11;  // text height on the sheet
        bool bold = false;
        bool wraps = false;
        bool title = false;  // the serif title line
    };

    static std::vector<Panel> panels();
    // Every line of words, in reading order.
    static std::vector<Line> lines();
    // The ground, the border, the panels and their tiles over `target`.
    static void paint(QPainter& p, const QRectF& target, SpriteCache& sprites, qreal dpr);

    // The pay lines of a paying symbol, five of a kind first: "5 pays 1500".
    static QStringList payLines(int payingIndex);
    // The scatter lines: "3 scatters pay 2 X Bet + 10 free spins" .. and the direction.
    static QStringList scatterLines();
    static QStringList wildLines();
    // The bell's lines (the jackpot board) and the gamble's (its payouts).
    static QStringList bellLines();
    static QStringList gambleLines();
};

class PaytableDialog : public ModelDialog {
    Q_OBJECT
public:
    PaytableDialog(Game& game, SpriteCache& sprites, TheatreStyle& style);

    struct Shown {
        QString panel;
        QString text;
    };
    // The words the window shows now, with the panel each stands in.
    std::vector<Shown> shownLines() const;

protected:
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void resizeEvent(QResizeEvent* e) override;
    void retranslate() override;

private:
    void placeLines();
    struct Placed {
        PaytablePicture::Line line;
        QLabel* label;
    };
    PaytableWindow& ui_;
    std::vector<Placed> labels_;
    std::vector<std::pair<PaytablePicture::Panel, QWidget*>> panels_;
};

}  // namespace tonvale
