// SPDX-License-Identifier: MIT
#pragma once
// The pay arithmetic of a spin on precomputed per-reel tables: what a stop of a
// reel adds to each paying symbol's total (cells that do not count already
// masked), to the scatter sum and to the bells. Reels record their cells
// independently, so a spin's totals are the sums of five table entries; the pay of
// a total comes from a lookup table. Gives the same result as settlePays, for the
// exact figures and the simulator, many times faster.
#include <array>
#include <cstdint>
#include <vector>

#include "rules/paytable.h"
#include "rules/strips.h"

namespace tonvale {

struct ReelEntry {
    std::array<std::int32_t, kPayingSymbols> tenths{};  // per paying symbol (payingIndex order)
    std::int16_t scatter = 0;                           // scatter sum weight this reel adds
    std::int16_t bells = 0;  // bells counted outside a series (reel 3: with coin 1)
};

class FastPays {
public:
    explicit FastPays(int waysfactor);

    int waysfactor() const { return waysfactor_; }
    const ReelEntry& entry(int reel, int stop) const {
        return entries_[static_cast<std::size_t>((reel - 1) * kStops + (stop - 1))];
    }
    // Pay in bet units of a symbol's total in tenths (0 when it is not recognised).
    std::int32_t pay(int symbolIndex, std::int32_t tenths) const {
        if (tenths < 0 || tenths >= kMaxTenths) return 0;
        return payLookup_[static_cast<std::size_t>(symbolIndex)][static_cast<std::size_t>(tenths)];
    }
    // Summed pays in bet units of the five stops.
    std::int32_t payUnits(const std::array<int, 5>& stops) const;
    // Scatter sum of the five stops.
    int scatterSum(const std::array<int, 5>& stops) const;

    static constexpr int kMaxTenths = 2600;

private:
    int waysfactor_;
    std::vector<ReelEntry> entries_;
    std::array<std::vector<std::int32_t>, kPayingSymbols> payLookup_;
};

// Scatter pay of a scatter sum, in total stakes (0, 2, 10, 100).
int scatterMultiple(int scattersum);

}  // namespace tonvale
