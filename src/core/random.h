// SPDX-License-Identifier: MIT
#pragma once
// The game's random words: the ChaCha20 stream cipher (libsodium's) run as a
// generator under a 256-bit key. Keyed from the operating system, its words cannot
// be told from chance nor foreseen from any number of earlier ones, so the stops,
// multipliers, jackpot fields and cards a player sees give nothing away about the
// next. Keyed from a seed, the same seed gives the same words on every machine, so
// that every run of the tools can be repeated.
#include <array>
#include <cstdint>

#include "core/ports.h"

namespace tonvale {

class ChaChaWords {
public:
    using result_type = std::uint32_t;
    using Key = std::array<unsigned char, 32>;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return UINT32_MAX; }

    // Keyed from a seed: the key is the BLAKE2b digest of the seed.
    explicit ChaChaWords(std::uint64_t seed);
    // Keyed from the operating system's random source.
    static ChaChaWords fromSystem();
    // Keyed as given: the cipher's own stream for this key (nonce 0, from block 0).
    static ChaChaWords withKey(const Key& key) { return ChaChaWords(key); }

    result_type operator()() {
        if (next_ == words_.size()) refill();
        return words_[next_++];
    }

private:
    explicit ChaChaWords(const Key& key) : key_(key) {}
    void refill();

    Key key_{};
    std::uint64_t block_ = 0;                // the stream's next 64-byte block
    std::array<std::uint32_t, 64> words_{};  // four blocks at a time
    std::size_t next_ = 64;
};

// The random port of the game itself: ChaCha20 keyed once from the operating system.
class SystemRandom : public RandomPort {
public:
    SystemRandom() : words_(ChaChaWords::fromSystem()) {}
    int draw(int n) override { return drawFrom(words_, n); }

private:
    ChaChaWords words_;
};

}  // namespace tonvale
