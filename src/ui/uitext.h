// SPDX-License-Identifier: MIT
#pragma once
// The one door through which the model's English texts (captions, tooltips, messages,
// window titles) reach the screen. The model keeps its texts in English; every text
// the view shows from a control model passes here and comes out in the player's
// language (ui/modeltexts.h says how).
#include <QString>
#include <string_view>

#include "ui/modeltexts.h"

namespace tonvale::ui {

inline QString modelText(std::string_view english) { return translatedModelText(english); }

}  // namespace tonvale::ui
