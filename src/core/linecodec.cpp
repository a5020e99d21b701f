// SPDX-License-Identifier: MIT
#include "core/linecodec.h"

#include <nlohmann/json.hpp>

namespace tonvale {

namespace {

using json = nlohmann::json;

json drawJson(const Draw& d) {
    return json::array(
        {d.stops[0], d.stops[1], d.stops[2], d.stops[3], d.stops[4], d.bellcoin, d.multiplier});
}

json drawsJson(const std::vector<Draw>& draws) {
    json out = json::array();
    for (const Draw& d : draws) out.push_back(drawJson(d));
    return out;
}

// Whole numbers only: a detail written by hand with "1.5" or "x" is not one of ours.
bool whole(const json& j, std::int64_t& out) {
    if (!j.is_number_integer()) return false;
    out = j.get<std::int64_t>();
    return true;
}

bool small(const json& j, int& out) {
    std::int64_t v = 0;
    if (!whole(j, v) || !std::in_range<int>(v)) return false;
    out = static_cast<int>(v);
    return true;
}

bool readDraw(const json& j, Draw& d) {
    if (!j.is_array() || j.size() != 7) return false;
    for (std::size_t i = 0; i < 5; ++i)
        if (!small(j[i], d.stops[i])) return false;
    return small(j[5], d.bellcoin) && small(j[6], d.multiplier);
}

bool readDraws(const json& j, std::vector<Draw>& out) {
    if (!j.is_array()) return false;
    out.clear();
    for (const json& item : j) {
        Draw d;
        if (!readDraw(item, d)) return false;
        out.push_back(d);
    }
    return true;
}

constexpr const char* kTotalNames[] = {"games",        "wager",    "total",    "amountinvested",
                                       "jackpotbank",  "grandwon", "majorwon", "minorwon",
                                       "howmanyspins", "grand",    "major",    "minor"};

std::int64_t* totalField(Totals& t, std::size_t i) {
    std::int64_t* fields[] = {&t.games,        &t.wager,    &t.total,    &t.amountinvested,
                              &t.jackpotbank,  &t.grandwon, &t.majorwon, &t.minorwon,
                              &t.howmanyspins, &t.grand,    &t.major,    &t.minor};
    return fields[i];
}

}  // namespace

std::string encodeDetail(const Play& p) {
    json j = json::object();
    if (!p.withdrawn.empty()) j["withdrawn"] = drawsJson(p.withdrawn);
    if (p.voided) j["voided"] = true;
    if (!p.spins.empty()) {
        json spins = json::array();
        for (const FreeSpin& f : p.spins) {
            json s = {{"draw", drawJson(f.draw)}, {"win", f.win}};
            if (!f.withdrawn.empty()) s["withdrawn"] = drawsJson(f.withdrawn);
            if (f.voided) s["voided"] = true;
            spins.push_back(std::move(s));
        }
        j["spins"] = std::move(spins);
    }
    if (p.jackpotpaid) j["jackpotpaid"] = true;
    if (p.gamblestake != 0) j["gamblestake"] = p.gamblestake;
    if (p.inserted != 0) j["inserted"] = p.inserted;
    if (p.restored != 0) j["restored"] = p.restored;
    if (!p.note.empty()) j["note"] = p.note;
    if (p.totals != Totals{}) {
        json t = json::object();
        Totals copy = p.totals;
        for (std::size_t i = 0; i < std::size(kTotalNames); ++i) t[kTotalNames[i]] = *totalField(copy, i);
        j["totals"] = std::move(t);
    }
    return j.empty() ? std::string() : j.dump();
}

bool decodeDetail(std::string_view text, Play& p) {
    if (text.empty()) return true;
    const json j = json::parse(text.begin(), text.end(), nullptr, false);
    if (!j.is_object()) return false;
    Play out = p;
    for (const auto& [key, value] : j.items()) {
        if (key == "withdrawn") {
            if (!readDraws(value, out.withdrawn)) return false;
        } else if (key == "voided") {
            if (!value.is_boolean()) return false;
            out.voided = value.get<bool>();
        } else if (key == "spins") {
            if (!value.is_array()) return false;
            out.spins.clear();
            for (const json& s : value) {
                FreeSpin f;
                if (!s.is_object() || !s.contains("draw") || !readDraw(s["draw"], f.draw) ||
                    !s.contains("win") || !whole(s["win"], f.win))
                    return false;
                if (s.contains("withdrawn") && !readDraws(s["withdrawn"], f.withdrawn)) return false;
                if (s.contains("voided")) {
                    if (!s["voided"].is_boolean()) return false;
                    f.voided = s["voided"].get<bool>();
                }
                out.spins.push_back(std::move(f));
            }
        } else if (key == "jackpotpaid") {
            if (!value.is_boolean()) return false;
            out.jackpotpaid = value.get<bool>();
        } else if (key == "gamblestake") {
            if (!whole(value, out.gamblestake)) return false;
        } else if (key == "inserted") {
            if (!whole(value, out.inserted)) return false;
        } else if (key == "restored") {
            if (!small(value, out.restored)) return false;
        } else if (key == "note") {
            if (!value.is_string()) return false;
            out.note = value.get<std::string>();
        } else if (key == "totals") {
            if (!value.is_object()) return false;
            for (std::size_t i = 0; i < std::size(kTotalNames); ++i)
                if (value.contains(kTotalNames[i]) &&
                    !whole(value[kTotalNames[i]], *totalField(out.totals, i)))
                    return false;
        } else {
            return false;  // a part this game does not know
        }
    }
    p = std::move(out);
    return true;
}

}  // namespace tonvale
