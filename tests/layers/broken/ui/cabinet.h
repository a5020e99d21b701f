// SPDX-License-Identifier: MIT
#pragma once
#include "game/game.h"
