#!/bin/sh
# SPDX-License-Identifier: MIT
# The layer check finds every kind of break in a small tree made to break them
# (upward, sideways, a folder in no layer) and lets the allowed includes pass.
# Usage: tests/layers/test_checker.sh   (from the repository's root)
set -u
out=$(sh scripts/check-layers.sh tests/layers/broken)
rc=$?
if [ "$rc" -eq 0 ]; then
    echo "the check passed a tree that breaks the layers"
    exit 1
fi
printf '%s\n' "$out" | diff -u tests/layers/broken.expected - || exit 1
