// SPDX-License-Identifier: MIT
#pragma once
#include "rules/paytable.h"
#include "game/game.h"
