#pragma once
// `tonvale-cli sim`: the whole machine, headless, plays paid spins by autoplay,
// inserting credit whenever it runs short, collecting every free-spin total and
// jackpot and never gambling, and checks its books at every settled point.
#include <cstdint>
#include <iosfwd>
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
    std::int64_t bank = 0;
    // Return of paid spins plus the series they award, in stakes per paid spin.
    double realised = 0;
    double low99 = 0, high99 = 0;       // its 99% interval
    double exact = 0;                   // the exact figure of the same game
    std::optional<std::string> broken;  // the first invariant that failed, with the spin
    std::int64_t virtualMs = 0;
};

SimResult simulate(const SimOptions& options);
void printSim(const SimOptions& options, const SimResult& r, std::ostream& out);

}  // namespace tonvale
