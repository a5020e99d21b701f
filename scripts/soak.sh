#!/usr/bin/env bash
# Soak run: a million paid spins at every ways setting on the sanitizer build, the
# machine's books checked by `tonvale-cli sim` (exit status 1 on a broken
# invariant). Long: not part of `make test`.
#
#   scripts/soak.sh [SPINS] [SEED]      (defaults: 1000000 spins, seed 1)
set -euo pipefail

cd "$(dirname "$0")/.."
spins="${1:-1000000}"
seed="${2:-1}"
build=build/test  # the sanitizer build of `make test`

cmake --preset test >/dev/null
cmake --build --preset test --target tonvale-cli

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=0
for ways in 3 9 27 81 243; do
    echo "== ways $ways: $spins spins, seed $seed"
    start=$(date +%s)
    if ! "$build/tonvale-cli" sim --spins "$spins" --seed "$seed" --ways "$ways"; then
        echo "== ways $ways: FAILED"
        failed=1
    fi
    echo "== ways $ways: $(($(date +%s) - start)) s"
done
exit "$failed"
