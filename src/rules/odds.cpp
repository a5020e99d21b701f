// SPDX-License-Identifier: MIT
#include "rules/odds.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

#include "rules/fastpays.h"
#include "rules/paytable.h"
#include "rules/symbols.h"

namespace tonvale {

namespace {

constexpr int kMaxScatterSum = 64;  // sums run 0..51

// What a scatter sum pays (total stakes) and awards (index 0..2 of 10/20/30 spins, -1 none).
struct ScatterOutcome {
    std::int32_t multiple = 0;
    int award = -1;
};

std::array<ScatterOutcome, kMaxScatterSum> scatterOutcomes() {
    std::array<ScatterOutcome, kMaxScatterSum> out{};
    for (int s = 0; s < kMaxScatterSum; ++s)
        if (auto d = decodeScatter(s))
            out[static_cast<std::size_t>(s)] = {d->multiple, d->freeSpins / 10 - 1};
    return out;
}

// Reel 5 shows at most three symbols: its entry as a short list of the paying
// symbols it adds to, so that the innermost loop looks up only those.
struct SparseEntry {
    int count = 0;
    std::array<int, 3> symbol{};
    std::array<std::int32_t, 3> tenths{};
    int scatter = 0;
};

// Accumulators with the low wins kept in fixed arrays (W <= 2 x 25).
constexpr int kLowSlots = 2 * 25 + 1;
struct Accumulator {
    std::array<std::int64_t, kLowSlots> lowCombos{};
    std::array<std::array<std::int64_t, 3>, kLowSlots> lowAwards{};
    std::array<std::int64_t, kLowSlots> lowJackpot{};
    std::int64_t lowWaysUnits = 0;
    std::int64_t highCombos = 0;
    std::int64_t highWin = 0;
    std::int64_t highWaysUnits = 0;
    std::array<std::int64_t, 3> highAwards{};
    std::int64_t highJackpot = 0;
    std::int32_t maxWin = 0;
};

void checkLevelAndBet(int level, int bet) {
    if (level < 1 || level > 3)
        throw std::invalid_argument("payout level " + std::to_string(level) + " is not 1, 2 or 3");
    if (std::find(kBets.begin(), kBets.end(), bet) == kBets.end())
        throw std::invalid_argument("bet " + std::to_string(bet) + " is not 1, 2, 5, 10 or 20");
}

}  // namespace

OddsTally tallyOdds(int waysfactor) {
    if (fullReels(waysfactor) == 0)
        throw std::invalid_argument("ways factor " + std::to_string(waysfactor) + " is unknown");
    const FastPays fp(waysfactor);
    const auto scatter = scatterOutcomes();
    const std::int32_t twoStakes = 2 * waysfactor;

    std::array<SparseEntry, kStops> reel5{};
    for (int e = 1; e <= kStops; ++e) {
        const ReelEntry& entry = fp.entry(5, e);
        SparseEntry& s = reel5[static_cast<std::size_t>(e - 1)];
        for (int i = 0; i < kPayingSymbols; ++i) {
            const std::int32_t t = entry.tenths[static_cast<std::size_t>(i)];
            if (t == 0) continue;
            s.symbol[static_cast<std::size_t>(s.count)] = i;
            s.tenths[static_cast<std::size_t>(s.count)] = t;
            ++s.count;
        }
        s.scatter = entry.scatter;
    }

    Accumulator acc;
    std::array<std::int32_t, kPayingSymbols> t2{}, t3{}, t4{}, pay4{};
    for (int a = 1; a <= kStops; ++a) {
        const ReelEntry& e1 = fp.entry(1, a);
        for (int b = 1; b <= kStops; ++b) {
            const ReelEntry& e2 = fp.entry(2, b);
            for (std::size_t i = 0; i < t2.size(); ++i) t2[i] = e1.tenths[i] + e2.tenths[i];
            for (int c = 1; c <= kStops; ++c) {
                const ReelEntry& e3 = fp.entry(3, c);
                for (std::size_t i = 0; i < t2.size(); ++i) t3[i] = t2[i] + e3.tenths[i];
                // Bells sit on reels 1..3 only; the entries count reel 3's as with coin 1.
                const bool threeBells = e1.bells + e2.bells + e3.bells == 3;
                for (int d = 1; d <= kStops; ++d) {
                    const ReelEntry& e4 = fp.entry(4, d);
                    std::int32_t base = 0;
                    for (std::size_t i = 0; i < t2.size(); ++i) {
                        t4[i] = t3[i] + e4.tenths[i];
                        pay4[i] = fp.pay(static_cast<int>(i), t4[i]);
                        base += pay4[i];
                    }
                    const int s4 = e1.scatter + e2.scatter + e3.scatter + e4.scatter;
                    for (const SparseEntry& e5 : reel5) {
                        std::int32_t units = base;
                        for (int j = 0; j < e5.count; ++j) {
                            const auto k = static_cast<std::size_t>(e5.symbol[static_cast<std::size_t>(j)]);
                            units +=
                                fp.pay(static_cast<int>(k), t4[k] + e5.tenths[static_cast<std::size_t>(j)]) -
                                pay4[k];
                        }
                        const ScatterOutcome& so = scatter[static_cast<std::size_t>(s4 + e5.scatter)];
                        const std::int32_t win = units + so.multiple * waysfactor;
                        const bool jackpot = threeBells && so.award < 0;
                        if (win <= twoStakes) {
                            const auto w = static_cast<std::size_t>(win);
                            ++acc.lowCombos[w];
                            acc.lowWaysUnits += units;
                            if (so.award >= 0) ++acc.lowAwards[w][static_cast<std::size_t>(so.award)];
                            if (jackpot) ++acc.lowJackpot[w];
                        } else {
                            ++acc.highCombos;
                            acc.highWin += win;
                            acc.highWaysUnits += units;
                            if (so.award >= 0) ++acc.highAwards[static_cast<std::size_t>(so.award)];
                            if (jackpot) ++acc.highJackpot;
                            acc.maxWin = std::max(acc.maxWin, win);
                        }
                    }
                }
            }
        }
    }

    OddsTally tally;
    tally.waysfactor = waysfactor;
    const auto slots = static_cast<std::size_t>(twoStakes + 1);
    tally.lowCombos.assign(acc.lowCombos.begin(), acc.lowCombos.begin() + static_cast<std::ptrdiff_t>(slots));
    tally.lowAwards.assign(acc.lowAwards.begin(), acc.lowAwards.begin() + static_cast<std::ptrdiff_t>(slots));
    tally.lowJackpot.assign(acc.lowJackpot.begin(),
                            acc.lowJackpot.begin() + static_cast<std::ptrdiff_t>(slots));
    tally.lowWaysUnits = acc.lowWaysUnits;
    tally.highCombos = acc.highCombos;
    tally.highWin = acc.highWin;
    tally.highWaysUnits = acc.highWaysUnits;
    tally.highAwards = acc.highAwards;
    tally.highJackpot = acc.highJackpot;
    tally.maxWin = acc.maxWin;
    if (tally.highCombos == 0)
        for (std::size_t w = 0; w < slots; ++w)
            if (tally.lowCombos[w] > 0) tally.maxWin = static_cast<std::int32_t>(w);
    return tally;
}

const char* levelName(int level) {
    switch (level) {
        case 1:
            return "Dream Machine";
        case 2:
            return "Loose";
        case 3:
            return "Realistic";
        default:
            return "?";
    }
}

const OddsTally& keptOdds(int waysfactor) {
    const auto at = std::find(kWaysFactors.begin(), kWaysFactors.end(), waysfactor);
    if (at == kWaysFactors.end())
        throw std::invalid_argument("ways factor " + std::to_string(waysfactor) + " is unknown");
    static std::mutex guard;
    static std::array<std::unique_ptr<const OddsTally>, kWaysFactors.size()> kept;
    const std::lock_guard<std::mutex> lock(guard);
    auto& tally = kept[static_cast<std::size_t>(at - kWaysFactors.begin())];
    if (!tally) tally = std::make_unique<const OddsTally>(tallyOdds(waysfactor));
    return *tally;
}

Odds oddsFrom(const OddsTally& tally, int level, int bet) {
    checkLevelAndBet(level, bet);
    const int wf = tally.waysfactor;
    const std::int64_t L = level;
    const auto slots = tally.lowCombos.size();

    Odds o;
    o.waysfactor = wf;
    for (std::size_t i = 0; i < kWaysFactors.size(); ++i)
        if (kWaysFactors[i] == wf) o.ways = kWaysShown[i];
    o.level = level;
    o.bet = bet;

    // Low totals; every weight below is scaled by the level, so that a withdrawn
    // win's acceptance 1/level becomes 1 and a standing one's becomes level.
    std::int64_t lowN = 0, lowW = 0, lowJ = 0;
    std::array<std::int64_t, 3> lowA{};
    for (std::size_t w = 0; w < slots; ++w) {
        lowN += tally.lowCombos[w];
        lowW += static_cast<std::int64_t>(w) * tally.lowCombos[w];
        lowJ += tally.lowJackpot[w];
        for (std::size_t k = 0; k < 3; ++k) lowA[k] += tally.lowAwards[w][k];
    }
    const std::int64_t allW = lowW + tally.highWin;
    std::array<std::int64_t, 3> allA{};
    for (std::size_t k = 0; k < 3; ++k) allA[k] = lowA[k] + tally.highAwards[k];

    // The paid spin.
    const std::int64_t paidWeight = L * lowN + tally.highCombos;
    const std::int64_t paidWin = L * lowW + tally.highWin;
    const std::int64_t paidWays = L * tally.lowWaysUnits + tally.highWaysUnits;
    const std::int64_t paidScatter = paidWin - paidWays;
    const std::int64_t paidHits = L * (lowN - tally.lowCombos[0]) + tally.highCombos;
    const auto stakeWeight = static_cast<double>(paidWeight) * wf;
    o.paidSpin = static_cast<double>(paidWin) / stakeWeight;
    o.paidSpinWays = static_cast<double>(paidWays) / stakeWeight;
    o.paidSpinScatter = static_cast<double>(paidScatter) / stakeWeight;
    o.hitRate = static_cast<double>(paidHits) / static_cast<double>(paidWeight);

    std::int64_t awardWeight = 0, awardedSpins = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        const std::int64_t a = L * lowA[k] + tally.highAwards[k];
        awardWeight += a;
        awardedSpins += a * 10 * static_cast<std::int64_t>(k + 1);
    }
    o.pFreeSpins = static_cast<double>(awardWeight) / static_cast<double>(paidWeight);

    // One free spin: a multiplier, then the payout level on the multiplied win.
    std::int64_t freeWeight = 0, freeWin = 0, freeAdded = 0;
    for (const MultiplierChance& m : kMultiplierChances) {
        const std::size_t limit =
            std::min<std::size_t>(slots, static_cast<std::size_t>(2 * wf / m.multiplier) + 1);
        std::int64_t n = 0, w = 0;
        std::array<std::int64_t, 3> a{};
        for (std::size_t x = 0; x < limit; ++x) {
            n += tally.lowCombos[x];
            w += static_cast<std::int64_t>(x) * tally.lowCombos[x];
            for (std::size_t k = 0; k < 3; ++k) a[k] += tally.lowAwards[x][k];
        }
        freeWeight += m.in25 * (L * n + (kStopCombinations - n));
        freeWin += m.in25 * m.multiplier * (L * w + (allW - w));
        for (std::size_t k = 0; k < 3; ++k)
            freeAdded += m.in25 * (10 * static_cast<std::int64_t>(k + 1) + 1) * (L * a[k] + (allA[k] - a[k]));
    }
    // Each free spin adds freeAdded / freeWeight spins on average, so a series of
    // N awarded spins runs N x freeWeight / (freeWeight - freeAdded) spins.
    const auto lengthening = static_cast<double>(freeWeight) / static_cast<double>(freeWeight - freeAdded);
    const double meanFreeWin = static_cast<double>(freeWin) / static_cast<double>(freeWeight);
    o.freeSpinsPerSeries =
        awardWeight > 0 ? static_cast<double>(awardedSpins) / static_cast<double>(awardWeight) * lengthening
                        : 0.0;
    o.freeSpins =
        static_cast<double>(awardedSpins) / static_cast<double>(paidWeight) * lengthening * meanFreeWin / wf;

    // The jackpot board: counted bells need coin 1 (one time in two).
    const std::int64_t jackpotWeight = L * lowJ + tally.highJackpot;
    o.pJackpot = static_cast<double>(jackpotWeight) / (2.0 * static_cast<double>(paidWeight));
    const std::int64_t stake = static_cast<std::int64_t>(bet) * wf;
    // Sixteen fields: grand, major, 2 x minor, 2 x 30, 4 x 20 and 6 x 10 stakes.
    const std::int64_t boardSixteenths =
        kGrandFloor + kMajorFloor + 2 * kMinorFloor + (2 * 30 + 4 * 20 + 6 * 10) * stake;
    o.jackpot = o.pJackpot * static_cast<double>(boardSixteenths) / (16.0 * static_cast<double>(stake));
    // A pool won after G growing spins pays its floor and G steps; G is geometric
    // with mean (growing spins) / (wins), so per paid spin the pool pays its wins
    // times its floor plus one step per growing spin.
    o.jackpotInPlay =
        o.jackpot + static_cast<double>(kPoolsGrowth) * (1.0 - o.pFreeSpins) / static_cast<double>(stake);

    o.total = o.paidSpin + o.freeSpins + o.jackpot;
    o.maxPaidWin = static_cast<double>(tally.maxWin) / wf;
    o.maxWin = 10.0 * o.maxPaidWin;
    return o;
}

std::vector<Odds> oddsReport(std::span<const int> ways, std::span<const int> levels, int bet) {
    for (int level : levels) checkLevelAndBet(level, bet);
    std::vector<Odds> out;
    for (int w : ways) {
        const auto wf = waysFactorForWays(w);
        if (!wf) throw std::invalid_argument("ways " + std::to_string(w) + " is not 3, 9, 27, 81 or 243");
        const OddsTally tally = tallyOdds(*wf);
        for (int level : levels) out.push_back(oddsFrom(tally, level, bet));
    }
    return out;
}

}  // namespace tonvale
