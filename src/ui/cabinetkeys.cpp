// SPDX-License-Identifier: MIT
#include "ui/cabinetkeys.h"

namespace tonvale {

std::vector<CabinetControl> cabinetControls(MainWindow& ui) {
    const auto b = [](Control& c, const char* name, int key, const char* keyName) {
        return CabinetControl{&c, QString::fromUtf8(name), key, QString::fromUtf8(keyName), false};
    };
    const auto m = [](Control& c, const char* name) {
        return CabinetControl{&c, QString::fromUtf8(name), 0, {}, true};
    };
    return {
        b(ui.btncredit, "Insert $50", Qt::Key_I, "I"),
        b(ui.btnlines, "Select ways", Qt::Key_W, "W"),
        b(ui.btnbet, "Select bet", Qt::Key_B, "B"),
        b(ui.btnspin, "Spin", Qt::Key_S, "S or Enter"),
        b(ui.btndouble, "Gamble", Qt::Key_G, "G"),
        b(ui.autoplayon, "Auto on/off", Qt::Key_A, "A"),
        b(ui.takewin, "Take win", Qt::Key_T, "T"),
        b(ui.btnoptions, "Options", Qt::Key_O, "O"),
        b(ui.btnopenmenu, "Menu", Qt::Key_M, "M"),
        b(ui.about, "About", 0, ""),
        b(ui.mnuviewpaytable, "Pay table", Qt::Key_P, "P"),
        b(ui.btnhelp, "Help", Qt::Key_F1, "F1"),
        b(ui.xit, "Exit", 0, ""),
        b(ui.betred, "Bet on red", Qt::Key_R, "R"),
        b(ui.betblack, "Bet on black", Qt::Key_K, "K"),
        b(ui.suitbet[1], "Bet on hearts", Qt::Key_1, "1"),
        b(ui.suitbet[2], "Bet on clubs", Qt::Key_2, "2"),
        b(ui.suitbet[3], "Bet on diamonds", Qt::Key_3, "3"),
        b(ui.suitbet[4], "Bet on spades", Qt::Key_4, "4"),
        b(ui.cancelbet, "Take the gamble win", Qt::Key_C, "C"),
        m(ui.Lblcredit, "Credit"),
        m(ui.lblwin, "Winner paid"),
        m(ui.lbllines, "Ways"),
        m(ui.lblbet, "Bet"),
        m(ui.lbllast, "Total bet"),
        m(ui.lblgrand, "Grand jackpot"),
        m(ui.lblmajor, "Major jackpot"),
        m(ui.lblminor, "Minor jackpot"),
        m(ui.spinsleft, "Free spins"),
        m(ui.risklab, "At risk"),
        m(ui.lblblackred, "Black or red win"),
        m(ui.lblsuit, "Suit win"),
        m(ui.lbljackpotwon, "Jackpot won"),
        m(ui.pannomoney, "Credit too low"),
    };
}

}  // namespace tonvale
