// SPDX-License-Identifier: MIT
// One settled save into the store file (the record's changed keys and a line of
// the play history, one transaction, WAL with full sync), as the game makes it
// after every spin; median and 99th percentile over 2000 saves.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "core/database.h"
#include "core/store.h"

namespace {

using namespace tonvale;

void BM_SettledSave(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "tonvale-bench-store";
    std::filesystem::remove_all(folder);
    std::vector<double> micros;
    for (auto _ : state) {
        SqliteStore store((folder / "tonvale.db").string());
        ProgramValues v;
        v.bank = 50000;
        saveRecord(store, v, "1", SaveOrder::exit);
        ProgramValues before = v;
        micros.clear();
        for (int i = 0; i < 2000; ++i) {
            v.bank += (i % 7) - 3;
            v.games += 1;
            v.wager += 25;
            Play p;
            p.player = 1;
            p.win = i % 5;
            p.creditAfter = v.bank;
            const auto start = std::chrono::steady_clock::now();
            store.recordPlay(p);
            benchmark::DoNotOptimize(saveRecord(store, v, "1", SaveOrder::exit, true, &before));
            micros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            before = v;
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    state.counters["max_us"] = micros.back();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SettledSave)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
