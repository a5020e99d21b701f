// SPDX-License-Identifier: MIT
#include "core/machine.h"
