#!/bin/sh
# SPDX-License-Identifier: MIT
# The translation files hold every text of the sources, and every text translated:
# lupdate, run over copies of them as `update_translations` runs it, finds no new text
# and no obsolete one, and lrelease finds none unfinished.
#   check_complete.sh LUPDATE LRELEASE SOURCE_DIR
set -eu
lupdate=$1 lrelease=$2 src=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$src"/translations/*.ts "$tmp"/
status=0
for ts in "$tmp"/*.ts; do
  name=$(basename "$ts")
  found=$("$lupdate" -no-obsolete -locations none "$src/src/ui" "$src/src/app" -ts "$ts" 2>&1)
  echo "$name: $(echo "$found" | grep -E 'Found|Removed' | tr -s ' ' | tr '\n' ' ')"
  if ! echo "$found" | grep -q '(0 new and'; then echo "$name: texts of the sources are missing"; status=1; fi
  if echo "$found" | grep -q 'Removed [1-9]'; then echo "$name: it holds texts the sources no longer have"; status=1; fi
  released=$("$lrelease" "$ts" -qm "$tmp/$name.qm" 2>&1)
  echo "$name: $(echo "$released" | grep -E 'Generated|Ignored' | tr -s ' ' | tr '\n' ' ')"
  if ! echo "$released" | grep -q 'finished and 0 unfinished'; then echo "$name: not every text is translated"; status=1; fi
done
exit $status
