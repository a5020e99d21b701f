// SPDX-License-Identifier: MIT
#include "rules/symbols.h"

namespace tonvale {

std::optional<Symbol> symbolFromName(std::string_view name) {
    for (int i = 1; i <= 12; ++i) {
        auto s = static_cast<Symbol>(i);
        if (symbolName(s) == name) return s;
    }
    return std::nullopt;
}

}  // namespace tonvale
