#pragma once
// The player records in the per-user settings store.
//
// Layout: application "keys" holds the player keys as the main window reads
// them, "Tonvale" as the options window reads them, "allslot" the three jackpot
// pools; every record lives in section "player" followed by the slot number.
// "tonvale" / "notice" / "autoplay" holds the autoplay notice flag.
//
// Both player-key copies are written on every save, whichever window saves, so
// that what one window saved is what the other reads back. Each window still
// reads only its own copy.
//
// Numbers are written as plain decimal text, "-" first when negative ("-1",
// "2500", "0"). When reading, a text counts as a number when it is:
//   optional ASCII blanks (space or tab), an optional "+" or "-", one or more
//   decimal digits 0-9, optional ASCII blanks - and nothing else.
// So "12", " -3 ", "+7" are numbers; "", "abc", "1e3", "0x10", "12abc", "1.5",
// "- 1" are not. A number that does not fit the field's width is refused as well.
// A refused or missing number leaves the field as it was.
#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/ports.h"
#include "core/state.h"

namespace tonvale {

inline constexpr const char* kMainApp = "keys";
inline constexpr const char* kOptionsApp = "Tonvale";
inline constexpr const char* kPoolsApp = "allslot";
inline constexpr const char* kNoticeApp = "tonvale";
inline constexpr const char* kNoticeSection = "notice";
inline constexpr const char* kNoticeKey = "autoplay";

// "player" followed by the slot text: "player1".
std::string recordSection(std::string_view slot);

// The stored number form described above; false for anything else or for a value
// outside 64 bits.
bool parseStoredNumber(std::string_view text, std::int64_t& out);
std::string numberText(std::int64_t value);

// Reads one number key into a field; false (field unchanged) when the key is
// missing, is not a number, or does not fit the field.
template <std::integral T>
bool readNumber(StorePort& store, const std::string& app, const std::string& section, const std::string& key,
                T& field) {
    std::int64_t v = 0;
    return parseStoredNumber(store.read(app, section, key), v) && setChecked(field, v);
}

// The order of the writes: the order of the record's keys (the options window),
// or the exit order (the main window: the jackpot counts and jackpotbank before
// the pools).
enum class SaveOrder : std::uint8_t { keys, exit };

// Reads the nineteen keys of a slot's record in their order: the player keys
// from `app` ("keys" or "Tonvale"), the pools from "allslot". `onFailure`, when
// given, runs after each number that could not be read, in reading order.
// Returns true when every number was read.
bool readRecord(StorePort& store, ProgramValues& v, const std::string& app, std::string_view slot,
                const std::function<void()>& onFailure = {});

// Writes the record of a slot: the player keys under both "keys" and "Tonvale",
// the pools under "allslot". Without `withName` the key "currentplayer" is left
// as it is in the store.
void saveRecord(StorePort& store, const ProgramValues& v, std::string_view slot, SaveOrder order,
                bool withName = true);

// The name of a slot as the options window lists it ("Tonvale").
std::string readPlayerName(StorePort& store, std::string_view slot);

// The autoplay notice flag: read into `flag` (unchanged when missing or
// unreadable), and saved as "-1".
bool readNoticeFlag(StorePort& store, std::int16_t& flag);
void saveNoticeFlag(StorePort& store);

}  // namespace tonvale
