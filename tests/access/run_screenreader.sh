#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs screenreader.py against the real game on a private X display with a window
# manager, in a private D-Bus session with the accessibility bus, as a blind
# player's desktop has them.
#   run_screenreader.sh GAME
set -eu
here=$(cd "$(dirname "$0")" && pwd)
exec xvfb-run -a -s "-screen 0 1280x900x24 -nolisten tcp" dbus-run-session -- sh -c '
  # Services started on demand (the registry that synthesizes keys) see the display.
  dbus-update-activation-environment --all >/dev/null 2>&1 || true
  openbox --sm-disable >/dev/null 2>&1 & wm=$!
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
  status=0
  /usr/bin/python3 "$0" "$1" || status=$?
  kill $wm $bus 2>/dev/null || true
  exit $status' "$here/screenreader.py" "$1"
