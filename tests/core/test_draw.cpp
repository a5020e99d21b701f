// SPDX-License-Identifier: MIT
// The game's one draw: Int(r * n) + 1 with r the engine's top 32 bits over 2^32,
// exact at the edges of every value's share, and the one the ports make.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "core/headless.h"
#include "core/ports.h"

namespace tonvale {
namespace {

// An engine that answers the given words, in order.
struct Words {
    using result_type = std::uint64_t;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return UINT64_MAX; }
    result_type operator()() { return words.at(next++); }
    std::vector<std::uint64_t> words;
    std::size_t next = 0;
};

int drawOne(std::uint64_t word, int n) {
    Words w{{word}};
    return drawFrom(w, n);
}

// The first fraction r (of 2^32) that draws v: ceil((v - 1) * 2^32 / n).
std::uint64_t firstFraction(int v, int n) {
    const std::uint64_t top = static_cast<std::uint64_t>(v - 1) << 32;
    const auto un = static_cast<std::uint64_t>(n);
    return (top + un - 1) / un;
}

TEST(Draw, TheEdgesOfTheRange) {
    EXPECT_EQ(drawOne(0, 6), 1);
    EXPECT_EQ(drawOne(UINT64_MAX, 6), 6);
    EXPECT_EQ(drawOne(UINT64_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(drawOne(UINT64_MAX, 1), 1);
    // Only the top 32 bits count.
    EXPECT_EQ(drawOne(0x00000000ffffffffULL, 22), 1);
    EXPECT_EQ(drawOne(0x8000000000000000ULL, 2), 2);
    EXPECT_EQ(drawOne(0x7fffffffffffffffULL, 2), 1);
}

TEST(Draw, EachValueStartsWhereItsShareStartsAndHasAFairShare) {
    for (const int n : {2, 3, 6, 7, 22, 1000, 1000000, INT_MAX}) {
        SCOPED_TRACE(n);
        const std::uint64_t fair = (std::uint64_t{1} << 32) / static_cast<std::uint64_t>(n);
        // Every value for a small n; the first, some middle and the last ones for a large one.
        std::vector<int> values;
        for (int v = 1; v <= n && v <= 30; ++v) values.push_back(v);
        for (const int v : {n / 2, n / 2 + 1, n - 1, n})
            if (v > 30) values.push_back(v);
        for (const int v : values) {
            const std::uint64_t r = firstFraction(v, n);
            EXPECT_EQ(drawOne(r << 32, n), v) << v;
            if (v > 1) {
                EXPECT_EQ(drawOne(((r - 1) << 32) | 0xffffffffULL, n), v - 1) << v;
            }
            const std::uint64_t share = (v < n ? firstFraction(v + 1, n) : std::uint64_t{1} << 32) - r;
            EXPECT_TRUE(share == fair || share == fair + 1) << v << ": " << share;
        }
    }
}

TEST(Draw, NothingIsDrawnForAnEmptyRange) {
    Words w{{UINT64_MAX}};
    EXPECT_EQ(drawFrom(w, 0), 1);
    EXPECT_EQ(drawFrom(w, -5), 1);
    EXPECT_EQ(w.next, 0u);
}

TEST(Draw, TheHeadlessPortDrawsThroughIt) {
    SeededRandom port(7);
    std::mt19937_64 engine(7);
    for (int i = 0; i < 1000; ++i) {
        const int n = 1 + i % 30;
        ASSERT_EQ(port.draw(n), drawFrom(engine, n)) << i;
    }
}

}  // namespace
}  // namespace tonvale
