// SPDX-License-Identifier: MIT
#pragma once
// The player's own limits, kept with the player's record: the reality check's
// interval and the limits of an autoplay run. The session and the options window
// keep them; the autoplay limits read them.
#include <cstdint>

namespace tonvale {

struct PlayLimits {
    std::int16_t realitycheck = 0;   // minutes between reality checks, 0 for none
    std::int16_t autoplayspins = 0;  // spins of one autoplay run, 0 for unlimited
    std::int32_t autoplayloss = 0;   // cents an autoplay run may lose, 0 for no limit
    bool operator==(const PlayLimits&) const = default;
};

// The reality check's interval under safer play when the player chose none.
inline constexpr std::int16_t kSaferRealityCheck = 60;

}  // namespace tonvale
