// SPDX-License-Identifier: MIT
#pragma once
// `tonvale-cli rtp`: the exact return figures by ways setting and payout level.
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "rules/odds.h"

namespace tonvale {

struct RtpOptions {
    std::vector<int> ways;    // empty: all five settings
    std::vector<int> levels;  // empty: all three payout levels
    int bet = 1;
    bool json = false;
};

// The figures as a readable table, one line per ways setting and payout level.
std::string rtpTable(const std::vector<Odds>& rows);
// The figures as a JSON array of objects.
nlohmann::ordered_json rtpJson(const std::vector<Odds>& rows);

// Runs the command; returns the exit status (2 for a value that is not allowed).
int runRtp(const RtpOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tonvale
