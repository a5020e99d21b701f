// SPDX-License-Identifier: MIT
// Exhaustive enumeration of all 22^5 stop combinations at each ways setting. The
// summed ways pay and scatter pay are pinned: a change to strips, weights, masking
// or decoding that moves them fails here.
#include <gtest/gtest.h>

#include <map>

#include "rules/fastpays.h"

namespace tonvale {
namespace {

struct Sums {
    std::int64_t waysUnits = 0;      // summed ways pays, bet units
    std::int64_t scatterStakes = 0;  // summed scatter pays, total stakes
    std::int64_t winningSpins = 0;   // combinations with any pay
};

Sums enumerate(const FastPays& fp) {
    Sums sums;
    std::array<std::int32_t, kPayingSymbols> t2{}, t3{}, t4{};
    for (int a = 1; a <= kStops; ++a) {
        const ReelEntry& e1 = fp.entry(1, a);
        for (int b = 1; b <= kStops; ++b) {
            const ReelEntry& e2 = fp.entry(2, b);
            for (std::size_t i = 0; i < t2.size(); ++i) t2[i] = e1.tenths[i] + e2.tenths[i];
            for (int c = 1; c <= kStops; ++c) {
                const ReelEntry& e3 = fp.entry(3, c);
                for (std::size_t i = 0; i < t2.size(); ++i) t3[i] = t2[i] + e3.tenths[i];
                for (int d = 1; d <= kStops; ++d) {
                    const ReelEntry& e4 = fp.entry(4, d);
                    for (std::size_t i = 0; i < t2.size(); ++i) t4[i] = t3[i] + e4.tenths[i];
                    const int s4 = e1.scatter + e2.scatter + e3.scatter + e4.scatter;
                    for (int e = 1; e <= kStops; ++e) {
                        const ReelEntry& e5 = fp.entry(5, e);
                        std::int32_t units = 0;
                        for (int i = 0; i < kPayingSymbols; ++i)
                            units += fp.pay(
                                i, t4[static_cast<std::size_t>(i)] + e5.tenths[static_cast<std::size_t>(i)]);
                        const int multiple = scatterMultiple(s4 + e5.scatter);
                        sums.waysUnits += units;
                        sums.scatterStakes += multiple;
                        sums.winningSpins += (units > 0 || multiple > 0) ? 1 : 0;
                    }
                }
            }
        }
    }
    return sums;
}

// A second way of counting the ways pay: each symbol's total is a sum over the
// reels, so its distribution over all combinations is the convolution of the five
// reels' histograms; the pays of all symbols add up.
std::int64_t waysUnitsByConvolution(const FastPays& fp) {
    std::int64_t units = 0;
    for (int i = 0; i < kPayingSymbols; ++i) {
        std::map<std::int32_t, std::int64_t> dist{{0, 1}};
        for (int reel = 1; reel <= 5; ++reel) {
            std::map<std::int32_t, std::int64_t> next;
            for (auto [t, n] : dist)
                for (int stop = 1; stop <= kStops; ++stop)
                    next[t + fp.entry(reel, stop).tenths[static_cast<std::size_t>(i)]] += n;
            dist.swap(next);
        }
        for (auto [t, n] : dist) units += n * fp.pay(i, t);
    }
    return units;
}

struct Pinned {
    int waysfactor;
    std::int64_t waysUnits;
    std::int64_t scatterStakes;
    std::int64_t winningSpins;
};

const Pinned kPinned[] = {
    {1, 12663000, 36000, 347512},     {3, 33926520, 90000, 902176},     {7, 105781944, 270000, 1596232},
    {15, 141801624, 461520, 1596232}, {25, 168326424, 655920, 1596232},
};

TEST(Enumeration, AllStopCombinationsAtEveryWaysSetting) {
    for (const Pinned& p : kPinned) {
        const FastPays fp(p.waysfactor);
        const Sums sums = enumerate(fp);
        EXPECT_EQ(sums.waysUnits, p.waysUnits) << "ways factor " << p.waysfactor;
        EXPECT_EQ(sums.scatterStakes, p.scatterStakes) << "ways factor " << p.waysfactor;
        EXPECT_EQ(sums.winningSpins, p.winningSpins) << "ways factor " << p.waysfactor;
        EXPECT_EQ(waysUnitsByConvolution(fp), sums.waysUnits) << "ways factor " << p.waysfactor;
    }
}

// The fast tables give what recording and settling a spin gives, on a spread of
// combinations that visits every stop of every reel.
TEST(Enumeration, FastTablesAgreeWithSettlingTheSpin) {
    for (int wf : kWaysFactors) {
        const FastPays fp(wf);
        for (int n = 0; n < 22 * 22 * 22 * 22 * 22; n += 1009) {
            std::array<int, 5> stops{};
            int k = n;
            for (int r = 0; r < 5; ++r) {
                stops[static_cast<std::size_t>(r)] = k % 22 + 1;
                k /= 22;
            }
            SpinRecord rec;
            clearRecord(rec);
            rec.bellcoin = 1;
            for (int reel = 1; reel <= 5; ++reel)
                recordReel(rec, reel, stops[static_cast<std::size_t>(reel - 1)], wf, true);
            const int scattersum = rec.scattersum;
            const SpinPays pays = settlePays(rec, wf, 1);
            ASSERT_EQ(fp.payUnits(stops), pays.waysUnits) << n;
            ASSERT_EQ(fp.scatterSum(stops), scattersum) << n;
            ASSERT_EQ(scatterMultiple(scattersum) * wf, pays.scatterWin) << n;
        }
    }
}

}  // namespace
}  // namespace tonvale
