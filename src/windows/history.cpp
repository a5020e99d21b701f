// SPDX-License-Identifier: MIT
#include "windows/history.h"

#include <algorithm>
#include <charconv>

#include "core/database.h"
#include "core/store.h"
#include "windows/storehistory.h"

namespace tonvale {

HistoryWindow::HistoryWindow() {
    using K = ControlKind;
    add(form, "tonvalehistory", K::window, nullptr, 0, 0, kWidth, kHeight);
    add(Framehistory, "Framehistory", K::frame, &form, 0, 120, kWidth, 8280);
    add(Framegames, "Framegames", K::frame, &Framehistory, 200, 300, 3000, 4400);
    for (int i = 1; i <= kRows; ++i)
        add(lstgame[static_cast<std::size_t>(i)], "lstgame", K::label, &Framegames, 100, 330 + 400 * (i - 1),
            2800, 360, i);
    add(Framegame, "Framegame", K::frame, &Framehistory, 3350, 300, 8450, 4400);
    add(picreels, "picreels", K::picture, &Framegame, 150, 380, 4500, 2700);
    for (int i = 1; i <= 14; ++i)
        add(lblline[static_cast<std::size_t>(i)], "lblline", K::label, &Framegame, 4800, 300 + 285 * (i - 1),
            3550, 270, i);
    for (int i = 1; i <= 5; ++i)
        add(piccard[static_cast<std::size_t>(i)], "piccard", K::image, &Framegame, 150 + 620 * (i - 1), 3280,
            530, 800, i);
    add(Frameplot, "Frameplot", K::frame, &Framehistory, 200, 4850, 11600, 2750);
    for (int i = 1; i <= 3; ++i) {
        add(lblplot[static_cast<std::size_t>(i)], "lblplot", K::label, &Frameplot, 150 + 3830 * (i - 1), 300,
            3600, 260, i);
        add(picplot[static_cast<std::size_t>(i)], "picplot", K::picture, &Frameplot, 150 + 3830 * (i - 1),
            580, 3600, 2050, i);
    }
    add(btnnewer, "btnnewer", K::button, &Framehistory, 200, 7700, 1900, 450);
    add(btnolder, "btnolder", K::button, &Framehistory, 2250, 7700, 1900, 450);
    add(btnclose, "btnclose", K::button, &Framehistory, 9800, 7700, 2000, 450);
    design();
}

void HistoryWindow::design() {
    for (Control* c : order_) {
        c->visible = true;
        c->enabled = true;
        c->caption.clear();
        c->picture.clear();
        c->value = false;
    }
    form.visible = false;
    form.caption = "Tonvale History";
    Framehistory.caption = "Tonvale History";
    Framegames.caption = "Last Games";
    Frameplot.caption = "Your Results Against the Odds";
    lblplot[1].caption = "Return per paid spin";
    lblplot[2].caption = "Free-spin series per paid spin";
    lblplot[3].caption = "Jackpots per paid spin";
    btnnewer.caption = "<< Newer";
    btnolder.caption = "Older >>";
    btnclose.caption = "Close";
}

History::History(Machine& m) : figures(exactFigures()), m_(m) {
    if (auto* db = dynamic_cast<SqliteStore*>(&m.ports.store)) {
        stored_ = std::make_unique<StoreHistory>(*db);
        source_ = stored_.get();
    }
}

void History::bind(Bindings& b) {
    MainWindow& main = m_.ui;
    b.on(main.btnhistory, Ev::Click, [this] { btnhistory_Click(); });
    b.on(ui.btnnewer, Ev::Click, [this] { btnnewer_Click(); });
    b.on(ui.btnolder, Ev::Click, [this] { btnolder_Click(); });
    b.on(ui.btnclose, Ev::Click, [this] { close(); });
    for (int i = 1; i <= HistoryWindow::kRows; ++i)
        b.on(ui.lstgame[static_cast<std::size_t>(i)], Ev::Click, [this, i] { lstgame_Click(i); });
    b.routine("tonvalehistory:QueryUnload", [this] { close(); });
}

// Games are recalled between games only: not while a game runs (a spin, a
// series, the jackpot, the gamble) nor under autoplay.
bool History::mayOpen() const {
    const Machine& m = m_;
    return !m.cycles.running() && m.s.freespinsawarded <= 0 && m.s.autoplaymode != 10 &&
           !m.ui.pandouble.visible;
}

// Acts on the click, as the options button does: the window opens once the
// button is released.
void History::btnhistory_Click() {
    Machine& m = m_;
    m.ui.menupic.visible = false;
    if (!mayOpen()) return;
    m.playClip(115);
    m.ui.form.enabled = false;
    open();
}

void History::open() {
    if (isOpen()) return;
    ui.design();
    ui.form.visible = true;
    player_ = slotNumber(m_.s.playerslot);
    count_ = source_->count(player_);
    selected_ = 0;
    pageStart_ = -1;
    // The whole history, oldest first, for the plot.
    std::vector<RecalledGame> all =
        source_->newest(player_, 0, static_cast<int>(std::min<std::int64_t>(count_, 1 << 30)));
    std::reverse(all.begin(), all.end());
    // The plot is of paid games the rules can replay, not of inserts, checkpoints
    // or lines that cannot be read. A line that does not say its payout level was
    // played at the player's own.
    std::erase_if(all, [](const RecalledGame& g) { return !isPlayedGame(g); });
    for (RecalledGame& g : all)
        if (g.machinepay == 0) g.machinepay = m_.s.machinepay;
    plot_ = resultsPlot(all, figures);
    show();
}

void History::close() {
    if (!isOpen()) return;
    ui.form.visible = false;
    page_.clear();
    m_.ui.form.enabled = true;
}

void History::btnnewer_Click() {
    if (selected_ > 0) --selected_;
    show();
}

void History::btnolder_Click() {
    if (selected_ + 1 < count_) ++selected_;
    show();
}

void History::lstgame_Click(int row) {
    const std::int64_t at = pageStart_ + row - 1;
    if (row >= 1 && at < count_ && row <= static_cast<int>(page_.size())) selected_ = at;
    show();
}

const RecalledGame* History::shown() const {
    const std::int64_t i = selected_ - pageStart_;
    return i >= 0 && i < static_cast<std::int64_t>(page_.size()) ? &page_[static_cast<std::size_t>(i)]
                                                                 : nullptr;
}

// The page of ten holding the selected game, the selected game in full.
void History::show() {
    const std::int64_t start = selected_ / HistoryWindow::kRows * HistoryWindow::kRows;
    if (start != pageStart_) {
        pageStart_ = start;
        page_ = source_->newest(player_, start, HistoryWindow::kRows);
    }
    for (int i = 1; i <= HistoryWindow::kRows; ++i) {
        Control& row = ui.lstgame[static_cast<std::size_t>(i)];
        const std::size_t k = static_cast<std::size_t>(i - 1);
        row.caption = k < page_.size() ? std::to_string(start + i) + ".  " + recallRow(page_[k]) : "";
        row.value = start + i - 1 == selected_;
    }
    const RecalledGame* g = shown();
    ui.Framegame.caption =
        g ? "Game " + std::to_string(selected_ + 1) + " of " + std::to_string(count_) : "No games played yet";
    const std::vector<std::string> lines = g ? recallLines(*g) : std::vector<std::string>{};
    for (std::size_t i = 1; i < ui.lblline.size(); ++i)
        ui.lblline[i].caption = i - 1 < lines.size() ? lines[i - 1] : "";
    // The gamble's cards in the order drawn.
    std::vector<int> cards;
    if (g) {
        std::size_t from = 0;
        while (from < g->gamble.size()) {
            int card = 0;
            std::from_chars(g->gamble.data() + from, g->gamble.data() + g->gamble.size(), card);
            if (card >= 1 && card <= 4) cards.push_back(card);
            const std::size_t comma = g->gamble.find(',', from);
            from = comma == std::string::npos ? g->gamble.size() : comma + 1;
        }
    }
    for (std::size_t i = 1; i < ui.piccard.size(); ++i) {
        Control& c = ui.piccard[i];
        c.visible = i - 1 < cards.size();
        c.picture = c.visible ? Picture(Sheet::imagelistcards, cards[i - 1]) : Picture();
    }
    ui.picreels.visible = g != nullptr;
    ui.btnnewer.enabled = selected_ > 0;
    ui.btnolder.enabled = selected_ + 1 < count_;
}

}  // namespace tonvale
