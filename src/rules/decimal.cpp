// SPDX-License-Identifier: MIT
#include "rules/decimal.h"

namespace tonvale {

std::string Decimal::str() const {
    // The magnitude in 64 unsigned bits, so that the most negative value has one too.
    const std::uint64_t v = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const std::uint64_t scale = kScale;
    std::string text = (raw < 0 ? "-" : "") + std::to_string(v / scale);
    const std::uint64_t frac = v % scale;
    if (frac != 0) {
        std::string digits = std::to_string(frac);
        digits.insert(0, 4 - digits.size(), '0');
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        text += "." + digits;
    }
    return text;
}

}  // namespace tonvale
