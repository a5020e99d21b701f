#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, unpacks it into a temporary folder and runs both
# programs from there; lintian then checks the package and fails on errors.
set -euo pipefail
cd "$(dirname "$0")/.."
make package
deb=$(ls build/package/package/tonvale_*.deb)
version=$(dpkg-deb -f "$deb" Version)
echo "Package: $deb"
dpkg-deb -f "$deb" Depends

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

fail() { echo "check-package: $*" >&2; exit 1; }
out=$("$unpacked/usr/games/tonvale" --version) || fail "tonvale --version failed"
[ "$out" = "tonvale $version" ] || fail "tonvale --version says '$out', the package is $version"
"$unpacked/usr/games/tonvale-cli" rtp --json >"$unpacked/rtp.json" || fail "tonvale-cli rtp --json failed"
# One record with a "total" for each of the 5 ways and 3 payout settings, in a JSON list.
[ "$(head -c 1 "$unpacked/rtp.json")" = "[" ] && [ "$(grep -c '"total":' "$unpacked/rtp.json")" = 15 ] ||
  fail "tonvale-cli rtp --json gave no figures for the 15 ways and payout settings"
deps=(fonts-dejavu-core libqt6widgets6 libqt6svg6 libqt6multimedia6)
# A game that keeps its store in SQLite must pull the library in.
if readelf -d "$unpacked/usr/games/tonvale" | grep -q 'NEEDED.*libsqlite3'; then deps+=(libsqlite3-0); fi
for dep in "${deps[@]}"; do
  dpkg-deb -f "$deb" Depends | grep -q "$dep" || fail "the package does not depend on $dep"
done
echo "Unpacked programs run: $out; rtp --json gives the figures of 15 settings"

# Warnings and notes are shown; errors fail.
lintian --fail-on error --info "$deb"
