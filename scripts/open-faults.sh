#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Faults while the store is opened, on the real game: each case starts the game
# (--demo --report-saves, offscreen) on a store holding one save, with a fault that
# clears soon after the start (another program holding the store, an injected
# ENOSPC or EIO on the log's first write or on opening the database, its log or
# its shared memory, a full disk freed a second later), lets it play, closes it
# with SIGTERM and reads the store: was the last reported save stored, and what was
# the player told? Needs strace, sqlite3 and root (for the small disk).
#   scripts/open-faults.sh [BUILD]     (default build/test; PLAY_SECONDS=10)
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build/test}
GAME=$(realpath "$BUILD/tonvale")
PLAY_SECONDS=${PLAY_SECONDS:-10}
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
top=$(mktemp -d)
trap 'umount "$top/small" 2>/dev/null; rm -rf "$top"' EXIT

record() {  # slot 1's main copy and pools, one key=value a line, sorted
  sqlite3 "$1" "SELECT CAST(key AS TEXT) || '=' || CAST(value AS TEXT) FROM settings WHERE
    CAST(section AS TEXT)='player1' AND CAST(app AS TEXT) IN ('keys','allslot')" 2>/dev/null | LC_ALL=C sort
}
lastReport() {  # the last reported save of slot 1, in the same form
  grep -a $'^save\tplayer1\t' "$1" | tail -1 | tr '\t' '\n' | tail -n +3 | LC_ALL=C sort
}

# run NAME HOME [strace args...]: one game started at HOME, closed after PLAY_SECONDS
run() {
  local name=$1 home=$2; shift 2
  mkdir -p "$home/run" && chmod 700 "$home/run"
  local env=(XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run")
  if [ $# -gt 0 ]; then
    env "${env[@]}" strace -f -qq -o /dev/null "$@" "$GAME" --demo --report-saves >"$home.out" 2>"$home.err" &
    local tracer=$!
    sleep 1; local pid; pid=$(pgrep -P $tracer | head -1)
  else
    env "${env[@]}" "$GAME" --demo --report-saves >"$home.out" 2>"$home.err" &
    local pid=$!
  fi
  sleep "$PLAY_SECONDS"
  kill -TERM "$pid" 2>/dev/null
  wait
  local db="$home/data/Tonvale/tonvale.db"
  local saves; saves=$(grep -ac $'^save\tplayer1\t' "$home.out")
  # The exit's own save (not reported) may hold more than the last report.
  local stored=no rec last
  rec=$(record "$db"); last=$(lastReport "$home.out")
  if [ -n "$rec" ] && [ "$rec" = "$last" ]; then
    stored=yes
  elif [ -n "$rec" ] && [ -n "$last" ]; then
    local g1 g2
    g1=$(grep '^games=' <<<"$rec" | cut -d= -f2); g2=$(grep '^games=' <<<"$last" | cut -d= -f2)
    [ "${g1:-0}" -gt "${g2:-0}" ] && stored="yes, and the exit's save after it"
  fi
  printf '%-40s saves reported %3d; the last one stored: %s; told: %s\n' "$name" "$saves" "$stored" \
    "$(grep -a 'Tonvale:' "$home.err" | sed 's/^Tonvale: //' | tr '\n' '|' | cut -c1-200)"
}

# A home whose store holds one save already.
seeded() {
  local home=$top/$1; mkdir -p "$home/run" && chmod 700 "$home/run"
  XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" \
    timeout -s TERM 2 "$GAME" --demo >/dev/null 2>&1
  echo "$home"
}

h=$(seeded busy)
sqlite3 "$h/data/Tonvale/tonvale.db" "BEGIN EXCLUSIVE; UPDATE meta SET value=value WHERE key='schema';" \
  ".shell sleep 3" "COMMIT;" &
sleep 0.3
run "busy for 3 s at the start" "$h"

# Faults of a moment (one call) and faults that last a few calls.
for err in ENOSPC EIO; do
  for when in 1 1..5; do
    h=$(seeded "pwrite-$err-$when")
    run "$err on pwrite64 of the log, call $when" "$h" -P "$h/data/Tonvale/tonvale.db-wal" -e trace=pwrite64 \
      -e inject=pwrite64:error=$err:when=$when
  done
done
for c in "" -wal -shm; do
  for when in 1 1..6; do
    h=$(seeded "open$c-$when")
    run "EIO opening tonvale.db$c, call $when" "$h" -P "$h/data/Tonvale/tonvale.db$c" -e trace=openat \
      -e inject=openat:error=EIO:when=$when
  done
done

# A disk full at the start, freed a second later.
h=$top/small; mkdir -p "$h"
if mount -t tmpfs -o size=2m tmpfs "$h" 2>/dev/null; then
  h2=$(seeded small); [ "$h2" = "$h" ]
  dd if=/dev/zero of="$h/filler" bs=4k 2>/dev/null
  (sleep 1; rm -f "$h/filler") &
  run "disk full at the start, freed 1 s later" "$h"
  umount "$h"
fi
