// SPDX-License-Identifier: MIT
// The main of tonvale_bench: runs every registered benchmark. With the Qt view
// built, an offscreen QApplication exists first so that painting benchmarks work
// without a display.
#include <benchmark/benchmark.h>

#include <cstdlib>

#ifdef TONVALE_BENCH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef TONVALE_BENCH_QT
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
