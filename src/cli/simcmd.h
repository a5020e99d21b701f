// SPDX-License-Identifier: MIT
#pragma once
// `tonvale-cli sim`: the whole machine, headless, plays paid spins by autoplay,
// inserting credit whenever it runs short and cashing it out above a threshold
// (cli/cashout.h), collecting every free-spin total and jackpot and never
// gambling, and checks its books at every settled point.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>

namespace tonvale {

struct SimOptions {
    std::int64_t spins = 10000;
    std::uint64_t seed = 1;
    int ways = 243;
    int bet = 1;
    int payout = 3;
    bool json = false;
    bool progress = false;  // a progress bar on standard error
    std::string store;      // the store file saved into; empty: a store in memory
    // A player at the machine instead of autoplay alone (cli/simplayer.cpp): gambles
    // (a win is gambled with this probability), random presses, every button of the
    // options and the other windows, every way out mid-feature with a restart on
    // the same database file (a file of the run's own when none is named), and a
    // store that fails for a while from random saves on.
    bool player = false;
    double gambleChance = 0.3;
    // The run's signature: a digest of every settled state (cli/signature.h).
    bool signature = false;
};

struct SimResult {
    std::int64_t paidSpins = 0;
    std::int64_t freeSpins = 0;
    std::int64_t series = 0;
    std::int64_t jackpots = 0;
    std::int64_t inserted = 0;      // cents
    std::int64_t staked = 0;        // cents
    std::int64_t paidWins = 0;      // cents, the paid spins as they stood
    std::int64_t freeSpinWins = 0;  // cents, the free spins of the series
    std::int64_t jackpotWins = 0;   // cents
    std::int64_t poolWins = 0;      // cents, the part of them won from the pools
    // The pools as the player's ledger kept them, summed over the slots (player
    // mode): fed by the counted spins' steps, seeded (raised to a floor, started
    // again at a reset value, taken over by a slot without a record), paid out as
    // the books stand at the end, and left in them.
    std::int64_t poolsFed = 0, poolsSeeded = 0, poolsPaid = 0, poolsLeft = 0;
    std::int64_t cashedOut = 0;  // cents the player took out of the machine
    std::int64_t bank = 0;
    // Return of paid spins plus the series they award, in stakes per paid spin.
    double realised = 0;
    double low99 = 0, high99 = 0;  // its 99% interval
    double exact = 0;              // the exact figure of the same game
    // The jackpot's return in stakes per paid spin, its 99% interval and the exact
    // figure with the pools growing as they do in play.
    double jackpotRealised = 0, jackpotLow99 = 0, jackpotHigh99 = 0, jackpotExact = 0;
    std::optional<std::string> broken;  // the first invariant that failed, with the spin
    std::int64_t virtualMs = 0;
    std::int64_t checks = 0;  // settled points at which the books were compared
    std::string signature;    // with SimOptions::signature: sixteen hexadecimal digits
    // What was wrong with the store file given, if anything; a refused one (not the
    // game's, or unreadable) is never written and nothing is played.
    std::string storeProblem;
    bool storeRefused = false;
    std::int64_t signedStates = 0;

    // The player's paths (player mode).
    std::int64_t gambles = 0, cards = 0, cardsWon = 0, gambleLosses = 0, collects = 0;
    std::int64_t gambleLost = 0, gambleCollected = 0;  // cents
    std::int64_t closes = 0, kills = 0, closesMidFeature = 0;
    std::int64_t optionsOpened = 0, slotSwitches = 0, randomPresses = 0, pressesMidSpin = 0;
    std::array<std::int64_t, 7>
        jackpotsByKind{};  // by JackpotPrize: none, x10, x20, x30, minor, major, grand
    // The game's own record (player mode): history lines written, games that went
    // on after a close or a kill, and the differences the audit found at the end.
    std::int64_t historyLines = 0, resumedSeries = 0, resumedGambles = 0, resumedJackpots = 0;
    std::int64_t auditDifferences = 0;
    // Every path the player walked (a window, a button, an answer, a way out, a
    // store fault), with how often.
    std::map<std::string, std::int64_t> walked;
};

SimResult simulate(const SimOptions& options);
SimResult simulatePlayer(const SimOptions& options);
void printSim(const SimOptions& options, const SimResult& r, std::ostream& out);

}  // namespace tonvale
