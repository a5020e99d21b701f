#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes every picture of assets/pictures from the drawing code in this folder.

Run:  python3 assets/pictures/tools/make_all.py
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import tiles      # noqa: E402
import cabinet    # noqa: E402
import buttons    # noqa: E402

MODULES = [tiles, cabinet, buttons]
for extra in ("frames", "jackpot", "gamble"):
    try:
        MODULES.append(__import__(extra))
    except ImportError:
        pass

if __name__ == "__main__":
    for m in MODULES:
        m.build()
    print("pictures written to", os.path.normpath(os.path.join(os.path.dirname(__file__), "..")))
