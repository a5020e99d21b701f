// SPDX-License-Identifier: MIT
#include "game/game.h"
#include "tonvale_version.h"
