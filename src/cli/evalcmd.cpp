// SPDX-License-Identifier: MIT
#include "cli/evalcmd.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <vector>

#include "cli/input.h"
#include "core/textforms.h"
#include "rules/paytable.h"
#include "rules/strips.h"

namespace tonvale {

std::optional<std::string> checkCase(const EvalCase& c) {
    for (int r = 0; r < 5; ++r)
        if (c.stops[r] < 1 || c.stops[r] > kStops)
            return "stop " + std::to_string(c.stops[r]) + " of reel " + std::to_string(r + 1) +
                   " is outside 1..22";
    if (!waysFactorForWays(c.ways)) return "unknown ways " + std::to_string(c.ways);
    bool betOk = false;
    for (int b : kBets) betOk = betOk || b == c.bet;
    if (!betOk) return "unknown bet " + std::to_string(c.bet);
    if (c.bellcoin != 1 && c.bellcoin != 2)
        return "bellcoin " + std::to_string(c.bellcoin) + " is not 1 or 2";
    return std::nullopt;
}

std::optional<std::string> parseStops(const std::string& text, EvalCase& c) {
    std::vector<std::string> parts;
    std::stringstream ss(text);
    std::string part;
    while (std::getline(ss, part, ',')) parts.push_back(part);
    if (parts.size() != 5 || (!text.empty() && text.back() == ','))
        return "stops " + excerpt(text) + " are not five numbers A,B,C,D,E";
    for (int r = 0; r < 5; ++r)
        if (!parseInteger(parts[static_cast<std::size_t>(r)], c.stops[r]))
            return "stop " + excerpt(parts[static_cast<std::size_t>(r)]) + " of reel " +
                   std::to_string(r + 1) + " is not a number";
    return std::nullopt;
}

std::optional<std::string> parseCaseLine(const std::string& line, EvalCase& c) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string w;
    while (in >> w) words.push_back(w);
    if (words.size() < 3 || words.size() > 4)
        return "line " + excerpt(line) + " is not 'A,B,C,D,E WAYS BET BELLCOIN'";
    if (auto e = parseStops(words[0], c)) return e;
    if (!parseInteger(words[1], c.ways)) return "ways " + excerpt(words[1]) + " is not a number";
    if (!parseInteger(words[2], c.bet)) return "bet " + excerpt(words[2]) + " is not a number";
    c.bellcoin = 1;
    if (words.size() == 4 && !parseInteger(words[3], c.bellcoin))
        return "bellcoin " + excerpt(words[3]) + " is not a number";
    return checkCase(c);
}

nlohmann::json evaluateCase(const EvalCase& c) {
    const int waysfactor = *waysFactorForWays(c.ways);
    SpinRecord rec;
    clearRecord(rec);
    rec.bellcoin = static_cast<std::int16_t>(c.bellcoin);
    nlohmann::json grid = nlohmann::json::array();
    for (int reel = 1; reel <= 5; ++reel) {
        recordReel(rec, reel, c.stops[reel - 1], waysfactor, true);
        nlohmann::json column = nlohmann::json::array();
        for (Symbol s : visibleSymbols(reel, c.stops[reel - 1])) column.push_back(std::string(symbolName(s)));
        grid.push_back(column);
    }
    const std::int16_t scattersum = rec.scattersum;
    const SpinPays pays = settlePays(rec, waysfactor, c.bet);
    nlohmann::json payList = nlohmann::json::array();
    for (const SymbolPay& p : pays.pays)
        payList.push_back({{"symbol", std::string(symbolName(p.symbol))},
                           {"kind", p.kind},
                           {"ways", p.ways},
                           {"pay", p.pay}});
    return {
        {"stops", {c.stops[0], c.stops[1], c.stops[2], c.stops[3], c.stops[4]}},
        {"ways", c.ways},
        {"bet", c.bet},
        {"bellcoin", c.bellcoin},
        {"grid", grid},
        {"pays", payList},
        {"ways_win", pays.waysWin},
        {"scatter_sum", scattersum},
        {"scatter_win", pays.scatterWin},
        {"free_spins", pays.scatter ? pays.scatter->freeSpins : 0},
        {"win", pays.win},
        {"bell_count", rec.bellcount},
    };
}

std::string evaluateCaseText(const EvalCase& c) { return evaluateCase(c).dump(); }

int evalLines(std::istream& in, std::ostream& out, std::ostream& err) {
    int status = 0;
    std::string line;
    int number = 0;
    for (LineRead read; (read = readLine(in, line)) != LineRead::end;) {
        ++number;
        if (read != LineRead::line) {
            // A line past the limit is not read to its end (it may have none), and
            // an input that fails is no input: either ends the run.
            err << lineProblem(read, number) << '\n';
            return read == LineRead::tooLong ? 2 : 1;
        }
        if (isBlankLine(line)) continue;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        EvalCase c;
        if (auto e = parseCaseLine(line, c)) {
            err << "line " << number << ": " << *e << '\n';
            status = 2;
            continue;
        }
        out << evaluateCaseText(c) << '\n';
    }
    out.flush();
    if (!out) {
        err << "the answers could not be written out\n";
        return 1;
    }
    return status;
}

}  // namespace tonvale
