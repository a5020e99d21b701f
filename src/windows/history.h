// SPDX-License-Identifier: MIT
#pragma once
// The HISTORY window `tonvalehistory`: the current player's games, newest first,
// one shown in full (its reels as they stopped, the counted rows, what paid, the
// series, the jackpot, the gamble and the credit before and after), the list of
// the ten around it, and the player's results against the odds.
//
// The main window's HISTORY button opens it (the main window disables itself);
// "Newer" and "Older" (the arrow keys in the view) step through every stored
// game, a row of the list shows that game, and "Close" or Esc closes it.
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/bindings.h"
#include "core/controls.h"
#include "core/machine.h"
#include "windows/recall.h"

namespace tonvale {

struct HistoryWindow : ControlSet {
    static constexpr int kWidth = 12000;
    static constexpr int kHeight = 8520;
    static constexpr int kRows = 10;

    HistoryWindow();
    void design();

    Control form;  // visible while the window is open
    Control Framehistory;
    Control Framegames;
    std::array<Control, kRows + 1> lstgame;  // 1..10
    Control Framegame;
    Control picreels;                 // the reels of the game shown
    std::array<Control, 15> lblline;  // 1..14: the game's lines
    std::array<Control, 6> piccard;   // 1..5: the gamble's cards
    Control Frameplot;
    std::array<Control, 4> picplot;  // 1 return, 2 free spins, 3 jackpots
    std::array<Control, 4> lblplot;  // their titles
    Control btnnewer, btnolder, btnclose;
};

class History {
public:
    explicit History(Machine& m);
    void bind(Bindings& b);

    HistoryWindow ui;

    // Where the games come from: the play history of the game's store when it
    // keeps one, else none; a test may give its own.
    void setSource(GameHistory* source) { source_ = source ? source : &none_; }
    // The exact figures the plot compares with (the game's odds unless a test gives others).
    FiguresOf figures;

    void btnhistory_Click();
    // The press rule's half for the HISTORY button (Game::refuses).
    bool mayOpen() const;
    bool isOpen() const { return ui.form.visible; }
    void open();
    void close();
    void btnnewer_Click();
    void btnolder_Click();
    void lstgame_Click(int row);  // 1..10

    // What the window shows.
    std::int64_t count() const { return count_; }
    std::int64_t selected() const { return selected_; }  // 0 = newest
    const std::vector<RecalledGame>& page() const { return page_; }
    const RecalledGame* shown() const;
    const ResultsPlot& plot() const { return plot_; }

private:
    void show();
    Machine& m_;
    NoHistory none_;
    std::unique_ptr<GameHistory> stored_;  // the store's own play history, when it keeps one
    GameHistory* source_ = &none_;
    int player_ = 0;
    std::int64_t count_ = 0, selected_ = 0, pageStart_ = 0;
    std::vector<RecalledGame> page_;
    ResultsPlot plot_;
};

}  // namespace tonvale
