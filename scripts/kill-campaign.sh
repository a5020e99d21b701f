#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The long kill campaign: the game killed at KILLS random moments, SAVE_KILLS
# times right after a reported save and SERIES_KILLS times inside a free-spin
# series (defaults 200, 50 and 100), each start afterwards checked against the
# saves the run reported. `make test` runs a shorter one.
# Runs on copies of the test build's binaries, so building meanwhile is safe.
set -euo pipefail
cd "$(dirname "$0")/.."
KILLS=${KILLS:-200}
SAVE_KILLS=${SAVE_KILLS:-50}
SERIES_KILLS=${SERIES_KILLS:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/test/tonvale build/test/tonvale-cli build/test/tests/tonvale_ui_tests "$work/"
TONVALE_GAME="$work/tonvale" TONVALE_CLI="$work/tonvale-cli" TONVALE_KILLS=$KILLS \
  TONVALE_SAVE_KILLS=$SAVE_KILLS TONVALE_SERIES_KILLS=$SERIES_KILLS \
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  "$work/tonvale_ui_tests" --gtest_filter='GameProcess.Killed*'
