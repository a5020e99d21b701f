// SPDX-License-Identifier: MIT
// The rules at speed: spins per second on the per-reel pay tables and through the
// full recording and settling of a spin, and the wall time of the exact figures.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

#include "rules/fastpays.h"
#include "rules/odds.h"
#include "rules/paytable.h"
#include "rules/strips.h"

namespace {

using namespace tonvale;

// A fixed deck of random stop combinations, the same on every run.
const std::vector<std::array<int, 5>>& stopDeck() {
    static const std::vector<std::array<int, 5>> deck = [] {
        std::mt19937 rng(20240601);
        std::uniform_int_distribution<int> stop(1, kStops);
        std::vector<std::array<int, 5>> d(4096);
        for (auto& stops : d)
            for (int& s : stops) s = stop(rng);
        return d;
    }();
    return deck;
}

void BM_FastPaysPayUnits(benchmark::State& state) {
    const FastPays fp(static_cast<int>(state.range(0)));
    const auto& deck = stopDeck();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& stops = deck[i++ & (deck.size() - 1)];
        benchmark::DoNotOptimize(fp.payUnits(stops));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FastPaysPayUnits)->Arg(1)->Arg(25);

void BM_SettleSpin(benchmark::State& state) {
    const int wf = static_cast<int>(state.range(0));
    const auto& deck = stopDeck();
    std::size_t i = 0;
    SpinRecord rec;
    for (auto _ : state) {
        const auto& stops = deck[i++ & (deck.size() - 1)];
        clearRecord(rec);
        rec.bellcoin = 1;
        for (int reel = 1; reel <= kReels; ++reel)
            recordReel(rec, reel, stops[static_cast<std::size_t>(reel - 1)], wf, true);
        const SpinPays pays = settlePays(rec, wf, 1);
        benchmark::DoNotOptimize(pays.win);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SettleSpin)->Arg(1)->Arg(25);

// Every ways setting at all three payout levels: five enumerations of 22^5 stops.
void BM_RtpReport(benchmark::State& state) {
    const int ways[] = {3, 9, 27, 81, 243};
    const int levels[] = {1, 2, 3};
    for (auto _ : state) benchmark::DoNotOptimize(oddsReport(ways, levels, 1));
}
BENCHMARK(BM_RtpReport)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
