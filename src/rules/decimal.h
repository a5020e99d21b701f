// SPDX-License-Identifier: MIT
#pragma once
// An exact fixed-point number with four decimal places, kept as a count of
// ten-thousandths. Cell weights such as 8 + 11.5 + 6 must add up exactly, and the
// totals are compared for equality, so floating point is never used for them.
#include <cstdint>
#include <string>

namespace tonvale {

struct Decimal {
    std::int64_t raw = 0;  // ten-thousandths

    static constexpr std::int64_t kScale = 10000;

    // From a value written in tenths: fromTenths(115) is 11.5.
    static constexpr Decimal fromTenths(std::int64_t tenths) { return Decimal{tenths * 1000}; }
    static constexpr Decimal fromInt(std::int64_t whole) { return Decimal{whole * kScale}; }

    constexpr Decimal& operator+=(Decimal o) {
        raw += o.raw;
        return *this;
    }
    friend constexpr Decimal operator+(Decimal a, Decimal b) { return Decimal{a.raw + b.raw}; }
    friend constexpr bool operator==(Decimal a, Decimal b) = default;
    friend constexpr auto operator<=>(Decimal a, Decimal b) = default;

    constexpr bool isZero() const { return raw == 0; }

    // Shortest decimal text: 11.5, 8, 22.9, 0.0001.
    std::string str() const;
};

}  // namespace tonvale
