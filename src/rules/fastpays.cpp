// SPDX-License-Identifier: MIT
#include "rules/fastpays.h"

namespace tonvale {

FastPays::FastPays(int waysfactor) : waysfactor_(waysfactor) {
    entries_.resize(static_cast<std::size_t>(kReels * kStops));
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int stop = 1; stop <= kStops; ++stop) {
            SpinRecord rec;
            clearRecord(rec);
            rec.bellcoin = 1;
            recordReel(rec, reel, stop, waysfactor, true);
            maskUncounted(rec, waysfactor);
            ReelEntry& e = entries_[static_cast<std::size_t>((reel - 1) * kStops + (stop - 1))];
            for (int i = 0; i < kPayingSymbols; ++i) {
                Decimal sum;
                const CellArray& a = rec.cells(payingSymbol(i));
                for (int cell = 1; cell <= 15; ++cell) sum += a[cell];
                e.tenths[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(sum.raw / 1000);
            }
            e.scatter = rec.scattersum;
            e.bells = rec.bellcount;
        }
    }
    for (int i = 0; i < kPayingSymbols; ++i) {
        auto& table = payLookup_[static_cast<std::size_t>(i)];
        table.assign(kMaxTenths, 0);
        const Symbol s = payingSymbol(i);
        for (std::int32_t t = 0; t < kMaxTenths; ++t)
            if (auto d = decodeTotal(Decimal::fromTenths(t), s))
                table[static_cast<std::size_t>(t)] = payValue(s, d->kind) * d->ways;
    }
}

std::int32_t FastPays::payUnits(const std::array<int, 5>& stops) const {
    std::array<std::int32_t, kPayingSymbols> totals{};
    for (int reel = 1; reel <= 5; ++reel) {
        const ReelEntry& e = entry(reel, stops[static_cast<std::size_t>(reel - 1)]);
        for (std::size_t i = 0; i < totals.size(); ++i) totals[i] += e.tenths[i];
    }
    std::int32_t units = 0;
    for (int i = 0; i < kPayingSymbols; ++i) units += pay(i, totals[static_cast<std::size_t>(i)]);
    return units;
}

int FastPays::scatterSum(const std::array<int, 5>& stops) const {
    int sum = 0;
    for (int reel = 1; reel <= 5; ++reel)
        sum += entry(reel, stops[static_cast<std::size_t>(reel - 1)]).scatter;
    return sum;
}

int scatterMultiple(int scattersum) {
    auto d = decodeScatter(scattersum);
    return d ? d->multiple : 0;
}

}  // namespace tonvale
