// SPDX-License-Identifier: MIT
#pragma once
#include "eval/evaluation.h"
#include "gamble/gamble.h"
