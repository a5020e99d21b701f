// SPDX-License-Identifier: MIT
#pragma once
// A big win's celebration: a win of at least 15, 30 or 60 times the stake of the
// spin that won it is a big, huge or mega win. The view shows it as a banner with
// the amount counting up and its own clip; a return not above the stake never
// celebrates, whatever it is.
#include <cstdint>

namespace tonvale {

enum class BigWin : std::uint8_t { none, big, huge, mega };

inline constexpr std::int64_t kBigWinTimes[] = {15, 30, 60};  // big, huge, mega
// The clip of each step, big to mega.
inline constexpr int kBigWinClips[] = {131, 132, 133};

constexpr BigWin bigWinOf(std::int64_t win, std::int64_t stake) {
    if (stake <= 0 || win <= stake) return BigWin::none;
    if (win >= kBigWinTimes[2] * stake) return BigWin::mega;
    if (win >= kBigWinTimes[1] * stake) return BigWin::huge;
    if (win >= kBigWinTimes[0] * stake) return BigWin::big;
    return BigWin::none;
}

constexpr int bigWinClip(BigWin w) { return w == BigWin::none ? 0 : kBigWinClips[static_cast<int>(w) - 1]; }

// The celebration the view is to show: `count` tells one from the next, so a view
// shows each once.
struct Celebration {
    BigWin tier = BigWin::none;
    std::int32_t amount = 0;
    std::uint32_t count = 0;
};

}  // namespace tonvale
