// SPDX-License-Identifier: MIT
#include "core/play.h"

#include <algorithm>

#include "core/textforms.h"
#include "rules/board.h"
#include "rules/strips.h"
#include "rules/symbols.h"

namespace tonvale {

int waysOf(int waysfactor) {
    switch (waysfactor) {
        case 1:
            return 3;
        case 3:
            return 9;
        case 7:
            return 27;
        case 15:
            return 81;
        case 25:
            return 243;
        default:
            return 0;
    }
}

namespace {

constexpr std::string_view kBetNames[] = {"red", "black", "hearts", "clubs", "diamonds", "spades"};

std::string_view resultName(GambleBet::Result r) {
    switch (r) {
        case GambleBet::Result::won:
            return "won";
        case GambleBet::Result::lost:
            return "lost";
        case GambleBet::Result::full:
            return "full";
    }
    return "won";
}

}  // namespace

std::string_view betName(int on) {
    return on >= 0 && on < 6 ? kBetNames[static_cast<std::size_t>(on)] : std::string_view("?");
}

std::string_view phaseName(Phase p) {
    switch (p) {
        case Phase::ended:
            return "ended";
        case Phase::spinning:
            return "spinning";
        case Phase::series:
            return "series";
        case Phase::jackpot:
            return "jackpot";
        case Phase::offer:
            return "offer";
        case Phase::gamble:
            return "gamble";
    }
    return "ended";
}

std::string_view kindName(LineKind k) {
    switch (k) {
        case LineKind::spin:
            return "spin";
        case LineKind::insert:
            return "insert";
        case LineKind::checkpoint:
            return "checkpoint";
        case LineKind::legacy:
            return "legacy";
    }
    return "spin";
}

bool phaseNamed(std::string_view name, Phase& out) {
    for (Phase p :
         {Phase::ended, Phase::spinning, Phase::series, Phase::jackpot, Phase::offer, Phase::gamble})
        if (phaseName(p) == name) {
            out = p;
            return true;
        }
    return false;
}

bool kindNamed(std::string_view name, LineKind& out) {
    for (LineKind k : {LineKind::spin, LineKind::insert, LineKind::checkpoint, LineKind::legacy})
        if (kindName(k) == name) {
            out = k;
            return true;
        }
    return false;
}

std::string gambleText(const std::vector<GambleBet>& bets) {
    std::string out;
    for (const GambleBet& b : bets) {
        if (!out.empty()) out += ',';
        out += std::to_string(b.card);
        if (b.on >= 0) {
            out += ':';
            out += betName(b.on);
        }
        out += ':';
        out += resultName(b.result);
    }
    return out;
}

bool parseGamble(std::string_view text, std::vector<GambleBet>& out) {
    out.clear();
    if (text.empty()) return true;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::string_view item = text.substr(from, comma - from);
        // "card:result" or "card:on:result"
        const std::size_t first = item.find(':');
        const std::size_t last = item.rfind(':');
        if (first == std::string_view::npos) return false;
        GambleBet b;
        std::int64_t card = 0;
        if (!parseInteger(item.substr(0, first), card) || card < 1 || card > 4) return false;
        b.card = static_cast<int>(card);
        if (last != first) {
            const std::string_view on = item.substr(first + 1, last - first - 1);
            b.on = -1;
            for (int i = 0; i < 6; ++i)
                if (on == kBetNames[static_cast<std::size_t>(i)]) b.on = i;
            if (b.on < 0) return false;
        }
        const std::string_view result = item.substr(last + 1);
        if (result == "won")
            b.result = GambleBet::Result::won;
        else if (result == "lost")
            b.result = GambleBet::Result::lost;
        else if (result == "full")
            b.result = GambleBet::Result::full;
        else
            return false;
        out.push_back(b);
        from = comma + 1;
    }
    return true;
}

Play checkpointOf(const Play& last, std::string note) {
    Play c;
    c.id = last.id;
    c.player = last.player;
    c.timeMs = last.timeMs;
    c.kind = LineKind::checkpoint;
    c.creditBefore = c.creditAfter = last.creditAfter;
    c.totals = last.totals;
    c.note = last.kind == LineKind::legacy ? "legacy" : std::move(note);
    return c;
}

namespace {

std::string drawProblem(const Draw& d, bool free) {
    for (std::size_t i = 0; i < 5; ++i)
        if (d.stops[i] < 1 || d.stops[i] > kStops)
            return "reel " + std::to_string(i + 1) + " stop " + std::to_string(d.stops[i]);
    if (d.bellcoin != 1 && d.bellcoin != 2) return "bell coin " + std::to_string(d.bellcoin);
    const bool multiplier =
        free ? d.multiplier == 2 || d.multiplier == 3 || d.multiplier == 5 || d.multiplier == 10
             : d.multiplier == 1;
    if (!multiplier) return "multiplier " + std::to_string(d.multiplier);
    return {};
}

}  // namespace

std::string lineProblem(const Play& p) {
    if (p.kind == LineKind::insert || p.kind == LineKind::checkpoint) return {};
    if (std::find(kBets.begin(), kBets.end(), p.bet) == kBets.end()) return "bet " + std::to_string(p.bet);
    if (waysOf(p.waysfactor) == 0) return "ways factor " + std::to_string(p.waysfactor);
    if (p.machinepay < 0 || p.machinepay > 3) return "payout level " + std::to_string(p.machinepay);
    if (p.jackpotfield != 0 && !isBoardField(p.jackpotfield))
        return "board field " + std::to_string(p.jackpotfield);
    if (p.freespins < 0 || static_cast<std::size_t>(p.freespins) < p.spins.size())
        return std::to_string(p.spins.size()) + " free spins played of " + std::to_string(p.freespins);
    const Draw stood{{p.stops[0], p.stops[1], p.stops[2], p.stops[3], p.stops[4]}, p.bellcoin, 1};
    if (std::string why = drawProblem(stood, false); !why.empty()) return why;
    for (const Draw& d : p.withdrawn)
        if (std::string why = drawProblem(d, false); !why.empty()) return "withdrawn draw: " + why;
    for (std::size_t i = 0; i < p.spins.size(); ++i) {
        const FreeSpin& f = p.spins[i];
        std::string why = drawProblem(f.draw, true);
        for (const Draw& d : f.withdrawn)
            if (why.empty()) why = drawProblem(d, true);
        if (!why.empty()) return "free spin " + std::to_string(i + 1) + ": " + why;
    }
    std::vector<GambleBet> bets;
    if (!parseGamble(p.gamble, bets)) return "gamble \"" + p.gamble + "\"";
    return {};
}

std::int64_t returned(const Play& p) {
    const std::int64_t spin = p.freespins > 0 ? p.freespinwin : p.win;
    return spin + p.jackpotwin - p.gamblestake + p.gamblewin;
}

}  // namespace tonvale
