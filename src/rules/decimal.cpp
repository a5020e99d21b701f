// SPDX-License-Identifier: MIT
#include "rules/decimal.h"

namespace tonvale {

std::string Decimal::str() const {
    std::int64_t v = raw;
    std::string sign;
    if (v < 0) {
        sign = "-";
        v = -v;
    }
    std::string text = sign + std::to_string(v / kScale);
    std::int64_t frac = v % kScale;
    if (frac != 0) {
        std::string digits = std::to_string(frac);
        digits.insert(0, 4 - digits.size(), '0');
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        text += "." + digits;
    }
    return text;
}

}  // namespace tonvale
