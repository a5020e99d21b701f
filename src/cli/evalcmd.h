// SPDX-License-Identifier: MIT
#pragma once
// `tonvale-cli eval`: the pays of given stops as JSON.
#include <iosfwd>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

namespace tonvale {

struct EvalCase {
    int stops[5] = {1, 1, 1, 1, 1};
    int ways = 243;
    int bet = 1;
    int bellcoin = 1;
};

// Checks a case; returns the message naming the bad value, or nothing.
std::optional<std::string> checkCase(const EvalCase& c);
// Parses "A,B,C,D,E" into the stops; a message naming the bad value on failure.
std::optional<std::string> parseStops(const std::string& text, EvalCase& c);
// Parses one line "A,B,C,D,E WAYS BET [BELLCOIN]".
std::optional<std::string> parseCaseLine(const std::string& line, EvalCase& c);

nlohmann::json evaluateCase(const EvalCase& c);
// The same as one line of JSON text, without the line break.
std::string evaluateCaseText(const EvalCase& c);

// Line mode: one case a line from `in`, one JSON object a line to `out`; returns
// the exit status: 2 when any line was bad (a line longer than kLongestLine ends
// the run), 1 when the input could not be read or the output not written.
int evalLines(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tonvale
