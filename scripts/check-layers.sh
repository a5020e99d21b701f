#!/bin/sh
# SPDX-License-Identifier: MIT
# Prints every include in src/ that breaks the layers and exits non-zero if there
# is one. The layers, from the bottom:
#   rules                          the pure rules: standard library only
#   core                           the machine, its state, controls, ports and saving
#   eval gamble jackpot players    the subsystems: each sees rules and core, never
#   present spin windows           a sibling (the game object wires them together)
#   game                           the game object over all subsystems
#   cli ui                         the tools and the view, beside each other
#   app                            the game executable
# A file may include its own folder and any folder of a lower layer.
# Usage: scripts/check-layers.sh [SOURCE_ROOT]   (the repository's src/ by default)
set -eu

root=${1:-$(dirname "$0")/../src}
cd "$root"
shown=${1:-src}

# Folder and layer of every folder of src/.
layers='rules 0
core 1
eval 2
gamble 2
jackpot 2
players 2
present 2
spin 2
windows 2
game 3
cli 4
ui 4
app 5'

find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort |
    xargs grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' /dev/null |
    awk -v layers="$layers" -v shown="${shown%/}/" '
    BEGIN {
        n = split(layers, rows, "\n")
        for (i = 1; i <= n; ++i) { split(rows[i], f, " "); layer[f[1]] = f[2] }
    }
    {
        # file:line:#include "folder/name.h"
        split($0, parts, ":")
        file = parts[1]; line = parts[2]; where = shown file
        target = $0; sub(/^[^"]*"/, "", target); sub(/".*$/, "", target)
        from = file; sub(/\/.*$/, "", from)
        if (index(target, "/") == 0) next           # a generated header beside the build
        to = target; sub(/\/.*$/, "", to)
        if (!(to in layer)) next                    # not one of our folders
        ++edges
        if (!(from in layer)) { printf "%s:%s: %s is in no layer\n", where, line, from; ++bad; next }
        if (from == to) next
        if (layer[to] > layer[from]) {
            printf "%s:%s: %s includes %s (upward: %s over %s)\n", where, line, from, target, to, from
            ++bad
        } else if (layer[to] == layer[from]) {
            printf "%s:%s: %s includes %s (sideways: %s beside %s)\n", where, line, from, target, to, from
            ++bad
        }
    }
    END {
        if (bad) { printf "%d include(s) break the layers (of %d between folders)\n", bad, edges; exit 1 }
        printf "the layers hold: %d includes between folders, none upward or sideways\n", edges
    }'
