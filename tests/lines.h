// SPDX-License-Identifier: MIT
#pragma once
// The games in a history: its lines of paid games, not its inserts and checkpoints.
#include <algorithm>
#include <vector>

#include "core/play.h"

namespace tonvale::testing {

inline int gameLines(const std::vector<Play>& lines) {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const Play& p) { return p.kind == LineKind::spin; }));
}

}  // namespace tonvale::testing
