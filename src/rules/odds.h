// SPDX-License-Identifier: MIT
#pragma once
// Exact return figures of the game, counted over every stop combination.
//
// A paid spin is one of the 22^5 equally likely stop combinations (and a bell
// coin of 1 or 2, each with probability 1/2, which decides only whether a bell on
// reel 3 counts). Its win W, in bet units, is the summed ways pays plus the
// scatter pay times the ways factor; the stake is the ways factor. The payout
// level withdraws a win above two stakes and draws the spin again with
// probability 0, 1/2 or 2/3, until a spin stands, so the spin as it finally
// stands follows the draw distribution reweighted by acceptance (1 for a win of
// two stakes or less, 1/level above). Free spins draw a multiplier first and
// apply the same rule to the multiplied win.
//
// The tally holds plain integer counts and sums over all combinations of one
// ways setting; every figure follows from it with a few exact integer products
// and one final division.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tonvale {

inline constexpr std::int64_t kStopCombinations = 22LL * 22 * 22 * 22 * 22;  // 5153632

// Jackpot pool floors in cents, and what each pool grows by at a counted spin.
inline constexpr std::int64_t kGrandFloor = 2000000;
inline constexpr std::int64_t kMajorFloor = 200000;
inline constexpr std::int64_t kMinorFloor = 2000;
inline constexpr std::int64_t kPoolsGrowth = 50 + 30 + 20;

// Free-spin multipliers and their chances out of 25.
struct MultiplierChance {
    int multiplier;
    int in25;
};
inline constexpr std::array<MultiplierChance, 4> kMultiplierChances = {{{10, 1}, {5, 4}, {3, 9}, {2, 11}}};

// Counts over all 22^5 combinations of one ways setting. "Low" combinations win
// at most two stakes (W <= 2 x waysfactor) and always stand; they are kept by
// their exact win so that the free spins can apply a multiplier before the
// payout-level test. Award index 0, 1, 2 is 10, 20, 30 free spins.
struct OddsTally {
    int waysfactor = 0;

    // Index W = 0 .. 2 x waysfactor.
    std::vector<std::int64_t> lowCombos;
    std::vector<std::array<std::int64_t, 3>> lowAwards;
    std::vector<std::int64_t> lowJackpot;  // three bells with a counted reel-3 bell, no award

    std::int64_t lowWaysUnits = 0;  // summed ways pays of the low combinations
    std::int64_t highCombos = 0;
    std::int64_t highWin = 0;        // summed W of the others
    std::int64_t highWaysUnits = 0;  // their summed ways pays
    std::array<std::int64_t, 3> highAwards{};
    std::int64_t highJackpot = 0;

    std::int32_t maxWin = 0;  // largest W of a single spin, bet units
};

// Enumerates all combinations of a ways factor (1, 3, 7, 15 or 25).
OddsTally tallyOdds(int waysfactor);
// The same count, made once for the whole program at the first call and kept: every game of
// a program (the simulator plays thousands) and the recall's figures share it. Safe from any
// thread; the returned count lives as long as the program.
const OddsTally& keptOdds(int waysfactor);

// The figures of one ways setting, payout level and bet, in stakes per paid spin
// unless said otherwise.
struct Odds {
    int ways = 0;                // 3 .. 243
    int waysfactor = 0;          // 1 .. 25
    int level = 0;               // payout level 1, 2, 3
    int bet = 0;                 // cents
    double paidSpin = 0;         // the paid spin as it finally stands, scatter pay included
    double paidSpinWays = 0;     // its ways pays
    double paidSpinScatter = 0;  // its scatter pay
    double freeSpins = 0;        // the free-spin series a paid spin awards
    double jackpot = 0;          // jackpot prize with the pools at their floors
    // The jackpot's return as the game plays it: the pools grow by 50, 30 and 20
    // cents at every paid spin that awards no series and start again from their
    // floors when won, so in the long run every cent they grow by is paid out.
    double jackpotInPlay = 0;
    double total = 0;               // paidSpin + freeSpins + jackpot
    double hitRate = 0;             // chance that the paid spin wins anything
    double pFreeSpins = 0;          // chance that a paid spin awards free spins
    double freeSpinsPerSeries = 0;  // expected free spins of a series, retriggers included
    double pJackpot = 0;            // chance that a paid spin starts the jackpot board
    double maxWin = 0;              // largest single-spin win: a free spin at x10
    double maxPaidWin = 0;          // largest win of a paid spin
};

// A payout level's name: 1 "Dream Machine", 2 "Loose", 3 "Realistic"; "?" else.
const char* levelName(int level);

// Figures from a tally; `level` is 1, 2 or 3, `bet` 1, 2, 5, 10 or 20.
Odds oddsFrom(const OddsTally& tally, int level, int bet);

// The figures for each ways setting (3 .. 243) and payout level given, at one
// bet, ways setting by ways setting and level by level; one enumeration per ways
// setting.
std::vector<Odds> oddsReport(std::span<const int> ways, std::span<const int> levels, int bet);

}  // namespace tonvale
