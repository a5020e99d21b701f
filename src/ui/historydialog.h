// SPDX-License-Identifier: MIT
#pragma once
// The HISTORY window `tonvalehistory`: the list of games, the game shown with its
// reels drawn from the game's tiles (the cells that did not count hatched), its
// lines and gamble cards, and the three plots of the player's results against
// the odds. The arrow keys step through the games, Esc closes.
#include "ui/dialogs.h"

namespace tonvale {

struct HistoryWindow;
struct ResultCurve;

class HistoryDialog : public ModelDialog {
    Q_OBJECT
public:
    HistoryDialog(Game& game, SpriteCache& sprites);

protected:
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void paintReels(QPainter& p, const QRectF& r, const ViewGeometry& g);
    void paintPlot(QPainter& p, const QRectF& r, const ResultCurve& curve, bool chance,
                   const ViewGeometry& g);
    HistoryWindow& ui_;
};

}  // namespace tonvale
