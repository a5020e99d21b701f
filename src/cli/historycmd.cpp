// SPDX-License-Identifier: MIT
#include "cli/historycmd.h"

#include <cstdlib>
#include <ctime>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "core/database.h"
#include "core/linecodec.h"

namespace tonvale {

namespace {

std::string utcText(std::int64_t ms) {
    const std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm utc = {};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    std::ostringstream out;
    out << text << '.' << std::setw(3) << std::setfill('0') << (ms % 1000 + 1000) % 1000 << 'Z';
    return out.str();
}

nlohmann::json toJson(const Play& p) {
    return {
        {"id", p.id},
        {"player", p.player},
        {"time", utcText(p.timeMs)},
        {"bet", p.bet},
        {"ways", p.ways},
        {"waysfactor", p.waysfactor},
        {"stake", p.stake},
        {"stops", {p.stops[0], p.stops[1], p.stops[2], p.stops[3], p.stops[4]}},
        {"bellcoin", p.bellcoin},
        {"win", p.win},
        {"freespins", p.freespins},
        {"freespin_win", p.freespinwin},
        {"jackpot_field", p.jackpotfield},
        {"jackpot_win", p.jackpotwin},
        {"gamble", p.gamble},
        {"gamble_win", p.gamblewin},
        {"credit_before", p.creditBefore},
        {"credit_after", p.creditAfter},
        {"kind", kindName(p.kind)},
        {"phase", phaseName(p.phase)},
        {"machinepay", p.machinepay},
        {"detail", encodeDetail(p)},
        {"unreadable", p.unreadable},
    };
}

}  // namespace

std::string defaultStorePath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string folder;
    if (data && *data == '/') {
        folder = data;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home ? home : "") + "/.local/share";
    }
    return folder + "/Tonvale/tonvale.db";
}

int runHistory(const HistoryOptions& o, std::ostream& out, std::ostream& err) {
    const std::string path = o.store.empty() ? defaultStorePath() : o.store;
    std::string error;
    // Line by line from the store to the output, however long the history: one
    // line is held at a time.
    bool first = true;
    const auto json = [&](const Play& p) {
        out << (first ? "[" : ",") << toJson(p).dump();
        first = false;
        return static_cast<bool>(out);
    };
    const auto header = [&out] {
        out << "id      time (UTC)               player  bet  ways  stake  stops           bell  win     "
               "free  "
               "series  jackpot  gamble            credit before -> after   game\n";
    };
    const auto table = [&](const Play& p) {
        if (first) header();
        first = false;
        std::ostringstream stops;
        for (int i = 0; i < 5; ++i) stops << (i ? "," : "") << p.stops[i];
        out << std::left << std::setw(8) << p.id << std::setw(25) << utcText(p.timeMs) << std::setw(8)
            << p.player << std::setw(5) << p.bet << std::setw(6) << p.ways << std::setw(7) << p.stake
            << std::setw(16) << stops.str() << std::setw(6) << p.bellcoin << std::setw(8) << p.win
            << std::setw(6) << p.freespins << std::setw(8) << p.freespinwin << std::setw(9)
            << (p.jackpotfield ? std::to_string(p.jackpotfield) + ":" + std::to_string(p.jackpotwin) : "-")
            << std::setw(18) << (p.gamble.empty() ? "-" : p.gamble) << p.creditBefore << " -> "
            << std::setw(12) << p.creditAfter << kindName(p.kind);
        if (p.phase != Phase::ended) out << ' ' << phaseName(p.phase);
        if (p.kind == LineKind::insert) out << ' ' << p.inserted;
        if (!p.note.empty()) out << ' ' << p.note;
        if (!p.unreadable.empty()) out << " unreadable: " << p.unreadable;
        out << '\n';
        return static_cast<bool>(out);
    };
    const bool read = o.json ? forEachPlay(path, o.player, o.limit, json, error)
                             : forEachPlay(path, o.player, o.limit, table, error);
    if (!read) {
        err << error << '\n';
        // A path that is no store is refused; a store that failed while it was read is a read error.
        return first ? 2 : 1;
    }
    if (o.json) out << (first ? "[" : "") << "]\n";
    if (!o.json && first) header();
    out.flush();
    if (!out) {
        err << "the history could not be written out\n";
        return 1;
    }
    return 0;
}

std::string replayScript(const Play& p) {
    std::ostringstream s;
    s << "# Play " << p.id << " of player " << p.player << ", " << utcText(p.timeMs) << '\n';
    s << "set bank " << (p.creditBefore >= p.stake ? p.creditBefore : p.stake) << '\n';
    s << "set bet " << p.bet << '\n';
    s << "set waysfactor " << p.waysfactor << '\n';
    // The recorded spin was kept, so it is kept at any payout level here.
    s << "set machinepay 1\n";
    s << "set soundonoff -1\n";
    s << "draws " << p.stops[0] << ' ' << p.stops[1] << ' ' << p.bellcoin << ' ' << p.stops[2] << ' '
      << p.stops[3] << ' ' << p.stops[4] << " 1\n";
    s << "press btnspin\n";
    s << "advance 3000\n";
    s << "expect winamount " << p.win << '\n';
    s << "expect reelstop1 " << p.stops[0] << '\n';
    s << "expect reelstop5 " << p.stops[4] << '\n';
    return s.str();
}

std::optional<Play> findPlay(const std::string& store, std::int64_t id, std::string& error) {
    return readPlay(store.empty() ? defaultStorePath() : store, id, error);
}

}  // namespace tonvale
