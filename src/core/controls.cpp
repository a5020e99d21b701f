// SPDX-License-Identifier: MIT
#include "core/controls.h"

#include "rules/symbols.h"

namespace tonvale {

std::string Control::fullName() const {
    return index == 0 && !arrayed ? name : name + "(" + std::to_string(index) + ")";
}

int Control::absLeft() const { return left + (parent ? parent->absLeft() : 0); }
int Control::absTop() const { return top + (parent ? parent->absTop() : 0); }

bool Control::shown() const { return visible && (!parent || parent->shown()); }
bool Control::live() const { return visible && enabled && (!parent || parent->live()); }

namespace {
constexpr std::array<std::string_view, kTimerCount> kTimerNames = {
    "Tmrtick",     "tmrautospin", "Timerflash",       "timerballflash", "Timerwincounter", "Timerscatter",
    "Timerrespin", "tmrbell",     "tmrdecidejackpot", "tmrshowjackpot", "tmrsession"};
}

std::string_view timerName(TimerId id) { return kTimerNames[static_cast<std::size_t>(id)]; }

bool timerFromName(std::string_view name, TimerId& out) {
    for (std::size_t i = 0; i < kTimerNames.size(); ++i) {
        if (kTimerNames[i] == name) {
            out = static_cast<TimerId>(i);
            return true;
        }
    }
    return false;
}

Control* ControlSet::find(std::string_view name, int index) {
    for (Control* c : order_)
        if (c->name == name && c->index == index) return c;
    return nullptr;
}

Control& ControlSet::add(Control& c, std::string_view name, ControlKind kind, Control* parent, int left,
                         int top, int width, int height, int index) {
    c.name = std::string(name);
    c.index = index;
    c.kind = kind;
    c.parent = parent;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    order_.push_back(&c);
    return c;
}

MainWindow::MainWindow() {
    using K = ControlKind;
    add(form, "tonvale", K::window, nullptr, 0, 0, kWidth, kHeight).caption = "Slots TonVale";

    // Reel windows with their strips, hatching and cell overlays.
    constexpr int windowLeft[6] = {0, 1000, 3030, 5080, 7120, 9150};
    for (int r = 1; r <= 5; ++r) {
        add(Picture[r], "Picture" + std::to_string(r), K::picture, &form, windowLeft[r], 730, 1875, 5625);
        add(reel[r], "reel" + std::to_string(r), K::image, &Picture[r], 0, 0, 1875, 1875 * 29).picture =
            static_cast<Sheet>(static_cast<int>(Sheet::reel1) + r - 1);
    }
    for (int s : kShapeIndexes) {
        const int r = (s - 1) / 3 + 1;
        const bool topRow = (s - 1) % 3 == 0;
        Control& shape = add(Shape[s], "Shape", K::shape, &Picture[r], 0, topRow ? 0 : 3750, 1875, 1875, s);
        shape.visible = false;
        shape.picture = Sheet::hatch;
    }
    for (int cell = 1; cell <= 15; ++cell) {
        const int r = reelOfCell(cell);
        const int row = static_cast<int>(rowOfCell(cell));
        Control& f = add(flasher[cell], "flasher", K::picture, &Picture[r], 0, row * 1875, 1875, 1875, cell);
        f.visible = false;
        f.picture = {Sheet::ImageList3, kCellFrame};
    }

    // Meters.
    add(lblgrand, "lblgrand", K::label, &form, 1950, 120, 1950, 480);
    add(lblmajor, "lblmajor", K::label, &form, 5700, 120, 1950, 480);
    add(lblminor, "lblminor", K::label, &form, 9450, 120, 1950, 480);
    add(lbllines, "lbllines", K::label, &form, 3750, 6600, 1200, 450);
    add(lblbet, "lblbet", K::label, &form, 5100, 6600, 1200, 450);
    add(lbllast, "lbllast", K::label, &form, 6450, 6600, 2400, 450);
    add(PANELBANK, "PANELBANK", K::label, &form, 705, 7335, 900, 375);
    add(Lblcredit, "Lblcredit", K::label, &form, 1650, 7350, 1850, 375);
    add(LABWIN, "LABWIN", K::label, &form, 7035, 7305, 1000, 405);
    add(lblwin, "lblwin", K::label, &form, 8085, 7335, 950, 375);

    // The button bar.
    add(panfreespin, "panfreespin", K::picture, &form, 0, 7780, 12075, 1290);
    add(btncredit, "btncredit", K::picbutton, &panfreespin, 750, 30, 1635, 810).picture = Sheet::btn_credit;
    add(btnlines, "btnlines", K::picbutton, &panfreespin, 2520, 30, 1545, 810).picture = Sheet::btn_ways;
    add(btnbet, "btnbet", K::picbutton, &panfreespin, 4220, 30, 1590, 810).picture = Sheet::btn_bet;
    add(btnspin, "btnspin", K::picbutton, &panfreespin, 5910, 30, 1590, 810).picture = Sheet::btn_spin;
    Control& dbl = add(btndouble, "btndouble", K::picbutton, &panfreespin, 7455, 30, 1560, 810);
    dbl.picture = Sheet::btn_gamble;
    dbl.enabled = false;
    add(autoplayon, "autoplayon", K::picbutton, &panfreespin, 9200, 30, 1740, 810).picture = Sheet::btn_auto;

    Control& opt = add(btnoptions, "btnoptions", K::picbutton, &form, 9135, 7035, 1230, 570);
    opt.picture = Sheet::btn_options;
    opt.tooltip = "Options, CLICK to VIEW";
    add(btnopenmenu, "btnopenmenu", K::picbutton, &form, 10290, 7035, 1185, 555).picture = Sheet::btn_menu;
    Control& starter = add(btnstartall, "btnstartall", K::button, &form, 0, 0, 0, 0);
    starter.visible = false;
    starter.caption = "Command1";

    // Free-spin messages and the take-win button.
    Control& left = add(spinsleft, "spinsleft", K::label, &form, 900, 7900, 6600, 600);
    left.visible = false;
    left.picture = Sheet::spinsleft;
    Control& take = add(takewin, "takewin", K::button, &form, 7880, 7970, 2565, 480);
    take.visible = false;
    take.picture = Sheet::takewin;

    Control& nomoney = add(pannomoney, "pannomoney", K::panel, &form, 3900, 3150, 4500, 900);
    nomoney.visible = false;
    nomoney.picture = Sheet::nomoney;

    // The gamble panel.
    Control& panel = add(pandouble, "pandouble", K::picture, &form, 3600, 750, 3840, 5655);
    panel.visible = false;
    panel.picture = Sheet::gamble_panel;
    add(risklab, "risklab", K::label, &pandouble, 480, 50, 2895, 450);
    add(lblsuit, "lblsuit", K::label, &pandouble, 240, 500, 3255, 255);
    add(lblblackred, "lblblackred", K::label, &pandouble, 240, 720, 2055, 255);
    add(piccardholder, "piccardholder", K::image, &pandouble, 1080, 1080, 1560, 2355).picture =
        tonvale::Picture(Sheet::imagelistcards, kCardBack);
    constexpr int suitLeft[5] = {0, 240, 2680, 240, 2680};
    constexpr int suitTop[5] = {0, 1080, 1080, 2640, 2640};
    for (int i = 1; i <= 4; ++i)
        add(suitbet[i], "suitbet", K::button, &pandouble, suitLeft[i], suitTop[i], 810, 810, i).picture =
            tonvale::Picture(Sheet::imagelistcards, kFirstSuit - 1 + i);
    add(betred, "betred", K::button, &pandouble, 60, 3480, 1020, 450).picture = Sheet::btn_red;
    add(cancelbet, "cancelbet", K::button, &pandouble, 1100, 3480, 1560, 450).picture =
        Sheet::btn_takewin_small;
    add(betblack, "betblack", K::button, &pandouble, 2680, 3480, 1020, 450).picture = Sheet::btn_black;
    for (int i = 1; i <= 5; ++i)
        add(historypic[i], "historypic", K::button, &pandouble, 360 + 600 * (i - 1), 3960, 495, 495, i)
            .visible = false;
    add(Label1, "Label1", K::label, &pandouble, 600, 4440, 2535, 300).caption = "past history";
    Control& win = add(gamblewin, "gamblewin", K::image, &pandouble, 700, 5000, 2250, 450);
    win.picture = Sheet::gamble_win;
    win.visible = false;
    Control& lose = add(gamblelose, "gamblelose", K::image, &pandouble, 700, 5000, 2250, 450);
    lose.picture = Sheet::gamble_lose;
    lose.visible = false;

    // The jackpot board.
    Control& board = add(jackpotframe, "jackpotframe", K::picture, &form, 945, -1810, 10125, 5700);
    board.visible = false;
    board.picture = Sheet::jackpot_board;
    Control& banner = add(jackpotpicture, "jackpotpicture", K::image, &jackpotframe, 1840, 1650, 6420, 2430);
    banner.visible = false;
    Control& won = add(lbljackpotwon, "lbljackpotwon", K::label, &jackpotframe, 1840, 2400, 6420, 900);
    won.visible = false;
    Control* balls[3] = {&jackpotball11, &jackpotball21, &jackpotball31};
    const char* ballNames[3] = {"jackpotball11", "jackpotball21", "jackpotball31"};
    for (int i = 0; i < 3; ++i) {
        Control& b = add(*balls[i], ballNames[i], K::picture, &jackpotframe, 0, 0, 1590, 1800);
        b.visible = false;
        b.picture = static_cast<Sheet>(static_cast<int>(Sheet::sun_1) + i);
    }

    // The session: time played and the net result since the game started or the
    // player changed. The history button recalls the games played.
    add(imgsession, "imgsession", K::image, &form, 9135, 6420, 2340, 585).picture = Sheet::session_meter;
    add(lblsession, "lblsession", K::label, &form, 9135, 6600, 2340, 405);
    Control& hist = add(btnhistory, "btnhistory", K::picbutton, &panfreespin, 11025, 30, 990, 810);
    hist.picture = Sheet::btn_history;
    hist.tooltip = "History, CLICK to VIEW";

    // The menu panel, on top of everything.
    Control& menu = add(menupic, "menupic", K::picture, &form, 10250, 4380, 1815, 2655);
    menu.visible = false;
    add(about, "about", K::button, &menupic, 120, 120, 1560, 525).caption = "About";
    add(mnuviewpaytable, "mnuviewpaytable", K::button, &menupic, 120, 720, 1560, 525).caption = "Pay Table";
    add(btnhelp, "btnhelp", K::button, &menupic, 120, 1320, 1560, 525).caption = "Help";
    add(xit, "xit", K::button, &menupic, 120, 1920, 1560, 525).caption = "Exit";

    constexpr int intervals[kTimerCount] = {100, 500, 100, 100, 100, 100, 100, 100, 100, 100, 1000};
    for (int i = 0; i < kTimerCount; ++i) timers[static_cast<std::size_t>(i)] = {false, intervals[i]};
}

}  // namespace tonvale
