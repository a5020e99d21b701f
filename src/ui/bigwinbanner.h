// SPDX-License-Identifier: MIT
#pragma once
// The big-win banner over the reels: a brass-rimmed velvet plaque with "BIG WIN",
// "HUGE WIN" or "MEGA WIN" and the amount counting up to the win, shown once for
// each celebration the game asks for. A click on it or the space bar skips it;
// under reduced motion it shows the whole amount at once and holds still. It goes
// when the next spin starts, the gamble opens or the jackpot board comes down.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "core/bigwin.h"
#include "ui/cabinetpainter.h"

namespace tonvale {

class Game;

class BigWinBanner : public QWidget {
    Q_OBJECT
public:
    BigWinBanner(Game& game, QWidget* parent);

    // Starts a celebration the game asked for since the last look, or ends the one
    // shown when the game has moved on.
    void sync();
    void place(const ViewGeometry& g);
    // Ends the celebration at once (a click, the space bar).
    void skip();
    bool showing() const { return isVisibleTo(parentWidget()); }
    BigWin tier() const { return tier_; }
    // The amount the banner shows now, in cents.
    std::int64_t shownAmount() const;

    // How long the amount counts up for each step, and how long the banner then stays.
    static int countMs(BigWin w);
    static constexpr int kHoldMs = 1500;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void step();
    QString title() const;
    Game& game_;
    std::uint32_t seen_ = 0;  // the last celebration started
    BigWin tier_ = BigWin::none;
    std::int64_t amount_ = 0;
    bool still_ = false;  // reduced motion: the whole amount, no pulse
    QElapsedTimer clock_;
    QTimer frames_;
};

}  // namespace tonvale
