// SPDX-License-Identifier: MIT
#pragma once
// The state half of the one rule of what a press can do (the game object holds
// it): while a spin runs nothing but the autoplay switch acts, while the gamble
// panel is open the gamble is the only play, and so on. The handlers refuse a
// press by it, so the view's dimming and the handlers cannot disagree.
#include "core/controls.h"

namespace tonvale {

class PressRule {
public:
    virtual bool refuses(const Control& c) const = 0;

protected:
    PressRule() = default;
    PressRule(const PressRule&) = default;
    PressRule& operator=(const PressRule&) = default;
    ~PressRule() = default;
};

}  // namespace tonvale
