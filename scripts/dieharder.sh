#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The whole dieharder battery on the game's own random port: the release build's
# tonvale_randomwords (the port the game plays with, ChaCha20 keyed from the system;
# eight draws of 1..16 a word) feeds `dieharder -a -g 200`. Prints every result and
# the counts of PASSED, WEAK and FAILED. Takes hours.
#   scripts/dieharder.sh [BUILD] [REPORT]     (default build/release, dieharder.txt)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build/release}
REPORT=${2:-dieharder.txt}
"$BUILD/bench/tonvale_randomwords" | dieharder -a -g 200 | tee "$REPORT"
printf 'PASSED %d  WEAK %d  FAILED %d\n' "$(grep -c PASSED "$REPORT")" "$(grep -c WEAK "$REPORT")" \
  "$(grep -c FAILED "$REPORT")"
