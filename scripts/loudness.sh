#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The loudness of every sound clip, measured by ffmpeg's EBU R128 meter (ebur128), independent
# of the synthesizer that made the clips to a loudness of its own computing:
#
#   scripts/loudness.sh [CLIPDIR]      (default build/test/assets/sounds/clips)
#
# A clip of 400 ms or more is measured as it is (integrated loudness, I); a shorter one, which
# holds no whole 400 ms block of the meter, is measured played over and over for four seconds
# (its loudness over its own length). Prints a line a clip, then the spread of each kind: the
# tunes, fanfares, plucks and loops are meant to sound equally loud and must lie within 2 LU
# of one another; the click and the thud are the soft kind. Exits 1 when a kind spreads wider.
set -euo pipefail
cd "$(dirname "$0")/.."
DIR=${1:-build/test/assets/sounds/clips}
command -v ffmpeg >/dev/null || { echo "loudness: ffmpeg is missing (scripts/install-deps.sh)" >&2; exit 2; }
measure() {  # FILE [LOOPS]
  local loop=()
  [ -n "${2:-}" ] && loop=(-stream_loop "$2")
  ffmpeg -nostats -hide_banner "${loop[@]}" -i "$1" -t 4 -af ebur128=peak=sample -f null - 2>&1 |
    awk '/Summary:/{s=1} s&&/^ *I:/{i=$2} s&&/^ *Peak:/{p=$2} END{print i, p}'
}
status=0
printf '%-5s %-8s %-9s %-11s %s\n' clip seconds LUFS "peak dBFS" kind
declare -A lo hi
for f in "$DIR"/RESOURCE_ID_*.wav; do
  id=${f##*_ID_}; id=${id%.wav}
  seconds=$(soxi -D "$f")
  case $id in 114|115) kind=soft ;; *) kind=tune ;; esac
  if awk -v s="$seconds" 'BEGIN{exit !(s < 0.4)}'; then
    read -r lufs peak < <(measure "$f" $(awk -v s="$seconds" 'BEGIN{print int(4 / s) + 1}'))
  else
    read -r lufs peak < <(measure "$f")
  fi
  printf '%-5s %-8.3f %-9s %-11s %s\n' "$id" "$seconds" "$lufs" "$peak" "$kind"
  if [ -z "${lo[$kind]:-}" ] || awk -v a="$lufs" -v b="${lo[$kind]}" 'BEGIN{exit !(a < b)}'; then lo[$kind]=$lufs; fi
  if [ -z "${hi[$kind]:-}" ] || awk -v a="$lufs" -v b="${hi[$kind]}" 'BEGIN{exit !(a > b)}'; then hi[$kind]=$lufs; fi
done
for kind in tune soft; do
  spread=$(awk -v a="${hi[$kind]}" -v b="${lo[$kind]}" 'BEGIN{printf "%.1f", a - b}')
  echo "$kind: ${lo[$kind]} to ${hi[$kind]} LUFS, a spread of $spread LU"
  awk -v s="$spread" 'BEGIN{exit !(s > 2.0)}' && { echo "$kind: wider than 2 LU"; status=1; }
done
exit $status
