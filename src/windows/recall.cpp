// SPDX-License-Identifier: MIT
#include "windows/recall.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <tuple>

#include "rules/money.h"
#include "rules/odds.h"
#include "rules/paytable.h"
#include "rules/strips.h"
#include "rules/symbols.h"

namespace tonvale {

namespace {

constexpr double kZ99 = 2.5758293035489;  // two-sided 99%

int waysOfFactor(int waysfactor) {
    for (std::size_t i = 0; i < kWaysFactors.size(); ++i)
        if (kWaysFactors[i] == waysfactor) return kWaysShown[i];
    return 0;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

std::string recallTime(std::int64_t ms) {
    const std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    gmtime_r(&t, &tm);
    // The month by its English name whatever the desktop's locale (which the view's
    // toolkit sets for the whole program): the rows cut the time from a fixed place.
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[48];
    std::snprintf(text, sizeof text, "%02d %s %d %02d:%02d:%02d", tm.tm_mday, kMonths[tm.tm_mon % 12],
                  tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

std::int64_t returned(const RecalledGame& g) {
    // The series total holds the winning spin's win: it is counted once.
    const std::int64_t game = (g.freespins > 0 ? g.freespinwin : g.win) + g.jackpotwin;
    if (g.gamble.empty()) return game;
    // A gamble stakes the win it was entered with and gives back what it came to.
    // A line kept before the stake was recorded gambled the whole win.
    return g.gamblestake > 0 ? game - g.gamblestake + g.gamblewin : g.gamblewin + g.jackpotwin;
}

bool isPlayedGame(const RecalledGame& g) {
    return (g.kind == LineKind::spin || g.kind == LineKind::legacy) && g.unreadable.empty();
}

std::string recallRow(const RecalledGame& g) {
    const std::string time = recallTime(g.timeMs).substr(12) + "   ";
    if (!g.unreadable.empty()) return time + "unreadable line";
    switch (g.kind) {
        case LineKind::insert:
            return time + "insert   " + money(g.inserted);
        case LineKind::checkpoint:
            return time + "carried   " + money(g.creditAfter);
        default:
            break;
    }
    std::string row = time + money(g.stake) + "   " + money(returned(g));
    if (g.phase != Phase::ended && g.phase != Phase::offer) row += "   playing";
    if (g.restored > 0) row += "   restored";
    return row;
}

namespace {

std::string checkpointText(const std::string& note) {
    if (note == "deleted") return "The player's details were deleted";
    if (note == "legacy") return "Earlier games, kept by an earlier version";
    if (note == "start") return "The record as it was read: the history goes on from it";
    return "Earlier games: their totals are carried over";
}

}  // namespace

std::vector<std::string> recallLines(const RecalledGame& g) {
    std::vector<std::string> out;
    out.push_back(recallTime(g.timeMs) + " UTC");
    // Why it cannot be read, the tools say (tonvale-cli history, audit).
    if (!g.unreadable.empty()) {
        out.push_back("This line cannot be read.");
        return out;
    }
    if (g.kind == LineKind::insert) {
        out.push_back("Credit inserted   " + money(g.inserted));
        out.push_back("Credit   " + money(g.creditBefore) + "  >  " + money(g.creditAfter));
        return out;
    }
    if (g.kind == LineKind::checkpoint) {
        out.push_back(checkpointText(g.note));
        out.push_back("Credit   " + money(g.creditAfter));
        return out;
    }
    out.push_back(std::to_string(waysOfFactor(g.waysfactor)) + " ways   bet " + std::to_string(g.bet) +
                  "   stake " + money(g.stake));

    SpinRecord rec;
    rec.bellcoin = static_cast<std::int16_t>(g.bellcoin);
    bool stopsKnown = true;
    for (int reel = 1; reel <= 5; ++reel) {
        const int stop = g.stops[reel - 1];
        if (stop < 1 || stop > kStops) stopsKnown = false;
    }
    if (stopsKnown && g.waysfactor > 0) {
        for (int reel = 1; reel <= 5; ++reel) recordReel(rec, reel, g.stops[reel - 1], g.waysfactor, true);
        const SpinPays pays = settlePays(rec, g.waysfactor, g.bet);
        for (const SymbolPay& p : pays.pays)
            out.push_back(upper(symbolName(p.symbol)) + "   " + std::to_string(p.ways) +
                          (p.ways == 1 ? " way" : " ways") + "   " +
                          money(static_cast<std::int64_t>(p.pay) * g.bet));
        if (pays.scatterWin > 0) out.push_back("SCATTER   " + money(pays.scatterWin));
    }
    out.push_back(g.win > 0 ? "Win   " + money(g.win) : "No Win");
    if (g.freespins > 0) {
        std::string line = std::to_string(g.freespins) + " free spins";
        if (!g.multipliers.empty()) {
            line += "   x";
            for (std::size_t i = 0; i < g.multipliers.size(); ++i)
                line += (i ? " x" : "") + std::to_string(g.multipliers[i]);
        }
        out.push_back(line);
        out.push_back("Series total   " + money(g.freespinwin));
    }
    if (g.jackpotfield > 0) out.push_back("Jackpot   " + money(g.jackpotwin));
    std::vector<GambleBet> bets;
    if (!g.gamble.empty() && parseGamble(g.gamble, bets)) {
        // The cards drawn, in order; the window shows their faces beside.
        std::string line = "Gamble  ";
        for (const GambleBet& b : bets)
            line +=
                " card " + std::to_string(b.card) + (b.result == GambleBet::Result::lost ? " lost" : " won");
        out.push_back(line);
        out.push_back("Gamble result   " + money(g.gamblewin));
    }
    out.push_back("Credit   " + money(g.creditBefore) + "  >  " + money(g.creditAfter));
    if (g.restored > 0) out.push_back("Restored after a close");
    if (g.note == "deleted") out.push_back("The player's details were deleted");
    if (g.phase != Phase::ended && g.phase != Phase::offer) out.push_back("Still under way");
    return out;
}

namespace {

// Running sums of one figure, game by game.
struct Running {
    double sum = 0, sumSquares = 0, expected = 0, variance = 0;
};

PlotPoint pointOf(std::int64_t n, const Running& r, bool ownSpread) {
    const double count = static_cast<double>(n);
    PlotPoint p;
    p.n = n;
    p.mean = r.sum / count;
    p.expected = r.expected / count;
    double var = r.variance;
    if (ownSpread) {
        const double sampleVar = n > 1 ? (r.sumSquares - r.sum * r.sum / count) / (count - 1) : 0;
        var = std::max(sampleVar, 0.0) * count;
    }
    const double half = kZ99 * std::sqrt(var) / count;
    p.low = p.expected - half;
    p.high = p.expected + half;
    return p;
}

}  // namespace

ResultsPlot resultsPlot(std::span<const RecalledGame> played, const FiguresOf& figures, int maxPoints) {
    ResultsPlot plot;
    const auto total = static_cast<std::int64_t>(played.size());
    if (total == 0 || maxPoints < 2) return plot;
    // The counts to plot: geometric from 1 to the last game, each once.
    std::vector<std::int64_t> at;
    const double step = std::log(static_cast<double>(total)) / (maxPoints - 1);
    for (int i = 0; i < maxPoints; ++i) {
        const auto n = static_cast<std::int64_t>(std::llround(std::exp(step * i)));
        if (n >= 1 && n <= total && (at.empty() || n > at.back())) at.push_back(n);
    }
    if (at.back() != total) at.push_back(total);

    Running ret, free, jack;
    std::size_t next = 0;
    std::map<std::tuple<int, int, int>, ExactFigures> seen;
    for (std::int64_t i = 0; i < total; ++i) {
        const RecalledGame& g = played[static_cast<std::size_t>(i)];
        const auto key = std::make_tuple(g.waysfactor, g.machinepay, g.bet);
        auto found = seen.find(key);
        if (found == seen.end()) found = seen.emplace(key, figures(g.waysfactor, g.machinepay, g.bet)).first;
        const ExactFigures& e = found->second;
        const double x =
            g.stake > 0 ? static_cast<double>(g.win + g.freespinwin) / static_cast<double>(g.stake) : 0;
        ret.sum += x;
        ret.sumSquares += x * x;
        ret.expected += e.ret;
        const double f = g.freespins > 0 ? 1 : 0;
        free.sum += f;
        free.expected += e.pFreeSpins;
        free.variance += e.pFreeSpins * (1 - e.pFreeSpins);
        const double j = g.jackpotfield > 0 ? 1 : 0;
        jack.sum += j;
        jack.expected += e.pJackpot;
        jack.variance += e.pJackpot * (1 - e.pJackpot);
        if (next < at.size() && at[next] == i + 1) {
            plot.ret.points.push_back(pointOf(i + 1, ret, true));
            plot.freeSpins.points.push_back(pointOf(i + 1, free, false));
            plot.jackpots.points.push_back(pointOf(i + 1, jack, false));
            ++next;
        }
    }
    return plot;
}

FiguresOf exactFigures() {
    return [](int waysfactor, int machinepay, int bet) {
        const int level = machinepay >= 1 && machinepay <= 3 ? machinepay : 3;
        const Odds o = oddsFrom(keptOdds(waysfactor), level, bet > 0 ? bet : 1);
        return ExactFigures{o.paidSpin + o.freeSpins, o.pFreeSpins, o.pJackpot};
    };
}

}  // namespace tonvale
