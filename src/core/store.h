// SPDX-License-Identifier: MIT
#pragma once
// The player records in the per-user settings store.
//
// Layout: application "keys" holds the player keys as the main window reads
// them, "Tonvale" as the options window reads them, "allslot" the three jackpot
// pools; every record lives in section "player" followed by the slot number.
// "tonvale" / "notice" / "autoplay" holds the autoplay notice flag; "tonvale" /
// "window" where the main window was when the game last ended (the view's:
// src/ui/windowplace.h).
//
// Both player-key copies are written on every save, whichever window saves, so
// that what one window saved is what the other reads back. Each window still
// reads only its own copy.
//
// Numbers are written as plain decimal text, "-" first when negative ("-1",
// "2500", "0"). When reading, a text counts as a number when it is:
//   optional ASCII blanks (space or tab), an optional "+" or "-", one or more
//   decimal digits 0-9, optional ASCII blanks - and nothing else.
// So "12", " -3 ", "+7", " 12 " are numbers; "", "abc", "1e3", "0x10", "12abc",
// "1.5", "- 1", "\u00a012" (any byte outside ASCII) are not. A number that does not
// fit the field's width is refused as well: "70000" or "-40000" for a 16-bit key,
// "99999999999" for a 32-bit one. A refused or missing number leaves the field as
// it was. Text keys ("sizescreen", "currentplayer") are taken byte for byte,
// whatever their length or content.
//
// When the record is saved:
//   - at every settled point: whenever a top-level input handler, timer tick or
//     routine returns and the program has not ended, the current slot's record is
//     saved if any of its values differs from the last one saved this way. That
//     covers the end of every paid and every free spin, a collected or lost
//     gamble, a take-win, a jackpot payment, a credit insert, a bet or setting
//     change. Nothing is saved while a handler runs, so a spin cut short by a
//     kill never reaches the store and is void.
//   - at the moments the windows already save: the exit (close box, exit button,
//     SIGTERM/SIGINT/SIGHUP), the options window's opening, name entry, delete,
//     OK and close.
// What the settled-point save and the exit write is the in-memory record with
// the credit resolved in the player's favour: "bank" includes the stake at risk
// while the gamble panel is open, and a free-spin series total not yet collected.
// The pools go to "allslot", the player keys to both "keys" and "Tonvale"; after
// the writes the store is flushed: all of them, with the play history's line of
// the same moment, are one transaction of the database (core/database.h), so the
// store holds either the previous save or the new one, never a mixture.
#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
// Writes keys a player keeps beside the record (the options' own choices) to both
// copies of the slot's player keys, and flushes; false when a write or the flush failed.
bool savePlayerKeys(StorePort& store, std::string_view slot,
                    std::initializer_list<std::pair<const char*, std::string>> keys);
// The slot 1..6 that a `playerslot` text names, or 0 when it names none.
int slotNumber(std::string_view slot);

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
// as it is in the store. With `before`, the record last written for the same
// slot, only the keys whose values differ from it are written (the files are
// still replaced whole). False when the store could not be written.
bool saveRecord(StorePort& store, const ProgramValues& v, std::string_view slot, SaveOrder order,
                bool withName = true, const ProgramValues* before = nullptr);

// True when every key of the record would be written as the same text for both.
bool sameRecord(const ProgramValues& a, const ProgramValues& b);

// The record as it is written, in reading order: (key, text) for all nineteen keys.
std::vector<std::pair<std::string, std::string>> recordTexts(const ProgramValues& v);

// The line that reports a save: "save<TAB>player<N>" then "<TAB>key=value" for the
// nineteen keys in reading order (a value with its control characters escaped:
// tab, line feed, carriage return and backslash as \t, \n, \r and \\, any other
// control character, NUL included, as \xHH), and a line break.
std::string saveReport(std::string_view slot, const ProgramValues& v);

// The name of a slot as the options window lists it ("Tonvale").
std::string readPlayerName(StorePort& store, std::string_view slot);

// The autoplay notice flag: read into `flag` (unchanged when missing or
// unreadable), and written as "-1" (durable with the next save).
bool readNoticeFlag(StorePort& store, std::int16_t& flag);
void saveNoticeFlag(StorePort& store);

}  // namespace tonvale
