// SPDX-License-Identifier: MIT
#include "core/store.h"

#include <array>
#include <variant>

#include "core/textforms.h"

namespace tonvale {

namespace {

enum class Where : std::uint8_t { player, pools };

// One key of a record and the value it carries.
struct Key {
    const char* name;
    Where where;
    std::variant<i16 ProgramValues::*, i32 ProgramValues::*, i64 ProgramValues::*,
                 std::string ProgramValues::*>
        member;
};

// The record's keys in their reading order.
constexpr std::array<Key, 19> kKeys = {{
    {"sizescreen", Where::player, &ProgramValues::sizescreen},
    {"howmanyspins", Where::player, &ProgramValues::howmanyspins},
    {"soundonoff", Where::player, &ProgramValues::soundonoff},
    {"machinepay", Where::player, &ProgramValues::machinepay},
    {"winroll", Where::player, &ProgramValues::winroll},
    {"reelspeed", Where::player, &ProgramValues::reelspeed},
    {"amountinvested", Where::player, &ProgramValues::amountinvested},
    {"wager", Where::player, &ProgramValues::wager},
    {"total", Where::player, &ProgramValues::total},
    {"bank", Where::player, &ProgramValues::bank},
    {"games", Where::player, &ProgramValues::games},
    {"currentplayer", Where::player, &ProgramValues::currentplayer},
    {"grand", Where::pools, &ProgramValues::grand},
    {"major", Where::pools, &ProgramValues::major},
    {"minor", Where::pools, &ProgramValues::minor},
    {"grandwon", Where::player, &ProgramValues::grandwon},
    {"majorwon", Where::player, &ProgramValues::majorwon},
    {"minorwon", Where::player, &ProgramValues::minorwon},
    {"jackpotbank", Where::player, &ProgramValues::jackpotbank},
}};

// The main window's exit writes keys 1..12, then 16..19, then the pools 13..15.
constexpr std::array<std::size_t, 19> kExitOrder = {0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                                    10, 11, 15, 16, 17, 18, 12, 13, 14};

std::string valueText(const ProgramValues& v, const Key& k) {
    return std::visit(
        [&v](auto member) -> std::string {
            if constexpr (std::is_same_v<decltype(member), std::string ProgramValues::*>)
                return v.*member;
            else
                return numberText(v.*member);
        },
        k.member);
}

void writeKey(StorePort& store, const ProgramValues& v, const Key& k, const std::string& section) {
    const std::string text = valueText(v, k);
    if (k.where == Where::pools) {
        store.write(kPoolsApp, section, k.name, text);
        return;
    }
    store.write(kMainApp, section, k.name, text);
    store.write(kOptionsApp, section, k.name, text);
}

}  // namespace

std::string recordSection(std::string_view slot) { return "player" + std::string(slot); }

bool savePlayerKeys(StorePort& store, std::string_view slot,
                    std::initializer_list<std::pair<const char*, std::string>> keys) {
    const std::string section = recordSection(slot);
    bool ok = true;
    for (const char* app : {kMainApp, kOptionsApp})
        for (const auto& [key, value] : keys) ok = store.write(app, section, key, value) && ok;
    return store.flush() && ok;
}

int slotNumber(std::string_view slot) {
    int k = 0;
    return parseInteger(slot, k) && k >= 1 && k <= 6 ? k : 0;
}

bool parseStoredNumber(std::string_view text, std::int64_t& out) {
    return static_cast<bool>(parseInteger(text, out, IntegerForm{.plus = true, .blanks = true}));
}

std::string numberText(std::int64_t value) { return std::to_string(value); }

bool readRecord(StorePort& store, ProgramValues& v, const std::string& app, std::string_view slot,
                const std::function<void()>& onFailure) {
    const std::string section = recordSection(slot);
    bool all = true;
    for (const Key& k : kKeys) {
        const std::string& from = k.where == Where::pools ? std::string(kPoolsApp) : app;
        const bool ok = std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), std::string ProgramValues::*>) {
                    v.*member = store.read(from, section, k.name);
                    return true;
                } else {
                    return readNumber(store, from, section, k.name, v.*member);
                }
            },
            k.member);
        if (!ok) {
            all = false;
            if (onFailure) onFailure();
        }
    }
    return all;
}

bool saveRecord(StorePort& store, const ProgramValues& v, std::string_view slot, SaveOrder order,
                bool withName, const ProgramValues* before) {
    const std::string section = recordSection(slot);
    for (std::size_t n = 0; n < kKeys.size(); ++n) {
        const Key& k = kKeys[order == SaveOrder::exit ? kExitOrder[n] : n];
        if (!withName && std::string_view(k.name) == "currentplayer") continue;
        if (before && std::visit([&](auto member) { return v.*member == before->*member; }, k.member))
            continue;
        writeKey(store, v, k, section);
    }
    return store.flush();
}

bool sameRecord(const ProgramValues& a, const ProgramValues& b) {
    for (const Key& k : kKeys) {
        const bool same = std::visit([&](auto member) { return a.*member == b.*member; }, k.member);
        if (!same) return false;
    }
    return true;
}

std::vector<std::pair<std::string, std::string>> recordTexts(const ProgramValues& v) {
    std::vector<std::pair<std::string, std::string>> out;
    out.reserve(kKeys.size());
    for (const Key& k : kKeys) out.emplace_back(k.name, valueText(v, k));
    return out;
}

std::string saveReport(std::string_view slot, const ProgramValues& v) {
    std::string line = "save\t" + recordSection(slot);
    for (const auto& [key, text] : recordTexts(v)) {
        line += "\t" + key + "=" + escapedControls(text);
    }
    return line + "\n";
}

std::string readPlayerName(StorePort& store, std::string_view slot) {
    return store.read(kOptionsApp, recordSection(slot), "currentplayer");
}

bool readNoticeFlag(StorePort& store, std::int16_t& flag) {
    return readNumber(store, kNoticeApp, kNoticeSection, kNoticeKey, flag);
}

void saveNoticeFlag(StorePort& store) {
    // Made durable by the save at the settled point that follows, with the record
    // and the history lines: a flush of its own while the game's saves wait for
    // their next try after a fault would make the lines played meanwhile durable
    // without the record that counts them.
    store.write(kNoticeApp, kNoticeSection, kNoticeKey, numberText(-1));
}

}  // namespace tonvale
