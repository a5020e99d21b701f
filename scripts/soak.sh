#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Soak run: a million paid spins at every ways setting, in both modes of
# `tonvale-cli sim` (autoplay alone, and a player who also gambles, presses at
# random, switches slots and closes or kills the game mid-feature), the books
# checked at every settled point (exit status 1 on a broken invariant). Long: not
# part of `make test`.
#
#   scripts/soak.sh [SPINS] [SEED] [BUILD]   (defaults: 1000000 spins, seed 1,
#                                            build/test, the sanitizer build;
#                                            build/release runs it about 8x faster)
set -euo pipefail

cd "$(dirname "$0")/.."
spins="${1:-1000000}"
seed="${2:-1}"
build="${3:-build/test}"
preset="$(basename "$build")"

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target tonvale-cli

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=0
for mode in autoplay player; do
    flag=""
    [ "$mode" = player ] && flag="--player"
    for ways in 3 9 27 81 243; do
        echo "== $mode, ways $ways: $spins spins, seed $seed"
        start=$(date +%s)
        if ! "$build/tonvale-cli" sim $flag --spins "$spins" --seed "$seed" --ways "$ways"; then
            echo "== $mode, ways $ways: FAILED"
            failed=1
        fi
        echo "== $mode, ways $ways: $(($(date +%s) - start)) s"
    done
done
exit "$failed"
