// SPDX-License-Identifier: MIT
#include "cli/rtpcmd.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ostream>
#include <stdexcept>

#include "rules/symbols.h"

namespace tonvale {

namespace {

const char* levelName(int level) {
    switch (level) {
        case 1:
            return "Dream Machine";
        case 2:
            return "Loose";
        case 3:
            return "Realistic";
        default:
            return "?";
    }
}

template <typename... Args>
std::string format(const char* fmt, Args... args) {
    std::array<char, 512> buf{};
    std::snprintf(buf.data(), buf.size(), fmt, args...);
    return buf.data();
}

}  // namespace

std::string rtpTable(const std::vector<Odds>& rows) {
    std::string out;
    if (rows.empty()) return out;
    out += format("Bet %d cent%s a unit; figures in stakes per paid spin (stake = bet x ways factor);\n",
                  rows.front().bet, rows.front().bet == 1 ? "" : "s");
    out += "jackpot pools at their floors; every stop combination counted.\n\n";
    out += format("%5s %-16s %10s %10s %9s %10s %12s %12s %9s %9s %8s %10s %8s\n", "ways", "payout level",
                  "paid spin", "of: ways", "scatter", "free spins", "jackpot", "total", "hit rate", "p(free)",
                  "spins", "p(jackpot)", "max win");
    int lastWays = 0;
    for (const Odds& o : rows) {
        if (lastWays != 0 && o.ways != lastWays) out += '\n';
        lastWays = o.ways;
        const std::string level = format("%d %s", o.level, levelName(o.level));
        out +=
            format("%5d %-16s %10.6f %10.6f %9.6f %10.6f %12.6f %12.6f %9.6f %9.7f %8.4f %10.8f %8.1f\n",
                   o.ways, level.c_str(), o.paidSpin, o.paidSpinWays, o.paidSpinScatter, o.freeSpins,
                   o.jackpot, o.total, o.hitRate, o.pFreeSpins, o.freeSpinsPerSeries, o.pJackpot, o.maxWin);
    }
    out +=
        "\nspins: free spins per series, retriggers included. max win: the largest single spin, a free spin "
        "at x10.\n";
    return out;
}

nlohmann::ordered_json rtpJson(const std::vector<Odds>& rows) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const Odds& o : rows)
        out.push_back({
            {"ways", o.ways},
            {"waysfactor", o.waysfactor},
            {"payout", o.level},
            {"bet", o.bet},
            {"stake", o.bet * o.waysfactor},
            {"paid_spin", o.paidSpin},
            {"paid_spin_ways", o.paidSpinWays},
            {"paid_spin_scatter", o.paidSpinScatter},
            {"free_spins", o.freeSpins},
            {"jackpot", o.jackpot},
            {"total", o.total},
            {"hit_rate", o.hitRate},
            {"p_free_spins", o.pFreeSpins},
            {"free_spins_per_series", o.freeSpinsPerSeries},
            {"p_jackpot", o.pJackpot},
            {"max_win", o.maxWin},
            {"max_paid_win", o.maxPaidWin},
        });
    return out;
}

int runRtp(const RtpOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<int> ways = options.ways;
    std::vector<int> levels = options.levels;
    if (ways.empty()) ways.assign(kWaysShown.begin(), kWaysShown.end());
    if (levels.empty()) levels = {1, 2, 3};
    try {
        const std::vector<Odds> rows = oddsReport(ways, levels, options.bet);
        if (options.json)
            out << rtpJson(rows).dump(2) << '\n';
        else
            out << rtpTable(rows);
    } catch (const std::invalid_argument& e) {
        err << e.what() << '\n';
        return 2;
    }
    return 0;
}

}  // namespace tonvale
