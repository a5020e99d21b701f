// SPDX-License-Identifier: MIT
// The game's own spin path and the whole machine at speed: spinreel1 through
// checkwins (and its reel run, in virtual time) on the headless platform, and
// paid spins per second of the simulator.
#include <benchmark/benchmark.h>

#include "cli/simcmd.h"
#include "core/headless.h"
#include "game/game.h"
#include "game/startup.h"
#include "spin/spincycle.h"

namespace {

using namespace tonvale;

void BM_SpinreelToCheckwins(benchmark::State& state) {
    HeadlessPlatform platform(3);
    Game game(platform.ports());
    platform.time.setTickHandler([&game](TimerId id) { game.timerTick(id); });
    game.startup.Form_Load();
    game.m.s.machinepay = 1;
    for (auto _ : state) {
        game.m.s.bank = 1000000;
        game.spin.spinreel1();
        benchmark::DoNotOptimize(game.m.s.winamount);
        // A series or the jackpot board would change what the next spin does.
        game.m.s.freespinsawarded = 0;
        game.m.s.freespinsplayed = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SpinreelToCheckwins);

void BM_SimPaidSpins(benchmark::State& state) {
    SimOptions o;
    o.spins = state.range(0);
    o.ways = 243;
    o.payout = 3;
    std::int64_t spins = 0;
    for (auto _ : state) {
        const SimResult r = simulate(o);
        spins += r.paidSpins;
        benchmark::DoNotOptimize(r.bank);
    }
    state.SetItemsProcessed(spins);
}
BENCHMARK(BM_SimPaidSpins)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
