// SPDX-License-Identifier: MIT
#pragma once
// The one door through which the model's English texts (captions, messages, window titles) reach
// the screen. The model keeps its texts in English; every text the view shows from a control
// model passes here, so that the game's translations have one place to act.
#include <QString>
#include <string_view>

namespace tonvale::ui {

inline QString modelText(std::string_view english) {
    return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
}

}  // namespace tonvale::ui
