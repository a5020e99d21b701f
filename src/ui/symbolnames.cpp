// SPDX-License-Identifier: MIT
#include "ui/symbolnames.h"

#include <QCoreApplication>

namespace tonvale::ui {

QString symbolWords(Symbol s) {
    switch (s) {
        case Symbol::composer:
            return QCoreApplication::translate("Symbols", "composer");
        case Symbol::piano:
            return QCoreApplication::translate("Symbols", "piano");
        case Symbol::horn:
            return QCoreApplication::translate("Symbols", "horn");
        case Symbol::violin:
            return QCoreApplication::translate("Symbols", "violin");
        case Symbol::harp:
            return QCoreApplication::translate("Symbols", "harp");
        case Symbol::drum:
            return QCoreApplication::translate("Symbols", "drum");
        case Symbol::king:
            return QCoreApplication::translate("Symbols", "king");
        case Symbol::queen:
            return QCoreApplication::translate("Symbols", "queen");
        case Symbol::jack:
            return QCoreApplication::translate("Symbols", "jack");
        case Symbol::scatter:
            return QCoreApplication::translate("Symbols", "scatter");
        case Symbol::wild:
            return QCoreApplication::translate("Symbols", "wild");
        case Symbol::bell:
            return QCoreApplication::translate("Symbols", "bell");
    }
    return {};
}

QString logoWords() { return QCoreApplication::translate("Symbols", "Tonvale logo"); }

QString symbolHeading(Symbol s) {
    QString words = symbolWords(s);
    if (!words.isEmpty()) words[0] = words[0].toUpper();
    return words;
}

QString suitWords(int card) {
    switch (card) {
        case 1:
            return QCoreApplication::translate("Symbols", "hearts");
        case 2:
            return QCoreApplication::translate("Symbols", "clubs");
        case 3:
            return QCoreApplication::translate("Symbols", "diamonds");
        case 4:
            return QCoreApplication::translate("Symbols", "spades");
        default:
            return {};
    }
}

}  // namespace tonvale::ui
