#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Clicks on SPIN in bursts, in the real game window under Xvfb with a window
# manager: BURSTS bursts (default 6) of 4 clicks 100 ms apart, as a player's
# double or triple click, on a fresh player with credit inserted. One press
# starts one game, and every game that takes a stake is shown and recorded:
# the stakes charged (the record's games and wager), the paid reel runs shown
# (the game's --report-saves) and the history's game lines must be equal.
# Runs on copies of the binaries of BUILD (default build/test); needs xvfb-run,
# openbox and xdotool (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build/test}
BURSTS=${BURSTS:-6}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$BUILD/tonvale" "$BUILD/tonvale-cli" "$work/"
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"

cat > "$work/play.sh" <<'PLAY'
#!/usr/bin/env bash
set -euo pipefail
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
"$WORK/tonvale" --report-saves > "$WORK/report.txt" 2> "$WORK/errors.txt" &
game=$!
window=$(xdotool search --sync --class Tonvale | tail -1)
xdotool windowactivate --sync "$window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# A place on the cabinet in twips (12315 x 8835) to a place on the screen.
click() {
  xdotool mousemove $((X + $1 * WIDTH / 12315)) $((Y + $2 * HEIGHT / 8835)) click 1
}
click 1567 8215  # INSERT
sleep 1
for burst in $(seq "$BURSTS"); do
  for c in 1 2 3 4; do
    click 6705 8215  # SPIN
    sleep 0.1
  done
  sleep 8
done
import -window root "$WORK/shot.png"
kill -TERM "$game"
wait "$game"
PLAY
chmod +x "$work/play.sh"
WORK=$work BURSTS=$BURSTS HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config \
  XDG_RUNTIME_DIR=$work/run ASAN_OPTIONS=detect_leaks=0 \
  xvfb-run -a -s "-screen 0 1280x800x24" "$work/play.sh"

db=$work/home/data/Tonvale/tonvale.db
last=$(grep $'^save\tplayer1\t' "$work/report.txt" | tail -1)
value() { tr '\t' '\n' <<<"$last" | sed -n "s/^$1=//p"; }
games=$(value games)
wager=$(value wager)
reels=$(grep -c $'^reels\tplayer1\tpaid\t' "$work/report.txt" || true)
lines=$("$work/tonvale-cli" history --store "$db" --player 1 --json | grep -o '"kind":"spin"' | wc -l)
echo "$BURSTS bursts of 4 clicks: stakes charged $games (wager $wager), paid reel runs shown $reels, history lines $lines"
"$work/tonvale-cli" audit --store "$db" --player 1
if [ "$games" -ne "$reels" ] || [ "$games" -ne "$lines" ] || [ "$wager" -ne $((25 * games)) ]; then
  echo "FAILED: stakes, reel runs and history lines differ" >&2
  exit 1
fi
