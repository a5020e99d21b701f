// SPDX-License-Identifier: MIT
#pragma once
// The parts of a history line that have no column of their own, as one JSON
// text in the line's `detail` column: the withdrawn draws, the free spins, the
// totals after the line, an insert's amount, the restorations, a checkpoint's
// note. Defaults are left out, so a plain spin's detail is short.
#include <string>
#include <string_view>

#include "core/play.h"

namespace tonvale {

std::string encodeDetail(const Play& p);
// Fills the parts of `p` that the detail holds; false (with `p` as it was) for a
// text that is not such a detail. An empty text is a detail with everything at
// its default.
bool decodeDetail(std::string_view text, Play& p);

}  // namespace tonvale
