// SPDX-License-Identifier: MIT
#pragma once
// The HISTORY window `tonvalehistory`: the list of games, the game shown with its
// reels drawn from the game's tiles (the cells that did not count hatched), its
// lines and gamble cards, and the three plots of the player's results against
// the odds. The arrow keys step through the games, Esc closes.
#include <cstdint>
#include <utility>

#include "ui/dialogs.h"

class QListWidget;

namespace tonvale {

struct HistoryWindow;

class HistoryDialog : public ModelDialog {
    Q_OBJECT
public:
    HistoryDialog(Game& game, SpriteCache& sprites, TheatreStyle& style);
    // The list of the games of the page shown.
    QListWidget& games() { return *list_; }

protected:
    QWidget* make(Control& c, QWidget* parent) override;
    void showControl(const Control& c, QWidget* w) override;
    void showMore() override;
    void retranslate() override;
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void step(bool older);
    HistoryWindow& ui_;
    QListWidget* list_ = nullptr;
    std::pair<std::int64_t, std::int64_t> drawn_{-1, -1};  // the game shown and the count, as drawn
};

}  // namespace tonvale
