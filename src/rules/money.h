// SPDX-License-Identifier: MIT
#pragma once
// How the meters write money: "$ " and the amount in dollars as the shortest
// decimal of cents / 100 (25 cents: $ 0.25; 500: $ 5; 1250: $ 12.5).
#include <cstdint>
#include <string>

namespace tonvale {

std::string dollars(std::int64_t cents);  // "0.25", "5", "12.5"
inline std::string money(std::int64_t cents) { return "$ " + dollars(cents); }
// The total-bet meter: the stake in digits, four blanks and "$", then the dollars.
inline std::string totalBetCaption(std::int64_t stake) {
    return std::to_string(stake) + "    $" + dollars(stake);
}

}  // namespace tonvale
