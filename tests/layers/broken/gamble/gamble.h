// SPDX-License-Identifier: MIT
#pragma once
#include "core/machine.h"
