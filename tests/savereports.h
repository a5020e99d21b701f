// SPDX-License-Identifier: MIT
#pragma once
// The lines "save<TAB>player1<TAB>key=value..." that a game or tool started with
// --report-saves prints before every settled-point save, read back for the tests
// that kill it and check what its store holds.
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/database.h"

namespace tonvale::testing {

using Record = std::map<std::string, std::string>;  // key -> text

// A reported value: tab, line feed, carriage return and backslash come as \t, \n,
// \r and \\, the other control characters as \xHH.
inline std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            continue;
        }
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

// Slot 1's reported saves, in the order they were made.
inline std::vector<Record> reportedSaves(const std::string& output) {
    std::vector<Record> saves;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        std::string f;
        while (std::getline(in, f, '\t')) fields.push_back(f);
        if (fields.size() != 21 || fields[0] != "save" || fields[1] != "player1") continue;
        Record r;
        for (std::size_t i = 2; i < fields.size(); ++i) {
            const auto eq = fields[i].find('=');
            r[fields[i].substr(0, eq)] = unescape(fields[i].substr(eq + 1));
        }
        saves.push_back(r);
    }
    return saves;
}

// Slot 1's record as the next start reads it: the main window's copy with the
// pools; the options window's copy must be the same. False when the store does not
// open cleanly or the copies differ.
inline bool storedRecord(const std::string& db, Record& out) {
    out.clear();
    SqliteStore store(db);
    if (!store.problem().empty()) return false;
    Record options;
    for (const auto& [k, v] : store.values()) {
        const auto& [app, section, key] = k;
        if (section != "player1") continue;
        if (app == "keys" || app == "allslot") out[key] = v;
        if (app == "Tonvale" || app == "allslot") options[key] = v;
    }
    return out == options;
}

}  // namespace tonvale::testing
