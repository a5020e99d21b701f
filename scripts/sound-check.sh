#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The sound check: plays the game in a real window (Xvfb with a window manager) with
# its sound going to a PulseAudio null sink that parec records, and finds in the
# recording every clip the game asked for (scripts/sound_check.py).
#
#   scripts/sound-check.sh [BUILD] [SPINS]     (defaults build/test and 8)
#
# The player inserts credit, clicks WAYS and BET with the mouse and presses their keys,
# then spins SPINS times by the S key, the mouse and the space bar in turn. The game
# runs with --report-sounds in a home of its own whose player has the sound on.
# Exit status 0 when every clip was heard. GAME=path plays another build of the game;
# KEEP=folder keeps the recording and the requests there.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build/test}
SPINS=${2:-8}
GAME=${GAME:-$BUILD/tonvale}
for tool in pulseaudio pactl parec paplay sox xvfb-run openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "sound-check: $tool is missing (scripts/install-deps.sh)" >&2; exit 2; }
done

# The sound chain (sound server, game, recorder) runs ahead of the machine's other
# work, as a desktop's sound server does: the game queues 60 ms of sound, and on a
# machine busy with builds a starved player plays late or not at all, which says
# nothing about the game. Where the priority cannot be raised, the check runs as it is.
renice -n -10 -p $$ >/dev/null 2>&1 || true

work=$(mktemp -d)
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  if [ -n "${KEEP:-}" ]; then mkdir -p "$KEEP" && cp "$work"/*.wav "$work"/*.txt "$KEEP"/ 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME/Tonvale" "$XDG_CONFIG_HOME"

# A sound server of our own, whose only output is the sink we record.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
  --load="module-native-protocol-unix" --load="module-null-sink sink_name=rec" 2>/dev/null &
server=$!
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink rec

printf 'set soundonoff -1\ncall shaperefresh\n' |
  "$BUILD/tonvale-cli" play --store "$XDG_DATA_HOME/Tonvale/tonvale.db" - >/dev/null

cat > "$work/play.sh" <<'EOF'
set -eu
cd "$WORK"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# Silence played all along keeps the sink running, so the recording has no gaps.
pacat --playback --latency-msec=30 --raw --format=s16le --rate=44100 --channels=1 /dev/zero &
silence=$!
parec --latency-msec=20 -d rec.monitor --file-format=wav recording.wav &
rec=$!
sleep 1
# A beep of our own marks the recording with the time of day it was played at.
date +%s%3N >marker.txt
paplay --latency-msec=30 marker.wav
"$GAME" --report-sounds >requests.txt 2>game.err &
game=$!
win=$(xdotool search --sync --class Tonvale | tail -1)
sleep 2
xdotool windowactivate --sync "$win"
# The cabinet is 12315 x 8835 twips, scaled uniformly into the window and centred.
read -r w h < <(xdotool getwindowgeometry --shell "$win" | awk -F= '/WIDTH/{w=$2}/HEIGHT/{h=$2}END{print w, h}')
click() {  # a button's centre in twips
  xdotool mousemove --window "$win" \
    "$(awk -v w="$w" -v h="$h" -v x="$1" 'BEGIN{s=w/12315; if (h/8835<s) s=h/8835; print int((w-12315*s)/2+x*s)}')" \
    "$(awk -v w="$w" -v h="$h" -v y="$2" 'BEGIN{s=w/12315; if (h/8835<s) s=h/8835; print int((h-8835*s)/2+y*s)}')" \
    click 1
}
xdotool key i; sleep 1.2
click 3292 8215; sleep 0.8   # WAYS
click 5015 8215; sleep 0.8   # BET
xdotool key w; sleep 0.8
xdotool key b; sleep 0.8
for i in $(seq "$SPINS"); do
  case $((i % 3)) in
    1) xdotool key s ;;
    2) click 6705 8215 ;;      # SPIN
    0) xdotool key space ;;
  esac
  sleep 3.5
done
kill -TERM "$game"; wait "$game" || true
sleep 0.5
kill "$rec" "$silence" "$wm" 2>/dev/null || true
EOF
sox -n -r 44100 -c 1 -b 16 "$work/marker.wav" synth 0.1 sine 1000 fade 0.005 0.1 0.005
WORK="$work" GAME="$(realpath "$GAME")" SPINS="$SPINS" \
  xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/play.sh"
grep -v '^$' "$work/game.err" >&2 || true
/usr/bin/python3 scripts/sound_check.py "$work/requests.txt" "$work/recording.wav" \
  "$BUILD/assets/sounds/clips" "$work/marker.wav" "$(cat "$work/marker.txt")"
