// SPDX-License-Identifier: MIT
#pragma once
// One helper for arithmetic on the machine's fixed-width fields. A statement whose
// result would leave its field's width is skipped: the field keeps its value, the
// caller learns that it failed, and nothing has undefined behaviour. Whether a
// value fits a width at all is std::in_range.
#include <concepts>
#include <cstdint>
#include <utility>

namespace tonvale {

// field = value, when value fits the field.
template <std::integral T>
constexpr bool setChecked(T& field, std::int64_t value) {
    if (!std::in_range<T>(value)) return false;
    field = static_cast<T>(value);
    return true;
}

// field += delta, when the sum fits the field.
template <std::integral T>
constexpr bool addChecked(T& field, std::int64_t delta) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(static_cast<std::int64_t>(field), delta, &sum)) return false;
    return setChecked(field, sum);
}

// Whether field + delta would fit the field (the field is not changed).
template <std::integral T>
constexpr bool addFits(T field, std::int64_t delta) {
    return addChecked(field, delta);
}

// field -= delta, when the difference fits the field.
template <std::integral T>
constexpr bool subChecked(T& field, std::int64_t delta) {
    std::int64_t diff = 0;
    if (__builtin_sub_overflow(static_cast<std::int64_t>(field), delta, &diff)) return false;
    return setChecked(field, diff);
}

// field = a * b, when the product fits the field.
template <std::integral T>
constexpr bool mulChecked(T& field, std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) return false;
    return setChecked(field, product);
}

}  // namespace tonvale
