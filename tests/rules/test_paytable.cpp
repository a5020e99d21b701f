// SPDX-License-Identifier: MIT
// The pay table, the decoding of totals and scatter sums, and a spin's pays.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "rules/paytable.h"

namespace tonvale {
namespace {

Decimal tenths(std::int64_t t) { return Decimal::fromTenths(t); }

// The recognised totals follow from the per-reel contributions: reel 1 8; reel 2 7,
// 11.5 or 18.5; reel 3 6, 19.3 or 25.3; reel 4 10, 22.9 or 32.9; reel 5 20. A
// reel's ways factor is 2 for the doubled values.
std::map<std::int64_t, TotalDecode> totalsFromContributions() {
    const std::pair<int, int> r2[] = {{70, 1}, {115, 1}, {185, 2}};
    const std::pair<int, int> r3[] = {{60, 1}, {193, 1}, {253, 2}};
    const std::pair<int, int> r4[] = {{100, 1}, {229, 1}, {329, 2}};
    std::map<std::int64_t, TotalDecode> out;
    auto put = [&](std::int64_t t, TotalDecode d) {
        EXPECT_FALSE(out.count(t)) << "total " << t << " belongs to two rows";
        out[t] = d;
    };
    for (auto [a, wa] : r2)
        for (auto [b, wb] : r3) {
            for (int x5 : {0, 200}) put(80 + a + b + x5, {3, wa * wb});
            for (auto [c, wc] : r4) {
                put(80 + a + b + c, {4, wa * wb * wc});
                put(80 + a + b + c + 200, {5, wa * wb * wc});
            }
        }
    for (auto [a, wa] : r2)
        for (int x4 : {0, 100, 229, 329})
            for (int x5 : {0, 200}) put(80 + a + x4 + x5, {2, wa});
    return out;
}

TEST(Decode, RecognisedTotalsAreExactlyThoseOfTheReelContributions) {
    const auto expected = totalsFromContributions();
    std::set<std::int64_t> seen;
    for (const RecognisedTotal& r : recognisedTotals()) {
        ASSERT_EQ(r.total.raw % 1000, 0);
        const std::int64_t t = r.total.raw / 1000;
        EXPECT_TRUE(seen.insert(t).second) << "total " << t << " listed twice";
        auto it = expected.find(t);
        ASSERT_NE(it, expected.end()) << "total " << t << " is not a sum of reel contributions";
        EXPECT_EQ(r.decode, it->second) << "total " << t;
        // Each recognised total decodes to exactly its own kind and ways.
        const auto got = decodeTotal(r.total, Symbol::drum);
        ASSERT_TRUE(got);
        EXPECT_EQ(*got, r.decode);
    }
    EXPECT_EQ(seen.size(), expected.size());
}

TEST(Decode, Cases) {
    struct Case {
        Symbol symbol;
        std::int64_t total;   // tenths
        int kind, ways, pay;  // pay in bet units, 0 when nothing
    } cases[] = {
        {Symbol::violin, 210, 3, 1, 80},  // three violins on reels 1..3
        {Symbol::king, 255, 3, 1, 20},    // king, wild on reel 2, king
        {Symbol::queen, 425, 4, 2, 40},   // queen, queen + wild on reel 2, queen, queen
        {Symbol::jack, 410, 3, 1, 10},    // reels 1, 2, 3 and 5 but not 4
        {Symbol::drum, 150, 2, 1, 2},     // drum on reels 1 and 2 only
        {Symbol::drum, 140, 0, 0, 0},     // drum on reels 1 and 3 only
        {Symbol::king, 150, 0, 0, 0},     // two of a kind pays the drum alone
        {Symbol::harp, 290, 0, 0, 0},     // twice on reel 1, once on reels 2 and 3
        {Symbol::composer, 1047, 5, 8, 12000}, {Symbol::drum, 794, 2, 2, 4},
    };
    for (const Case& c : cases) {
        const auto got = decodeTotal(tenths(c.total), c.symbol);
        if (c.kind == 0) {
            EXPECT_FALSE(got) << symbolName(c.symbol) << " " << c.total;
            continue;
        }
        ASSERT_TRUE(got) << symbolName(c.symbol) << " " << c.total;
        EXPECT_EQ(got->kind, c.kind);
        EXPECT_EQ(got->ways, c.ways);
        EXPECT_EQ(payValue(c.symbol, got->kind) * got->ways, c.pay);
    }
}

TEST(Decode, ScatterSums) {
    const std::pair<int, std::optional<ScatterDecode>> cases[] = {{21, ScatterDecode{3, 2, 10}},
                                                                  {41, ScatterDecode{3, 2, 10}},
                                                                  {31, ScatterDecode{4, 10, 20}},
                                                                  {51, ScatterDecode{5, 100, 30}},
                                                                  {43, std::nullopt},
                                                                  {15, std::nullopt},
                                                                  {8, std::nullopt},
                                                                  {0, std::nullopt}};
    for (const auto& [sum, want] : cases) {
        const auto got = decodeScatter(sum);
        ASSERT_EQ(got.has_value(), want.has_value()) << sum;
        if (got) {
            EXPECT_EQ(got->scatters, want->scatters);
            EXPECT_EQ(got->multiple, want->multiple);
            EXPECT_EQ(got->freeSpins, want->freeSpins);
        }
    }
}

SpinPays settle(const std::array<int, 5>& stops, int wf, int bet) {
    SpinRecord rec;
    clearRecord(rec);
    rec.bellcoin = 1;
    for (int reel = 1; reel <= 5; ++reel)
        recordReel(rec, reel, stops[static_cast<std::size_t>(reel - 1)], wf, true);
    return settlePays(rec, wf, bet);
}

TEST(SpinPaysTest, MaskingDecidesWhatPaysAtThreeWays) {
    // Reel 1 stop 2 shows a king in the middle; reel 2 stop 2 has a king in the
    // middle row, reel 3 stop 11 a king in the top row, stop 10 in the middle row.
    const SpinPays topRow = settle({2, 2, 11, 1, 1}, 1, 1);
    const SpinPays middleRow = settle({2, 2, 10, 1, 1}, 1, 1);
    EXPECT_EQ(topRow.waysUnits, 0);
    ASSERT_EQ(middleRow.pays.size(), 1u);
    EXPECT_EQ(middleRow.pays[0].symbol, Symbol::king);
    EXPECT_EQ(middleRow.pays[0].kind, 3);
    EXPECT_EQ(middleRow.waysWin, 20);
}

TEST(SpinPaysTest, ScatterPaysOnTheTotalStakeAndMarksPayingSymbols) {
    // Three scatters (a wild on reel 2 among them) and a king three of a kind, one
    // way, at bet 5 and 243 ways: 5 x 20 + 5 x 2 x 25 = 350 cents.
    SpinRecord rec;
    clearRecord(rec);
    rec.kingcells[2] = tenths(80);
    rec.kingcells[5] = tenths(115);
    rec.kingcells[8] = tenths(60);
    rec.harpcells[5] = tenths(115);
    rec.scattersum = 21;
    const SpinPays p = settlePays(rec, 25, 5);
    ASSERT_TRUE(p.scatter);
    EXPECT_EQ(p.scatterWin, 250);
    EXPECT_EQ(p.win, 350);
    EXPECT_EQ(rec.kingcells[16], tenths(255));
    EXPECT_EQ(rec.kingcells[17], Decimal::fromInt(1));
    EXPECT_TRUE(rec.harpcells[17].isZero());
}

}  // namespace
}  // namespace tonvale
