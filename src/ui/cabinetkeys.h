// SPDX-License-Identifier: MIT
#pragma once
// The cabinet's controls as the keyboard and screen readers know them: a spoken
// name for each, and the key that presses it.
#include <QString>
#include <vector>

#include "core/controls.h"

namespace tonvale {

struct CabinetControl {
    Control* control;
    QString name;     // what a screen reader says: "Spin", "Credit"
    int key;          // the Qt key that presses it, 0 for none
    QString keyName;  // as the tooltips and the help show it: "S"
    bool meter;       // a display that reads out an amount, not a button
};

// Every control a player deals with, in Tab order (buttons) then the meters, in
// the player's language.
std::vector<CabinetControl> cabinetControls(MainWindow& ui);

}  // namespace tonvale
