#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the game needs to build, test and run.
# Only packages that are missing are installed, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libqt6svg6 libqt6multimedia6
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  libsqlite3-dev sqlite3 strace libsodium-dev dieharder
  fonts-dejavu-core locales
  xvfb xauth x11-utils imagemagick openbox xdotool
  at-spi2-core python3-pyatspi dbus-x11
  pulseaudio pulseaudio-utils sox python3-numpy ffmpeg
  clang clang-format libclang-rt-14-dev
  ccache
  desktop-file-utils appstream help2man
  dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
