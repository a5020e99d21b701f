// SPDX-License-Identifier: MIT
// The game's one draw: Int(r * n) + 1 with r a uniform word over 2^W, the few words
// that would favour some values drawn again, so that every value of every draw the
// game makes is taken by exactly as many words as every other; the words are
// ChaCha20's, keyed from the seed in the tools and from the system in the game.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>
#include <vector>

#include "core/headless.h"
#include "core/ports.h"
#include "core/random.h"

namespace tonvale {
namespace {

// The n of every draw the game makes: a reel's stop (22), the multiplier (25), the
// payout level's chance (machinepay 1, 2, 3), the card (4), the jackpot field and
// the ball's first step (16), the bell coin and the free-spin sound (2).
constexpr int kGameDraws[] = {1, 2, 3, 4, 16, 22, 25};

// An engine of W-bit words that answers the given words, in order, and counts them.
template <int W>
struct Words {
    using result_type = std::uint32_t;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return static_cast<result_type>((std::uint64_t{1} << W) - 1); }
    result_type operator()() { return words.at(next++); }
    std::vector<result_type> words;
    std::size_t next = 0;
};

// What one word does: taken (with the value drawn) or drawn again.
template <int W>
struct Outcome {
    bool taken;
    int value;
};
template <int W>
Outcome<W> drawWord(std::uint32_t word, int n) {
    // A word that is drawn again is followed by the largest word, which every n takes.
    Words<W> w{{word, Words<W>::max()}};
    const int value = drawFrom(w, n);
    return {w.next == 1, value};
}

// Every word of a 16-bit engine, for every n the game uses and a few more: each
// value is taken by the same number of words, and just 2^16 mod n words are drawn
// again. The draw is the same code at every width.
TEST(Draw, EveryWordOfASixteenBitEngineCountedForEveryGameDraw) {
    std::vector<int> ns(std::begin(kGameDraws), std::end(kGameDraws));
    ns.insert(ns.end(), {5, 7, 1000, 65535, 65536});
    for (const int n : ns) {
        SCOPED_TRACE(n);
        std::vector<std::uint64_t> taken(static_cast<std::size_t>(n) + 1);
        std::uint64_t again = 0;
        for (std::uint32_t r = 0; r < (1u << 16); ++r) {
            const Outcome<16> o = drawWord<16>(r, n);
            if (!o.taken) {
                ++again;
                continue;
            }
            ASSERT_GE(o.value, 1);
            ASSERT_LE(o.value, n);
            ++taken[static_cast<std::size_t>(o.value)];
        }
        EXPECT_EQ(again, (1u << 16) % static_cast<std::uint64_t>(n));
        for (int v = 1; v <= n; ++v)
            EXPECT_EQ(taken[static_cast<std::size_t>(v)], (1u << 16) / static_cast<std::uint64_t>(n)) << v;
    }
}

// The game's 32-bit words, counted range by range: the words whose Int(r * n) + 1
// is v run from ceil((v - 1) 2^32 / n) to ceil(v 2^32 / n) - 1; the first of them
// may be drawn again, every other is taken with v (its ends and a sample looked at).
// Every value ends with floor(2^32 / n) words, and 2^32 mod n are drawn again.
TEST(Draw, EveryValueOfEveryGameDrawHasTheSameNumberOfWords) {
    constexpr std::uint64_t kWords = std::uint64_t{1} << 32;
    for (const int n : kGameDraws) {
        SCOPED_TRACE(n);
        const auto un = static_cast<std::uint64_t>(n);
        const auto start = [&](std::uint64_t v) { return (v * kWords + un - 1) / un; };  // of value v + 1
        std::set<std::uint64_t> counts;
        std::uint64_t again = 0;
        for (std::uint64_t k = 0; k < un; ++k) {
            const int value = static_cast<int>(k) + 1;
            const std::uint64_t a = start(k), b = start(k + 1);
            ASSERT_GE(b - a, 2u);
            const Outcome<32> first = drawWord<32>(static_cast<std::uint32_t>(a), n);
            if (first.taken) {
                EXPECT_EQ(first.value, value);
            } else {
                ++again;
            }
            for (const std::uint64_t r : {a + 1, (a + b) / 2, b - 1}) {
                const Outcome<32> o = drawWord<32>(static_cast<std::uint32_t>(r), n);
                EXPECT_TRUE(o.taken) << r;
                EXPECT_EQ(o.value, value) << r;
            }
            counts.insert(b - a - (first.taken ? 0 : 1));
        }
        EXPECT_EQ(counts, std::set<std::uint64_t>{kWords / un});
        EXPECT_EQ(again, kWords % un);
    }
}

TEST(Draw, NothingIsDrawnForAnEmptyRangeAndTheLargestRangeIsWhole) {
    Words<32> w{{UINT32_MAX}};
    EXPECT_EQ(drawFrom(w, 0), 1);
    EXPECT_EQ(drawFrom(w, -5), 1);
    EXPECT_EQ(w.next, 0u);
    EXPECT_EQ(drawWord<32>(UINT32_MAX, INT_MAX).value, INT_MAX);
    EXPECT_EQ(drawWord<32>(0, INT_MAX).taken, false);  // 0 * n has the lowest low half
    EXPECT_EQ(drawWord<32>(UINT32_MAX, 1).value, 1);
}

// The words are ChaCha20's: the cipher's published key stream for the zero key
// and nonce (its first block), little-endian words.
TEST(Draw, TheWordsAreTheChaCha20KeyStream) {
    ChaChaWords zero = ChaChaWords::withKey({});
    const std::uint32_t firstBlock[] = {0xade0b876, 0x903df1a0, 0xe56a5d40, 0x28bd8653,
                                        0xb819d2bd, 0x1aed8da0, 0xccef36a8, 0xc70d778b};
    for (const std::uint32_t word : firstBlock) EXPECT_EQ(zero(), word);
}

TEST(Draw, ASeedGivesTheSameWordsEverywhereAndTheSystemNeverTheSame) {
    ChaChaWords a(7), b(7), c(8);
    std::vector<std::uint32_t> wa, wb, wc;
    for (int i = 0; i < 300; ++i) {  // past the first refill
        wa.push_back(a());
        wb.push_back(b());
        wc.push_back(c());
    }
    EXPECT_EQ(wa, wb);
    EXPECT_NE(wa, wc);
    // Seed 1's first words, pinned: the tools' runs are the same on every machine. (The
    // key is BLAKE2b-256 of "tonvale draws" and the seed's eight bytes, little-endian;
    // OpenSSL's own ChaCha20 under that key gives the same words.)
    ChaChaWords one(1);
    EXPECT_EQ(one(), 0x975e02b8u);
    EXPECT_EQ(one(), 0x13659cc2u);
    EXPECT_EQ(one(), 0x60b3e18bu);
    ChaChaWords s1 = ChaChaWords::fromSystem(), s2 = ChaChaWords::fromSystem();
    EXPECT_NE(std::vector<std::uint32_t>({s1(), s1(), s1()}), std::vector<std::uint32_t>({s2(), s2(), s2()}));
}

TEST(Draw, ThePortsDrawThroughIt) {
    SeededRandom port(7);
    ChaChaWords words(7);
    for (int i = 0; i < 1000; ++i) {
        const int n = 1 + i % 30;
        ASSERT_EQ(port.draw(n), drawFrom(words, n)) << i;
    }
    // Scripted answers come first, then the words go on where they were.
    port.script({3, 22});
    EXPECT_EQ(port.draw(4), 3);
    EXPECT_EQ(port.draw(22), 22);
    EXPECT_EQ(port.draw(25), drawFrom(words, 25));
}

}  // namespace
}  // namespace tonvale
