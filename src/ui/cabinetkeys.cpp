// SPDX-License-Identifier: MIT
#include "ui/cabinetkeys.h"

#include <QCoreApplication>

namespace tonvale {

std::vector<CabinetControl> cabinetControls(MainWindow& ui) {
    const auto words = [](const char* text) { return QCoreApplication::translate("Cabinet", text); };
    // The keys are the same letters in every language.
    const auto b = [&words](Control& c, const char* name, int key, const QString& keyName) {
        return CabinetControl{&c, words(name), key, keyName, false};
    };
    const auto m = [&words](Control& c, const char* name) {
        return CabinetControl{&c, words(name), 0, {}, true};
    };
    return {
        b(ui.btncredit, QT_TRANSLATE_NOOP("Cabinet", "Insert $50"), Qt::Key_I, QStringLiteral("I")),
        b(ui.btnlines, QT_TRANSLATE_NOOP("Cabinet", "Select ways"), Qt::Key_W, QStringLiteral("W")),
        b(ui.btnbet, QT_TRANSLATE_NOOP("Cabinet", "Select bet"), Qt::Key_B, QStringLiteral("B")),
        b(ui.btnspin, QT_TRANSLATE_NOOP("Cabinet", "Spin"), Qt::Key_S,
          words(QT_TRANSLATE_NOOP("Cabinet", "S or Enter"))),
        b(ui.btndouble, QT_TRANSLATE_NOOP("Cabinet", "Gamble"), Qt::Key_G, QStringLiteral("G")),
        b(ui.autoplayon, QT_TRANSLATE_NOOP("Cabinet", "Auto on/off"), Qt::Key_A, QStringLiteral("A")),
        b(ui.btnhistory, QT_TRANSLATE_NOOP("Cabinet", "History"), Qt::Key_H, QStringLiteral("H")),
        b(ui.takewin, QT_TRANSLATE_NOOP("Cabinet", "Take win"), Qt::Key_T, QStringLiteral("T")),
        b(ui.btnoptions, QT_TRANSLATE_NOOP("Cabinet", "Options"), Qt::Key_O, QStringLiteral("O")),
        b(ui.btnopenmenu, QT_TRANSLATE_NOOP("Cabinet", "Menu"), Qt::Key_M, QStringLiteral("M")),
        b(ui.about, QT_TRANSLATE_NOOP("Cabinet", "About"), 0, QString()),
        b(ui.mnuviewpaytable, QT_TRANSLATE_NOOP("Cabinet", "Pay table"), Qt::Key_P, QStringLiteral("P")),
        b(ui.btnhelp, QT_TRANSLATE_NOOP("Cabinet", "Help"), Qt::Key_F1, QStringLiteral("F1")),
        b(ui.xit, QT_TRANSLATE_NOOP("Cabinet", "Exit"), 0, QString()),
        b(ui.betred, QT_TRANSLATE_NOOP("Cabinet", "Bet on red"), Qt::Key_R, QStringLiteral("R")),
        b(ui.betblack, QT_TRANSLATE_NOOP("Cabinet", "Bet on black"), Qt::Key_K, QStringLiteral("K")),
        b(ui.suitbet[1], QT_TRANSLATE_NOOP("Cabinet", "Bet on hearts"), Qt::Key_1, QStringLiteral("1")),
        b(ui.suitbet[2], QT_TRANSLATE_NOOP("Cabinet", "Bet on clubs"), Qt::Key_2, QStringLiteral("2")),
        b(ui.suitbet[3], QT_TRANSLATE_NOOP("Cabinet", "Bet on diamonds"), Qt::Key_3, QStringLiteral("3")),
        b(ui.suitbet[4], QT_TRANSLATE_NOOP("Cabinet", "Bet on spades"), Qt::Key_4, QStringLiteral("4")),
        b(ui.cancelbet, QT_TRANSLATE_NOOP("Cabinet", "Take the gamble win"), Qt::Key_C, QStringLiteral("C")),
        m(ui.Lblcredit, QT_TRANSLATE_NOOP("Cabinet", "Credit")),
        m(ui.lblwin, QT_TRANSLATE_NOOP("Cabinet", "Winner paid")),
        m(ui.lbllines, QT_TRANSLATE_NOOP("Cabinet", "Ways")),
        m(ui.lblbet, QT_TRANSLATE_NOOP("Cabinet", "Bet")),
        m(ui.lbllast, QT_TRANSLATE_NOOP("Cabinet", "Total bet")),
        m(ui.lblsession, QT_TRANSLATE_NOOP("Cabinet", "Session")),
        m(ui.lblgrand, QT_TRANSLATE_NOOP("Cabinet", "Grand jackpot")),
        m(ui.lblmajor, QT_TRANSLATE_NOOP("Cabinet", "Major jackpot")),
        m(ui.lblminor, QT_TRANSLATE_NOOP("Cabinet", "Minor jackpot")),
        m(ui.spinsleft, QT_TRANSLATE_NOOP("Cabinet", "Free spins")),
        m(ui.risklab, QT_TRANSLATE_NOOP("Cabinet", "At risk")),
        m(ui.lblblackred, QT_TRANSLATE_NOOP("Cabinet", "Black or red win")),
        m(ui.lblsuit, QT_TRANSLATE_NOOP("Cabinet", "Suit win")),
        m(ui.lbljackpotwon, QT_TRANSLATE_NOOP("Cabinet", "Jackpot won")),
        m(ui.pannomoney, QT_TRANSLATE_NOOP("Cabinet", "Credit too low")),
    };
}

}  // namespace tonvale
