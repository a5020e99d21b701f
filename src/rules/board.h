// SPDX-License-Identifier: MIT
#pragma once
// The sixteen prize fields of the jackpot board, in the order the ball runs them.
#include <array>
#include <cstdint>

namespace tonvale {

enum class JackpotPrize : std::uint8_t { none, betx10, betx20, betx30, minor, major, grand };

struct BoardField {
    std::int16_t left, top;  // the ball's place on the board, twips
    JackpotPrize prize;
};

// Index 1..16; index 0 is not a field.
inline constexpr std::array<BoardField, 17> kBoardFields = {{
    {0, 0, JackpotPrize::none},
    {-50, -120, JackpotPrize::betx20},
    {1700, -120, JackpotPrize::betx10},
    {3300, -120, JackpotPrize::betx20},
    {5050, -120, JackpotPrize::grand},
    {6700, -120, JackpotPrize::betx10},
    {8350, -120, JackpotPrize::minor},
    {8350, 1300, JackpotPrize::betx10},
    {8350, 2650, JackpotPrize::betx30},
    {8350, 4050, JackpotPrize::betx20},
    {6700, 4050, JackpotPrize::betx10},
    {5050, 4050, JackpotPrize::minor},
    {3300, 4050, JackpotPrize::betx10},
    {1700, 4050, JackpotPrize::major},
    {-50, 4050, JackpotPrize::betx10},
    {-50, 2650, JackpotPrize::betx20},
    {-50, 1300, JackpotPrize::betx30},
}};

constexpr bool isBoardField(int field) { return field >= 1 && field <= 16; }

constexpr JackpotPrize prizeOfField(int field) {
    return isBoardField(field) ? kBoardFields[static_cast<std::size_t>(field)].prize : JackpotPrize::none;
}

constexpr bool isPool(JackpotPrize p) {
    return p == JackpotPrize::minor || p == JackpotPrize::major || p == JackpotPrize::grand;
}

// What a paid pool starts again from.
inline constexpr std::int32_t kGrandReset = 2000000;
inline constexpr std::int32_t kMajorReset = 200000;
inline constexpr std::int32_t kMinorReset = 2000;

}  // namespace tonvale
