// SPDX-License-Identifier: MIT
#pragma once
#include "core/state.h"
