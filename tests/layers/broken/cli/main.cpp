// SPDX-License-Identifier: MIT
#include "game/game.h"
#include "ui/cabinet.h"
