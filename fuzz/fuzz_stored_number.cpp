// SPDX-License-Identifier: MIT
// Any text as a stored number: the reader never misbehaves, accepts exactly the
// documented form, and a value it accepts is the one the text spells.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/headless.h"
#include "core/store.h"

namespace {

// The documented form, checked the slow way: blanks, an optional sign, digits,
// blanks, and a value within 64 bits.
bool plainNumber(std::string_view t) {
    std::size_t i = 0, end = t.size();
    while (i < end && (t[i] == ' ' || t[i] == '\t')) ++i;
    while (end > i && (t[end - 1] == ' ' || t[end - 1] == '\t')) --end;
    if (i < end && (t[i] == '+' || t[i] == '-')) ++i;
    if (i == end) return false;
    for (std::size_t k = i; k < end; ++k)
        if (t[k] < '0' || t[k] > '9') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::int64_t value = 0;
    const bool read = tonvale::parseStoredNumber(text, value);
    if (read && !plainNumber(text)) std::abort();
    if (read) {
        // Written back, the value reads as itself.
        std::int64_t again = 1;
        if (!tonvale::parseStoredNumber(tonvale::numberText(value), again) || again != value) std::abort();
    }

    // The same text in every key of a record: whatever is refused leaves its field.
    tonvale::SqliteStore store;
    for (const char* key : {"howmanyspins", "soundonoff", "machinepay", "winroll", "reelspeed", "bank",
                            "games", "currentplayer", "sizescreen", "jackpotbank"})
        store.write("keys", "player1", key, text);
    store.write("allslot", "player1", "grand", text);
    tonvale::ProgramValues v;
    v.reelspeed = 7;
    v.bank = 4242;
    tonvale::readRecord(store, v, "keys", "1");
    const bool fitsShort = read && value >= INT16_MIN && value <= INT16_MAX;
    const bool fitsLong = read && value >= INT32_MIN && value <= INT32_MAX;
    if (v.reelspeed != (fitsShort ? value : 7)) std::abort();
    if (v.bank != (fitsLong ? value : 4242)) std::abort();
    if (v.currentplayer != text || v.sizescreen != text) std::abort();
    return 0;
}
