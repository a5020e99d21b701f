#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The long kill campaign: the game killed at KILLS random moments and SAVE_KILLS
# times right after a reported save (defaults 200 and 50), each start afterwards
# checked against the saves the run reported. `make test` runs a shorter one.
# Runs on copies of the test build's binaries, so building meanwhile is safe.
set -euo pipefail
cd "$(dirname "$0")/.."
KILLS=${KILLS:-200}
SAVE_KILLS=${SAVE_KILLS:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/test/tonvale build/test/tests/tonvale_ui_tests "$work/"
TONVALE_GAME="$work/tonvale" TONVALE_KILLS=$KILLS TONVALE_SAVE_KILLS=$SAVE_KILLS \
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  "$work/tonvale_ui_tests" --gtest_filter='GameProcess.Killed*'
