// SPDX-License-Identifier: MIT
#include "rules/money.h"

namespace tonvale {

std::string dollars(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::uint64_t v =
        negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    std::string text = std::to_string(v / 100);
    const std::uint64_t frac = v % 100;
    if (frac != 0) {
        text += '.';
        text += static_cast<char>('0' + frac / 10);
        if (frac % 10 != 0) text += static_cast<char>('0' + frac % 10);
    }
    return negative ? "-" + text : text;
}

}  // namespace tonvale
