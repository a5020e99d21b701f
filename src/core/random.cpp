// SPDX-License-Identifier: MIT
#include "core/random.h"

#include <sodium.h>

#include <cstdlib>

namespace tonvale {

namespace {

void ready() {
    // Picks the fastest form of each primitive for this processor; safe to call again.
    if (sodium_init() < 0) std::abort();
}

}  // namespace

ChaChaWords::ChaChaWords(std::uint64_t seed) {
    ready();
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(seed >> (8 * i));
    static constexpr unsigned char kPurpose[] = "tonvale draws";
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, key_.size());
    crypto_generichash_update(&state, kPurpose, sizeof kPurpose - 1);
    crypto_generichash_update(&state, bytes, sizeof bytes);
    crypto_generichash_final(&state, key_.data(), key_.size());
}

ChaChaWords ChaChaWords::fromSystem() {
    ready();
    Key key;
    randombytes_buf(key.data(), key.size());
    ChaChaWords words(key);
    sodium_memzero(key.data(), key.size());
    return words;
}

void ChaChaWords::refill() {
    static_assert(crypto_stream_chacha20_KEYBYTES == 32 && crypto_stream_chacha20_NONCEBYTES == 8);
    unsigned char stream[sizeof words_] = {};
    static constexpr unsigned char kNonce[crypto_stream_chacha20_NONCEBYTES] = {};
    // The key stream itself: zeros enciphered, from the block counter on.
    crypto_stream_chacha20_xor_ic(stream, stream, sizeof stream, kNonce, block_, key_.data());
    block_ += sizeof stream / 64;
    for (std::size_t i = 0; i < words_.size(); ++i)
        words_[i] = static_cast<std::uint32_t>(stream[4 * i]) |
                    static_cast<std::uint32_t>(stream[4 * i + 1]) << 8 |
                    static_cast<std::uint32_t>(stream[4 * i + 2]) << 16 |
                    static_cast<std::uint32_t>(stream[4 * i + 3]) << 24;
    sodium_memzero(stream, sizeof stream);
    next_ = 0;
}

}  // namespace tonvale
