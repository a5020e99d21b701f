// SPDX-License-Identifier: MIT
#include "eval/evaluation.h"

#include "core/machine.h"
#include "gamble/gamble.h"
#include "rules/paytable.h"
