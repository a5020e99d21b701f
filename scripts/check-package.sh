#!/usr/bin/env bash
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
python3 -c 'import json, sys; rows = json.load(open(sys.argv[1])); assert len(rows) == 15 and all("total" in r for r in rows)' \
  "$unpacked/rtp.json" || fail "tonvale-cli rtp --json gave no figures for the 15 ways and payout settings"
for dep in fonts-dejavu-core libqt6widgets6 libqt6svg6 libqt6multimedia6; do
  dpkg-deb -f "$deb" Depends | grep -q "$dep" || fail "the package does not depend on $dep"
done
echo "Unpacked programs run: $out; rtp --json gives the figures of 15 settings"

# Warnings and notes are shown; errors fail.
lintian --fail-on error --info "$deb"
