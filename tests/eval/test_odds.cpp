// SPDX-License-Identifier: MIT
// The exact return figures. The tallies and the figures of every ways setting and
// payout level are pinned; the payout-level-1 figures are counted again from
// per-reel histograms, and the redraws of levels 2 and 3 from a plain loop that
// weighs every combination by its chance to stand.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>

#include "rules/fastpays.h"
#include "rules/odds.h"
#include "rules/paytable.h"
#include "rules/strips.h"

namespace tonvale {
namespace {

constexpr double kRelative = 1e-12;

void expectNear(double actual, double expected, const char* what, int waysfactor, int level) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * kRelative)
        << what << ", ways factor " << waysfactor << ", payout level " << level;
}

struct PinnedTally {
    int waysfactor;
    std::int64_t lowCombos, lowWin, lowWaysUnits;
    std::int64_t highCombos, highWin, highWaysUnits;
    std::array<std::int64_t, 3> lowAwards, highAwards;  // 10, 20, 30 free spins
    std::int64_t lowJackpot, highJackpot;
    std::int32_t maxWin;
};

// Counts over the 22^5 combinations; a low combination wins at most two stakes.
const PinnedTally kPinnedTallies[] = {
    {1, 4981240, 350240, 329120, 172392, 12348760, 12333880, {10560, 0, 0}, {0, 1008, 48}, 51304, 968, 1502},
    {3,
     4712488,
     1027664,
     869264,
     441144,
     33168856,
     33057256,
     {26400, 0, 0},
     {0, 2520, 120},
     49368,
     2904,
     1502},
    {7,
     4074576,
     2950992,
     2100912,
     1079056,
     104720952,
     103681032,
     {60720, 0, 0},
     {18480, 7560, 360},
     45496,
     6776,
     2000},
    {15,
     4284764,
     8106354,
     6649074,
     868868,
     140618070,
     135152550,
     {48576, 0, 0},
     {14784, 22680, 1080},
     51096,
     1176,
     2700},
    {25,
     4476622,
     18706210,
     16277410,
     677010,
     166018214,
     152049014,
     {48576, 0, 0},
     {14784, 20520, 3240},
     51592,
     680,
     3100},
};

struct PinnedOdds {
    int waysfactor;
    int level;
    double paidSpin, paidSpinWays, freeSpins, jackpotBet1, jackpotBet20;
    double hitRate, pFreeSpins, freeSpinsPerSeries, pJackpot;
};

// In stakes per paid spin; the chances per paid spin.
const PinnedOdds kPinnedOdds[] = {
    {1, 1, 2.4640874629775662, 2.4571020980931508, 0.19750373371999266, 698.64528549962438,
     34.992486851990989, 0.067430503380916607, 0.0022539444027047332, 11.253533529445546,
     0.0050713749060856501},
    {1, 2, 1.2875584417839712, 1.281922455458737, 0.093857381292583267, 703.95011895562175,
     35.258185796525105, 0.051567696168239717, 0.0021880888086203754, 10.646219270264879,
     0.005109881999496392},
    {1, 3, 0.8864369356353009, 0.88126100150620745, 0.061417188948556342, 705.75872949340408,
     35.348772223968702, 0.046159488630409723, 0.0021656362429704145, 10.435347543841072,
     0.0051230104672418406},
    {3, 1, 2.2118071294186312, 2.1943437172075928, 0.46240678389390943, 232.92402329075881,
     11.706423741547708, 0.17505634861006761, 0.005634861006761833, 11.741042301905383,
     0.0050713749060856501},
    {3, 2, 1.1900721526462952, 1.1755983777479564, 0.22946934381312775, 236.57934932881415,
     11.890135129108504, 0.13817062837265309, 0.0056192302546492438, 10.885169568671548,
     0.0051509610667618069},
    {3, 3, 0.8288822453648067, 0.81546532654786608, 0.1539588979600266, 237.87153067014353, 11.95507829005348,
     0.12513128825468112, 0.0056137046829162294, 10.593398965639462, 0.0051790952881098111},
    {7, 1, 2.9846341930728242, 2.932243956439708, 2.1878592995728789, 99.860805516797271, 5.0532628528496302,
     0.30972952667167541, 0.0169045830202855, 13.722610414267484, 0.0050713749060856501},
    {7, 2, 1.712496789347246, 1.6700790198301307, 1.0371839561414553, 104.30826176807953, 5.278317771523386,
     0.22901607766101501, 0.016020445139511376, 11.939834493221358, 0.005297236473213434},
    {7, 3, 1.2196579946831323, 1.1811036589891903, 0.67683703220468272, 106.03125094502238,
     5.3655063051893075, 0.19774687764606266, 0.015677921253175277, 11.31248637384472, 0.0053847375105842508},
    {15, 1, 1.9238784608602244, 1.8343260830420178, 1.7245276475132914, 46.635518407212629,
     2.3919984973703983, 0.30972952667167541, 0.0169045830202855, 16.780348789129324, 0.0050713749060856501},
    {15, 2, 1.1077502151848684, 1.0485588017285987, 0.67919817504826363, 50.355743708994616,
     2.5828138594735801, 0.24618547473532579, 0.014377019146049816, 13.631027753620849, 0.005475930444113597},
    {15, 3, 0.80125924349785327, 0.75346966733609455, 0.40929351603163988, 51.752847011912699,
     2.6544731679875477, 0.22232197249030106, 0.013427811087242296, 12.49765047737589, 0.0056278583066873807},
    {25, 1, 1.4337416718927545, 1.3064683236987042, 1.3171813469212834, 28.006667918858003,
     1.4605559729526671, 0.30972952667167541, 0.0169045830202855, 17.198204881548271, 0.0050713749060856501},
    {25, 2, 0.8449647703996177, 0.76676620990474398, 0.50005262375122017, 29.78057172739161,
     1.553065578540296, 0.26120328705764145, 0.01409059407986539, 13.825865059003434, 0.0053925888143760278},
    {25, 3, 0.62986828267293193, 0.56959809953670815, 0.29829203233429669, 30.42862785495527,
     1.5868618962837697, 0.24347530948737339, 0.013062566084794393, 12.627535680546902,
     0.0055099371398742002},
};

TEST(Odds, TalliesOfEveryWaysSettingArePinned) {
    for (const PinnedTally& p : kPinnedTallies) {
        const OddsTally t = tallyOdds(p.waysfactor);
        ASSERT_EQ(t.lowCombos.size(), static_cast<std::size_t>(2 * p.waysfactor + 1));
        std::int64_t n = 0, win = 0, jackpot = 0;
        std::array<std::int64_t, 3> awards{};
        for (std::size_t w = 0; w < t.lowCombos.size(); ++w) {
            n += t.lowCombos[w];
            win += static_cast<std::int64_t>(w) * t.lowCombos[w];
            jackpot += t.lowJackpot[w];
            for (std::size_t k = 0; k < 3; ++k) awards[k] += t.lowAwards[w][k];
        }
        SCOPED_TRACE(p.waysfactor);
        EXPECT_EQ(n, p.lowCombos);
        EXPECT_EQ(win, p.lowWin);
        EXPECT_EQ(t.lowWaysUnits, p.lowWaysUnits);
        EXPECT_EQ(t.highCombos, p.highCombos);
        EXPECT_EQ(t.highWin, p.highWin);
        EXPECT_EQ(t.highWaysUnits, p.highWaysUnits);
        EXPECT_EQ(awards, p.lowAwards);
        EXPECT_EQ(t.highAwards, p.highAwards);
        EXPECT_EQ(jackpot, p.lowJackpot);
        EXPECT_EQ(t.highJackpot, p.highJackpot);
        EXPECT_EQ(t.maxWin, p.maxWin);
        EXPECT_EQ(n + t.highCombos, kStopCombinations);
    }
}

TEST(Odds, FiguresOfEveryWaysSettingAndPayoutLevelArePinned) {
    std::map<int, OddsTally> tallies;
    for (int wf : kWaysFactors) tallies.emplace(wf, tallyOdds(wf));
    for (const PinnedOdds& p : kPinnedOdds) {
        const OddsTally& t = tallies.at(p.waysfactor);
        const Odds o = oddsFrom(t, p.level, 1);
        const Odds o20 = oddsFrom(t, p.level, 20);
        expectNear(o.paidSpin, p.paidSpin, "paid spin", p.waysfactor, p.level);
        expectNear(o.paidSpinWays, p.paidSpinWays, "ways pays", p.waysfactor, p.level);
        expectNear(o.paidSpinWays + o.paidSpinScatter, o.paidSpin, "ways + scatter", p.waysfactor, p.level);
        expectNear(o.freeSpins, p.freeSpins, "free spins", p.waysfactor, p.level);
        expectNear(o.jackpot, p.jackpotBet1, "jackpot at bet 1", p.waysfactor, p.level);
        expectNear(o20.jackpot, p.jackpotBet20, "jackpot at bet 20", p.waysfactor, p.level);
        expectNear(o.hitRate, p.hitRate, "hit rate", p.waysfactor, p.level);
        expectNear(o.pFreeSpins, p.pFreeSpins, "free-spin chance", p.waysfactor, p.level);
        expectNear(o.freeSpinsPerSeries, p.freeSpinsPerSeries, "spins per series", p.waysfactor, p.level);
        expectNear(o.pJackpot, p.pJackpot, "jackpot chance", p.waysfactor, p.level);
        expectNear(o.total, o.paidSpin + o.freeSpins + o.jackpot, "total", p.waysfactor, p.level);
        EXPECT_EQ(o.maxWin, 10.0 * t.maxWin / p.waysfactor);
    }
}

// ---- Payout level 1 counted a second way -------------------------------------

using Histogram = std::map<std::int64_t, std::int64_t>;

// Distribution over all combinations of the reels `first`..`last` of a per-stop value.
template <typename Value>
Histogram convolve(int first, int last, Value value) {
    Histogram dist{{0, 1}};
    for (int reel = first; reel <= last; ++reel) {
        Histogram next;
        for (auto [v, n] : dist)
            for (int stop = 1; stop <= kStops; ++stop) next[v + value(reel, stop)] += n;
        dist.swap(next);
    }
    return dist;
}

bool showsBell(int reel, int stop) {
    for (Symbol s : visibleSymbols(reel, stop))
        if (s == Symbol::bell) return true;
    return false;
}

TEST(Odds, PayoutLevelOneAgreesWithPerReelHistograms) {
    const double D = static_cast<double>(kStopCombinations);
    for (int wf : kWaysFactors) {
        const FastPays fp(wf);
        // Ways pays: each symbol's total is a sum over the reels.
        std::int64_t units = 0;
        for (int i = 0; i < kPayingSymbols; ++i) {
            const auto idx = static_cast<std::size_t>(i);
            for (auto [t, n] : convolve(1, 5, [&](int r, int s) { return fp.entry(r, s).tenths[idx]; }))
                units += n * fp.pay(i, static_cast<std::int32_t>(t));
        }
        // Scatter pays and awards from the scatter sum's distribution.
        const auto scatterOf = [&](int r, int s) {
            return static_cast<std::int64_t>(fp.entry(r, s).scatter);
        };
        std::int64_t scatterStakes = 0, awards = 0, awardedSpins = 0, retriggerSpins = 0;
        for (auto [sum, n] : convolve(1, 5, scatterOf)) {
            const auto d = decodeScatter(static_cast<int>(sum));
            if (!d) continue;
            scatterStakes += n * d->multiple;
            awards += n;
            awardedSpins += n * d->freeSpins;
            retriggerSpins += n * (d->freeSpins + 1);
        }
        // Jackpot: a bell on each of reels 1..3 (reel 3's counts with coin 1, one
        // time in two) and no award, the scatter sum of reels 1..3 joined with
        // that of reels 4 and 5.
        Histogram bells3;
        for (int a = 1; a <= kStops; ++a)
            for (int b = 1; b <= kStops; ++b)
                for (int c = 1; c <= kStops; ++c)
                    if (showsBell(1, a) && showsBell(2, b) && showsBell(3, c))
                        ++bells3[scatterOf(1, a) + scatterOf(2, b) + scatterOf(3, c)];
        std::int64_t jackpotCombos = 0;
        for (auto [s45, n45] : convolve(4, 5, scatterOf))
            for (auto [s3, n3] : bells3)
                if (!decodeScatter(static_cast<int>(s3 + s45))) jackpotCombos += n3 * n45;

        const OddsTally tally = tallyOdds(wf);
        const Odds o = oddsFrom(tally, 1, 1);
        const double paidSpin =
            (static_cast<double>(units) + static_cast<double>(wf * scatterStakes)) / (wf * D);
        // Every free spin stands at level 1: it wins the mean multiplier (79 / 25)
        // times the mean spin, and adds award + 1 spins when it awards.
        const double lengthening = D / (D - static_cast<double>(retriggerSpins));
        const double pJackpot = static_cast<double>(jackpotCombos) / (2 * D);
        expectNear(o.paidSpin, paidSpin, "paid spin", wf, 1);
        expectNear(o.paidSpinWays, static_cast<double>(units) / (wf * D), "ways pays", wf, 1);
        expectNear(o.paidSpinScatter, static_cast<double>(scatterStakes) / D, "scatter pays", wf, 1);
        expectNear(o.pFreeSpins, static_cast<double>(awards) / D, "free-spin chance", wf, 1);
        expectNear(o.freeSpinsPerSeries,
                   static_cast<double>(awardedSpins) / static_cast<double>(awards) * lengthening,
                   "spins per series", wf, 1);
        expectNear(o.freeSpins, static_cast<double>(awardedSpins) / D * lengthening * 79.0 / 25.0 * paidSpin,
                   "free spins", wf, 1);
        expectNear(o.pJackpot, pJackpot, "jackpot chance", wf, 1);
        // Board at bet 1: (grand + major + 2 minor) / 16 cents and 12.5 stakes.
        expectNear(o.jackpot, pJackpot * (137750.0 / wf + 12.5), "jackpot", wf, 1);
    }
}

// ---- Payout levels 2 and 3 by weighing every combination -----------------------

TEST(Odds, RedrawsAgreeWithWeighingEveryCombination) {
    const int wf = 7;
    const FastPays fp(wf);
    // Sums for payout levels 2 and 3, weights scaled by the level: a spin that
    // stands for sure weighs `level`, one withdrawn with chance (level - 1) / level
    // weighs 1.
    struct Sums {
        std::int64_t paidWeight = 0, paidWin = 0, hits = 0, awards = 0, awardedSpins = 0, jackpots = 0;
        std::int64_t freeWeight = 0, freeWin = 0, freeAdded = 0;
    };
    std::array<Sums, 2> sums{};
    for (std::int64_t n = 0; n < kStopCombinations; ++n) {
        std::array<int, 5> stops{};
        std::int64_t k = n;
        for (auto& s : stops) {
            s = static_cast<int>(k % kStops) + 1;
            k /= kStops;
        }
        const int scattersum = fp.scatterSum(stops);
        const auto d = decodeScatter(scattersum);
        const std::int64_t award = d ? d->freeSpins : 0;
        const bool jackpot = !d && showsBell(1, stops[0]) && showsBell(2, stops[1]) && showsBell(3, stops[2]);
        const std::int64_t win = fp.payUnits(stops) + scatterMultiple(scattersum) * wf;
        for (int level : {2, 3}) {
            Sums& s = sums[static_cast<std::size_t>(level - 2)];
            const auto weight = [&](std::int64_t x) -> std::int64_t { return x <= 2 * wf ? level : 1; };
            const std::int64_t w = weight(win);
            s.paidWeight += w;
            s.paidWin += w * win;
            s.hits += win > 0 ? w : 0;
            s.awards += award > 0 ? w : 0;
            s.awardedSpins += w * award;
            s.jackpots += jackpot ? w : 0;
            for (const MultiplierChance& m : kMultiplierChances) {
                const std::int64_t fw = m.in25 * weight(m.multiplier * win);
                s.freeWeight += fw;
                s.freeWin += fw * m.multiplier * win;
                s.freeAdded += award > 0 ? fw * (award + 1) : 0;
            }
        }
    }
    const OddsTally tally = tallyOdds(wf);
    for (int level : {2, 3}) {
        const Sums& s = sums[static_cast<std::size_t>(level - 2)];
        const Odds o = oddsFrom(tally, level, 1);
        const auto pw = static_cast<double>(s.paidWeight);
        const double lengthening =
            static_cast<double>(s.freeWeight) / static_cast<double>(s.freeWeight - s.freeAdded);
        expectNear(o.paidSpin, static_cast<double>(s.paidWin) / (pw * wf), "paid spin", wf, level);
        expectNear(o.hitRate, static_cast<double>(s.hits) / pw, "hit rate", wf, level);
        expectNear(o.pFreeSpins, static_cast<double>(s.awards) / pw, "free-spin chance", wf, level);
        expectNear(o.freeSpinsPerSeries,
                   static_cast<double>(s.awardedSpins) / static_cast<double>(s.awards) * lengthening,
                   "spins per series", wf, level);
        expectNear(o.freeSpins,
                   static_cast<double>(s.awardedSpins) / pw * lengthening * static_cast<double>(s.freeWin) /
                       static_cast<double>(s.freeWeight) / wf,
                   "free spins", wf, level);
        expectNear(o.pJackpot, static_cast<double>(s.jackpots) / (2 * pw), "jackpot chance", wf, level);
    }
}

TEST(Odds, LevelsBetsAndSeriesRelate) {
    const int allWays[] = {3, 9, 27, 81, 243};
    const int levels[] = {1, 2, 3};
    const std::vector<Odds> bet1 = oddsReport(allWays, levels, 1);
    const std::vector<Odds> bet20 = oddsReport(allWays, levels, 20);
    ASSERT_EQ(bet1.size(), 15u);
    ASSERT_EQ(bet20.size(), 15u);
    for (std::size_t i = 0; i < bet1.size(); ++i) {
        const Odds& o = bet1[i];
        SCOPED_TRACE(::testing::Message() << "ways " << o.ways << ", payout level " << o.level);
        EXPECT_EQ(o.ways, allWays[i / 3]);
        EXPECT_EQ(o.level, levels[i % 3]);
        if (o.level > 1) {
            const Odds& looser = bet1[i - 1];
            EXPECT_LT(o.paidSpin, looser.paidSpin);
            EXPECT_LT(o.freeSpins, looser.freeSpins);
            EXPECT_LT(o.hitRate, looser.hitRate);
        }
        EXPECT_GE(o.freeSpinsPerSeries, 10.0);
        // Only the jackpot depends on the bet: its pools are fixed in cents.
        EXPECT_LT(bet20[i].jackpot, o.jackpot);
        EXPECT_EQ(bet20[i].paidSpin, o.paidSpin);
        EXPECT_EQ(bet20[i].freeSpins, o.freeSpins);
        EXPECT_EQ(bet20[i].pJackpot, o.pJackpot);
    }
}

// The count the odds page and the recall share: made once a program, the same as a fresh one,
// one for each ways setting.
TEST(Odds, TheKeptCountIsMadeOnceForEachWaysSetting) {
    const OddsTally& kept = keptOdds(3);
    EXPECT_EQ(&keptOdds(3), &kept);
    const OddsTally fresh = tallyOdds(3);
    EXPECT_EQ(kept.waysfactor, 3);
    EXPECT_EQ(kept.lowCombos, fresh.lowCombos);
    EXPECT_EQ(kept.lowAwards, fresh.lowAwards);
    EXPECT_EQ(kept.lowJackpot, fresh.lowJackpot);
    EXPECT_EQ(kept.highWin, fresh.highWin);
    EXPECT_EQ(kept.highAwards, fresh.highAwards);
    EXPECT_EQ(kept.maxWin, fresh.maxWin);
    EXPECT_EQ(keptOdds(1).waysfactor, 1);
    EXPECT_NE(&keptOdds(1), &kept);
    EXPECT_THROW(keptOdds(2), std::invalid_argument);
}

TEST(Odds, RejectsValuesTheGameDoesNotOffer) {
    const int ways[] = {243};
    const int badWays[] = {100};
    const int levels[] = {1};
    const int badLevels[] = {4};
    EXPECT_THROW(oddsReport(badWays, levels, 1), std::invalid_argument);
    EXPECT_THROW(oddsReport(ways, badLevels, 1), std::invalid_argument);
    EXPECT_THROW(oddsReport(ways, levels, 3), std::invalid_argument);
}

}  // namespace
}  // namespace tonvale
